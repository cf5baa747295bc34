#pragma once

#include "SimOptions.h"

#include <functional>
#include <string>
#include <vector>

// The presses and releases of a run record as scheduled mouse actions, each marked with the line
// it was read from. Throws TFileError when the record cannot be read and TUsageError, naming the
// line, when it is malformed. A record made for another circuit file than circuitFile is replayed
// all the same; warn is told.
std::vector<TSimEvent> ReadReplay(const std::string& recordPath, const std::string& circuitFile,
                                  const std::function<void(const std::string&)>& warn);
