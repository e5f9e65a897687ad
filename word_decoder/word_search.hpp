#pragma once

#include <cstdio>
#include <string_view>

#include "dictionary.hpp"

class OutputFile;

// Where the interactive search reads answers and writes its results.
struct SearchIo {
  std::FILE* answers;      // the person's answers
  OutputFile& console;     // questions and acceptance lines
  OutputFile& decodings;   // "decode_signs.txt": one line per complete decoding
  OutputFile& acceptances; // "possible.txt": one line per acceptance
};

// Splits `morse` into dictionary words with the person as judge, from position
// 0 until every level has run out of candidates or the answers end (then a line
// end is written to the console). Candidates come in dictionary order; a back
// answer takes back the last answer of its level, and at a level with nothing
// to take back it takes back the acceptance that opened the level. The depth is
// bounded by memory only. The words are indexed by code when the first
// question is due, so nothing is spent on them when none can be asked.
void trying(std::string_view morse, const Dictionary& words, SearchIo io);
