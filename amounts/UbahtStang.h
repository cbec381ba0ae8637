#pragma once
#include <string>

namespace mervane {

// Spells a money amount in Thai baht and satang words (UTF-8), the way the
// certificate states the total tax withheld.
//
// The amount is rounded half up to whole satang on the double's exact binary
// value, so an amount stored just below a tie (2.675) goes down and an exact
// tie (0.125) goes up. A negative amount reads as "ลบ" followed by the words of
// its magnitude; an amount that rounds to zero, of either sign, reads as the
// plain zero text. Every finite double is spelt exactly, digit for digit.
// Throws mervane::Error for NaN and infinities.
std::string AmountToThaiText(double amount);

// Words for one digit of an integer part of `length` digits, `position`
// counted from the right (1 = units): the digit word followed by its place
// name, empty text for a silent digit, or "x" when the whole integer part is
// the single digit 0. Positions past 6 repeat the six-place cycle, and each
// group boundary (7, 13, 19, ...) writes the millions word even for a zero.
// Throws mervane::Error when `digit` is not one decimal digit or the position
// lies outside 1..length.
std::string DigitToThaiWord(const std::string& digit, int length, int position);

} // namespace mervane
