#pragma once

#include <cstdio>
#include <string_view>
#include <vector>

// Reads whitespace-delimited tokens from a stream in chunks, split exactly as
// formatted extraction of strings splits them. A null stream has no tokens.
class TokenReader {
 public:
  explicit TokenReader(std::FILE* in);

  // The next token, valid until the next call. False when only separators
  // (or nothing) are left, or the stream failed.
  bool next(std::string_view& token);

 private:
  // Keeps buffer_[keepFrom, end_) at the front and reads more behind it.
  bool refill(std::size_t keepFrom);

  std::FILE* in_;
  std::vector<char> buffer_;
  std::size_t begin_ = 0;
  std::size_t end_ = 0;
  bool ended_ = false;
};
