#pragma once
// Numbers to text and back, and the rules for storing a number into an integer variable.
// Every text that shows or stores a number is made and read here, so the program writes one
// number format everywhere: 15 significant digits, no "0" before a bare fraction, an exponent
// form for what does not fit.

#include <cstdint>
#include <string>

namespace runtime {

// Numbers are held in the x87 extended format: integers of up to 18 digits are exact, and
// the range reaches the 10^4932 that the text reader accepts.
using Number = long double;

// " 5", "-5", " 0", " .5", " 1E+15": a blank stands where a "-" would.
std::string NumberToText(Number value);
// The same without the blank: "5", "-5", "0".
std::string NumberToTextTrim(Number value);

// The value of the longest number at the start of `text` (after blanks, tabs and line ends),
// 0 when there is none. Reads decimals with an E/e/D/d exponent and &H, &O, &Q, &B and
// bare & (octal) integers. Never fails.
Number TextToNumber(const std::string& text);

// `text` with every occurrence of `pattern` taken out, left to right.
std::string RemoveText(const std::string& text, const std::string& pattern);

// Storing into an integer variable: round to the nearest integer, halves to even; anything
// outside the variable's range (and a value that is not a number) stores its most negative
// value.
std::int32_t StoreInt32(Number value);
std::int16_t StoreInt16(Number value);

}  // namespace runtime
