#pragma once
#include <string>

#include "model/Certificate.h"

namespace mervane {

// The system's thousands and decimal separators; Thai settings by default.
struct NumberSeparators {
    std::string thousands = ",";
    std::string decimal = ".";
};

// What an amount field takes: at most this many digits before the decimal
// point and two after it. Larger sums of several lines still display.
inline constexpr int kMaxAmountWholeDigits = 13;

// How many decimals the shortest decimal text that reads back as `value` has:
// 1 for 0.1, 3 for 12345.678, 0 for 1e20. `value` must be finite.
int DecimalPlaces(double value);

// The display form ",0.00;-,0.00": grouped integer part, exactly two decimals,
// a leading "-" for negatives, the empty text for an empty amount.
std::string AmountText(const Amount& amount, const NumberSeparators& separators = {});

// The general number form with at most 15 significant digits ("0" for zero,
// "0.3" for the sum of 0.1 and 0.2), as the tax total is written before it is
// read back and spelled out.
std::string GeneralNumberText(double value);

} // namespace mervane
