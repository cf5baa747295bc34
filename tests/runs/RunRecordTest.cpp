#include "RunRecord.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

namespace {

// A record written for any circuit file name reads back as the same actions on the same file.
TEST(RunRecordText, EveryCircuitFileNameReadsBackAsTheSameFile)
{
    const std::vector<TRunAction> actions = {{1, TRunAction::Press, "TTglSW0"},
                                             {1, TRunAction::Release, "TTglSW0"},
                                             {7, TRunAction::Press, "TPushSW12"}};
    const std::string names[] = {"half-adder.lgc", "sub/half adder.lgc", "../up.lgc", " leading.lgc",
                                 "1 press TTglSW0",  "2 release x.lgc",   " ",         "\t",
                                 "-3 press x",       "回路 1.lgc",        "\xEF\xBB\xBF",  "\xEF\xBB\xBF" "bom.lgc"};
    for (const std::string& name : names) {
        SCOPED_TRACE(name);
        const TRunRecordFile read = ParseRunRecord(RunRecordText(name, actions));
        namespace fs = std::filesystem;
        EXPECT_EQ((fs::path("/r") / read.CircuitFile).lexically_normal(), (fs::path("/r") / name).lexically_normal());
        ASSERT_EQ(read.Actions.size(), actions.size());
        for (size_t i = 0; i < actions.size(); ++i) {
            EXPECT_EQ(read.Actions[i].Pass, actions[i].Pass);
            EXPECT_EQ(read.Actions[i].Kind, actions[i].Kind);
            EXPECT_EQ(read.Actions[i].Name, actions[i].Name);
            EXPECT_EQ(read.Actions[i].Line, i + 2);
        }
    }
    EXPECT_EQ(RunRecordText("half-adder.lgc", {}), "half-adder.lgc\n");
    EXPECT_EQ(RunRecordText("1 press x.lgc", {}), "./1 press x.lgc\n");
}

}  // namespace
