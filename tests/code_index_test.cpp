#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "code_index.hpp"
#include "dictionary_text.hpp"
#include "signal.hpp"

namespace {

// Every entry matching at `pos`, in dictionary order, as the index finds them.
std::vector<std::uint32_t> indexed(const CodeIndex& index, const std::string& morse, std::size_t pos) {
  std::vector<CodeIndex::Group> groups;
  index.matchesAt(morse, pos, groups);
  std::vector<std::uint32_t> found;
  for (std::uint32_t next = CodeIndex::firstFrom(groups.data(), groups.data() + groups.size(), 0);
       next != CodeIndex::none;
       next = CodeIndex::firstFrom(groups.data(), groups.data() + groups.size(), next + 1))
    found.push_back(next);
  return found;
}

TEST(CodeIndex, FindsWhatALinearScanFindsAtEveryPosition) {
  std::mt19937 rng(99);
  const std::string symbols(".-.-.-x\0\xff ", 10);
  for (int round = 0; round < 40; ++round) {
    std::string words, codes;
    const std::size_t count = 1 + rng() % 3000;
    for (std::size_t i = 0; i < count; ++i) {
      words += std::string(1, static_cast<char>('a' + rng() % 26)) + "\n";
      const std::size_t length = rng() % 12;
      std::string code;
      for (std::size_t k = 0; k < length; ++k) code += symbols[rng() % 9];
      codes += (code.empty() ? "." : code) + "\n";
    }
    std::string morse;
    for (std::size_t k = 0; k < 40; ++k) morse += symbols[rng() % 9];
    const Dictionary dictionary = prepFromText(words, codes);
    const CodeIndex index(dictionary);
    for (std::size_t pos = 0; pos <= morse.size(); ++pos) {
      std::vector<std::uint32_t> scanned;
      for (std::uint32_t i = 0; i < dictionary.size(); ++i)
        if (codeMatchesAt(morse, dictionary.code(i), pos)) scanned.push_back(i);
      ASSERT_EQ(indexed(index, morse, pos), scanned) << "round " << round << " pos " << pos;
    }
  }
}

TEST(CodeIndex, EmptyCodesMatchEverywhere) {
  const Dictionary dictionary = prepFromText("a b c", "");
  const CodeIndex index(dictionary);
  EXPECT_EQ(indexed(index, "..", 0), (std::vector<std::uint32_t>{0, 1, 2}));
  EXPECT_EQ(indexed(index, "..", 2), (std::vector<std::uint32_t>{0, 1, 2}));
}

}  // namespace
