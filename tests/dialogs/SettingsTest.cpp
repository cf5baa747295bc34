#include "FormPlacement.h"
#include "PlacementRules.h"
#include "IniFile.h"
#include "ScratchFolder.h"
#include "ScriptedShell.h"

#include <QGuiApplication>
#include <QScreen>
#include <QVBoxLayout>
#include <QWidget>

#include <gtest/gtest.h>

#include <climits>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace {

std::string FileBytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

void WriteBytes(const std::string& path, const std::string& bytes)
{
    std::ofstream(path, std::ios::binary) << bytes;
}

}  // namespace

TEST(IniFile, WritesCodePage932SectionsWithCrLfAndReadsThemBack)
{
    ScriptedShell shell;
    TIniFile ini(shell.SettingsFile());
    ini.WriteInteger("オシロスコープ", "Top", 12);
    ini.WriteInteger("オシロスコープ", "Left", -3);
    ini.WriteInteger("Main", "Top", 7);
    ini.WriteInteger("オシロスコープ", "Top", 40);
    EXPECT_EQ(FileBytes(shell.SettingsFile()),
              "[\x83I\x83V\x83\x8D\x83X\x83R\x81[\x83v]\r\nTop=40\r\nLeft=-3\r\n[Main]\r\nTop=7\r\n");
    const TIniFile again(shell.SettingsFile());
    EXPECT_EQ(again.ReadInteger("オシロスコープ", "Top", 0), 40);
    EXPECT_EQ(again.ReadInteger("オシロスコープ", "Left", 0), -3);
    EXPECT_EQ(again.ReadInteger("main", "TOP", 0), 7);  // ASCII letters match in any case
}

TEST(IniFile, GivesTheFallbackForWhatIsNotA32BitInteger)
{
    ScriptedShell shell;
    WriteBytes(shell.SettingsFile(), "[S]\r\nA=12x\r\nB=\r\nC=99999999999\r\nD= +42 \r\nE=-2147483648\n");
    const TIniFile ini(shell.SettingsFile());
    EXPECT_EQ(ini.ReadInteger("S", "A", 5), 5);
    EXPECT_EQ(ini.ReadInteger("S", "B", 5), 5);
    EXPECT_EQ(ini.ReadInteger("S", "C", 5), 5);
    EXPECT_EQ(ini.ReadInteger("S", "D", 5), 42);
    EXPECT_EQ(ini.ReadInteger("S", "E", 5), INT32_MIN);
    EXPECT_EQ(ini.ReadInteger("S", "Missing", 5), 5);
    EXPECT_EQ(ini.ReadInteger("Other", "A", 5), 5);
}

TEST(IniFile, TellsDoubleByteCharactersApartWhoseTrailBytesDifferOnlyInCase)
{
    ScriptedShell shell;
    TIniFile ini(shell.SettingsFile());
    ini.WriteInteger("ア", "Top", 1);  // 83 41
    EXPECT_EQ(ini.ReadInteger("ヂ", "Top", 0), 0);  // 83 61
    EXPECT_EQ(ini.ReadInteger("ア", "Top", 0), 1);
}

TEST(IniFile, ReportsAFileThatCannotBeWritten)
{
    ScriptedShell shell;
    TIniFile ini(shell.Folder + "/no such folder/voltrane.INI");
    EXPECT_THROW(ini.WriteInteger("S", "Top", 1), TIniFile::TWriteError);
}

TEST(IniFile, AFailedWriteLeavesTheOldSettingsWhole)
{
    ScratchFolder s;
    s.Put("voltrane.INI", "[S]\r\nTop=1\r\n");
    TIniFile ini(s / "voltrane.INI");
    {
        const FileSizeLimit full(8);
        EXPECT_THROW(ini.WriteInteger("S", "Left", 2), TIniFile::TWriteError);
    }
    EXPECT_EQ(s.Snapshot(), (std::map<std::string, std::string>{{"voltrane.INI", "[S]\r\nTop=1\r\n"}}));
    ini.WriteInteger("S", "Left", 2);
    EXPECT_EQ(FileBytes(s / "voltrane.INI"), "[S]\r\nTop=1\r\nLeft=2\r\n");
}

TEST(FormPlacement, SectionIsTheCaptionCutTo30BytesOfCodePage932)
{
    EXPECT_EQ(PlacementSection("Voltrane　論理シミュレータ - "), "Voltrane　論理シミュレータ - ");  // 29 bytes
    EXPECT_EQ(PlacementSection("Voltrane　論理シミュレータ - 無題"), "Voltrane　論理シミュレータ - ");
    EXPECT_EQ(PlacementSection("オシロスコープ"), "オシロスコープ");
    EXPECT_EQ(PlacementSection("0123456789012345678901234567890123"), "012345678901234567890123456789");
    // A double-byte character that would straddle byte 30 is left out whole.
    EXPECT_EQ(PlacementSection("01234567890123456789012345678論"), "01234567890123456789012345678");
}

TEST(FormPlacement, KeepsOnlyWindowsBeyondTheRightOrBottomEdgeOnTheScreen)
{
    struct Row {
        TFormPlacement stored;
        TFormPlacement placed;
    };
    // Screen 800 × 600.           Top   Left  Width Height      Top   Left  Width Height
    const Row rows[] = {
        {{700, 10, 200, 150}, {450, 10, 200, 150}},      // below the bottom edge
        {{10, 900, 200, 150}, {10, 600, 200, 150}},      // beyond the right edge
        {{700, 900, 200, 150}, {450, 600, 200, 150}},    // both
        {{600, 800, 200, 150}, {600, 800, 200, 150}},    // on the edges: not beyond them
        {{500, 700, 200, 150}, {500, 700, 200, 150}},    // only partly past the edges
        {{-50, -80, 200, 150}, {-50, -80, 200, 150}},    // past the top and left edges
        {{0, 0, 100, 100}, {0, 0, 100, 100}},            // the defaults
    };
    for (const Row& row : rows) EXPECT_EQ(KeepOnScreen(row.stored, 800, 600), row.placed) << row.stored.Top;
}

TEST(FormPlacement, BringsAbsurdStoredNumbersIntoTheWindowSystemsRange)
{
    const TFormPlacement placed = KeepOnScreen({INT32_MAX, INT32_MAX, INT32_MIN, INT32_MIN}, 800, 600);
    EXPECT_EQ(placed, (TFormPlacement{32767, 32767, 0, 0}));
    EXPECT_EQ(KeepOnScreen({INT32_MAX, 0, INT32_MAX, INT32_MAX}, 800, 600), (TFormPlacement{-32767, 0, 32767, 32767}));
}

TEST(FormPlacement, LoadsDefaultsSavesAndLoadsBackWithTheScreenEdgeRule)
{
    ScriptedShell shell;
    QWidget window;
    LoadFormPlacement(window, "Caption", shell.SettingsFile());
    EXPECT_EQ(window.pos(), QPoint(0, 0));
    EXPECT_EQ(window.size(), QSize(100, 100));

    window.move(30, 40);
    window.resize(320, 240);
    SaveFormPlacement(window, "Caption", shell.SettingsFile());
    EXPECT_EQ(FileBytes(shell.SettingsFile()),
              "[Caption]\r\nTop=40\r\nLeft=30\r\nWidth=320\r\nHeight=240\r\nMaximized=0\r\n");

    QWidget other;
    LoadFormPlacement(other, "Caption", shell.SettingsFile());
    EXPECT_EQ(other.pos(), QPoint(30, 40));
    EXPECT_EQ(other.size(), QSize(320, 240));

    // Stored below the screen: the whole frame, title bar and borders too, comes back onto it.
    TIniFile(shell.SettingsFile()).WriteInteger("Caption", "Top", 5000);
    LoadFormPlacement(other, "Caption", shell.SettingsFile());
    EXPECT_EQ(other.pos(), QPoint(30, WorkArea().Bottom - 240 - FrameAllowanceY));
}

TEST(FormPlacement, AMaximizedWindowIsStoredAtItsNormalGeometryAndComesBackMaximized)
{
    ScriptedShell shell;
    QWidget window;
    window.setGeometry(50, 60, 300, 200);
    window.showMaximized();
    QCoreApplication::processEvents();
    ASSERT_TRUE(window.isMaximized());
    SaveFormPlacement(window, "Caption", shell.SettingsFile());
    // The frame's corner of the normal geometry, with the client size.
    const QPoint border = window.geometry().topLeft() - window.frameGeometry().topLeft();
    EXPECT_EQ(ReadFormPlacement(shell.SettingsFile(), "Caption"),
              (TFormPlacement{60 - border.y(), 50 - border.x(), 300, 200}));
    EXPECT_TRUE(ReadFormMaximized(shell.SettingsFile(), "Caption"));

    QWidget other;
    LoadFormPlacement(other, "Caption", shell.SettingsFile());
    EXPECT_TRUE(other.windowState() & Qt::WindowMaximized);
    other.showNormal();
    EXPECT_EQ(other.geometry(), QRect(50, 60, 300, 200));

    window.showNormal();
    QCoreApplication::processEvents();
    SaveFormPlacement(window, "Caption", shell.SettingsFile());
    EXPECT_FALSE(ReadFormMaximized(shell.SettingsFile(), "Caption"));
}

TEST(FormPlacement, AWindowStoredOffEveryScreenIsBroughtBackAndNothingStoredGivesTheFirstPlacement)
{
    ScriptedShell shell;
    const TFormPlacement first{11, 22, 333, 244};
    QWidget window;
    LoadFormPlacement(window, "Caption", shell.SettingsFile(), first);
    EXPECT_EQ(window.pos(), QPoint(22, 11));
    EXPECT_EQ(window.size(), QSize(333, 244));
    EXPECT_FALSE(HasFormPlacement(shell.SettingsFile(), "Caption"));

    TIniFile(shell.SettingsFile()).WriteInteger("Caption", "Top", -5000);
    EXPECT_TRUE(HasFormPlacement(shell.SettingsFile(), "Caption"));
    LoadFormPlacement(window, "Caption", shell.SettingsFile(), first);  // stored: the first placement is not used
    const TScreenRect work = WorkArea();
    EXPECT_EQ(window.size(), QSize(100, 100));
    EXPECT_EQ(window.pos(), QPoint(work.Left + (work.Right - work.Left - 100 - FrameAllowanceX) / 2,
                                   work.Top + (work.Bottom - work.Top - 100 - FrameAllowanceY) / 2));
}

TEST(FormPlacement, AStoredSizeBelowTheWindowsMinimumIsRaisedToItBeforeTheWindowShows)
{
    ScriptedShell shell;
    TIniFile ini(shell.SettingsFile());
    ini.WriteInteger("Caption", "Width", 100);
    ini.WriteInteger("Caption", "Height", 500);
    // A minimum that comes from the window's layout, as a main window's tool bars give it.
    QWidget window;
    auto* layout = new QVBoxLayout(&window);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* content = new QWidget(&window);
    content->setFixedSize(240, 180);
    layout->addWidget(content);
    LoadFormPlacement(window, "Caption", shell.SettingsFile());
    EXPECT_EQ(window.size(), QSize(240, 500));
    EXPECT_EQ(window.pos(), QPoint(0, 0));
}

