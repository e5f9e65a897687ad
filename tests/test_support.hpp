#pragma once

#include <filesystem>
#include <string>

// A fresh directory under the system's temporary directory, removed with its content.
class TempDir {
 public:
  TempDir();
  ~TempDir();
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;
  const std::filesystem::path& path() const { return path_; }

 private:
  std::filesystem::path path_;
};

std::string readFile(const std::filesystem::path& file);
void writeFile(const std::filesystem::path& file, const std::string& content);

struct RunResult {
  int status;  // exit status, or 128 + signal number
  std::string out;
  std::string err;
};

// Runs `command` with /bin/sh in `dir`, standard input from `input`, and the
// built programs first on PATH (after `firstOnPath`, when given); collects
// standard output and standard error.
RunResult runShell(const std::string& command, const std::filesystem::path& dir,
                   const std::filesystem::path& input, const std::string& firstOnPath = "");
