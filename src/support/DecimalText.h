// Decimal text to a 32-bit integer, the one rule the settings file and the
// registry's value texts share.
#pragma once

#include <string>

// An optional sign and decimal digits, the whole text, within the range of a
// 32-bit integer; false (value untouched) for any other text.
bool DecimalToInt(const std::string& text, int& value);
