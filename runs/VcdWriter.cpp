#include "VcdWriter.h"

#include <cctype>
#include <utility>

namespace {

// Identifier codes are short strings of the printable characters '!' to '~'.
std::string Code(size_t n)
{
    std::string code;
    do {
        code.push_back(static_cast<char>('!' + n % 94));
        n /= 94;
    } while (n > 0);
    return code;
}

// Waveform viewers split names at '.' and spaces, so those become '_'.
std::string Reference(const std::string& title)
{
    std::string name = title;
    for (char& c : name)
        if (!std::isalnum(static_cast<unsigned char>(c)) && c != '_') c = '_';
    return name;
}

}  // namespace

TVcdWriter::TVcdWriter(const std::string& path, std::vector<TVcdColumn> columns)
    : file_(path), columns_(std::move(columns)), last_(columns_.size())
{
    file_.Write("$version voltrane-sim $end\n$timescale 1ns $end\n$scope module circuit $end\n");
    for (size_t i = 0; i < columns_.size(); ++i) {
        codes_.push_back(Code(i));
        file_.Write("$var wire " + std::to_string(columns_[i].Bits) + " " + codes_[i] + " " +
                    Reference(columns_[i].Title) + " $end\n");
    }
    file_.Write("$upscope $end\n$enddefinitions $end\n");
}

void TVcdWriter::WriteValue(size_t column, uint64_t value)
{
    const int bits = columns_[column].Bits;
    std::string line;
    if (bits == 1) {
        line = value ? "1" : "0";
    } else {
        line = "b";
        for (int b = 0; b < bits; ++b) line += (value >> (bits - 1 - b)) & 1 ? '1' : '0';
        line += ' ';
    }
    file_.Write(line + codes_[column] + "\n");
}

void TVcdWriter::WriteTime(int64_t pass) { file_.Write("#" + std::to_string(pass) + "\n"); }

void TVcdWriter::Sample(int64_t pass, const uint64_t* values)
{
    if (!started_) {
        started_ = true;
        WriteTime(pass);
        file_.Write("$dumpvars\n");
        for (size_t i = 0; i < columns_.size(); ++i) WriteValue(i, last_[i] = values[i]);
        file_.Write("$end\n");
        lastTime_ = pass;
        return;
    }
    for (size_t i = 0; i < columns_.size(); ++i) {
        const uint64_t value = values[i];
        if (value == last_[i]) continue;
        if (lastTime_ != pass) WriteTime(pass);
        lastTime_ = pass;
        WriteValue(i, last_[i] = value);
    }
}

void TVcdWriter::Finish(int64_t lastPass)
{
    if (lastTime_ != lastPass) WriteTime(lastPass);
    file_.Commit();
}
