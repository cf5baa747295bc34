#pragma once

#include "FileAccess.h"
#include "SimWatch.h"

#include <cstdint>
#include <string>
#include <vector>

// Writes the watched columns as a value change dump, one time unit per pass: the values of
// pass P stand at time P. The file shows at its path only once finished; a run that fails leaves
// any old file there as it was.
class TVcdWriter {
public:
    // Throws TFileError when the file cannot be created, here and at any failed write.
    TVcdWriter(const std::string& path, const std::vector<TWatch>& watches);

    void Sample(int64_t pass);
    // Marks the end of the run at lastPass and puts the file in place.
    void Finish(int64_t lastPass);

private:
    void WriteValue(size_t column, uint64_t value);
    void WriteTime(int64_t pass);

    TFileWriter file_;
    const std::vector<TWatch>& watches_;
    std::vector<std::string> codes_;
    std::vector<uint64_t> last_;
    int64_t lastTime_ = 0;
};
