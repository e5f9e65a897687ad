#include "word_search.hpp"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "code_index.hpp"
#include "files.hpp"
#include "signal.hpp"

namespace {

enum class Answer { accept, back, reject, ended };

Answer readAnswer(std::FILE* in) {
  int c = 0;
  do c = std::getc(in);
  while (c != EOF && isSeparator(static_cast<unsigned char>(c)));
  if (c == EOF) return Answer::ended;
  if (c == 'y' || c == 'Y') return Answer::accept;
  if (c == 'b' || c == 'B') return Answer::back;
  return Answer::reject;
}

// One level of the search. Its candidates and its history are the tails of
// the shared stacks from `groupsBegin` and `historyBegin` on while it is the
// deepest level; `message` is cut back to `messageLength` when it resumes.
struct Level {
  std::size_t pos;
  std::size_t messageLength;
  std::size_t groupsBegin;
  std::size_t historyBegin;
  std::uint32_t current;
};

class WordSearch {
 public:
  WordSearch(std::string_view morse, const Dictionary& words, SearchIo io)
      : morse_(morse), words_(words), io_(io) {}

  void run() {
    if (!enter(0)) return;
    while (!levels_.empty()) {
      const std::uint32_t candidate = nextCandidate();
      if (candidate == CodeIndex::none) {
        leave(/*takenBack=*/false);
        continue;
      }
      levels_.back().current = candidate;
      ask(candidate);
      switch (readAnswer(io_.answers)) {
        case Answer::ended:
          io_.console.put('\n');
          return;
        case Answer::accept:
          accept(candidate);
          break;
        case Answer::back:
          back();
          break;
        case Answer::reject:
          answered(candidate);
          break;
      }
    }
  }

 private:
  // Starts a level at `pos` for the current message. False when the level
  // ends at once: a complete decoding (written out) or a message at the bound.
  bool enter(std::size_t pos) {
    if (pos == morse_.size()) {
      io_.decodings.write(message_);
      io_.decodings.put('\n');
      io_.decodings.flush();
      return false;
    }
    if (message_.size() >= static_cast<std::size_t>(kInitialShortLen)) return false;
    levels_.push_back({pos, message_.size(), groups_.size(), history_.size(), 0});
    if (!index_) index_.emplace(words_);
    index_->matchesAt(morse_, pos, groups_);
    return true;
  }

  // Ends the deepest level. The level above then moves past the candidate
  // that opened it, or asks about it again when the acceptance was taken back.
  void leave(bool takenBack) {
    const Level ended = levels_.back();
    levels_.pop_back();
    groups_.resize(ended.groupsBegin);
    history_.resize(ended.historyBegin);
    if (levels_.empty()) return;
    message_.resize(levels_.back().messageLength);
    if (!takenBack) answered(levels_.back().current);
  }

  std::uint32_t nextCandidate() const {
    const Level& level = levels_.back();
    return CodeIndex::firstFrom(groups_.data() + level.groupsBegin, groups_.data() + groups_.size(),
                                level.current);
  }

  void ask(std::uint32_t candidate) {
    io_.console.write("Is \"");
    io_.console.write(message_);
    io_.console.write(words_.word(candidate));
    io_.console.write("\" valid?\n> ");
    io_.console.flush();
  }

  void accept(std::uint32_t candidate) {
    const Level& level = levels_.back();
    const std::string_view word = words_.word(candidate);
    const std::size_t after = level.pos + words_.code(candidate).size();

    io_.console.write("accepted. trying.. ");
    io_.console.writeNumber(morse_.size() - after);
    io_.console.write(" chars to go\n");

    io_.acceptances.writeNumber(after);
    io_.acceptances.write(" : ");
    io_.acceptances.write(message_);
    io_.acceptances.write(word);
    io_.acceptances.put('\n');
    io_.acceptances.flush();

    message_.append(word);
    message_.push_back(' ');
    if (!enter(after)) {
      message_.resize(levels_.back().messageLength);
      answered(candidate);
    }
  }

  void back() {
    Level& level = levels_.back();
    if (history_.size() > level.historyBegin) {
      level.current = history_.back();
      history_.pop_back();
    } else if (levels_.size() > 1) {
      leave(/*takenBack=*/true);
    }
  }

  void answered(std::uint32_t candidate) {
    history_.push_back(candidate);
    levels_.back().current = candidate + 1;
  }

  std::string_view morse_;
  const Dictionary& words_;
  std::optional<CodeIndex> index_;
  SearchIo io_;
  std::string message_;
  std::vector<Level> levels_;
  std::vector<CodeIndex::Group> groups_;
  std::vector<std::uint32_t> history_;
};

}  // namespace

void trying(std::string_view morse, const Dictionary& words, SearchIo io) {
  WordSearch(morse, words, io).run();
}
