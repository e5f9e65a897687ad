// substr_probe: shows that asking for more characters than remain yields
// only those that remain.

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string>

int main() {
  const std::string text = "abc";
  const std::string clamped = text.substr(0, 5);
  const bool written = std::fwrite(clamped.data(), 1, clamped.size(), stdout) == clamped.size();
  if (!written || std::fflush(stdout) != 0) {
    std::fprintf(stderr, "substr_probe: cannot write standard output: %s\n", std::strerror(errno));
    return 1;
  }
  return 0;
}
