#pragma once

#include "SimWatch.h"

#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

// Writes the watched columns as a value change dump, one time unit per pass: the values of
// pass P stand at time P.
class TVcdWriter {
public:
    // Throws TFileError when the file cannot be created.
    TVcdWriter(const std::string& path, const std::vector<TWatch>& watches);
    TVcdWriter(const TVcdWriter&) = delete;
    TVcdWriter& operator=(const TVcdWriter&) = delete;
    ~TVcdWriter();

    void Sample(int64_t pass);
    // Marks the end of the run at lastPass and closes the file; throws TFileError when the
    // file could not be written.
    void Finish(int64_t lastPass);

private:
    void WriteValue(size_t column, uint64_t value);

    std::string path_;
    std::FILE* file_;
    const std::vector<TWatch>& watches_;
    std::vector<std::string> codes_;
    std::vector<uint64_t> last_;
    int64_t lastTime_ = 0;
};
