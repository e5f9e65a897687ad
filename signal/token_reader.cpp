#include "token_reader.hpp"

#include <bit>
#include <cstdint>
#include <cstring>

#include "signal.hpp"

namespace {

// The index of the first separator in data[from, end), or `end`. Looks at
// eight bytes at a time: a word with no byte below '!' holds no separator.
std::size_t findSeparator(const char* data, std::size_t from, std::size_t end) {
  if constexpr (std::endian::native == std::endian::little) {
    constexpr std::uint64_t kOnes = 0x0101010101010101ull;
    constexpr std::uint64_t kHighs = 0x8080808080808080ull;
    while (end - from >= 8) {
      std::uint64_t word;
      std::memcpy(&word, data + from, 8);
      const std::uint64_t low = (word - kOnes * '!') & ~word & kHighs;
      if (low == 0) {
        from += 8;
        continue;
      }
      from += static_cast<std::size_t>(std::countr_zero(low)) / 8;
      if (isSeparator(static_cast<unsigned char>(data[from]))) return from;
      ++from;
    }
  }
  while (from != end && !isSeparator(static_cast<unsigned char>(data[from]))) ++from;
  return from;
}

}  // namespace

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
    stop = findSeparator(buffer_.data(), stop, end_);
    if (stop != end_ || ended_) break;
    const std::size_t scanned = stop - begin_;
    refill(begin_);
    stop = scanned;
  }
  token = std::string_view(buffer_.data() + begin_, stop - begin_);
  begin_ = stop;
  return true;
}
