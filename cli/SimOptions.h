#pragma once

#include "PassEngine.h"

#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

// A command line that cannot be run as asked; the tool exits with status 2.
class TUsageError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// A mouse action on a named object in the message processing that follows pass Pass.
struct TSimEvent {
    enum TKind { Press, Release, Click };
    TKind Kind = Press;
    std::string Name;
    int64_t Pass = 1;
};

struct TSimOptions {
    std::string File;
    int64_t Passes = 1000;
    int64_t Every = 1;
    std::vector<std::string> Watches;
    // In command-line order; events of one pass are applied in this order.
    std::vector<TSimEvent> Events;
    std::string VcdPath;
    std::string PngPath;
    std::string SavePath;
    TEngineMode Engine = TEngineMode::Auto;
    bool Stats = false;
    bool Help = false;
};

// Throws TUsageError for an unknown option, a missing or malformed value, or a missing FILE.
TSimOptions ParseSimOptions(const std::vector<std::string>& args);

extern const char* const SimUsage;
