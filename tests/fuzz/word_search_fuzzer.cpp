// Fuzzes the dictionary loader and the word search, under a fuzzed answer
// stream, against the literal linear scan. The first three bytes give the
// sizes of the word list, the code list and the signal that follow; the rest
// is the answers.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "search_harness.hpp"

namespace {

std::string take(const std::uint8_t*& data, std::size_t& size, std::size_t wanted) {
  const std::size_t n = std::min(wanted, size);
  std::string piece(reinterpret_cast<const char*>(data), n);
  data += n;
  size -= n;
  return piece;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 3) return 0;
  const std::size_t wordBytes = data[0] % 48;
  const std::size_t codeBytes = data[1] % 64;
  const std::size_t signalBytes = data[2] % 12;
  data += 3;
  size -= 3;
  const std::string words = take(data, size, wordBytes);
  const std::string codes = take(data, size, codeBytes);
  const std::string morse = take(data, size, signalBytes);
  const std::string answers = take(data, size, 96);
  if (harness::runSearch(morse, words, codes, answers) != harness::runReference(morse, words, codes, answers))
    std::abort();
  return 0;
}
