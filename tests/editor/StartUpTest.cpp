#include "EditorFixture.h"
#include "FormPlacement.h"
#include "PlacementRules.h"
#include "ScopeFormU.h"

#include <QGuiApplication>
#include <QMenu>
#include <QScreen>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace {

std::string FileBytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

QStringList MacroMenu(const TfrmVoltrane& window)
{
    QStringList shown;
    for (QAction* a : window.mnuMacro->actions())
        if (a->isVisible()) shown << a->text() + (a->isEnabled() ? "" : " (disabled)");
    return shown;
}

}  // namespace

TEST(StartUp, FirstStartCreatesTheMacroFolderShowsOnlyThePlaceholderAndWritesAnEmptyList)
{
    ScriptedShell shell;
    {
        TfrmVoltrane window(shell, SharedDM());
        EXPECT_TRUE(std::filesystem::is_directory(shell.Folder + "/Macro"));
        EXPECT_EQ(MacroMenu(window), QStringList{QString::fromUtf8("（無し）(&Z) (disabled)")});
        const TFormPlacement first = FirstMainPlacement(WorkArea());
        EXPECT_EQ(window.pos(), QPoint(first.Left, first.Top));  // nothing stored yet
    }
    EXPECT_EQ(FileBytes(shell.Folder + "/Macro/MacroNames.lst"), "");
}

TEST(StartUp, WithoutAListTheMacroFilesGiveTheEntriesSortedWithoutRegardToCase)
{
    ScriptedShell shell;
    std::filesystem::create_directory(shell.Folder + "/Macro");
    for (const char* name : {"b.lgm", "A.lgm", "c.LGM", "notes.txt"}) std::ofstream(shell.Folder + "/Macro/" + name);
    {
        TfrmVoltrane window(shell, SharedDM());
        EXPECT_EQ(MacroMenu(window), QStringList({"A", "b", "c"}));
        EXPECT_EQ(window.State.MacroNames, (TStrings{"A", "b", "c"}));
        EXPECT_TRUE(window.MacroActions.front()->isEnabled());
        EXPECT_EQ(window.MacroActions.front()->Category, "マクロ");
    }
    EXPECT_EQ(FileBytes(shell.Folder + "/Macro/MacroNames.lst"), "A\r\nb\r\nc\r\n");
}

TEST(StartUp, TheListFileDecidesTheOrder)
{
    ScriptedShell shell;
    std::filesystem::create_directory(shell.Folder + "/Macro");
    std::ofstream(shell.Folder + "/Macro/MacroNames.lst", std::ios::binary) << "\x89\xF1\x98\x48\r\nR&S\r\n";  // 回路
    TfrmVoltrane window(shell, SharedDM());
    EXPECT_EQ(MacroMenu(window), QStringList({QString::fromUtf8("回路"), "R&&S"}));
    EXPECT_EQ(window.MacroActions[1]->Caption, "R&S");
}

TEST(StartUp, MainWindowPlacementIsKeptUnderItsFixedTitle)
{
    ScriptedShell shell;
    TIniFile ini(shell.SettingsFile());
    const int screenHeight = QGuiApplication::primaryScreen()->size().height();
    ini.WriteInteger("Voltrane　論理シミュレータ - ", "Top", screenHeight + 100);
    ini.WriteInteger("Voltrane　論理シミュレータ - ", "Left", 20);
    ini.WriteInteger("Voltrane　論理シミュレータ - ", "Width", 500);
    ini.WriteInteger("Voltrane　論理シミュレータ - ", "Height", 400);
    {
        TfrmVoltrane window(shell, SharedDM());
        // Stored below the screen: the whole frame comes back into the work area.
        EXPECT_EQ(window.pos(), QPoint(20, WorkArea().Bottom - 400 - FrameAllowanceY));
        EXPECT_EQ(window.size(), QSize(500, 400));
        window.setWindowTitle(QString::fromUtf8("Voltrane　論理シミュレータ - /home/a/b.lgc"));
        window.move(30, 40);
    }
    EXPECT_EQ(ReadFormPlacement(shell.SettingsFile(), "Voltrane　論理シミュレータ - "), (TFormPlacement{40, 30, 500, 400}));
}

TEST(StartUp, FirstStartOpensCentredAtAUsableSizeAndTheFirstScopeWindowBesideIt)
{
    ScriptedShell shell;
    TfrmVoltrane window(shell, SharedDM());
    const TFormPlacement first = FirstMainPlacement(WorkArea());
    EXPECT_EQ(window.pos(), QPoint(first.Left, first.Top));
    EXPECT_EQ(window.size(), QSize(first.Width, first.Height));
    window.show();
    auto* probe = window.Bord.Create<TScope>(&window.WindowSurface());
    auto* form = dynamic_cast<TScopeForm*>(probe->ScopeWindow.get());
    ASSERT_NE(form, nullptr);
    form->Show();
    const TScreenRect main = FrameOf(window);
    const TFormPlacement scope = FirstScopePlacement(WorkArea(), &main, 453, 187);
    EXPECT_EQ(form->pos(), QPoint(scope.Left, scope.Top));
    EXPECT_EQ(form->size(), QSize(453, 187));
    EXPECT_EQ(form->BandHeight, 34);
}

TEST(StartUp, ASettingsFileWithOnlySomeKeysKeepsTheDefaultsForTheOthers)
{
    ScriptedShell shell;
    TIniFile ini(shell.SettingsFile());
    ini.WriteInteger("Voltrane　論理シミュレータ - ", "Width", 640);
    ini.WriteInteger("Voltrane　論理シミュレータ - ", "Height", 480);
    TfrmVoltrane window(shell, SharedDM());
    EXPECT_EQ(window.pos(), QPoint(0, 0));
    EXPECT_EQ(window.size(), QSize(640, 480));
}

TEST(StartUp, TheCircuitsOwnMessagesGoToMessageBoxes)
{
    ScriptedShell shell;
    TfrmVoltrane window(shell, SharedDM());
    auto* gate = window.Bord.Create<TNot>(nullptr);
    SetPropText(*gate, "NoSuchProperty", "1");
    ASSERT_EQ(shell.Messages.size(), 1u);
    EXPECT_NE(shell.Messages[0].find("NoSuchProperty"), std::string::npos);
}

TEST(StartUp, ASettingsFileThatCannotBeWrittenIsReportedAtShutDown)
{
    ScriptedShell shell;
    {
        TfrmVoltrane window(shell, SharedDM());
        std::filesystem::create_directory(shell.SettingsFile());  // a folder where the file should be
    }
    ASSERT_EQ(shell.Errors.size(), 1u);
    EXPECT_NE(shell.Errors[0].find("voltrane.INI"), std::string::npos);
    EXPECT_TRUE(std::filesystem::exists(shell.Folder + "/Macro/MacroNames.lst"));  // written all the same
}

TEST(StartUp, AScopeProbeOnTheBoardFeedsItsOscilloscopeWindow)
{
    ScriptedShell shell;
    TfrmVoltrane window(shell, SharedDM());
    auto* probe = window.Bord.Create<TScope>(&window.WindowSurface());
    auto* form = dynamic_cast<TScopeForm*>(probe->ScopeWindow.get());
    ASSERT_NE(form, nullptr);
    EXPECT_FALSE(form->isVisible());
    probe->ScopeWindow->Show();
    EXPECT_TRUE(form->isVisible());
    EXPECT_EQ(form->windowTitle(), QString::fromUtf8("オシロスコープ"));
    form->SweepDivider = 0;
    window.Bord.CalcAll();
    EXPECT_EQ(form->SweepX, 1);
    window.Bord.Destroy(probe);  // closing with the probe saves where the window stood
    const TFormPlacement first = FirstScopePlacement(WorkArea(), nullptr, 453, 187);
    EXPECT_EQ(ReadFormPlacement(shell.SettingsFile(), "オシロスコープ"), first);
}
