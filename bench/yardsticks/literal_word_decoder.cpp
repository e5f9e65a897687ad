// Yardstick: the word decoder as first designed, kept only to measure
// against. Formatted extraction into a list of string pairs, and a
// recursive search that scans the whole dictionary at every level, with
// the message copied into each level. Its answers to what that design left
// open (back with nothing to take back, end of input) are those of
// word_decoder, so the two write the same bytes.

#include <cstdint>
#include <fstream>
#include <iostream>
#include <list>
#include <stack>
#include <string>

std::ifstream fwords("wordsFiltered2.txt");
std::ifstream fmwords("wordsFiltered2_morse.txt");
std::ifstream fmorse("signs.txt");
std::ofstream fout("decode_signs.txt");
std::ofstream fposs("possible.txt");

std::string morse;
std::list<std::pair<std::string, std::string>> morseWords;
std::int32_t shortLen = 2147483647;

enum class Outcome { finished, takenBack, ended };

bool selected(const std::string& word) {
  for (char c : word)
    if (c < 'a' || c > 'z') return false;
  return true;
}

void prep() {
  std::string word, code;
  while (fwords >> word) {
    fmwords >> code;
    if (selected(word)) morseWords.push_back({word, code});
  }
  fwords.close();
  fmwords.close();
}

bool codeMatchesAt(const std::string& code, std::int32_t pos) {
  const std::size_t at = static_cast<std::size_t>(pos);
  return at + code.size() <= morse.size() && morse.compare(at, code.size(), code) == 0;
}

Outcome trying(std::string message, std::int32_t pos, bool top) {
  if (static_cast<std::size_t>(pos) == morse.size()) {
    fout << message << '\n' << std::flush;
    return Outcome::finished;
  }
  if (message.size() >= static_cast<std::uint32_t>(shortLen)) return Outcome::finished;
  std::stack<std::list<std::pair<std::string, std::string>>::iterator> history;
  auto current = morseWords.begin();
  while (current != morseWords.end()) {
    const auto& [word, code] = *current;
    if (!codeMatchesAt(code, pos)) {
      ++current;
      continue;
    }
    std::cout << "Is \"" << message << word << "\" valid?\n> " << std::flush;
    char answer;
    if (!(std::cin >> answer)) {
      std::cout << '\n';
      return Outcome::ended;
    }
    if (answer == 'y' || answer == 'Y') {
      const std::int32_t after = pos + static_cast<std::int32_t>(code.size());
      std::cout << "accepted. trying.. " << static_cast<std::uint32_t>(morse.size() - after)
                << " chars to go\n";
      fposs << static_cast<std::uint32_t>(after) << " : " << message << word << '\n' << std::flush;
      const Outcome below = trying(message + word + " ", after, false);
      if (below == Outcome::ended) return below;
      if (below == Outcome::takenBack) continue;
      history.push(current);
      ++current;
    } else if (answer == 'b' || answer == 'B') {
      if (!history.empty()) {
        current = history.top();
        history.pop();
      } else if (!top) {
        return Outcome::takenBack;
      }
    } else {
      history.push(current);
      ++current;
    }
  }
  return Outcome::finished;
}

int main() {
  std::cout << "Prepping..\n";
  prep();
  std::cout << "Done prepping.\n";
  std::string token;
  while (fmorse >> token) morse += token;
  fmorse.close();
  std::cout << morse << std::endl << "Trying..\n";
  trying("", 0, true);
  std::cout << "Done.";
  return 0;
}
