#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

// Called for each improvement: the length bound held before it, then the new decoding.
using ImprovementSink = std::function<void(std::int32_t previousBound, std::string_view decoding)>;

// Reports, in order, every improvement that a depth-first search over the
// letters a..z (pruned at the best length found so far) meets, and returns
// the last one: the shortest decoding, the first in letter order among those
// of its length. Returns "" with no report when `morse` has no decoding.
// Throws std::length_error for a decodable signal of 2147483647 symbols or more.
//
// The improvements are the smallest decoding in letter order, then the
// smallest one shorter than it, and so on; each is spliced out of the one
// before, so the work is close to the size of what is reported.
std::string shortestDecoding(std::string_view morse, const ImprovementSink& report);
