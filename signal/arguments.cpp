#include "arguments.hpp"

#include <cstdio>
#include <string>

namespace {

int writeAll(std::FILE* to, const std::string& text, int status) {
  const bool written = std::fwrite(text.data(), 1, text.size(), to) == text.size();
  return std::fflush(to) == 0 && written ? status : 1;
}

}  // namespace

int handleArguments(int argc, char** argv, std::string_view program, std::string_view usage) {
  if (argc <= 1) return -1;
  const std::string_view first = argv[1];
  if (argc == 2 && first == "--help") return writeAll(stdout, std::string(usage), 0);
  if (argc == 2 && first == "--version")
    return writeAll(stdout, std::string(program) + " " + MORSE_VERSION + "\n", 0);
  return writeAll(stderr, std::string(usage), 2) == 1 ? 1 : 2;
}
