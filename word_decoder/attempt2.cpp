// word_decoder: splits a Morse signal written without gaps into dictionary
// words, asking the person at the console to judge every candidate.

#include <cstdio>
#include <string>

#include "code_index.hpp"
#include "dictionary.hpp"
#include "files.hpp"
#include "signal.hpp"
#include "word_search.hpp"

namespace {

constexpr const char* kProgram = "word_decoder";

}  // namespace

int main() {
  guardStandardStreams();
  OutputFile console(stdout, "standard output");

  std::FILE* fwords = openInput("wordsFiltered2.txt", kProgram);
  std::FILE* fmwords = openInput("wordsFiltered2_morse.txt", kProgram);
  std::FILE* fmorse = openInput("signs.txt", kProgram);
  OutputFile fout;
  OutputFile fposs;
  if (!fout.create("decode_signs.txt") || !fposs.create("possible.txt"))
    return reportFailures(kProgram, {&fout, &fposs});

  console.write("Prepping..\n");
  std::string wordList = readAll(fwords);
  std::string codeList = readAll(fmwords);
  if (fwords != nullptr) std::fclose(fwords);
  if (fmwords != nullptr) std::fclose(fmwords);
  const Dictionary morseWords = prep(std::move(wordList), std::move(codeList));
  console.write("Done prepping.\n");

  std::string morse;
  readSignal(fmorse, morse);
  if (fmorse != nullptr) std::fclose(fmorse);
  announceSignal(console, morse);

  const CodeIndex index(morseWords);
  trying(morse, morseWords, index, {stdin, console, fout, fposs});
  console.write("Done.");

  fposs.close();
  fout.close();
  console.close();
  return reportFailures(kProgram, {&console, &fout, &fposs});
}
