// The indexed, iterative word search against the literal one: a recursive
// search that scans the whole dictionary at every level.

#include <gtest/gtest.h>

#include <cstdio>
#include <random>
#include <stack>
#include <string>
#include <utility>
#include <vector>

#include "dictionary.hpp"
#include "dictionary_text.hpp"
#include "files.hpp"
#include "literal_searches.hpp"
#include "search_harness.hpp"
#include "word_search.hpp"

namespace {

using harness::drain;
using harness::runReference;
using harness::runSearch;
using literal::Transcript;

std::string randomSymbols(std::mt19937& rng, std::size_t length, bool allowOther) {
  static const std::string plain = ".-";
  static const std::string other(".-x\0", 4);
  const std::string& from = allowOther ? other : plain;
  std::string out;
  for (std::size_t i = 0; i < length; ++i) out += from[rng() % (allowOther ? 4 : 2)];
  return out;
}

TEST(WordSearch, MatchesTheLiteralSearchOnRandomDialogues) {
  std::mt19937 rng(20261211);
  static const std::string words[] = {"e", "t", "a", "it", "Up", "ok", "x1", "e", "tea", "ant"};
  static const std::string answerBytes = "yyyyYnnNbbBq \n\xff";
  for (int round = 0; round < 4000; ++round) {
    const bool other = round % 5 == 0;
    const std::string morse = randomSymbols(rng, rng() % 9, other);
    std::string wordList, codeList;
    const std::size_t count = rng() % 9;
    const std::size_t codes = rng() % 6 == 0 ? rng() % (count + 1) : count;
    for (std::size_t i = 0; i < count; ++i) wordList += words[rng() % 10] + (rng() % 3 ? "\n" : " ");
    for (std::size_t i = 0; i < codes; ++i) codeList += randomSymbols(rng, 1 + rng() % 4, other) + "\n";
    std::string answers;
    const std::size_t answerCount = rng() % 40;
    for (std::size_t i = 0; i < answerCount; ++i) answers += answerBytes[rng() % answerBytes.size()];

    ASSERT_EQ(runSearch(morse, wordList, codeList, answers),
              runReference(morse, wordList, codeList, answers))
        << "signal " << morse << "\nwords " << wordList << "\ncodes " << codeList << "\nanswers " << answers;
  }
}

TEST(WordSearch, GoesAHundredThousandAcceptancesDeep) {
  // Every question repeats the whole message, so the console and the
  // acceptances grow with the square of the depth: they go to /dev/null.
  const std::size_t depth = 100000;
  const std::string morse(depth, '.');
  const Dictionary words = prepFromText("e", ".");
  std::FILE* in = std::tmpfile();
  for (std::size_t i = 0; i < depth; ++i) std::fputs("y\n", in);
  std::rewind(in);
  char* buffer = nullptr;
  std::size_t size = 0;
  std::FILE* decodingStream = open_memstream(&buffer, &size);
  std::FILE* sinks[2] = {std::fopen("/dev/null", "w"), std::fopen("/dev/null", "w")};
  {
    OutputFile console(sinks[0], "console");
    OutputFile acceptances(sinks[1], "acceptances");
    OutputFile decodings(decodingStream, "decodings");
    trying(morse, words, {in, console, decodings, acceptances});
  }
  std::fclose(in);
  for (std::FILE* sink : sinks) std::fclose(sink);
  std::string expected;
  for (std::size_t i = 0; i < depth; ++i) expected += "e ";
  EXPECT_EQ(drain(decodingStream, buffer, size), expected + "\n");
}

}  // namespace
