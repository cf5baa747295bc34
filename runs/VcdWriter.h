#pragma once

#include "FileAccess.h"

#include <cstdint>
#include <string>
#include <vector>

// A column of a value change dump: its name and how many bits wide its values are (1 to 64).
struct TVcdColumn {
    std::string Title;
    int Bits = 1;
};

// Writes columns as a value change dump, one time unit per pass: the values of pass P stand at
// time P, the first pass sampled giving the initial values. The file shows at its path only once
// finished; a run that fails leaves any old file there as it was.
class TVcdWriter {
public:
    // Throws TFileError when the file cannot be created, here and at any failed write.
    TVcdWriter(const std::string& path, std::vector<TVcdColumn> columns);

    // The value of each column at the pass, in column order.
    void Sample(int64_t pass, const uint64_t* values);
    // Marks the end of the run at lastPass and puts the file in place.
    void Finish(int64_t lastPass);

private:
    void WriteValue(size_t column, uint64_t value);
    void WriteTime(int64_t pass);

    TFileWriter file_;
    std::vector<TVcdColumn> columns_;
    std::vector<std::string> codes_;
    std::vector<uint64_t> last_;
    int64_t lastTime_ = 0;
    bool started_ = false;
};
