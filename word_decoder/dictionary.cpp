#include "dictionary.hpp"

#include <algorithm>
#include <limits>
#include <stdexcept>

#include "files.hpp"
#include "token_reader.hpp"

namespace {

void append(std::string& text, std::vector<std::uint32_t>& at, std::string_view piece) {
  if (piece.size() > std::numeric_limits<std::uint32_t>::max() - text.size())
    throw std::length_error("the dictionary is larger than 4 GiB");
  text.append(piece);
  at.push_back(static_cast<std::uint32_t>(text.size()));
}

}  // namespace

bool selected(std::string_view word) {
  return std::all_of(word.begin(), word.end(), [](char c) { return c >= 'a' && c <= 'z'; });
}

Dictionary prep(std::FILE* fwords, std::FILE* fmwords) {
  Dictionary dictionary;
  // Room for the largest possible result. Memory never written is never
  // resident, so this costs address space only and saves regrowing.
  const std::size_t wordBytes = regularFileSize(fwords);
  dictionary.words_.reserve(wordBytes);
  dictionary.codes_.reserve(regularFileSize(fmwords));
  dictionary.wordAt_.reserve(wordBytes / 2 + 2);
  dictionary.codeAt_.reserve(wordBytes / 2 + 2);

  TokenReader words(fwords);
  TokenReader codes(fmwords);
  std::string code;
  std::string_view word;
  std::string_view next;
  while (words.next(word)) {
    if (codes.next(next)) code.assign(next);
    if (!selected(word)) continue;
    append(dictionary.words_, dictionary.wordAt_, word);
    append(dictionary.codes_, dictionary.codeAt_, code);
  }
  return dictionary;
}
