#include "WaveExport.h"

#include "VcdWriter.h"

namespace {

std::string CsvField(const std::string& text)
{
    if (text.find_first_of(",\"\r\n") == std::string::npos) return text;
    std::string quoted = "\"";
    for (const char c : text) quoted += c == '"' ? std::string("\"\"") : std::string(1, c);
    return quoted + "\"";
}

std::string JsonString(const std::string& text)
{
    std::string quoted = "\"";
    for (const char c : text) {
        const auto u = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            quoted += '\\';
            quoted += c;
        } else if (u < 0x20) {
            static const char digits[] = "0123456789abcdef";
            quoted += "\\u00";
            quoted += digits[u >> 4];
            quoted += digits[u & 15];
        } else {
            quoted += c;
        }
    }
    return quoted + "\"";
}

}  // namespace

std::string WaveCsv(const TWaveRecord& record, const std::vector<std::string>& names, int64_t from, int64_t to)
{
    std::string text = "pass";
    for (const std::string& name : names) text += "," + CsvField(name);
    text += "\n";
    for (int64_t pass = from; pass <= to; ++pass) {
        text += std::to_string(pass);
        for (size_t c = 0; c < names.size(); ++c) text += record.High(static_cast<int>(c), pass) ? ",1" : ",0";
        text += "\n";
    }
    return text;
}

std::string WaveDromJson(const TWaveRecord& record, const std::vector<std::string>& names, int64_t from,
                         int64_t to)
{
    std::string text = "{\"signal\": [";
    for (size_t c = 0; c < names.size(); ++c) {
        std::string wave;
        for (int64_t pass = from; pass <= to; ++pass) {
            const bool high = record.High(static_cast<int>(c), pass);
            wave += pass > from && high == record.High(static_cast<int>(c), pass - 1) ? '.' : high ? '1' : '0';
        }
        text += std::string(c ? ",\n  " : "\n  ") + "{\"name\": " + JsonString(names[c]) + ", \"wave\": \"" + wave + "\"}";
    }
    return text + "\n], \"head\": {\"text\": " + JsonString("passes " + std::to_string(from) + " to " + std::to_string(to)) + "}}\n";
}

void WriteWaveVcd(const std::string& path, const TWaveRecord& record, const std::vector<std::string>& names,
                  int64_t from, int64_t to)
{
    std::vector<TVcdColumn> columns;
    for (const std::string& name : names) columns.push_back({name, 1});
    TVcdWriter vcd(path, columns);
    std::vector<uint64_t> values(names.size());
    for (int64_t pass = from; pass <= to; ++pass) {
        for (size_t c = 0; c < names.size(); ++c) values[c] = record.High(static_cast<int>(c), pass);
        vcd.Sample(pass, values.data());
    }
    vcd.Finish(to);
}
