// letter_decoder: spells a Morse signal written without gaps in letters and
// reports each shorter decoding it finds, ending with the shortest.

#include <cstdio>
#include <string>

#include "files.hpp"
#include "shortest_decoding.hpp"
#include "signal.hpp"

namespace {

constexpr const char* kProgram = "letter_decoder";

}  // namespace

int main() {
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

  const std::string shortMsg =
      shortestDecoding(morse, [&](std::int32_t previousBound, std::string_view decoding) {
        console.write(std::to_string(previousBound));
        console.put('\n');
        fout.write(decoding);
        fout.put('\n');
        fout.flush();
      });
  console.write("Done");
  fout.write(shortMsg);

  fout.close();
  console.close();
  return reportFailures(kProgram, {&console, &fout});
}
