#include "test_support.hpp"

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <sys/wait.h>

namespace fs = std::filesystem;

TempDir::TempDir() {
  std::string pattern = (fs::temp_directory_path() / "morse-test-XXXXXX").string();
  if (mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("cannot make a temporary directory");
  path_ = pattern;
}

TempDir::~TempDir() {
  std::error_code ignored;
  fs::remove_all(path_, ignored);
}

std::string readFile(const fs::path& file) {
  std::ifstream in(file, std::ios::binary);
  std::ostringstream content;
  content << in.rdbuf();
  return content.str();
}

void writeFile(const fs::path& file, const std::string& content) {
  std::ofstream out(file, std::ios::binary | std::ios::trunc);
  out << content;
}

namespace {

std::string quoted(const std::string& text) {
  std::string out = "'";
  for (char c : text) out += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return out + "'";
}

}  // namespace

RunResult runShell(const std::string& command, const fs::path& dir, const fs::path& input,
                   const std::string& firstOnPath) {
  TempDir capture;
  const fs::path out = capture.path() / "stdout";
  const fs::path err = capture.path() / "stderr";
  const std::string line = "cd " + quoted(dir.string()) + " && PATH=" + quoted((firstOnPath.empty() ? "" : firstOnPath + ":") + PROGRAM_PATH) +
                           ":\"$PATH\" /bin/sh -c " + quoted(command) + " < " +
                           quoted(input.string()) + " > " + quoted(out.string()) + " 2> " +
                           quoted(err.string());
  const int raw = std::system(line.c_str());
  int status = -1;
  if (WIFEXITED(raw)) status = WEXITSTATUS(raw);
  if (WIFSIGNALED(raw)) status = 128 + WTERMSIG(raw);
  return {status, readFile(out), readFile(err)};
}
