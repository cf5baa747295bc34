#pragma once

#include <stdexcept>

// A file that cannot be read or written, with the message shown to the user.
class TFileError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};
