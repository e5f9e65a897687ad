#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>
#include <string_view>

// The bound both searches start from: a message must stay shorter than this.
inline constexpr std::int32_t kInitialShortLen = 2147483647;

// True for the bytes that separate tokens in formatted extraction:
// blank, tab, line feed, carriage return, vertical tab and form feed.
inline bool isSeparator(unsigned char byte) {
  return byte == ' ' || (byte >= '\t' && byte <= '\r');
}

// Appends every whitespace-delimited token read from `in` to `morse`, with
// nothing between them, until end of input or a read error. A null `in`
// (a file that never opened) adds nothing.
void readSignal(std::FILE* in, std::string& morse);

class OutputFile;

// Writes `morse` and a line end to `console`, flushes it, then writes "Trying..\n".
void announceSignal(OutputFile& console, std::string_view morse);

// True when the bytes of `morse` from `pos` on equal `code` byte for byte.
// A code that would run past the end never matches; an empty code always does.
bool codeMatchesAt(std::string_view morse, std::string_view code, std::size_t pos);
