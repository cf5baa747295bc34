// Grading a class: 100 circuit files of 500 parts each checked against an 8-row table, as
// voltrane-sim --test does it (read, load, start, every row settled and compared). Each circuit is
// three toggle switches on a full adder whose sum and carry reach their lamps through chains of
// inverters (248 and 246 of them), so that each row takes some 270 passes to settle; every tenth
// file has one inverter too many on the sum (and one too few on the carry) and fails at its first
// row.
#include "TableCheck.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace {

constexpr int Files = 100;
constexpr int SumChain = 248, CarryChain = 246;

void Block(std::ofstream& out, int& n, const char* cls, int left, int top, int way = 0)
{
    const int size = std::string(cls) == "TTglSW" || std::string(cls) == "TLED" ? 20 : 40;
    out << "ClassName=" << cls << "\r\nName=" << cls << n++ << "\r\nContainerName=\r\nPartNo=0\r\nLeft=" << left
        << "\r\nTop=" << top << "\r\nOffsetLeft=" << left << "\r\nOffsetTop=" << top << "\r\nWidth=" << size
        << "\r\nHeight=" << size << "\r\nWayCount=4\r\nWay=" << way << "\r\n";
    if (std::string(cls) == "TLED") out << "ZanzoTime=1\r\n";
    out << "End\r\n";
}

// Terminals touch: switches on the adder's A, B and carry in, the sum chain running right from
// S = (140, 120), the carry chain running down from Co = (120, 140).
void WriteCircuit(const std::string& path, int sumChain, int carryChain)
{
    std::ofstream out(path, std::ios::binary);
    out << "Voltrane FormatVer:1.0 By Ardent Wirefox\r\n";
    int n = 0;
    Block(out, n, "TTglSW", 80, 100);
    Block(out, n, "TTglSW", 80, 120);
    Block(out, n, "TTglSW", 110, 80, 1);
    Block(out, n, "TFullAdder", 100, 100);
    Block(out, n, "TLED", 140 + 40 * sumChain, 110);
    Block(out, n, "TLED", 110, 140 + 40 * carryChain, 1);
    for (int i = 0; i < sumChain; ++i) Block(out, n, "TNot", 140 + 40 * i, 100);
    for (int i = 0; i < carryChain; ++i) Block(out, n, "TNot", 100, 140 + 40 * i, 1);
}

const std::vector<std::string>& ClassFiles()
{
    static const std::vector<std::string> files = [] {
        const std::filesystem::path folder = std::filesystem::temp_directory_path() / "voltrane-grade-bench";
        std::filesystem::create_directories(folder);
        std::vector<std::string> paths;
        for (int i = 0; i < Files; ++i) {
            paths.push_back((folder / ("student" + std::to_string(i) + ".lgc")).string());
            const bool broken = i % 10 == 9;
            WriteCircuit(paths.back(), broken ? SumChain + 1 : SumChain, broken ? CarryChain - 1 : CarryChain);
        }
        return paths;
    }();
    return files;
}

void GradeClass(benchmark::State& state)
{
    const TTestTable table = ParseTestTable("A=TTglSW0 B=TTglSW1 CI=TTglSW2 | S=TLED4 CO=TLED5\n"
                                            "0 0 0 | 0 0\n1 0 0 | 1 0\n0 1 0 | 1 0\n1 1 0 | 0 1\n"
                                            "0 0 1 | 1 0\n1 0 1 | 0 1\n0 1 1 | 0 1\n1 1 1 | 1 1\n");
    const std::vector<std::string>& files = ClassFiles();
    int passed = 0;
    for (auto _ : state) {
        passed = 0;
        for (const std::string& file : files) passed += CheckCircuitFile(table, file).Passed() ? 1 : 0;
    }
    if (passed != Files - Files / 10) state.SkipWithError("the class was graded wrongly");
    state.counters["files"] = Files;
    state.counters["passed"] = passed;
}
BENCHMARK(GradeClass)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace
