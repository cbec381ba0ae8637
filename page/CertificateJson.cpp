#include "page/CertificateJson.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <cmath>
#include <cstdio>
#include <limits>

#include "amounts/AmountText.h"
#include "amounts/IncomeRows.h"
#include "model/Error.h"

namespace mervane {

namespace {

// "08, 13, 14 and 15", from the slot table.
std::string slotsWithDescription()
{
    std::vector<std::string> keys;
    for (const SlotInfo& info : kSlotTable)
        if (info.despElement)
            keys.push_back((info.number < 10 ? "0" : "") + std::to_string(info.number));
    std::string list;
    for (std::size_t i = 0; i < keys.size(); ++i)
        list += (i == 0 ? "" : i + 1 == keys.size() ? " and " : ", ") + keys[i];
    return list;
}

class Reader {
public:
    Reader(const std::string& file, std::size_t index) : prefix_(file + ": certificate " + std::to_string(index) + ": ") {}

    [[noreturn]] void fail(const std::string& field, const std::string& message) const
    {
        throw Error(prefix_ + field + ": " + message);
    }

    std::string text(const QJsonValue& v, const std::string& field) const
    {
        if (!v.isString())
            fail(field, "expected text");
        const QString s = v.toString();
        // Every text prints on one line; a line break or other control
        // character would be dropped or run the words together.
        for (const QChar c : s) {
            const QChar::Category category = c.category();
            if (category == QChar::Other_Control || category == QChar::Separator_Line ||
                category == QChar::Separator_Paragraph) {
                char code[16];
                std::snprintf(code, sizeof code, "U+%04X", static_cast<unsigned>(c.unicode()));
                fail(field, std::string("contains ") + code + ", a line break or control character; texts print on one line");
            }
        }
        return s.toStdString();
    }

    Amount amount(const QJsonValue& v, const std::string& field) const
    {
        if (v.isNull() || v.isUndefined())
            return std::nullopt;
        if (!v.isDouble())
            fail(field, "expected a number or null");
        const double d = v.toDouble();
        // A batch takes what the windows' amount fields take, so that every
        // line prints exactly the figure that was added into the totals.
        if (!(std::fabs(d) < std::pow(10.0, kMaxAmountWholeDigits)))
            fail(field, "has more than " + std::to_string(kMaxAmountWholeDigits) + " digits before the decimal point");
        if (DecimalPlaces(d) > 2)
            fail(field, "has more than two decimals");
        return d;
    }

    std::int32_t whole(const QJsonValue& v, const std::string& field, double min, double max) const
    {
        if (!v.isDouble())
            fail(field, "expected a whole number");
        const double d = v.toDouble();
        if (d != std::floor(d))
            fail(field, "expected a whole number");
        if (d < min || d > max) {
            char range[64];
            std::snprintf(range, sizeof range, "out of range (%.0f to %.0f)", min, max);
            fail(field, range);
        }
        return static_cast<std::int32_t>(d);
    }

    int choice(const QJsonValue& v, const std::string& field, int max) const
    {
        if (v.isNull())
            return 0;
        return whole(v, field, 1, max);
    }

    DateValue date(const QJsonValue& v, const std::string& field) const
    {
        if (v.isNull() || v.isUndefined())
            return std::nullopt;
        if (!v.isString())
            fail(field, "expected a date \"YYYY-MM-DD\" or null");
        const auto d = ParseIsoDate(v.toString().toStdString());
        if (!d)
            fail(field, "\"" + v.toString().toStdString() + "\" is not a date \"YYYY-MM-DD\"");
        return d;
    }

    void slot(const QJsonValue& v, const std::string& key, const SlotInfo& info, TIncomeSlot& s) const
    {
        const std::string base = "Slots." + key;
        if (!v.isObject())
            fail(base, "expected an object");
        const QJsonObject o = v.toObject();
        for (auto it = o.begin(); it != o.end(); ++it) {
            const std::string k = it.key().toStdString();
            const std::string field = base + "." + k;
            if (k == "Date")
                s.Date = date(it.value(), field);
            else if (k == "Amount")
                s.Amount = amount(it.value(), field);
            else if (k == "TaxAmount")
                s.TaxAmount = amount(it.value(), field);
            else if (k == "Desp" && info.despElement)
                s.Desp = text(it.value(), field);
            else if (k == "Desp")
                fail(field, "this line has no description (only slots " + slotsWithDescription() + " have one)");
            else
                fail(field, "unknown key");
        }
    }

    TCertificate certificate(const QJsonValue& v, const ProfileRecord& profile) const
    {
        if (!v.isObject())
            throw Error(prefix_ + "expected an object");
        TCertificate c;
        c.BookNo = profile.bookNo;
        c.RunNo = profile.runNo;
        constexpr double lo = std::numeric_limits<std::int32_t>::min();
        constexpr double hi = std::numeric_limits<std::int32_t>::max();
        const QJsonObject o = v.toObject();
        for (auto it = o.begin(); it != o.end(); ++it) {
            const std::string k = it.key().toStdString();
            const QJsonValue& val = it.value();
            if (k == "PayeeName")
                c.PayeeName = text(val, k);
            else if (k == "PayeeAddress")
                c.PayeeAddress = text(val, k);
            else if (k == "PayeeTaxNo")
                c.PayeeTaxNo = text(val, k);
            else if (k == "PayeeIdNo")
                c.PayeeIdNo = text(val, k);
            else if (k == "DateOut")
                c.DateOut = date(val, k);
            else if (k == "BookNo")
                c.BookNo = whole(val, k, lo, hi);
            else if (k == "RunNo")
                c.RunNo = whole(val, k, lo, hi);
            else if (k == "TaxType")
                c.TaxType = choice(val, k, 7);
            else if (k == "PayerCondition")
                c.PayerCondition = choice(val, k, 4);
            else if (k == "ConditionText")
                c.ConditionText = text(val, k);
            else if (k == "Slots") {
                if (!val.isObject())
                    fail(k, "expected an object keyed \"01\" to \"15\"");
                const QJsonObject slotObject = val.toObject();
                for (auto s = slotObject.begin(); s != slotObject.end(); ++s) {
                    const std::string key = s.key().toStdString();
                    bool ok = false;
                    const int n = s.key().toInt(&ok);
                    if (!ok || key.size() != 2 || n < 1 || n > kSlotCount)
                        fail("Slots." + key, "unknown slot (slots are \"01\" to \"15\")");
                    slot(s.value(), key, slotInfo(n), c.slot(n));
                }
            } else
                fail(k, "unknown key");
        }
        return c;
    }

private:
    std::string prefix_;
};

std::string position(const QByteArray& json, int offset)
{
    int line = 1;
    int column = 1;
    for (int i = 0; i < offset && i < json.size(); ++i) {
        const auto byte = static_cast<unsigned char>(json[i]);
        if (byte == '\n') {
            ++line;
            column = 1;
        } else if ((byte & 0xC0) != 0x80) { // count characters, not UTF-8 bytes
            ++column;
        }
    }
    return std::to_string(line) + ":" + std::to_string(column);
}

} // namespace

std::vector<TCertificate> ParseCertificatesJson(const QByteArray& json, const std::string& fileName,
                                                const ProfileRecord& profile)
{
    QJsonParseError error;
    const QJsonDocument doc = QJsonDocument::fromJson(json, &error);
    if (error.error != QJsonParseError::NoError)
        throw Error(fileName + ":" + position(json, error.offset) + ": " + error.errorString().toStdString());
    if (!doc.isObject())
        throw Error(fileName + ": expected a certificate object or {\"certificates\": [...]}");

    const QJsonObject top = doc.object();
    std::vector<TCertificate> out;
    if (top.contains("certificates")) {
        if (top.size() != 1)
            throw Error(fileName + ": beside \"certificates\" no other key is allowed");
        const QJsonValue list = top.value("certificates");
        if (!list.isArray())
            throw Error(fileName + ": \"certificates\" must be an array");
        const QJsonArray array = list.toArray();
        if (array.isEmpty())
            throw Error(fileName + ": \"certificates\" is empty; there is nothing to print");
        out.reserve(static_cast<std::size_t>(array.size()));
        for (qsizetype i = 0; i < array.size(); ++i)
            out.push_back(Reader(fileName, static_cast<std::size_t>(i) + 1).certificate(array[i], profile));
    } else {
        out.push_back(Reader(fileName, 1).certificate(top, profile));
    }
    return out;
}

std::string CountedLineWithoutTax(const TCertificate& certificate)
{
    for (const int n : kEvaluationOrder) {
        const TIncomeSlot& s = certificate.slot(n);
        if (IsRowCounted(s) && !s.TaxAmount) {
            char buf[32];
            std::snprintf(buf, sizeof buf, "Slots.%02d.TaxAmount: ", n);
            return buf;
        }
    }
    return {};
}

} // namespace mervane
