#include "VcdWriter.h"

#include "CircuitFile.h"

#include <cctype>
#include <cerrno>
#include <cstring>

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

TVcdWriter::TVcdWriter(const std::string& path, const std::vector<TWatch>& watches)
    : path_(path), file_(std::fopen(path.c_str(), "wb")), watches_(watches), last_(watches.size())
{
    if (!file_) throw TFileError("cannot create " + path + " (" + std::strerror(errno) + ")");
    std::fputs("$version voltrane-sim $end\n$timescale 1ns $end\n$scope module circuit $end\n", file_);
    for (size_t i = 0; i < watches_.size(); ++i) {
        codes_.push_back(Code(i));
        std::fprintf(file_, "$var wire %d %s %s $end\n", watches_[i].Bits(), codes_[i].c_str(),
                     Reference(watches_[i].Title()).c_str());
    }
    std::fputs("$upscope $end\n$enddefinitions $end\n", file_);
}

TVcdWriter::~TVcdWriter()
{
    if (file_) std::fclose(file_);
}

void TVcdWriter::WriteValue(size_t column, uint64_t value)
{
    const int bits = watches_[column].Bits();
    if (bits == 1) {
        std::fprintf(file_, "%c%s\n", value ? '1' : '0', codes_[column].c_str());
        return;
    }
    char digits[65];
    for (int b = 0; b < bits; ++b) digits[b] = (value >> (bits - 1 - b)) & 1 ? '1' : '0';
    digits[bits] = '\0';
    std::fprintf(file_, "b%s %s\n", digits, codes_[column].c_str());
}

void TVcdWriter::Sample(int64_t pass)
{
    if (pass == 1) {
        std::fputs("#1\n$dumpvars\n", file_);
        for (size_t i = 0; i < watches_.size(); ++i) WriteValue(i, last_[i] = watches_[i].Bits64());
        std::fputs("$end\n", file_);
        lastTime_ = 1;
        return;
    }
    for (size_t i = 0; i < watches_.size(); ++i) {
        const uint64_t value = watches_[i].Bits64();
        if (value == last_[i]) continue;
        if (lastTime_ != pass) std::fprintf(file_, "#%lld\n", static_cast<long long>(pass));
        lastTime_ = pass;
        WriteValue(i, last_[i] = value);
    }
}

void TVcdWriter::Finish(int64_t lastPass)
{
    if (lastTime_ != lastPass) std::fprintf(file_, "#%lld\n", static_cast<long long>(lastPass));
    const bool failed = std::ferror(file_) != 0;
    const bool closed = std::fclose(file_) == 0;
    file_ = nullptr;
    if (failed || !closed) throw TFileError("cannot write " + path_ + " (" + std::strerror(errno) + ")");
}
