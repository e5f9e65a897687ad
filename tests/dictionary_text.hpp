#pragma once

#include <cstdio>
#include <string>

#include "dictionary.hpp"

// prep on two lists held in memory; an empty list reads like a missing file.
inline Dictionary prepFromText(std::string words, std::string codes) {
  auto open = [](std::string& text) {
    return text.empty() ? nullptr : fmemopen(text.data(), text.size(), "r");
  };
  std::FILE* fwords = open(words);
  std::FILE* fmwords = open(codes);
  Dictionary dictionary = prep(fwords, fmwords);
  for (std::FILE* f : {fwords, fmwords})
    if (f != nullptr) std::fclose(f);
  return dictionary;
}
