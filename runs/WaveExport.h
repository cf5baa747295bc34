#pragma once

#include "WaveRecord.h"

#include <string>
#include <vector>

// The recorded passes from .. to (both kept in the record) of the named channels, channel c taken
// from bit c of the record, for other programs.

// CSV: a header "pass,NAME,…" and a line per pass, 1 for high and 0 for low; names quoted as needed.
std::string WaveCsv(const TWaveRecord& record, const std::vector<std::string>& names, int64_t from, int64_t to);
// WaveDrom's JSON: a signal per channel, its wave a character per pass ('.' where nothing changes).
std::string WaveDromJson(const TWaveRecord& record, const std::vector<std::string>& names, int64_t from,
                         int64_t to);
// A value change dump as voltrane-sim --vcd writes it, one-bit columns; throws TFileError.
void WriteWaveVcd(const std::string& path, const TWaveRecord& record, const std::vector<std::string>& names,
                  int64_t from, int64_t to);
