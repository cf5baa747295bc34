#pragma once

#include <stdexcept>

// A request that cannot be served as asked: a command line, or a name or terminal the circuit
// does not have. The command-line tool exits with status 2 for it.
class TUsageError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};
