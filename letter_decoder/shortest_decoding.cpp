#include "shortest_decoding.hpp"

#include <algorithm>
#include <array>
#include <cstring>
#include <limits>
#include <stdexcept>
#include <vector>

#include "morse_alphabet.hpp"
#include "signal.hpp"

namespace {

constexpr std::int32_t kNever = std::numeric_limits<std::int32_t>::max();

// The letters whose code matches at one position, in letter order.
struct Choices {
  std::array<char, 4> letter;
  std::array<std::uint8_t, 4> length;
  std::uint8_t count = 0;
};

bool isPureSignal(std::string_view morse) {
  return std::all_of(morse.begin(), morse.end(), [](char c) { return c == '.' || c == '-'; });
}

// letterByCode[length][bits]: the letter whose code has `length` symbols,
// read as binary with dash = 1, or 0 when no letter has that code.
using CodeTable = std::array<std::array<char, 16>, 5>;

CodeTable makeCodeTable() {
  CodeTable table{};
  for (const MorseLetter& entry : morseAlphabet) {
    unsigned bits = 0;
    for (char symbol : entry.code) bits = bits * 2 + (symbol == '-' ? 1 : 0);
    table[entry.code.size()][bits] = entry.letter;
  }
  return table;
}

std::vector<Choices> choicesAlong(std::string_view morse) {
  static const CodeTable letterByCode = makeCodeTable();
  std::vector<Choices> all(morse.size());
  for (std::size_t p = 0; p < morse.size(); ++p) {
    Choices& here = all[p];
    unsigned bits = 0;
    for (std::size_t length = 1; length <= 4 && p + length <= morse.size(); ++length) {
      bits = bits * 2 + (morse[p + length - 1] == '-' ? 1 : 0);
      const char letter = letterByCode[length][bits];
      if (letter == 0) continue;
      std::size_t slot = here.count++;
      for (; slot > 0 && here.letter[slot - 1] > letter; --slot) {
        here.letter[slot] = here.letter[slot - 1];
        here.length[slot] = here.length[slot - 1];
      }
      here.letter[slot] = letter;
      here.length[slot] = static_cast<std::uint8_t>(length);
    }
  }
  return all;
}

// Positions are 32-bit: a decodable signal must be shorter than the initial bound.
std::size_t checkedLength(std::string_view morse) {
  if (morse.size() >= static_cast<std::size_t>(kInitialShortLen))
    throw std::length_error("the signal is longer than 2147483646 symbols");
  return morse.size();
}

class Improvements {
 public:
  explicit Improvements(std::string_view morse)
      : n_(checkedLength(morse)), choices_(choicesAlong(morse)), best_(n_ + 1), spare_(n_ + 1) {
    fillBest();
    fillSpare();
  }

  std::string run(const ImprovementSink& report) {
    firstDecoding();
    report(kInitialShortLen, letters_);
    for (std::size_t tight = firstTightIndex(); tight > 0; tight = firstTightIndex()) {
      const std::size_t previousLength = letters_.size();
      improveFrom(tight - 1);
      report(static_cast<std::int32_t>(previousLength), letters_);
    }
    return letters_;
  }

 private:
  // best_[p]: the fewest letters that spell the signal from p to its end.
  void fillBest() {
    best_[n_] = 0;
    for (std::size_t p = n_; p-- > 0;) {
      std::int32_t fewest = kNever;
      const Choices& here = choices_[p];
      for (unsigned k = 0; k < here.count; ++k)
        fewest = std::min(fewest, 1 + best_[p + here.length[k]]);
      best_[p] = fewest;
    }
  }

  // The extra letters a choice costs over the fewest possible from p.
  std::int32_t excess(std::size_t p, unsigned k) const {
    return 1 + best_[p + choices_[p].length[k]] - best_[p];
  }

  // spare_[p]: with fewer spare letters than this, the greedy walk from p
  // takes the first letter of no excess at every step to the end (the
  // "tight" walk), because no earlier letter is cheap enough.
  void fillSpare() {
    spare_[n_] = kNever;
    for (std::size_t p = n_; p-- > 0;) {
      std::int32_t cheapestEarlier = kNever;
      unsigned k = 0;
      for (; excess(p, k) != 0; ++k) cheapestEarlier = std::min(cheapestEarlier, excess(p, k));
      spare_[p] = std::min(cheapestEarlier, spare_[p + choices_[p].length[k]]);
    }
  }

  // The first letter at p, in letter order, that still lets a decoding with
  // `used` letters so far stay shorter than `bound`.
  unsigned greedyChoice(std::size_t p, std::size_t used, std::int64_t bound) const {
    const Choices& here = choices_[p];
    unsigned k = 0;
    while (static_cast<std::int64_t>(used) + 1 + best_[p + here.length[k]] >= bound) ++k;
    return k;
  }

  void firstDecoding() {
    for (std::size_t p = 0; p < n_;) {
      const unsigned k = greedyChoice(p, letters_.size(), kInitialShortLen);
      letters_.push_back(choices_[p].letter[k]);
      at_.push_back(static_cast<std::uint32_t>(p));
      p += choices_[p].length[k];
    }
    at_.push_back(static_cast<std::uint32_t>(n_));
  }

  // The first index from which the current decoding spends no letter beyond
  // the fewest possible. Everything before it survives a lower bound.
  std::size_t firstTightIndex() const {
    const std::size_t length = letters_.size();
    std::size_t low = 0;
    std::size_t high = length;
    while (low < high) {
      const std::size_t mid = low + (high - low) / 2;
      if (mid + static_cast<std::size_t>(best_[at_[mid]]) >= length)
        high = mid;
      else
        low = mid + 1;
    }
    return low;
  }

  // Replaces the current decoding by the first shorter one in letter order: it
  // keeps the letters before `from`, walks greedily from there, and rejoins the
  // current decoding where both are at the same position and the rest of both
  // is the tight walk.
  void improveFrom(std::size_t from) {
    const std::int64_t bound = static_cast<std::int64_t>(letters_.size());
    tailLetters_.clear();
    tailAt_.clear();
    std::size_t p = at_[from];
    std::size_t used = from;
    std::size_t rejoin = from + 1;
    for (;;) {
      const unsigned k = greedyChoice(p, used, bound);
      tailLetters_.push_back(choices_[p].letter[k]);
      tailAt_.push_back(static_cast<std::uint32_t>(p));
      p += choices_[p].length[k];
      ++used;
      while (at_[rejoin] < p) ++rejoin;
      if (at_[rejoin] == p && bound - 1 - static_cast<std::int64_t>(used) - best_[p] < spare_[p])
        break;
    }
    splice(from, rejoin);
  }

  // letters_[from, rejoin) becomes the tail; at_ follows.
  void splice(std::size_t from, std::size_t rejoin) {
    const std::size_t length = letters_.size();
    const std::size_t tail = tailLetters_.size();
    std::memmove(letters_.data() + from + tail, letters_.data() + rejoin, length - rejoin);
    std::memmove(at_.data() + from + tail, at_.data() + rejoin,
                 (length + 1 - rejoin) * sizeof(std::uint32_t));
    std::memcpy(letters_.data() + from, tailLetters_.data(), tail);
    std::memcpy(at_.data() + from, tailAt_.data(), tail * sizeof(std::uint32_t));
    const std::size_t newLength = from + tail + (length - rejoin);
    letters_.resize(newLength);
    at_.resize(newLength + 1);
  }

  std::size_t n_;
  std::vector<Choices> choices_;
  std::vector<std::int32_t> best_;
  std::vector<std::int32_t> spare_;
  std::string letters_;             // the current decoding
  std::vector<std::uint32_t> at_;   // at_[i]: where letter i starts; at_[size] = end of signal
  std::string tailLetters_;
  std::vector<std::uint32_t> tailAt_;
};

}  // namespace

std::string shortestDecoding(std::string_view morse, const ImprovementSink& report) {
  if (!isPureSignal(morse)) return {};
  return Improvements(morse).run(report);
}
