#pragma once

#include <cstddef>
#include <ctime>
#include <string>
#include <string_view>

// Text from a file or a file name as it may stand in a message: control characters, which a
// terminal would obey, are written as \xNN, and text longer than limit characters is cut with
// "…" so that a huge value cannot flood the message. Characters are counted as UTF-8 sequences.
std::string MessageText(std::string_view text, size_t limit = 80);
// A file name for a message: control characters escaped, never cut.
std::string MessagePath(std::string_view path);
// The line under a printed board: the circuit file's name without its folder and the local day of
// when, as "half-adder.lgc  2026-12-08".
std::string PageFooter(std::string_view file, std::time_t when);
