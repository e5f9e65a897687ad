// Runs every case folder under GOLDEN_DIR: the program in a fresh temporary
// directory seeded from the case's in/, with its stdin file (or /dev/null) as
// standard input, then compares standard output, standard error, the exit
// status and every file of the directory byte for byte with the case's
// expectations.
//
// A case folder holds:
//   command       a shell command run in the temporary directory
//   stdin         optional: standard input
//   in/           optional: the directory's starting content
//   out/stdout    expected standard output
//   out/stderr    optional: expected standard error (default: empty)
//   out/status    optional: expected exit status (default: 0)
//   out/files/    every file the run creates or changes, as it must end up;
//                 any other file must still be as in/ had it
//
// With MORSE_VALGRIND set, every program runs under valgrind, which turns
// any invalid access or leak into exit status 99.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "test_support.hpp"

namespace fs = std::filesystem;

namespace {

// relative path -> content ("/" marks a directory)
std::map<std::string, std::string> snapshot(const fs::path& root) {
  std::map<std::string, std::string> files;
  if (!fs::exists(root)) return files;
  for (const auto& entry : fs::recursive_directory_iterator(root)) {
    const std::string name = fs::relative(entry.path(), root).string();
    if (entry.is_directory() && !entry.is_symlink())
      files[name] = "/";
    else if (entry.is_regular_file())
      files[name] = readFile(entry.path());
  }
  return files;
}

std::vector<std::string> caseNames() {
  std::vector<std::string> names;
  for (const auto& entry : fs::directory_iterator(GOLDEN_DIR))
    if (entry.is_directory()) names.push_back(entry.path().filename().string());
  std::sort(names.begin(), names.end());
  return names;
}

// A directory of scripts that run each program under valgrind, or "" when
// MORSE_VALGRIND is not set.
std::string valgrindShims() {
  static TempDir shims;
  static const bool made = [] {
    for (const char* name : {"word_decoder", "letter_decoder", "substr_probe", "word_codes"}) {
      const fs::path shim = shims.path() / name;
      writeFile(shim, std::string("#!/bin/sh\nexec valgrind -q --error-exitcode=99 --leak-check=full "
                                  "--errors-for-leak-kinds=definite,indirect ") +
                          PROGRAM_DIR + "/" + name + "/" + name + " \"$@\"\n");
      fs::permissions(shim, fs::perms::owner_all);
    }
    return true;
  }();
  return made && std::getenv("MORSE_VALGRIND") != nullptr ? shims.path().string() : "";
}

class Golden : public testing::TestWithParam<std::string> {};

TEST_P(Golden, MatchesExpectedOutputAndFiles) {
  const fs::path dir = fs::path(GOLDEN_DIR) / GetParam();
  TempDir work;
  const fs::path run = work.path() / "run";
  if (fs::exists(dir / "in"))
    fs::copy(dir / "in", run, fs::copy_options::recursive);
  else
    fs::create_directory(run);
  for (const auto& keep : fs::recursive_directory_iterator(run))
    if (keep.path().filename() == ".keep") fs::remove(keep.path());
  const auto before = snapshot(run);

  std::string command = readFile(dir / "command");
  while (!command.empty() && command.back() == '\n') command.pop_back();
  const fs::path input = fs::exists(dir / "stdin") ? dir / "stdin" : fs::path("/dev/null");
  const RunResult result = runShell(command, run, input, valgrindShims());

  EXPECT_EQ(result.out, readFile(dir / "out" / "stdout")) << "standard output";
  const fs::path errFile = dir / "out" / "stderr";
  EXPECT_EQ(result.err, fs::exists(errFile) ? readFile(errFile) : "") << "standard error";
  const fs::path statusFile = dir / "out" / "status";
  EXPECT_EQ(result.status, fs::exists(statusFile) ? std::stoi(readFile(statusFile)) : 0);

  auto expected = before;
  for (const auto& [name, content] : snapshot(dir / "out" / "files")) expected[name] = content;
  const auto after = snapshot(run);
  for (const auto& [name, content] : expected) {
    const auto seen = after.find(name);
    if (seen == after.end())
      ADD_FAILURE() << "missing file " << name;
    else
      EXPECT_EQ(seen->second, content) << "file " << name;
  }
  for (const auto& [name, content] : after)
    EXPECT_TRUE(expected.count(name)) << "unexpected file " << name;
}

INSTANTIATE_TEST_SUITE_P(Cases, Golden, testing::ValuesIn(caseNames()),
                         [](const testing::TestParamInfo<std::string>& info) {
                           std::string name = info.param;
                           for (char& c : name)
                             if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
                           return name;
                         });

}  // namespace
