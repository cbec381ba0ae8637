#include "model/Certificate.h"

#include <cstdio>

namespace mervane {

namespace {
std::string elementName(const char* stem, int number)
{
    char buf[32];
    std::snprintf(buf, sizeof buf, "%s%02d", stem, number);
    return buf;
}
} // namespace

std::string SlotDateElement(int number) { return elementName("ppDate", number); }
std::string SlotAmountElement(int number) { return elementName("ppAmount", number); }
std::string SlotTaxElement(int number) { return elementName("ppTaxAmount", number); }

} // namespace mervane
