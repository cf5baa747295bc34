#pragma once

#include <cstdint>

// The screen cursor shapes the program sets and reads back: a wire or sub-board sets a resize
// cursor from its MouseMove, and the editor's next press reads it to decide whether to resize.
enum class TCursorShape : uint8_t { Arrow, SizeWE, SizeNS, Wait };
