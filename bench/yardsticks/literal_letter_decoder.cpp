// Yardstick: the letter decoder as first designed, kept only to measure
// against. An exhaustive depth-first search over a..z at every position,
// pruned at the best length found so far, with no memory of positions
// already explored.

#include <cstdint>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <map>
#include <string>

std::map<char, std::string> morseAlphabet = {
    {'a', ".-"},   {'b', "-..."}, {'c', "-.-."}, {'d', "-.."},  {'e', "."},    {'f', "..-."},
    {'g', "--."},  {'h', "...."}, {'i', ".."},   {'j', ".---"}, {'k', "-.-"},  {'l', ".-.."},
    {'m', "--"},   {'n', "-."},   {'o', "---"},  {'p', ".--."}, {'q', "--.-"}, {'r', ".-."},
    {'s', "..."},  {'t', "-"},    {'u', "..-"},  {'v', "...-"}, {'w', ".--"},  {'x', "-..-"},
    {'y', "-.--"}, {'z', "--.."}};
std::ofstream fout("decode_signs.txt");
std::string morse;
std::int32_t shortLen = 2147483647;
std::string shortMsg;

void trying(std::string message, std::int32_t pos) {
  if (static_cast<std::size_t>(pos) == morse.size()) {
    if (message.size() < static_cast<std::uint32_t>(shortLen)) {
      std::cout << shortLen << '\n';
      shortLen = static_cast<std::int32_t>(message.size());
      shortMsg = message;
      fout << message << '\n' << std::flush;
    }
    return;
  }
  if (message.size() >= static_cast<std::uint32_t>(shortLen)) return;
  for (const auto& [letter, code] : morseAlphabet) {
    const std::size_t at = static_cast<std::size_t>(pos);
    if (at + code.size() <= morse.size() && morse.compare(at, code.size(), code) == 0)
      trying(message + letter, pos + static_cast<std::int32_t>(code.size()));
  }
}

int main() {
  std::freopen("signs.txt", "r", stdin);
  std::string token;
  while (std::cin >> token) morse += token;
  std::cout << morse << std::endl << "Trying..\n";
  trying("", 0);
  std::cout << "Done";
  fout << shortMsg;
  return 0;
}
