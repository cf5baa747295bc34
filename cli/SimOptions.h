#pragma once

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
    // Where a replayed action was read ("RECORD:LINE"); empty for one given as an option.
    std::string Where;
};

struct TSimOptions {
    std::string File;
    int64_t Passes = 1000;
    int64_t Every = 1;
    std::vector<std::string> Watches;
    // In command-line order; events of one pass are applied in this order.
    std::vector<TSimEvent> Events;
    // The run record to replay; its actions go into Events at ReplayAt, its place on the command line.
    std::string ReplayPath;
    size_t ReplayAt = 0;
    std::string VcdPath;
    std::string PngPath;
    std::string SavePath;
    bool Stats = false;
    bool Help = false;
};

// Throws TUsageError for an unknown option, a missing or malformed value, or a missing FILE.
TSimOptions ParseSimOptions(const std::vector<std::string>& args);

extern const char* const SimUsage;
