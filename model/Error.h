#pragma once
#include <stdexcept>
#include <string>

namespace mervane {

// The one error the program raises. Its text is exactly what the clerk sees in
// the error box, so callers never rephrase it.
class Error : public std::runtime_error {
public:
    explicit Error(const std::string& message) : std::runtime_error(message) {}
};

} // namespace mervane
