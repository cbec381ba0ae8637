#include "model/Dates.h"

#include <cctype>

namespace mervane {

DateFormat ThaiDateFormat() { return DateFormat{"d/M/yyyy", 543}; }

DateFormat DateFormatFromPattern(const std::string& localePattern)
{
    // Whatever the locale does with the year (yy, y, yyyy), the page always
    // shows four digits: a two-digit year on a tax document is ambiguous.
    std::string out;
    bool yearWritten = false;
    for (std::size_t i = 0; i < localePattern.size();) {
        const char c = localePattern[i];
        std::size_t run = 1;
        while (i + run < localePattern.size() && localePattern[i + run] == c)
            ++run;
        if (c == 'y') {
            if (!yearWritten)
                out += "yyyy";
            yearWritten = true;
        } else if (c == 'd' || c == 'M') {
            out.append(run >= 2 ? 2 : 1, c);
        } else {
            out.append(run, c);
        }
        i += run;
    }
    return DateFormat{out, 0};
}

std::string ShortDateText(const DateValue& date, const DateFormat& format)
{
    if (!date || !date->ok())
        return {};
    const int day = static_cast<int>(static_cast<unsigned>(date->day()));
    const int month = static_cast<int>(static_cast<unsigned>(date->month()));
    const int year = static_cast<int>(date->year()) + format.yearOffset;
    auto number = [](int v, std::size_t width) {
        std::string s = std::to_string(v);
        if (s.size() < width)
            s.insert(0, width - s.size(), '0');
        return s;
    };
    std::string out;
    const std::string& p = format.pattern;
    for (std::size_t i = 0; i < p.size();) {
        const char c = p[i];
        std::size_t run = 1;
        while (i + run < p.size() && p[i + run] == c)
            ++run;
        if (c == 'd')
            out += number(day, run >= 2 ? 2 : 1);
        else if (c == 'M')
            out += number(month, run >= 2 ? 2 : 1);
        else if (c == 'y')
            out += number(year, 4);
        else
            out.append(run, c);
        i += run;
    }
    return out;
}

int ExpandTwoDigitYear(int twoDigits, int currentYear)
{
    int year = currentYear - currentYear % 100 + twoDigits;
    if (year > currentYear + 50)
        year -= 100;
    else if (year < currentYear - 50)
        year += 100;
    return year;
}

std::optional<std::chrono::year_month_day> ParseIsoDate(const std::string& text)
{
    if (text.size() != 10 || text[4] != '-' || text[7] != '-')
        return std::nullopt;
    for (std::size_t i : {0u, 1u, 2u, 3u, 5u, 6u, 8u, 9u})
        if (!std::isdigit(static_cast<unsigned char>(text[i])))
            return std::nullopt;
    const int y = std::stoi(text.substr(0, 4));
    const unsigned m = static_cast<unsigned>(std::stoi(text.substr(5, 2)));
    const unsigned d = static_cast<unsigned>(std::stoi(text.substr(8, 2)));
    const std::chrono::year_month_day ymd{std::chrono::year{y}, std::chrono::month{m}, std::chrono::day{d}};
    if (!ymd.ok())
        return std::nullopt;
    return ymd;
}

} // namespace mervane
