#include <gtest/gtest.h>

#include <cstdio>
#include <random>
#include <set>
#include <string>
#include <vector>

#include "morse_alphabet.hpp"
#include "signal.hpp"
#include "token_reader.hpp"

namespace {

using namespace std::string_literals;

std::string signalOf(std::string text) {
  std::FILE* in = fmemopen(text.data(), text.size(), "r");
  std::string morse;
  readSignal(in, morse);
  std::fclose(in);
  return morse;
}

TEST(ReadSignal, JoinsTokensWhateverTheLayout) {
  EXPECT_EQ(signalOf("-.-. .-"), "-.-..-");
  EXPECT_EQ(signalOf("-.-.\n.-\n"), "-.-..-");
  EXPECT_EQ(signalOf("-.-..-"), "-.-..-");
  EXPECT_EQ(signalOf("\r\n\t -.-.\r\n\v\f.-  \n\n"), "-.-..-");
  EXPECT_EQ(signalOf(" \n\t "), "");
}

TEST(ReadSignal, KeepsEveryOtherByteInPlace) {
  EXPECT_EQ(signalOf(std::string(".x/\0" "9\xff.", 7)), std::string(".x/\0" "9\xff.", 7));
}

TEST(ReadSignal, NullStreamAddsNothing) {
  std::string morse = "..";
  readSignal(nullptr, morse);
  EXPECT_EQ(morse, "..");
}

TEST(ReadSignal, ReadsPastItsChunkSize) {
  std::string text;
  for (int i = 0; i < 100000; ++i) text += "-. ";
  EXPECT_EQ(signalOf(text).size(), 200000u);
}

std::vector<std::string> tokensOf(std::string text) {
  std::FILE* in = fmemopen(text.data(), text.size(), "r");
  TokenReader reader(in);
  std::vector<std::string> tokens;
  std::string_view token;
  while (reader.next(token)) tokens.emplace_back(token);
  std::fclose(in);
  return tokens;
}

TEST(TokenReader, SplitsLikeFormattedExtraction) {
  EXPECT_EQ(tokensOf("\tab  c\r\nd\v"), (std::vector<std::string>{"ab", "c", "d"}));
  EXPECT_EQ(tokensOf("last"), (std::vector<std::string>{"last"}));
  EXPECT_EQ(tokensOf(std::string("a\0b \xff", 5)),
            (std::vector<std::string>{std::string("a\0b", 3), "\xff"}));
  EXPECT_EQ(tokensOf(" \n\t"), std::vector<std::string>{});
  std::string_view token;
  EXPECT_FALSE(TokenReader(nullptr).next(token));
}

TEST(TokenReader, AgreesWithASplitOnEverySeparatorOnRandomBytes) {
  std::mt19937 rng(7);
  const std::string bytes = " \t\n\v\f\r\0\x01\x08\x0e\x1f!\x7f\x80\xff.-ab"s;
  for (int round = 0; round < 2000; ++round) {
    std::string text;
    const std::size_t length = rng() % 80;
    for (std::size_t i = 0; i < length; ++i) text += bytes[rng() % bytes.size()];
    std::vector<std::string> expected;
    std::string current;
    for (char c : text) {
      if (std::string_view(" \t\n\v\f\r").find(c) == std::string_view::npos) {
        current += c;
      } else if (!current.empty()) {
        expected.push_back(current);
        current.clear();
      }
    }
    if (!current.empty()) expected.push_back(current);
    ASSERT_EQ(tokensOf(text), expected);
  }
}

TEST(TokenReader, TokensLongerThanItsChunkStayWhole) {
  const std::string huge(200000, '-');
  std::string text;
  for (int i = 0; i < 3; ++i) text += huge + " " + std::string(70000 + i, '.') + "\n";
  const std::vector<std::string> tokens = tokensOf(text);
  ASSERT_EQ(tokens.size(), 6u);
  for (int i = 0; i < 3; ++i) {
    EXPECT_EQ(tokens[2 * i], huge);
    EXPECT_EQ(tokens[2 * i + 1], std::string(70000 + i, '.'));
  }
}

TEST(CodeMatchesAt, NeverComparesAgainstAShorterRemainder) {
  const std::string morse = "..-.-.";
  EXPECT_TRUE(codeMatchesAt(morse, "..-.", 0));
  EXPECT_TRUE(codeMatchesAt(morse, ".-.-", 1));
  EXPECT_TRUE(codeMatchesAt(morse, "-.-.", 2));
  EXPECT_FALSE(codeMatchesAt(morse, ".-.-", 3));
  EXPECT_FALSE(codeMatchesAt(morse, ".-.", 4));
  EXPECT_FALSE(codeMatchesAt(morse, "-", 0));
}

TEST(CodeMatchesAt, EmptyCodeMatchesEverywhereIncludingTheEnd) {
  for (std::size_t pos = 0; pos <= 3; ++pos) EXPECT_TRUE(codeMatchesAt("...", "", pos));
  EXPECT_FALSE(codeMatchesAt("...", "", 4));
}

TEST(MorseAlphabet, HoldsTheTwentySixLettersWithUniqueCodes) {
  ASSERT_EQ(morseAlphabet.size(), 26u);
  EXPECT_EQ(morseAlphabet.front().letter, 'a');
  EXPECT_EQ(morseAlphabet.front().code, ".-");
  EXPECT_EQ(morseAlphabet.back().letter, 'z');
  EXPECT_EQ(morseAlphabet.back().code, "--..");
  std::set<std::string_view> codes;
  for (std::size_t i = 0; i < morseAlphabet.size(); ++i) {
    EXPECT_EQ(morseAlphabet[i].letter, static_cast<char>('a' + i));
    EXPECT_GE(morseAlphabet[i].code.size(), 1u);
    EXPECT_LE(morseAlphabet[i].code.size(), 4u);
    codes.insert(morseAlphabet[i].code);
  }
  EXPECT_EQ(codes.size(), 26u);
}

}  // namespace
