// word_codes: turns a word list into the matching code list, one code per
// word in the same order, so the two lists always pair one to one.

#include <array>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string>
#include <string_view>

#include "arguments.hpp"
#include "files.hpp"
#include "morse_alphabet.hpp"
#include "token_reader.hpp"

namespace {

constexpr const char* kProgram = "word_codes";

constexpr std::string_view kUsage =
    "Usage: word_codes < WORDS > CODES\n"
    "Reads whitespace-separated words on standard input and writes, one line each,\n"
    "the Morse code of every word in the same order: its letters' codes run together,\n"
    "letters taken case-insensitively. A word holding anything but letters gets \"?\".\n"
    "Example: word_codes < wordsFiltered2.txt > wordsFiltered2_morse.txt\n";

std::array<std::string_view, 256> codeByByte() {
  std::array<std::string_view, 256> table{};
  for (const MorseLetter& entry : morseAlphabet) {
    table[static_cast<unsigned char>(entry.letter)] = entry.code;
    table[static_cast<unsigned char>(entry.letter - 'a' + 'A')] = entry.code;
  }
  return table;
}

void writeCode(std::string_view word, OutputFile& out) {
  static const std::array<std::string_view, 256> table = codeByByte();
  for (char c : word)
    if (table[static_cast<unsigned char>(c)].empty()) {
      out.write("?\n");
      return;
    }
  for (char c : word) out.write(table[static_cast<unsigned char>(c)]);
  out.put('\n');
}

}  // namespace

int main(int argc, char** argv) {
  if (const int status = handleArguments(argc, argv, kProgram, kUsage); status >= 0) return status;
  guardStandardStreams();
  OutputFile out(stdout, "standard output");
  TokenReader words(stdin);
  std::string_view word;
  while (words.next(word)) writeCode(word, out);
  if (std::ferror(stdin)) {
    std::fprintf(stderr, "%s: cannot read standard input: %s\n", kProgram, std::strerror(errno));
    return 1;
  }
  out.close();
  return reportFailures(kProgram, {&out});
}
