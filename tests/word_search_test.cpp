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
#include "word_search.hpp"

namespace {

struct Transcript {
  std::string console;
  std::string decodings;
  std::string acceptances;
  bool operator==(const Transcript&) const = default;
};

std::ostream& operator<<(std::ostream& out, const Transcript& t) {
  return out << "console:\n" << t.console << "\ndecodings:\n" << t.decodings << "\nacceptances:\n"
             << t.acceptances;
}

// The literal search. The outcome tells the level above how this one ended.
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
    return next_ < answers_.size() ? answers_[next_++] : EOF;
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

std::string drain(std::FILE* stream, char*& buffer, std::size_t& size) {
  std::fclose(stream);
  std::string text(buffer, size);
  std::free(buffer);
  return text;
}

Transcript runSearch(const std::string& morse, const std::string& wordList,
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

Transcript runReference(const std::string& morse, const std::string& wordList,
                        const std::string& codeList, const std::string& answers) {
  const Dictionary words = prepFromText(wordList, codeList);
  std::vector<std::pair<std::string, std::string>> pairs;
  for (std::size_t i = 0; i < words.size(); ++i) pairs.emplace_back(words.word(i), words.code(i));
  return ReferenceSearch(morse, pairs, answers).run();
}

std::string randomSymbols(std::mt19937& rng, std::size_t length, bool allowOther) {
  static const std::string plain = ".-";
  static const std::string other = ".-x\0";
  const std::string& from = allowOther ? other : plain;
  std::string out;
  for (std::size_t i = 0; i < length; ++i) out += from[rng() % (allowOther ? 4 : 2)];
  return out;
}

TEST(WordSearch, MatchesTheLiteralSearchOnRandomDialogues) {
  std::mt19937 rng(20261211);
  static const std::string words[] = {"e", "t", "a", "it", "Up", "ok", "x1", "e", "tea", "ant"};
  static const std::string answerBytes = "yyyyYnnNbbBq \n";
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
