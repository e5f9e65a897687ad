#include "code_index.hpp"

#include <algorithm>
#include <bit>
#include <stdexcept>

namespace {

std::uint64_t hashCode(std::string_view code) {
  std::uint64_t hash = 14695981039346656037ull;
  for (unsigned char c : code) hash = (hash ^ c) * 1099511628211ull;
  return hash ^ (hash >> 29);
}

}  // namespace

std::string_view CodeIndex::groupCode(std::uint32_t group) const {
  return dictionary_.code(members_[groupStart_[group]]);
}

std::uint32_t CodeIndex::findGroup(std::string_view code, std::uint64_t hash) const {
  const std::size_t mask = slots_.size() - 1;
  for (std::size_t slot = hash & mask;; slot = (slot + 1) & mask) {
    const std::uint32_t held = slots_[slot];
    if (held == 0) return none;
    if (groupCode(held - 1) == code) return held - 1;
  }
}

CodeIndex::CodeIndex(const Dictionary& dictionary) : dictionary_(dictionary) {
  const std::size_t count = dictionary.size();
  if (count >= none) throw std::length_error("dictionary holds too many words");
  slots_.assign(std::bit_ceil(2 * count + 2), 0);
  const std::size_t mask = slots_.size() - 1;

  // First pass: give every distinct code a group, numbered by first appearance,
  // and count its entries. groupStart_ briefly holds each group's first entry.
  std::vector<std::uint32_t> groupOf(count);
  std::vector<std::uint32_t> sizes;
  for (std::uint32_t i = 0; i < count; ++i) {
    const std::string_view code = dictionary.code(i);
    std::size_t slot = hashCode(code) & mask;
    for (;; slot = (slot + 1) & mask) {
      const std::uint32_t held = slots_[slot];
      if (held == 0 || dictionary.code(groupStart_[held - 1]) == code) break;
    }
    if (slots_[slot] == 0) {
      slots_[slot] = static_cast<std::uint32_t>(sizes.size() + 1);
      groupStart_.push_back(i);
      sizes.push_back(0);
      lengths_.push_back(code.size());
    }
    groupOf[i] = slots_[slot] - 1;
    ++sizes[groupOf[i]];
  }

  // Second pass: lay the groups out one after another, entries in ascending order.
  std::uint32_t start = 0;
  for (std::size_t g = 0; g < sizes.size(); ++g) {
    groupStart_[g] = start;
    start += sizes[g];
  }
  groupStart_.push_back(start);
  std::vector<std::uint32_t> fill(groupStart_.begin(), groupStart_.end() - 1);
  members_.resize(count);
  for (std::uint32_t i = 0; i < count; ++i) members_[fill[groupOf[i]]++] = i;

  std::sort(lengths_.begin(), lengths_.end());
  lengths_.erase(std::unique(lengths_.begin(), lengths_.end()), lengths_.end());
}

void CodeIndex::matchesAt(std::string_view morse, std::size_t pos,
                          std::vector<Group>& out) const {
  if (pos > morse.size()) return;
  for (std::size_t length : lengths_) {
    if (length > morse.size() - pos) break;
    const std::string_view piece = morse.substr(pos, length);
    const std::uint32_t group = findGroup(piece, hashCode(piece));
    if (group != none)
      out.push_back({members_.data() + groupStart_[group], members_.data() + groupStart_[group + 1]});
  }
}

std::uint32_t CodeIndex::firstFrom(const Group* groups, const Group* groupsEnd,
                                   std::uint32_t from) {
  std::uint32_t first = none;
  for (const Group* g = groups; g != groupsEnd; ++g) {
    const std::uint32_t* hit = std::lower_bound(g->begin, g->end, from);
    if (hit != g->end && *hit < first) first = *hit;
  }
  return first;
}
