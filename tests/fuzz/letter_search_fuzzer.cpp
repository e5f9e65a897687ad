// Fuzzes the shortest-decoding search against the exhaustive one. Each input
// byte becomes one signal byte: mostly dots and dashes, sometimes the byte
// itself. Signals stay short enough for the exhaustive search.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "search_harness.hpp"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::string morse;
  for (std::size_t i = 0; i < size && i < 16; ++i) {
    const unsigned kind = data[i] % 16;
    morse += kind < 7 ? '.' : kind < 14 ? '-' : static_cast<char>(data[i]);
  }
  if (harness::spliced(morse) != literal::ExhaustiveSearch(morse).run()) std::abort();
  return 0;
}
