#pragma once

#include <array>
#include <string_view>

struct MorseLetter {
  char letter;
  std::string_view code;
};

// The 26 lowercase letters with their International Morse codes, in letter order.
extern const std::array<MorseLetter, 26> morseAlphabet;
