#pragma once

// Literal versions of the two searches, as first designed, kept as the
// reference the fast ones must agree with byte for byte.

#include <cstdint>
#include <cstdio>
#include <ostream>
#include <stack>
#include <string>
#include <utility>
#include <vector>

#include "morse_alphabet.hpp"

namespace literal {

struct Transcript {
  std::string console;
  std::string decodings;
  std::string acceptances;
  bool operator==(const Transcript&) const = default;
};

inline std::ostream& operator<<(std::ostream& out, const Transcript& t) {
  return out << "console:\n" << t.console << "\ndecodings:\n" << t.decodings << "\nacceptances:\n"
             << t.acceptances;
}

// The word search: recursive, scanning the whole dictionary at every
// level, with an answer script in place of the console. The outcome tells the level above how this one ended.
class ReferenceSearch {
 public:
  ReferenceSearch(std::string morse, std::vector<std::pair<std::string, std::string>> words,
                  std::string answers)
      : morse_(std::move(morse)), words_(std::move(words)), answers_(std::move(answers)) {}

  Transcript run() {
    trying("", 0, true);
    return out_;
  }

 private:
  enum class Outcome { finished, takenBack, ended };

  bool matches(const std::string& code, std::size_t pos) const {
    return pos + code.size() <= morse_.size() && morse_.substr(pos, code.size()) == code;
  }

  int nextAnswer() {
    while (next_ < answers_.size() && std::string(" \t\n\r\v\f").find(answers_[next_]) != std::string::npos)
      ++next_;
    return next_ < answers_.size() ? static_cast<unsigned char>(answers_[next_++]) : EOF;
  }

  Outcome trying(const std::string& message, std::size_t pos, bool top) {
    if (pos == morse_.size()) {
      out_.decodings += message + "\n";
      return Outcome::finished;
    }
    if (message.size() >= 2147483647u) return Outcome::finished;
    std::stack<std::size_t> history;
    std::size_t i = 0;
    while (i < words_.size()) {
      const auto& [word, code] = words_[i];
      if (!matches(code, pos)) {
        ++i;
        continue;
      }
      out_.console += "Is \"" + message + word + "\" valid?\n> ";
      const int answer = nextAnswer();
      if (answer == EOF) {
        out_.console += "\n";
        return Outcome::ended;
      }
      if (answer == 'y' || answer == 'Y') {
        const std::size_t after = pos + code.size();
        out_.console += "accepted. trying.. " + std::to_string(morse_.size() - after) + " chars to go\n";
        out_.acceptances += std::to_string(after) + " : " + message + word + "\n";
        const Outcome below = trying(message + word + " ", after, false);
        if (below == Outcome::ended) return below;
        if (below == Outcome::takenBack) continue;
        history.push(i);
        ++i;
      } else if (answer == 'b' || answer == 'B') {
        if (!history.empty()) {
          i = history.top();
          history.pop();
        } else if (!top) {
          return Outcome::takenBack;
        }
      } else {
        history.push(i);
        ++i;
      }
    }
    return Outcome::finished;
  }

  std::string morse_;
  std::vector<std::pair<std::string, std::string>> words_;
  std::string answers_;
  std::size_t next_ = 0;
  Transcript out_;
};

using Reports = std::vector<std::pair<std::int32_t, std::string>>;

struct Outcome {
  Reports reports;
  std::string shortMsg;
  bool operator==(const Outcome&) const = default;
};

// The letter search: depth first over a..z, pruned at the best length so far.
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

}  // namespace literal
