#include <gtest/gtest.h>

#include <cstdio>
#include <set>
#include <string>
#include <vector>

#include "morse_alphabet.hpp"
#include "signal.hpp"
#include "token_reader.hpp"

namespace {

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
