#pragma once
#include <QByteArray>

#include <string>
#include <vector>

#include "model/Certificate.h"
#include "model/CompanyProfileFile.h"

namespace mervane {

// Reads one certificate object, or {"certificates": [ ... ]}. Keys are the
// field names of TCertificate; an absent BookNo or RunNo takes the profile's.
// Throws mervane::Error with one line naming the file, the certificate (from 1)
// and the field, or the line and column of malformed JSON.
std::vector<TCertificate> ParseCertificatesJson(const QByteArray& json, const std::string& fileName,
                                                const ProfileRecord& profile);

// "Slots.NN.TaxAmount: " for the first counted line, in evaluation order, whose
// tax amount is empty (the line that makes the tax total empty); "" otherwise.
std::string CountedLineWithoutTax(const TCertificate& certificate);

} // namespace mervane
