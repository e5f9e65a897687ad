#pragma once

// Runs the fast searches and their literal references on inputs held in
// memory, collecting what each writes.

#include <cstdio>
#include <cstdlib>
#include <string>
#include <utility>
#include <vector>

#include "dictionary.hpp"
#include "dictionary_text.hpp"
#include "files.hpp"
#include "literal_searches.hpp"
#include "shortest_decoding.hpp"
#include "word_search.hpp"

namespace harness {

using literal::Outcome;
using literal::Transcript;

inline std::string drain(std::FILE* stream, char*& buffer, std::size_t& size) {
  std::fclose(stream);
  std::string text(buffer, size);
  std::free(buffer);
  return text;
}

inline Transcript runSearch(const std::string& morse, const std::string& wordList,
                     const std::string& codeList, std::string answers) {
  const Dictionary words = prepFromText(wordList, codeList);
  std::FILE* in = answers.empty() ? std::fopen("/dev/null", "r")
                                  : fmemopen(answers.data(), answers.size(), "r");
  char* buffers[3] = {};
  std::size_t sizes[3] = {};
  std::FILE* streams[3];
  for (int i = 0; i < 3; ++i) streams[i] = open_memstream(&buffers[i], &sizes[i]);
  {
    OutputFile console(streams[0], "console");
    OutputFile decodings(streams[1], "decodings");
    OutputFile acceptances(streams[2], "acceptances");
    trying(morse, words, {in, console, decodings, acceptances});
  }
  std::fclose(in);
  Transcript t;
  t.console = drain(streams[0], buffers[0], sizes[0]);
  t.decodings = drain(streams[1], buffers[1], sizes[1]);
  t.acceptances = drain(streams[2], buffers[2], sizes[2]);
  return t;
}

inline Transcript runReference(const std::string& morse, const std::string& wordList,
                        const std::string& codeList, const std::string& answers) {
  const Dictionary words = prepFromText(wordList, codeList);
  std::vector<std::pair<std::string, std::string>> pairs;
  for (std::size_t i = 0; i < words.size(); ++i) pairs.emplace_back(words.word(i), words.code(i));
  return literal::ReferenceSearch(morse, pairs, answers).run();
}

inline Outcome spliced(const std::string& morse) {
  Outcome out;
  out.shortMsg = shortestDecoding(morse, [&](std::int32_t previous, std::string_view decoding) {
    out.reports.emplace_back(previous, std::string(decoding));
  });
  return out;
}

}  // namespace harness
