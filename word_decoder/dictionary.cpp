#include "dictionary.hpp"

#include <algorithm>

#include "signal.hpp"

bool selected(std::string_view word) {
  return std::all_of(word.begin(), word.end(), [](char c) { return c >= 'a' && c <= 'z'; });
}

Dictionary prep(std::string wordList, std::string codeList) {
  Dictionary dictionary;
  dictionary.wordText_ = std::move(wordList);
  dictionary.codeText_ = std::move(codeList);
  const std::string_view words = dictionary.wordText_;
  const std::string_view codes = dictionary.codeText_;

  auto sliceOf = [](std::string_view text, std::string_view token) {
    return Dictionary::Slice{static_cast<std::size_t>(token.data() - text.data()), token.size()};
  };
  std::string_view word;
  std::string_view code = codes.substr(0, 0);
  std::size_t wordFrom = 0;
  std::size_t codeFrom = 0;
  while (nextToken(words, wordFrom, word)) {
    nextToken(codes, codeFrom, code);
    if (selected(word)) dictionary.entries_.push_back({sliceOf(words, word), sliceOf(codes, code)});
  }
  dictionary.entries_.shrink_to_fit();
  return dictionary;
}
