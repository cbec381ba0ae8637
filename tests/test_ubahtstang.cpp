#include "amounts/UbahtStang.h"

#include "model/Error.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <iomanip>
#include <limits>
#include <random>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

namespace mervane {
namespace {

// ---------------------------------------------------------------------------
// A slow, independent reader of Thai numbers, used as the oracle of the
// property tests. It works group by group (six digits, joined by the millions
// word) instead of digit by digit, so a slip in either approach shows up as a
// disagreement.

const std::string kOne = "หนึ่ง";
const std::string kEd = "เอ็ด";
const std::string kYee = "ยี่";
const std::string kTen = "สิบ";
const std::string kMillion = "ล้าน";
const std::string kBaht = "บาท";
const std::string kSatang = "สตางค์";
const std::string kExact = "ถ้วน";
const std::string kZeroBaht = "ศูนย์บาท";
const std::string kMinus = "ลบ";

const std::string kWord[10] = {
    "", "หนึ่ง", "สอง", "สาม", "สี่", "ห้า", "หก", "เจ็ด", "แปด", "เก้า",
};
const std::string kPlace[6] = {"", "สิบ", "ร้อย", "พัน", "หมื่น", "แสน"};

// Up to six digits. `leading` when no higher group precedes this one: only
// then is a units one that starts the whole number read as a plain one.
std::string ReadGroup(std::string_view digits, bool leading)
{
    const int value = std::stoi(std::string(digits));
    std::string out;
    for (std::size_t i = 0; i < digits.size(); ++i) {
        const int d = digits[i] - '0';
        const std::size_t place = digits.size() - 1 - i;
        if (d == 0)
            continue;
        if (place == 0)
            out += d == 1 ? (leading && value < 10 ? kOne : kEd) : kWord[d];
        else if (place == 1)
            out += (d == 1 ? "" : d == 2 ? kYee : kWord[d]) + kTen;
        else
            out += kWord[d] + kPlace[place];
    }
    return out;
}

// A positive whole number without leading zeros, of any length.
std::string ReadNumber(std::string_view digits, bool leading = true)
{
    if (digits.size() <= 6)
        return ReadGroup(digits, leading);
    return ReadNumber(digits.substr(0, digits.size() - 6), leading) + kMillion
           + ReadGroup(digits.substr(digits.size() - 6), false);
}

std::string ReferenceText(std::string integerDigits, int satang)
{
    integerDigits.erase(0, integerDigits.find_first_not_of('0'));
    if (integerDigits.empty() && satang == 0)
        return kZeroBaht;
    std::string out;
    if (!integerDigits.empty())
        out = ReadNumber(integerDigits) + kBaht;
    out += satang == 0 ? kExact : ReadGroup(std::to_string(satang), true) + kSatang;
    return out;
}

std::string ReferenceTextOfCents(std::uint64_t cents)
{
    return ReferenceText(std::to_string(cents / 100), static_cast<int>(cents % 100));
}

// glibc prints the exact binary value when asked for enough digits; the
// satang then follow half up from the third decimal digit alone.
std::string ReferenceTextOfDouble(double magnitude)
{
    char buf[1500];
    std::snprintf(buf, sizeof buf, "%.1100f", magnitude);
    const std::string text = buf;
    const std::size_t point = text.find('.');
    std::string integer = text.substr(0, point);
    int satang = (text[point + 1] - '0') * 10 + (text[point + 2] - '0');
    if (text[point + 3] >= '5' && ++satang == 100) {
        satang = 0;
        int i = static_cast<int>(integer.size()) - 1;
        while (i >= 0 && integer[i] == '9')
            integer[i--] = '0';
        if (i < 0)
            integer.insert(0, "1");
        else
            ++integer[i];
    }
    return ReferenceText(integer, satang);
}

std::string Show(double amount)
{
    std::ostringstream s;
    s << std::setprecision(17) << amount;
    return s.str();
}

struct AmountCase {
    const char* label;
    double amount;
    const char* text;
};

void ExpectCases(const AmountCase* begin, const AmountCase* end)
{
    for (const AmountCase* c = begin; c != end; ++c) {
        SCOPED_TRACE(c->label);
        EXPECT_EQ(AmountToThaiText(c->amount), c->text);
    }
}

// ---------------------------------------------------------------------------

TEST(AmountToThaiText, ReadsTheCertificateExamples)
{
    const AmountCase cases[] = {
        {"0.00", 0.00, "ศูนย์บาท"},
        {"0.004", 0.004, "ศูนย์บาท"},
        {"0.005", 0.005, "หนึ่งสตางค์"},
        {"0.01", 0.01, "หนึ่งสตางค์"},
        {"0.125", 0.125, "สิบสามสตางค์"},
        {"0.25", 0.25, "ยี่สิบห้าสตางค์"},
        {"0.50", 0.50, "ห้าสิบสตางค์"},
        {"1.00", 1.00, "หนึ่งบาทถ้วน"},
        {"2.00", 2.00, "สองบาทถ้วน"},
        {"2.675", 2.675, "สองบาทหกสิบเจ็ดสตางค์"},
        {"11.00", 11.00, "สิบเอ็ดบาทถ้วน"},
        {"20.00", 20.00, "ยี่สิบบาทถ้วน"},
        {"21.00", 21.00, "ยี่สิบเอ็ดบาทถ้วน"},
        {"22.00", 22.00, "ยี่สิบสองบาทถ้วน"},
        {"100.01", 100.01, "หนึ่งร้อยบาทหนึ่งสตางค์"},
        {"100.10", 100.10, "หนึ่งร้อยบาทสิบสตางค์"},
        {"100.11", 100.11, "หนึ่งร้อยบาทสิบเอ็ดสตางค์"},
        {"101.00", 101.00, "หนึ่งร้อยเอ็ดบาทถ้วน"},
        {"120.21", 120.21, "หนึ่งร้อยยี่สิบบาทยี่สิบเอ็ดสตางค์"},
        {"1,001.00", 1001.00, "หนึ่งพันเอ็ดบาทถ้วน"},
        {"1,000,000.00", 1000000.00, "หนึ่งล้านบาทถ้วน"},
        {"1,000,001.00", 1000001.00, "หนึ่งล้านเอ็ดบาทถ้วน"},
        {"1,234,567.89", 1234567.89, "หนึ่งล้านสองแสนสามหมื่นสี่พันห้าร้อยหกสิบเจ็ดบาทแปดสิบเก้าสตางค์"},
        {"10,000,000.00", 10000000.00, "สิบล้านบาทถ้วน"},
        {"11,000,000.00", 11000000.00, "สิบเอ็ดล้านบาทถ้วน"},
        {"20,000,000.00", 20000000.00, "ยี่สิบล้านบาทถ้วน"},
        {"21,000,000.00", 21000000.00, "ยี่สิบเอ็ดล้านบาทถ้วน"},
        {"100,000,000.00", 100000000.00, "หนึ่งร้อยล้านบาทถ้วน"},
        {"1,000,000,000,000.00", 1000000000000.00, "หนึ่งล้านล้านบาทถ้วน"},
        {"10,000,000,000,000.00", 10000000000000.00, "สิบล้านล้านบาทถ้วน"},
        {"12,000,000,000,005.00", 12000000000005.00, "สิบสองล้านล้านห้าบาทถ้วน"},
    };
    ExpectCases(std::begin(cases), std::end(cases));

    // The oracle of the property tests must agree with the same examples
    // wherever the amount is already whole satang.
    for (const AmountCase& c : cases) {
        std::string label = c.label;
        std::erase(label, ',');
        const std::size_t point = label.find('.');
        if (label.size() - point != 3)
            continue;
        SCOPED_TRACE(std::string("oracle ") + c.label);
        EXPECT_EQ(ReferenceText(label.substr(0, point), std::stoi(label.substr(point + 1))), c.text);
    }
}

TEST(AmountToThaiText, RoundsHalfUpOnTheExactStoredValue)
{
    const AmountCase cases[] = {
        // Exact binary ties go up, where printf would round to even.
        {"0.625", 0.625, "หกสิบสามสตางค์"},
        {"0.375", 0.375, "สามสิบแปดสตางค์"},
        {"123456789.125", 123456789.125,
         "หนึ่งร้อยยี่สิบสามล้านสี่แสนห้าหมื่นหกพัน"
         "เจ็ดร้อยแปดสิบเก้าบาทสิบสามสตางค์"},
        {"1e15 + 0.125", 1e15 + 0.125, "หนึ่งพันล้านล้านบาทสิบสามสตางค์"},
        {"1e15 + 0.625", 1e15 + 0.625, "หนึ่งพันล้านล้านบาทหกสิบสามสตางค์"},
        {"1e15 + 0.25", 1e15 + 0.25, "หนึ่งพันล้านล้านบาทยี่สิบห้าสตางค์"},
        {"4.5e15 + 0.5", 4.5e15 + 0.5,
         "สี่พันห้าร้อยล้านล้านบาทห้าสิบสตางค์"},
        // Stored just below a tie: down, although x * 100 + 0.5 in doubles
        // reaches the next cent for 0.015 and 0.045.
        {"1.005", 1.005, "หนึ่งบาทถ้วน"},
        {"0.015", 0.015, "หนึ่งสตางค์"},
        {"0.045", 0.045, "สี่สตางค์"},
        {"0.995", 0.995, "เก้าสิบเก้าสตางค์"},
        {"999999.995", 999999.995,
         "เก้าแสนเก้าหมื่นเก้าพันเก้าร้อยเก้าสิบเก้าบาท"
         "เก้าสิบเก้าสตางค์"},
        // Stored just above a tie: up.
        {"8.345", 8.345, "แปดบาทสามสิบห้าสตางค์"},
        // Rounding carries into the baht.
        {"0.9951", 0.9951, "หนึ่งบาทถ้วน"},
        {"999999.996", 999999.996, "หนึ่งล้านบาทถ้วน"},
        // Far below a satang.
        {"smallest subnormal", std::numeric_limits<double>::denorm_min(), "ศูนย์บาท"},
        {"0.00499999", 0.00499999, "ศูนย์บาท"},
    };
    ExpectCases(std::begin(cases), std::end(cases));
}

TEST(AmountToThaiText, ReadsLargeAmountsThroughTheMillionsCycle)
{
    const AmountCase cases[] = {
        {"9,999,999,999,999,998", 9999999999999998.0,
         "เก้าพันเก้าร้อยเก้าสิบเก้าล้าน"
         "เก้าแสนเก้าหมื่นเก้าพันเก้าร้อยเก้าสิบเก้าล้าน"
         "เก้าแสนเก้าหมื่นเก้าพันเก้าร้อยเก้าสิบแปด"
         "บาทถ้วน"},
        // A one at a millions boundary that does not start the number.
        {"1,000,001,000,000", 1000001000000.0, "หนึ่งล้านเอ็ดล้านบาทถ้วน"},
        {"10^16", 1e16, "หนึ่งหมื่นล้านล้านบาทถ้วน"},
        {"10^18", 1e18, "หนึ่งล้านล้านล้านบาทถ้วน"},
        {"21 * 10^18", 21e18, "ยี่สิบเอ็ดล้านล้านล้านบาทถ้วน"},
        {"10^22", 1e22, "หนึ่งหมื่นล้านล้านล้านบาทถ้วน"},
    };
    ExpectCases(std::begin(cases), std::end(cases));
}

TEST(AmountToThaiText, ReadsNegativeAmountsAfterTheMinusWord)
{
    const AmountCase cases[] = {
        {"-1234.5", -1234.5,
         "ลบหนึ่งพันสองร้อยสามสิบสี่บาทห้าสิบสตางค์"},
        {"-21", -21.0, "ลบยี่สิบเอ็ดบาทถ้วน"},
        {"-0.125 (tie goes away from zero)", -0.125, "ลบสิบสามสตางค์"},
        {"-0.005", -0.005, "ลบหนึ่งสตางค์"},
        {"-10^18", -1e18, "ลบหนึ่งล้านล้านล้านบาทถ้วน"},
        // Nothing to be negative about.
        {"-0.0", -0.0, "ศูนย์บาท"},
        {"-0.004", -0.004, "ศูนย์บาท"},
    };
    ExpectCases(std::begin(cases), std::end(cases));
}

TEST(AmountToThaiText, RefusesValuesThatAreNotNumbers)
{
    struct Case {
        double amount;
        const char* message;
    } const cases[] = {
        {std::numeric_limits<double>::quiet_NaN(), "The amount to write in words is not a number"},
        {std::numeric_limits<double>::infinity(), "The amount to write in words is infinite"},
        {-std::numeric_limits<double>::infinity(), "The amount to write in words is infinite"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(Show(c.amount));
        try {
            AmountToThaiText(c.amount);
            ADD_FAILURE() << "no error raised";
        } catch (const Error& e) {
            EXPECT_EQ(std::string(e.what()), c.message);
        }
    }
}

TEST(AmountToThaiText, AgreesWithTheOracleForRandomWholeSatang)
{
    std::mt19937_64 rng(20240517);
    std::uniform_int_distribution<int> digitCount(1, 16);
    for (int i = 0; i < 20000; ++i) {
        // Spread over every length up to 10^15 satang, not just the longest.
        const int digits = digitCount(rng);
        std::uint64_t limit = 1;
        for (int d = 1; d < digits; ++d)
            limit *= 10;
        const std::uint64_t cents = std::uniform_int_distribution<std::uint64_t>(0, limit)(rng);
        const double amount = static_cast<double>(cents) / 100.0;
        ASSERT_EQ(AmountToThaiText(amount), ReferenceTextOfCents(cents)) << "cents " << cents;
    }
}

TEST(AmountToThaiText, AgreesWithTheOracleAroundSatangTies)
{
    std::mt19937_64 rng(77);
    std::uniform_int_distribution<std::uint64_t> centsDist(0, 100'000'000'000ULL);
    for (int i = 0; i < 5000; ++i) {
        // The nearest double to a tie, and an exact tie (x.125, x.375, ...).
        const double nearTie = (static_cast<double>(centsDist(rng)) + 0.5) / 100.0;
        const double exactTie =
            static_cast<double>(centsDist(rng) / 100) + 0.125 * static_cast<double>(2 * (i % 4) + 1);
        for (const double amount :
             {nearTie, std::nextafter(nearTie, 0.0), std::nextafter(nearTie, 1e300), exactTie}) {
            ASSERT_EQ(AmountToThaiText(amount), ReferenceTextOfDouble(amount)) << Show(amount);
        }
    }
}

TEST(AmountToThaiText, AgreesWithTheOracleForHugeWholeAmounts)
{
    std::mt19937_64 rng(4242);
    std::uniform_int_distribution<std::uint64_t> mantissa(0, (std::uint64_t{1} << 53) - 1);
    std::uniform_int_distribution<int> exponent(0, 970);
    std::vector<double> amounts = {DBL_MAX, 0x1p53, 0x1p53 + 2, 0x1p64, 0x1p70};
    for (int i = 0; i < 1500; ++i)
        amounts.push_back(
            std::ldexp(static_cast<double>(mantissa(rng) | std::uint64_t{1} << 52), exponent(rng)));
    for (const double amount : amounts) {
        ASSERT_EQ(AmountToThaiText(amount), ReferenceTextOfDouble(amount)) << Show(amount);
    }
}

TEST(DigitToThaiWord, ReadsTheTrickyCells)
{
    struct Case {
        const char* digit;
        int length;
        int position;
        const char* words;
    } const cases[] = {
        {"0", 1, 1, "x"},
        {"0", 3, 1, ""},
        {"0", 3, 2, ""},
        {"0", 16, 16, ""},
        {"0", 8, 7, "ล้าน"},
        {"0", 14, 13, "ล้าน"},
        {"0", 20, 19, "ล้าน"},
        {"1", 1, 1, "หนึ่ง"},
        {"1", 2, 1, "เอ็ด"},
        {"1", 7, 7, "หนึ่งล้าน"},
        {"1", 8, 7, "เอ็ดล้าน"},
        {"1", 13, 13, "หนึ่งล้าน"},
        {"1", 16, 13, "เอ็ดล้าน"},
        {"1", 19, 19, "หนึ่งล้าน"},
        {"1", 2, 2, "สิบ"},
        {"1", 8, 8, "สิบ"},
        {"1", 14, 14, "สิบ"},
        {"1", 3, 3, "หนึ่งร้อย"},
        {"1", 16, 16, "หนึ่งพัน"},
        {"2", 2, 2, "ยี่สิบ"},
        {"2", 9, 8, "ยี่สิบ"},
        {"2", 14, 14, "ยี่สิบ"},
        {"2", 20, 20, "ยี่สิบ"},
        {"2", 1, 1, "สอง"},
        {"2", 7, 7, "สองล้าน"},
        {"2", 3, 3, "สองร้อย"},
        {"5", 5, 5, "ห้าหมื่น"},
        {"9", 6, 6, "เก้าแสน"},
        {"7", 11, 11, "เจ็ดหมื่น"},
        {"3", 12, 12, "สามแสน"},
        {"4", 15, 15, "สี่ร้อย"},
        {"6", 17, 17, "หกหมื่น"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.digit) + " length " + std::to_string(c.length) + " position "
                     + std::to_string(c.position));
        EXPECT_EQ(DigitToThaiWord(c.digit, c.length, c.position), c.words);
    }
}

TEST(DigitToThaiWord, RefusesWhatIsNotOneDigitInPlace)
{
    struct Case {
        const char* digit;
        int length;
        int position;
    } const cases[] = {
        {"", 1, 1}, {"12", 2, 1}, {"a", 1, 1}, {"-", 1, 1}, {"5", 3, 4}, {"5", 3, 0}, {"5", 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string("\"") + c.digit + "\" length " + std::to_string(c.length) + " position "
                     + std::to_string(c.position));
        EXPECT_THROW(DigitToThaiWord(c.digit, c.length, c.position), Error);
    }
}

} // namespace
} // namespace mervane
