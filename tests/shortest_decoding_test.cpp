// The spliced search for the shortest decoding against the literal
// exhaustive one: depth first over a..z, pruned at the best length so far.

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <utility>
#include <vector>

#include "morse_alphabet.hpp"
#include "shortest_decoding.hpp"

namespace {

using Reports = std::vector<std::pair<std::int32_t, std::string>>;

struct Outcome {
  Reports reports;
  std::string shortMsg;
  bool operator==(const Outcome&) const = default;
};

class ExhaustiveSearch {
 public:
  explicit ExhaustiveSearch(std::string morse) : morse_(std::move(morse)) {}

  Outcome run() {
    trying("", 0);
    return {reports_, shortMsg_};
  }

 private:
  void trying(std::string message, std::int32_t pos) {
    if (static_cast<std::size_t>(pos) == morse_.size()) {
      if (message.size() < static_cast<std::uint32_t>(shortLen_)) {
        reports_.emplace_back(shortLen_, message);
        shortLen_ = static_cast<std::int32_t>(message.size());
        shortMsg_ = message;
      }
      return;
    }
    if (message.size() >= static_cast<std::uint32_t>(shortLen_)) return;
    for (const MorseLetter& entry : morseAlphabet) {
      const std::size_t at = static_cast<std::size_t>(pos);
      if (at + entry.code.size() <= morse_.size() && morse_.compare(at, entry.code.size(), entry.code) == 0)
        trying(message + entry.letter, pos + static_cast<std::int32_t>(entry.code.size()));
    }
  }

  std::string morse_;
  std::int32_t shortLen_ = 2147483647;
  std::string shortMsg_;
  Reports reports_;
};

Outcome spliced(const std::string& morse) {
  Outcome out;
  out.shortMsg = shortestDecoding(morse, [&](std::int32_t previous, std::string_view decoding) {
    out.reports.emplace_back(previous, std::string(decoding));
  });
  return out;
}

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
