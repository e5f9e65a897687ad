#pragma once

#include <string_view>

// Handles a program's command line before it touches any file. With no
// arguments it returns -1 and the program runs as usual. "--help" prints
// `usage` to standard output, "--version" prints the version; both return 0.
// Anything else prints `usage` to standard error and returns 2.
int handleArguments(int argc, char** argv, std::string_view program, std::string_view usage);
