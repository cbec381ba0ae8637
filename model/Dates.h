#pragma once
#include <chrono>
#include <optional>
#include <string>

namespace mervane {

// A calendar date, or empty when nothing was entered.
using DateValue = std::optional<std::chrono::year_month_day>;

// How a locale writes a short date. The pattern uses d, dd, M, MM, yyyy (any other
// character is copied); yearOffset is added to the Gregorian year (543 for the
// Buddhist era that Thai tax documents are dated in).
struct DateFormat {
    std::string pattern = "d/M/yyyy";
    int yearOffset = 543;
};

// Thai convention: d/M/yyyy in the Buddhist era, as Thai Windows shows it.
DateFormat ThaiDateFormat();

// Turns a locale's short pattern (such as "M/d/yy") into a DateFormat with a
// four-digit Gregorian year.
DateFormat DateFormatFromPattern(const std::string& localePattern);

// The date's short text; the empty text for an empty date.
std::string ShortDateText(const DateValue& date, const DateFormat& format = ThaiDateFormat());

// The four-digit year a clerk means by two digits: the year ending in them
// that lies nearest the current one (half a century back at most), in the same
// era as both. For 2569: 67 gives 2567, 99 gives 2599, 19 gives 2519.
int ExpandTwoDigitYear(int twoDigits, int currentYear);

// Reads "YYYY-MM-DD" strictly (a real calendar date); nullopt otherwise.
std::optional<std::chrono::year_month_day> ParseIsoDate(const std::string& text);

} // namespace mervane
