#include "amounts/UbahtStang.h"

#include "model/Error.h"

#include <array>
#include <bit>
#include <cmath>
#include <cstdint>
#include <string_view>

namespace mervane {
namespace {

constexpr std::string_view kOne = "หนึ่ง";
constexpr std::string_view kTwo = "สอง";
constexpr std::string_view kEd = "เอ็ด";
constexpr std::string_view kYee = "ยี่";
constexpr std::string_view kTen = "สิบ";
constexpr std::string_view kMillion = "ล้าน";
constexpr std::string_view kBaht = "บาท";
constexpr std::string_view kSatang = "สตางค์";
constexpr std::string_view kExact = "ถ้วน";
constexpr std::string_view kZeroBaht = "ศูนย์บาท";
constexpr std::string_view kMinus = "ลบ";
constexpr std::string_view kZeroMarker = "x";

// Indexed by digit value; only 2..9 hold words. One and two have variant
// forms ("เอ็ด", "ยี่") that depend on the place, so callers pick those.
constexpr std::array<std::string_view, 10> kDigitWord = {
    "", "", "สอง", "สาม", "สี่", "ห้า", "หก", "เจ็ด", "แปด", "เก้า",
};

// Place names within a six-digit group, indexed by place (0 = units). The
// units place of any group above the lowest is the millions boundary.
constexpr std::array<std::string_view, 6> kPlaceName = {
    "", "สิบ", "ร้อย", "พัน", "หมื่น", "แสน",
};

// Longest words one digit can produce ("หนึ่ง" + "หมื่น"), in bytes.
constexpr std::size_t kMaxDigitBytes = 30;

// Appends the words of one integer digit. Returns false for the lone zero
// of an integer part that is 0, which has no words at all.
bool AppendDigitWord(std::string& out, int digit, int length, int position)
{
    const int place = (position - 1) % 6;
    const bool groupBoundary = place == 0 && position > 1;
    if (digit == 0) {
        if (length == 1)
            return false;
        // The millions word belongs to the boundary, not to the digit: it is
        // written even when the group below it is all zeros.
        if (groupBoundary)
            out += kMillion;
        return true;
    }
    if (digit == 1) {
        if (place == 0)
            out += position == length ? kOne : kEd;
        else if (place != 1) // a one in a tens place is read as just the tens word
            out += kOne;
    } else if (digit == 2) {
        out += place == 1 ? kYee : kTwo;
    } else {
        out += kDigitWord[digit];
    }
    out += groupBoundary ? kMillion : kPlaceName[place];
    return true;
}

// The amount's magnitude rounded to whole satang: the integer part as decimal
// digits (most significant first) and the two decimals.
struct Satang {
    // A double's integer part has at most 309 digits.
    std::array<char, 312> digits{};
    int length = 0;
    int satang = 0;
    bool IsZero() const { return satang == 0 && length == 1 && digits[0] == '0'; }
};

void WriteDecimal(std::uint64_t value, Satang& out)
{
    char reversed[20];
    int n = 0;
    do {
        reversed[n++] = static_cast<char>('0' + value % 10);
        value /= 10;
    } while (value != 0);
    while (n > 0)
        out.digits[out.length++] = reversed[--n];
}

// mantissa * 2^shift for integers too large for 64 bits, in base 10^9 limbs.
void WriteDecimalShifted(std::uint64_t mantissa, int shift, Satang& out)
{
    constexpr std::uint32_t kBase = 1'000'000'000;
    std::array<std::uint32_t, 36> limbs{}; // least significant first
    int count = 0;
    do {
        limbs[count++] = static_cast<std::uint32_t>(mantissa % kBase);
        mantissa /= kBase;
    } while (mantissa != 0);
    while (shift > 0) {
        // A limb is below 2^30, so shifting by up to 32 plus the carry stays
        // well inside 64 bits.
        const int step = shift < 32 ? shift : 32;
        std::uint64_t carry = 0;
        for (int i = 0; i < count; ++i) {
            const std::uint64_t v = (std::uint64_t{limbs[i]} << step) + carry;
            limbs[i] = static_cast<std::uint32_t>(v % kBase);
            carry = v / kBase;
        }
        while (carry != 0) {
            limbs[count++] = static_cast<std::uint32_t>(carry % kBase);
            carry /= kBase;
        }
        shift -= step;
    }
    WriteDecimal(limbs[count - 1], out);
    for (int i = count - 2; i >= 0; --i) {
        std::uint32_t limb = limbs[i];
        for (int d = 8; d >= 0; --d) {
            out.digits[out.length + d] = static_cast<char>('0' + limb % 10);
            limb /= 10;
        }
        out.length += 9;
    }
}

// Rounds |amount| half up to satang on its exact value. Formatting with
// printf or to_chars would round exact ties to even, and scaling by 100 in
// floating point rounds before the tie is seen, so the double is taken apart
// as mantissa * 2^exponent and the cents are worked out in integers.
Satang RoundToSatang(double magnitude)
{
    const auto bits = std::bit_cast<std::uint64_t>(magnitude);
    const int biased = static_cast<int>((bits >> 52) & 0x7ff);
    std::uint64_t mantissa = bits & ((std::uint64_t{1} << 52) - 1);
    int exponent = -1074;
    if (biased != 0) {
        mantissa |= std::uint64_t{1} << 52;
        exponent = biased - 1075;
    }

    Satang result;
    if (exponent >= 0) {
        // A whole number: no satang, but possibly hundreds of digits.
        if (exponent <= 10)
            WriteDecimal(mantissa << exponent, result);
        else
            WriteDecimalShifted(mantissa, exponent, result);
        return result;
    }

    // |amount| * 100 = mantissa * 100 / 2^k, with mantissa * 100 < 2^60.
    const int k = -exponent;
    const std::uint64_t scaled = mantissa * 100;
    std::uint64_t cents = 0;
    if (k < 62) { // from 62 on, scaled is below the half and everything rounds to 0
        cents = scaled >> k;
        const std::uint64_t remainder = scaled & ((std::uint64_t{1} << k) - 1);
        if (remainder >= std::uint64_t{1} << (k - 1))
            ++cents;
    }
    WriteDecimal(cents / 100, result);
    result.satang = static_cast<int>(cents % 100);
    return result;
}

void AppendSatangWords(std::string& out, int satang)
{
    const int tens = satang / 10;
    const int units = satang % 10;
    if (tens == 1) {
        out += kTen;
    } else if (tens == 2) {
        out += kYee;
        out += kTen;
    } else if (tens != 0) {
        out += kDigitWord[tens];
        out += kTen;
    }
    if (units == 1)
        out += tens == 0 ? kOne : kEd;
    else if (units == 2)
        out += kTwo;
    else if (units != 0)
        out += kDigitWord[units];
    out += kSatang;
}

} // namespace

std::string AmountToThaiText(double amount)
{
    if (std::isnan(amount))
        throw Error("The amount to write in words is not a number");
    if (std::isinf(amount))
        throw Error("The amount to write in words is infinite");

    const Satang rounded = RoundToSatang(std::fabs(amount));
    if (rounded.IsZero())
        return std::string(kZeroBaht);

    std::string out;
    out.reserve(kMinus.size() + static_cast<std::size_t>(rounded.length) * kMaxDigitBytes + kBaht.size() + 64);
    if (std::signbit(amount))
        out += kMinus;

    std::string_view unit;
    const int n = rounded.length;
    for (int i = 0; i < n; ++i)
        unit = AppendDigitWord(out, rounded.digits[i] - '0', n, n - i) ? kBaht : std::string_view{};
    out += unit;

    if (rounded.satang != 0)
        AppendSatangWords(out, rounded.satang);
    else
        out += kExact; // the integer part is not zero here: 0.00 returned above
    return out;
}

std::string DigitToThaiWord(const std::string& digit, int length, int position)
{
    if (digit.size() != 1 || digit[0] < '0' || digit[0] > '9')
        throw Error("\"" + digit + "\" is not a single decimal digit");
    if (length < 1 || position < 1 || position > length)
        throw Error("Digit position " + std::to_string(position) + " is outside an integer part of "
                    + std::to_string(length) + " digits");
    std::string out;
    if (!AppendDigitWord(out, digit[0] - '0', length, position))
        return std::string(kZeroMarker);
    return out;
}

} // namespace mervane
