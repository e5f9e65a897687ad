#include "token_reader.hpp"

#include <cstring>
#include <sys/stat.h>

#include "signal.hpp"

TokenReader::TokenReader(std::FILE* in) : in_(in), buffer_(1 << 16), ended_(in == nullptr) {}

bool TokenReader::refill(std::size_t keepFrom) {
  const std::size_t kept = end_ - keepFrom;
  std::memmove(buffer_.data(), buffer_.data() + keepFrom, kept);
  if (kept == buffer_.size()) buffer_.resize(buffer_.size() * 2);
  begin_ = 0;
  end_ = kept;
  const std::size_t got = std::fread(buffer_.data() + end_, 1, buffer_.size() - end_, in_);
  end_ += got;
  if (got == 0) ended_ = true;
  return got > 0;
}

bool TokenReader::next(std::string_view& token) {
  for (;;) {
    while (begin_ != end_ && isSeparator(static_cast<unsigned char>(buffer_[begin_]))) ++begin_;
    if (begin_ != end_) break;
    if (ended_ || !refill(end_)) return false;
  }
  std::size_t stop = begin_;
  for (;;) {
    while (stop != end_ && !isSeparator(static_cast<unsigned char>(buffer_[stop]))) ++stop;
    if (stop != end_ || ended_) break;
    const std::size_t scanned = stop - begin_;
    refill(begin_);
    stop = scanned;
  }
  token = std::string_view(buffer_.data() + begin_, stop - begin_);
  begin_ = stop;
  return true;
}

std::size_t regularFileSize(std::FILE* in) {
  struct stat info {};
  if (in == nullptr || fstat(fileno(in), &info) != 0 || !S_ISREG(info.st_mode)) return 0;
  return static_cast<std::size_t>(info.st_size);
}
