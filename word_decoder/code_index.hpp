#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

#include "dictionary.hpp"

// The dictionary's entries grouped by code, so that the entries whose code
// matches at a position are found with one lookup per code length in use,
// whatever the dictionary's size.
class CodeIndex {
 public:
  // A run of entry indices that share one code, in ascending order.
  struct Group {
    const std::uint32_t* begin;
    const std::uint32_t* end;
  };

  explicit CodeIndex(const Dictionary& dictionary);

  // Appends to `out` one group for every distinct code that matches `morse` at `pos`.
  void matchesAt(std::string_view morse, std::size_t pos, std::vector<Group>& out) const;

  // The smallest entry index >= `from` in any of `groups`, or `none`.
  static constexpr std::uint32_t none = UINT32_MAX;
  static std::uint32_t firstFrom(const Group* groups, const Group* groupsEnd, std::uint32_t from);

 private:
  // The slot that holds the group of `code`, or the free slot where it would go.
  std::size_t slotOf(std::string_view code) const;
  std::uint32_t findGroup(std::string_view code) const;

  const Dictionary& dictionary_;
  std::vector<std::uint32_t> members_;     // entry indices, group by group
  std::vector<std::uint32_t> groupStart_;  // group g is members_[groupStart_[g], groupStart_[g+1])
  std::vector<std::uint32_t> firstEntry_;  // each group's first entry, which holds its code
  std::vector<std::uint32_t> slots_;       // open addressing: group + 1, or 0 when free
  std::vector<std::size_t> lengths_;       // the distinct code lengths, ascending
};
