// word_decoder: splits a Morse signal written without gaps into dictionary
// words, asking the person at the console to judge every candidate.

#include <cstdio>
#include <exception>
#include <string>

#include "arguments.hpp"
#include "dictionary.hpp"
#include "files.hpp"
#include "signal.hpp"
#include "word_search.hpp"

namespace {

constexpr const char* kProgram = "word_decoder";

constexpr std::string_view kUsage =
    "Usage: word_decoder\n"
    "Splits the Morse signal in \"signs.txt\" (dots and dashes written without gaps)\n"
    "into words of the dictionary \"wordsFiltered2.txt\" with its code list\n"
    "\"wordsFiltered2_morse.txt\", asking about every word that fits: answer y to\n"
    "accept, b to take back the last answer, anything else to reject.\n"
    "Accepted partial decodings go to \"possible.txt\", complete ones to\n"
    "\"decode_signs.txt\"; both are emptied at the start. All files are in the\n"
    "current directory.\n"
    "Exit status: 0 when done, 1 when a result could not be written, 2 for a bad argument.\n";

}  // namespace

int main(int argc, char** argv) {
  if (const int status = handleArguments(argc, argv, kProgram, kUsage); status >= 0) return status;
  guardStandardStreams();
  OutputFile console(stdout, "standard output");

  std::FILE* fwords = openInput("wordsFiltered2.txt", kProgram);
  std::FILE* fmwords = openInput("wordsFiltered2_morse.txt", kProgram);
  std::FILE* fmorse = openInput("signs.txt", kProgram);
  OutputFile fout;
  OutputFile fposs;
  if (!fout.create("decode_signs.txt") || !fposs.create("possible.txt"))
    return reportFailures(kProgram, {&fout, &fposs});

  try {
    console.write("Prepping..\n");
    const Dictionary morseWords = prep(fwords, fmwords);
    if (fwords != nullptr) std::fclose(fwords);
    if (fmwords != nullptr) std::fclose(fmwords);
    console.write("Done prepping.\n");

    std::string morse;
    readSignal(fmorse, morse);
    if (fmorse != nullptr) std::fclose(fmorse);
    announceSignal(console, morse);

    trying(morse, morseWords, {stdin, console, fout, fposs});
    console.write("Done.");
  } catch (const std::exception& error) {  // a dictionary past 4 GiB, or memory running out
    console.flush();
    std::fprintf(stderr, "%s: %s\n", kProgram, error.what());
    return 1;
  }

  fposs.close();
  fout.close();
  console.close();
  return reportFailures(kProgram, {&console, &fout, &fposs});
}
