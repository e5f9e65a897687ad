#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// The word decoder's dictionary: (word, code) pairs in word-list order,
// duplicates kept. Words and codes are views into the two list texts it owns.
class Dictionary {
 public:
  Dictionary() = default;
  Dictionary(const Dictionary&) = delete;
  Dictionary& operator=(const Dictionary&) = delete;
  Dictionary(Dictionary&&) = default;
  Dictionary& operator=(Dictionary&&) = default;

  std::size_t size() const { return entries_.size(); }
  std::string_view word(std::size_t i) const { return view(wordText_, entries_[i].word); }
  std::string_view code(std::size_t i) const { return view(codeText_, entries_[i].code); }

  friend Dictionary prep(std::string wordList, std::string codeList);

 private:
  struct Slice {
    std::size_t at;
    std::size_t length;
  };
  struct Entry {
    Slice word;
    Slice code;
  };
  static std::string_view view(const std::string& text, Slice s) {
    return std::string_view(text).substr(s.at, s.length);
  }

  std::string wordText_;
  std::string codeText_;
  std::vector<Entry> entries_;
};

// True when every byte of `word` is a lowercase ASCII letter; the empty word counts.
bool selected(std::string_view word);

// Pairs the n-th token of `wordList` with the n-th token of `codeList` and keeps
// the pairs whose word is selected. Once the code list runs out, every later
// word gets the last code read (the empty code if there was none).
Dictionary prep(std::string wordList, std::string codeList);
