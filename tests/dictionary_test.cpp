#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "dictionary.hpp"
#include "dictionary_text.hpp"

namespace {

using Pairs = std::vector<std::pair<std::string, std::string>>;

Pairs entries(std::string words, std::string codes) {
  const Dictionary dictionary = prepFromText(std::move(words), std::move(codes));
  Pairs out;
  for (std::size_t i = 0; i < dictionary.size(); ++i)
    out.emplace_back(dictionary.word(i), dictionary.code(i));
  return out;
}

TEST(Selected, AcceptsOnlyLowercaseAsciiLetters) {
  EXPECT_TRUE(selected("hello"));
  EXPECT_TRUE(selected(""));
  EXPECT_TRUE(selected("az"));
  EXPECT_FALSE(selected("Hello"));
  EXPECT_FALSE(selected("it's"));
  EXPECT_FALSE(selected("co-op"));
  EXPECT_FALSE(selected("a1"));
  EXPECT_FALSE(selected("caf\xc3\xa9"));
  EXPECT_FALSE(selected("`{"));
}

TEST(Prep, PairsByPositionBeforeFiltering) {
  EXPECT_EQ(entries("the Cat dog", "-..... -.-..-- -..-----."),
            (Pairs{{"the", "-....."}, {"dog", "-..-----."}}));
}

TEST(Prep, WordsPastTheCodeListKeepTheLastCode) {
  EXPECT_EQ(entries("the dog", "-....."), (Pairs{{"the", "-....."}, {"dog", "-....."}}));
  EXPECT_EQ(entries("e t", ""), (Pairs{{"e", ""}, {"t", ""}}));
}

TEST(Prep, KeepsDuplicatesInOrder) {
  EXPECT_EQ(entries("a a b", ".- .- -..."), (Pairs{{"a", ".-"}, {"a", ".-"}, {"b", "-..."}}));
}

TEST(Prep, EdgeCasesOfTheLists) {
  EXPECT_EQ(entries("e E", ". ."), (Pairs{{"e", "."}}));
  EXPECT_EQ(entries("", ". -"), Pairs{});
  EXPECT_EQ(entries("  \n\t", ". -"), Pairs{});
  EXPECT_EQ(entries("e\nt", ".\n-"), (Pairs{{"e", "."}, {"t", "-"}}));
  EXPECT_EQ(entries("e", ". - .."), (Pairs{{"e", "."}}));
  EXPECT_EQ(entries("\r\ne\r\n\r\nt\r\n", "\r\n.\r\n-\r\n"), (Pairs{{"e", "."}, {"t", "-"}}));
}

TEST(Prep, CodesKeepAnyByte) {
  EXPECT_EQ(entries("x y", std::string("\0.\xff -/", 6)),
            (Pairs{{"x", std::string("\0.\xff", 3)}, {"y", "-/"}}));
}

}  // namespace
