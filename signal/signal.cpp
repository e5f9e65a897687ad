#include "signal.hpp"

#include <vector>

#include "files.hpp"

void readSignal(std::FILE* in, std::string& morse) {
  if (in == nullptr) return;
  morse.reserve(morse.size() + regularFileSize(in));
  std::vector<char> chunk(1 << 16);
  std::size_t got = 0;
  while ((got = std::fread(chunk.data(), 1, chunk.size(), in)) > 0) {
    for (std::size_t i = 0; i < got; ++i)
      if (!isSeparator(static_cast<unsigned char>(chunk[i]))) morse.push_back(chunk[i]);
  }
}

void announceSignal(OutputFile& console, std::string_view morse) {
  console.write(morse);
  console.put('\n');
  console.flush();
  console.write("Trying..\n");
}

bool codeMatchesAt(std::string_view morse, std::string_view code, std::size_t pos) {
  return pos <= morse.size() && code.size() <= morse.size() - pos &&
         morse.compare(pos, code.size(), code) == 0;
}
