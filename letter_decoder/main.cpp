// letter_decoder: spells a Morse signal written without gaps in letters and
// reports each shorter decoding it finds, ending with the shortest.

#include <cstdio>
#include <exception>
#include <string>

#include "arguments.hpp"
#include "files.hpp"
#include "shortest_decoding.hpp"
#include "signal.hpp"

namespace {

constexpr const char* kProgram = "letter_decoder";

constexpr std::string_view kUsage =
    "Usage: letter_decoder\n"
    "Spells the Morse signal in \"signs.txt\" (dots and dashes written without gaps)\n"
    "in the letters a to z and looks for the decoding with the fewest letters.\n"
    "Each shorter decoding found is written to \"decode_signs.txt\" (emptied at the\n"
    "start) and the length it beats to the console; the shortest is written\n"
    "once more at the end. All files are in the current directory.\n"
    "Exit status: 0 when done, 1 when a result could not be written, 2 for a bad argument.\n";

}  // namespace

int main(int argc, char** argv) {
  if (const int status = handleArguments(argc, argv, kProgram, kUsage); status >= 0) return status;
  guardStandardStreams();
  OutputFile console(stdout, "standard output");
  OutputFile fout;
  if (!fout.create("decode_signs.txt")) return reportFailures(kProgram, {&fout});

  std::string morse;
  if (std::freopen("signs.txt", "r", stdin) != nullptr)
    readSignal(stdin, morse);
  else
    warnUnreadable("signs.txt", kProgram);
  announceSignal(console, morse);

  std::string shortMsg;
  try {
    shortMsg = shortestDecoding(morse, [&](std::int32_t previousBound, std::string_view decoding) {
      console.write(std::to_string(previousBound));
      console.put('\n');
      fout.write(decoding);
      fout.put('\n');
      fout.flush();
    });
  } catch (const std::exception& error) {
    console.close();
    std::fprintf(stderr, "%s: %s\n", kProgram, error.what());
    return 1;
  }
  console.write("Done");
  fout.write(shortMsg);

  fout.close();
  console.close();
  return reportFailures(kProgram, {&console, &fout});
}
