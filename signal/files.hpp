#pragma once

#include <cstdio>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

// Makes sure descriptors 0, 1 and 2 are open, so that no file the program
// opens later can take their place; a closed one is replaced by a read-only
// /dev/null (reads give end of input, writes fail as they would have).
void guardStandardStreams();

// Writes a one-line warning to standard error: the input `name` could not be
// opened (the reason is taken from errno) and reads as empty.
void warnUnreadable(const char* name, std::string_view program);

// Opens `name` for reading. When it cannot be opened, writes a one-line
// warning naming the file to standard error and returns null.
std::FILE* openInput(const char* name, std::string_view program);

// The size of the regular file behind `in`, or 0 when it is none (or null).
std::size_t regularFileSize(std::FILE* in);

// An output stream that remembers its first failure instead of raising it.
class OutputFile {
 public:
  OutputFile() = default;
  // Wraps an already open stream, such as stdout, that this object does not close.
  OutputFile(std::FILE* stream, std::string label);
  OutputFile(const OutputFile&) = delete;
  OutputFile& operator=(const OutputFile&) = delete;
  ~OutputFile();

  // Creates or truncates `name`. False, with the reason kept, when that fails.
  bool create(const char* name);

  void write(std::string_view text);
  void put(char byte);
  void writeNumber(unsigned long long value);
  void flush();
  // Flushes and closes a file this object created.
  void close();

  bool failed() const { return !error_.empty(); }
  // "cannot create ..." or "cannot write ...", naming the file and the reason.
  const std::string& error() const { return error_; }

 private:
  void fail(const char* what);

  std::FILE* stream_ = nullptr;
  bool owned_ = false;
  std::string label_;
  std::string error_;
  std::vector<char> buffer_;
};

// Writes "<program>: <error>" to standard error for every failed output and
// returns the exit status: 0 when none failed, 1 otherwise.
int reportFailures(std::string_view program, std::initializer_list<const OutputFile*> outputs);
