// The spliced search for the shortest decoding against the literal
// exhaustive one: depth first over a..z, pruned at the best length so far.

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <utility>
#include <vector>

#include "morse_alphabet.hpp"
#include "literal_searches.hpp"
#include "search_harness.hpp"
#include "shortest_decoding.hpp"

namespace {

using literal::ExhaustiveSearch;
using literal::Outcome;
using literal::Reports;
using harness::spliced;

TEST(ShortestDecoding, KnownSignals) {
  EXPECT_EQ(spliced("...").reports, (Reports{{2147483647, "eee"}, {3, "ei"}, {2, "s"}}));
  EXPECT_EQ(spliced("...---...").reports,
            (Reports{{2147483647, "eeagee"}, {6, "eeagi"}, {5, "eejs"}, {4, "ijs"}}));
  EXPECT_EQ(spliced("--.-").shortMsg, "q");
  EXPECT_EQ(spliced("").reports, (Reports{{2147483647, ""}}));
  EXPECT_EQ(spliced(".x."), Outcome{});
}

TEST(ShortestDecoding, MatchesTheExhaustiveSearchOnRandomSignals) {
  std::mt19937 rng(424242);
  const std::string symbols = "..--.-";
  for (int round = 0; round < 5000; ++round) {
    std::string morse;
    const std::size_t length = rng() % 25;
    for (std::size_t i = 0; i < length; ++i) morse += symbols[rng() % symbols.size()];
    if (round % 10 == 0 && length > 0) morse[rng() % length] = "x\0/ "[rng() % 4];
    ASSERT_EQ(spliced(morse), ExhaustiveSearch(morse).run()) << "signal " << morse;
  }
}

TEST(ShortestDecoding, LongSignalOfOneSymbolEndsAtTheFewestLetters) {
  // Dots only: e..e first, then each report one letter shorter, down to h..h.
  const std::string morse(400, '.');
  const Outcome out = spliced(morse);
  ASSERT_FALSE(out.reports.empty());
  EXPECT_EQ(out.reports.front().second, std::string(400, 'e'));
  EXPECT_EQ(out.shortMsg, std::string(100, 'h'));
  for (std::size_t i = 1; i < out.reports.size(); ++i)
    EXPECT_EQ(out.reports[i].first, static_cast<std::int32_t>(out.reports[i - 1].second.size()));
}

TEST(ShortestDecoding, SignalWithAnotherByteEndsAtOnce) {
  std::string morse(1000000, '.');
  morse += 'x';
  EXPECT_EQ(spliced(morse), Outcome{});
}

}  // namespace
