#include "amounts/AmountText.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "model/Error.h"

namespace mervane {

namespace {

// The value's 15 significant decimal digits and the power of ten of the first.
// Rounding to the hundredth happens on these digits, not on the binary value, so
// the residue of a sum (0.1 + 0.2 = 0.30000000000000004) never decides it.
struct Decimal15 {
    std::string digits; // exactly 15
    int exponent = 0;   // value = 0.d1d2... * 10^(exponent + 1)
};

Decimal15 toDecimal15(double magnitude)
{
    char buf[40];
    std::snprintf(buf, sizeof buf, "%.14e", magnitude);
    Decimal15 d;
    for (const char* p = buf; *p && *p != 'e'; ++p)
        if (*p >= '0' && *p <= '9')
            d.digits.push_back(*p);
    const char* e = std::strchr(buf, 'e');
    d.exponent = e ? std::atoi(e + 1) : 0;
    return d;
}

// Decimal digits of the value brought to the nearest hundredth, half up: the
// integer part (at least "0") and the two decimals.
void hundredths(double magnitude, std::string& integerPart, std::string& decimals)
{
    integerPart.clear();
    decimals = "00";
    if (magnitude == 0)
    {
        integerPart = "0";
        return;
    }
    const Decimal15 d = toDecimal15(magnitude);
    // Digit at 10^k is digits[exponent - k] when in range.
    auto digitAt = [&](int k) -> int {
        const int i = d.exponent - k;
        return (i >= 0 && i < 15) ? d.digits[static_cast<std::size_t>(i)] - '0' : 0;
    };
    std::string all; // from 10^max(exponent,0) down to 10^-2
    const int top = d.exponent > 0 ? d.exponent : 0;
    for (int k = top; k >= -2; --k)
        all.push_back(static_cast<char>('0' + digitAt(k)));
    if (digitAt(-3) >= 5) {
        int i = static_cast<int>(all.size()) - 1;
        while (i >= 0 && all[static_cast<std::size_t>(i)] == '9')
            all[static_cast<std::size_t>(i--)] = '0';
        if (i >= 0)
            ++all[static_cast<std::size_t>(i)];
        else
            all.insert(all.begin(), '1');
    }
    integerPart = all.substr(0, all.size() - 2);
    decimals = all.substr(all.size() - 2);
    const auto firstNonZero = integerPart.find_first_not_of('0');
    integerPart = firstNonZero == std::string::npos ? "0" : integerPart.substr(firstNonZero);
}

} // namespace

std::string AmountText(const Amount& amount, const NumberSeparators& separators)
{
    if (!amount)
        return {};
    const double value = *amount;
    if (!std::isfinite(value))
        throw Error("The amount is not a finite number");
    std::string integerPart, decimals;
    hundredths(std::fabs(value), integerPart, decimals);

    std::string out;
    const bool negative = value < 0 && !(integerPart == "0" && decimals == "00");
    if (negative)
        out.push_back('-');
    const std::size_t n = integerPart.size();
    for (std::size_t i = 0; i < n; ++i) {
        if (i > 0 && (n - i) % 3 == 0)
            out += separators.thousands;
        out.push_back(integerPart[i]);
    }
    out += separators.decimal;
    out += decimals;
    return out;
}

int DecimalPlaces(double value)
{
    // Shortest round-trip form in fixed notation: the digits a person wrote,
    // not the binary value's long expansion. Either end of the double range
    // takes a little over 300 characters.
    if (!std::isfinite(value))
        throw Error("Cannot count the decimals of a number that is not finite");
    std::array<char, 400> text;
    const auto end = std::to_chars(text.data(), text.data() + text.size(), value, std::chars_format::fixed).ptr;
    const char* point = std::find(text.data(), end, '.');
    return point == end ? 0 : static_cast<int>(end - point - 1);
}

std::string GeneralNumberText(double value)
{
    char buf[40];
    std::snprintf(buf, sizeof buf, "%.15g", value);
    return buf;
}

} // namespace mervane
