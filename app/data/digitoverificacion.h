#pragma once
// The check digit of a Colombian NIT: modulus 11 over the digits, weighted
// from the rightmost leftwards by 3, 7, 13, 17, 19, 23, 29, 37, 41, 43, 47,
// 53, 59, 67, 71.
#include <string_view>

namespace tv::app {

// 0..10; 0 for an empty NIT. A NIT written with its usual dots, blanks or
// hyphen ("900.123.456") counts only its digits; a check digit after the
// hyphen is not part of it ("900123456-7" is the NIT 900123456). Any other
// character, or more than fifteen digits, raises EConvertError.
int digito_verificacion(std::string_view nit);

} // namespace tv::app
