#pragma once

#include <cstdint>

// Lets through the characters of a decimal-comma number: the digits, the
// comma and Backspace; a point becomes a comma; every other character code
// becomes 0, which drops it.
void FiltreClavier(std::int16_t& KeyAscii);
