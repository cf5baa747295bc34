#pragma once

#include "EditorHost.h"

#include <cstdint>
#include <string>

// What the status line is told about the window: the mode, the checked tool and what a press on
// empty board space would create.
struct TStatusFacts {
    bool Simulating = false;
    TTool Tool = TTool::Select;
    // The armed class by its stored name ("TGate", "TMacro", ...), empty when none.
    std::string ToolClass;
    // The armed part's name as its tool shows it in the chosen language ("NAND", "LED赤").
    std::string ToolName;
    // A wire is being drawn; the next release ends it on the terminal or wire under the pointer.
    bool DrawingWire = false;
    bool WireEndsHere = false;
    int64_t Passes = 0;
    // Passes per second over the last interval measured, negative while unknown.
    int64_t PassRate = -1;
    // The run waits for the user; and the passes a second it is held to, 0 for no limit.
    bool Paused = false;
    int64_t RateLimit = 0;
};

// The mode field of the status line: while editing, the tool and what a press does with it;
// while simulating, how far the circuit has run and how fast, since pulse widths and afterglow
// are counted in passes, and whether it is paused or held to a speed.
std::string StatusText(const TStatusFacts& facts);

// A menu caption as a name: without its accelerator "(&X)" and without single '&' marks.
std::string WithoutAccelerator(const std::string& caption);

// 1234567 as "1,234,567".
std::string GroupedDigits(int64_t n);
