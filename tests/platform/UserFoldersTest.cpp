// Each user's files live in the user's own folders; what an older copy left beside the program is
// taken over once and left as it was.
#include "ScratchFolder.h"
#include "UserFolders.h"

#include <gtest/gtest.h>

#include <filesystem>

TEST(UserFolders, AnOlderCopysSettingsAndMacrosAreTakenOverOnceAndLeftAsTheyWere)
{
    ScratchFolder root;
    std::filesystem::create_directories(root / "program/Macro");
    root.Put("program/voltrane.INI", "[Recent]\r\nFile1=/tmp/adder.lgc\r\n");
    root.Put("program/Macro/adder.lgm", "macro bytes");
    root.Put("program/Macro/MacroNames.lst", "adder\r\n");
    const TUserFolders user = UserFolders(root / "config/voltrane", root / "data/voltrane", "voltrane");
    EXPECT_EQ(user.SettingsFile, root / "config/voltrane/voltrane.INI");
    EXPECT_EQ(user.Data, root / "data/voltrane");
    EXPECT_TRUE(std::filesystem::is_directory(user.Data));

    ImportOldCopy(root / "program", "voltrane", user);
    EXPECT_EQ(ScratchFolder::Slurp(user.SettingsFile), "[Recent]\r\nFile1=/tmp/adder.lgc\r\n");
    EXPECT_EQ(ScratchFolder::Slurp(user.Data + "/Macro/adder.lgm"), "macro bytes");
    EXPECT_EQ(ScratchFolder::Slurp(user.Data + "/Macro/MacroNames.lst"), "adder\r\n");

    // Once the user has files of their own, the old copy no longer reaches them.
    root.Put("config/voltrane/voltrane.INI", "[Recent]\r\n");
    std::filesystem::remove(user.Data + "/Macro/adder.lgm");
    root.Put("program/Macro/other.lgm", "another");
    ImportOldCopy(root / "program", "voltrane", user);
    EXPECT_EQ(ScratchFolder::Slurp(user.SettingsFile), "[Recent]\r\n");
    EXPECT_FALSE(std::filesystem::exists(user.Data + "/Macro/adder.lgm"));
    EXPECT_FALSE(std::filesystem::exists(user.Data + "/Macro/other.lgm"));
    EXPECT_EQ(ScratchFolder::Slurp(root / "program/voltrane.INI"), "[Recent]\r\nFile1=/tmp/adder.lgc\r\n");
    EXPECT_EQ(ScratchFolder::Slurp(root / "program/Macro/adder.lgm"), "macro bytes");
}
