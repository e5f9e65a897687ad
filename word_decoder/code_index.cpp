#include "code_index.hpp"

#include <algorithm>
#include <bit>
#include <cstring>
#include <stdexcept>

namespace {

std::uint64_t hashCode(std::string_view code) {
  constexpr std::uint64_t kMultiplier = 0x9E3779B97F4A7C15ull;
  std::uint64_t hash = code.size() * kMultiplier;
  std::size_t i = 0;
  for (; i + 8 <= code.size(); i += 8) {
    std::uint64_t chunk;
    std::memcpy(&chunk, code.data() + i, 8);
    hash = (hash ^ chunk) * kMultiplier;
    hash ^= hash >> 32;
  }
  std::uint64_t last = 0;
  if (i < code.size()) std::memcpy(&last, code.data() + i, code.size() - i);
  hash = (hash ^ last) * kMultiplier;
  return hash ^ (hash >> 29);
}

}  // namespace

std::size_t CodeIndex::slotOf(std::string_view code) const {
  const std::size_t mask = slots_.size() - 1;
  std::size_t slot = hashCode(code) & mask;
  while (slots_[slot] != 0 && dictionary_.code(firstEntry_[slots_[slot] - 1]) != code)
    slot = (slot + 1) & mask;
  return slot;
}

std::uint32_t CodeIndex::findGroup(std::string_view code) const {
  const std::uint32_t held = slots_[slotOf(code)];
  return held == 0 ? none : held - 1;
}

CodeIndex::CodeIndex(const Dictionary& dictionary) : dictionary_(dictionary) {
  const std::size_t count = dictionary.size();
  if (count >= none) throw std::length_error("the dictionary holds too many words");
  slots_.assign(std::bit_ceil(count + count / 2 + 1), 0);

  // Give every distinct code a group, numbered by first appearance, and count its entries.
  std::vector<std::uint32_t> groupOf(count);
  std::vector<bool> lengthUsed;
  for (std::uint32_t i = 0; i < count; ++i) {
    const std::string_view code = dictionary.code(i);
    const std::size_t slot = slotOf(code);
    if (slots_[slot] == 0) {
      firstEntry_.push_back(i);
      groupStart_.push_back(0);
      slots_[slot] = static_cast<std::uint32_t>(firstEntry_.size());
      if (code.size() >= lengthUsed.size()) lengthUsed.resize(code.size() + 1);
      lengthUsed[code.size()] = true;
    }
    groupOf[i] = slots_[slot] - 1;
    ++groupStart_[groupOf[i]];
  }

  // Lay the groups out one after another: groupStart_ first holds where each
  // group ends, then entries are placed from the last one down, which leaves
  // each group ascending and groupStart_ at each group's start.
  std::uint32_t end = 0;
  for (std::uint32_t& size : groupStart_) size = end += size;
  members_.resize(count);
  for (std::uint32_t i = static_cast<std::uint32_t>(count); i-- > 0;)
    members_[--groupStart_[groupOf[i]]] = i;
  groupStart_.push_back(static_cast<std::uint32_t>(count));

  for (std::size_t length = 0; length < lengthUsed.size(); ++length)
    if (lengthUsed[length]) lengths_.push_back(length);
}

void CodeIndex::matchesAt(std::string_view morse, std::size_t pos,
                          std::vector<Group>& out) const {
  if (pos > morse.size()) return;
  for (std::size_t length : lengths_) {
    if (length > morse.size() - pos) break;
    const std::string_view piece = morse.substr(pos, length);
    const std::uint32_t group = findGroup(piece);
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
