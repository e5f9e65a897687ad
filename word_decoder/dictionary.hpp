#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

// The word decoder's dictionary: (word, code) pairs in word-list order,
// duplicates kept. Only the kept words and their codes are stored, each set
// back to back in one text, so an entry costs two offsets.
class Dictionary {
 public:
  std::size_t size() const { return wordAt_.size() - 1; }
  std::string_view word(std::size_t i) const { return slice(words_, wordAt_, i); }
  std::string_view code(std::size_t i) const { return slice(codes_, codeAt_, i); }

  friend Dictionary prep(std::FILE* fwords, std::FILE* fmwords);

 private:
  static std::string_view slice(const std::string& text, const std::vector<std::uint32_t>& at,
                                std::size_t i) {
    return std::string_view(text).substr(at[i], at[i + 1] - at[i]);
  }

  std::string words_;
  std::string codes_;
  std::vector<std::uint32_t> wordAt_{0};  // word i is words_[wordAt_[i], wordAt_[i+1])
  std::vector<std::uint32_t> codeAt_{0};
};

// True when every byte of `word` is a lowercase ASCII letter; the empty word counts.
bool selected(std::string_view word);

// Pairs the n-th token of the word list with the n-th token of the code list
// and keeps the pairs whose word is selected. Once the code list runs out,
// every later word gets the last code read (the empty code if there was
// none). A null stream reads as empty; neither stream is closed.
// Throws std::length_error when the kept words or codes pass 4 GiB.
Dictionary prep(std::FILE* fwords, std::FILE* fmwords);
