// The document as the window offers it: closing, files from the command line and dropped on the
// window, recent files, the recovery copy after a crash, and the keyboard's file and clipboard keys.
#include "EditorFixture.h"

#include <QDropEvent>
#include <QMenuBar>
#include <QMimeData>
#include <QTest>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace {

struct DocumentWindow : ::testing::Test, EditorFixture {
    std::string Path(const std::string& name) const { return shell.Folder + "/" + name; }
    QWidget* Board() const { return window->centralWidget(); }
    void Place(TAction* tool, QPoint p)
    {
        tool->trigger();
        QTest::mouseClick(Board(), Qt::LeftButton, {}, p);
    }
    // A new window on the same desktop, as at the next start of the program.
    void Restart()
    {
        window.reset();
        window = std::make_unique<TfrmVoltrane>(shell, SharedDM());
        actions = &window->ActionManager1;
        window->show();
    }
    std::vector<std::string> Recovery() const
    {
        std::vector<std::string> names;
        std::error_code ignored;
        for (const auto& e : std::filesystem::directory_iterator(shell.Folder + "/Recovery", ignored))
            names.push_back(e.path().filename().string());
        return names;
    }
};

TEST_F(DocumentWindow, TheTitleMarksUnsavedChangesUntilUndoReachesTheSavedState)
{
    const auto modified = [this] {
        QCoreApplication::processEvents();  // the idle refresh marks the title
        return window->isWindowModified();
    };
    Place(actions->actNOT, {100, 100});
    EXPECT_TRUE(modified());
    shell.SaveAnswers.push_back(Path("one.lgc"));
    actions->actSave->trigger();
    EXPECT_FALSE(modified());
    Place(actions->actNOT, {200, 100});
    EXPECT_TRUE(modified());
    actions->actUndo->trigger();
    EXPECT_FALSE(modified());
    EXPECT_TRUE(window->Document.ConfirmDiscard());  // nothing to ask at close
    EXPECT_TRUE(shell.Questions.empty());
    actions->actRedo->trigger();
    EXPECT_TRUE(modified());
    actions->actUndo->trigger();
    actions->actUndo->trigger();  // behind the saved state: changed again
    EXPECT_TRUE(modified());
}

TEST_F(DocumentWindow, ClosingWithChangesAsksAndCancelKeepsTheWindow)
{
    Place(actions->actNOT, {100, 100});
    shell.Answers = {Shell::TAnswer::Cancel};
    EXPECT_FALSE(window->close());
    EXPECT_TRUE(window->isVisible());
    shell.Answers = {Shell::TAnswer::No};
    EXPECT_TRUE(window->close());
    EXPECT_EQ(shell.Questions.size(), 2u);
}

TEST_F(DocumentWindow, AFileFromTheCommandLineOrADropOpensAndIsRemembered)
{
    Place(actions->actNOT, {100, 100});
    shell.SaveAnswers.push_back(Path("inverter.lgc"));
    QCoreApplication::processEvents();  // the idle refresh enables Save
    QTest::keyClick(window.get(), Qt::Key_S, Qt::ControlModifier);  // untitled: Save asks for a name
    ASSERT_TRUE(std::filesystem::exists(Path("inverter.lgc")));
    EXPECT_EQ(window->windowTitle().toStdString(), std::string(TitlePrefix) + Path("inverter.lgc") + "[*]");

    Restart();
    EXPECT_EQ(window->Bord.Count(), 0);
    window->Documents->OpenFile(Path("inverter.lgc"));
    EXPECT_EQ(window->Bord.Count(), 1);
    EXPECT_THAT(window->Document.Recent.Paths(), ::testing::ElementsAre(Path("inverter.lgc")));

    actions->actNew->trigger();
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(QString::fromStdString(Path("inverter.lgc")))});
    QDragEnterEvent enter(QPoint(50, 50), Qt::CopyAction, &data, Qt::LeftButton, {});
    QApplication::sendEvent(window.get(), &enter);
    EXPECT_TRUE(enter.isAccepted());
    QDropEvent drop(QPointF(50, 50), Qt::CopyAction, &data, Qt::LeftButton, {});
    QApplication::sendEvent(window.get(), &drop);
    EXPECT_EQ(window->Bord.Count(), 1);

    // The recent list outlives the window and its entries open their files.
    Restart();
    QMenu* recent = window->Documents->mnuRecent;
    emit recent->aboutToShow();
    ASSERT_EQ(recent->actions().size(), 1);
    recent->actions()[0]->trigger();
    EXPECT_EQ(window->Bord.Count(), 1);
}

TEST_F(DocumentWindow, AfterACrashTheNextStartOffersTheRecoveryCopy)
{
    Place(actions->actNOT, {100, 100});
    Place(actions->actRLED, {200, 100});
    window->Documents->Autosave();
    ASSERT_EQ(Recovery().size(), 1u);
    // The editor dies without a clean exit: its copy stays under a number no process has.
    std::filesystem::rename(shell.Folder + "/Recovery/" + Recovery()[0], shell.Folder + "/Recovery/autosave-999999999.lgc");
    window->State.Modified = false;
    Restart();
    shell.Answers = {Shell::TAnswer::Yes};
    window->Documents->OfferRecovery();
    EXPECT_EQ(window->Bord.Count(), 2);
    EXPECT_TRUE(window->State.Modified);
    EXPECT_TRUE(window->Document.Untitled());
    EXPECT_EQ(Recovery().size(), 1u);  // now this editor's own copy

    shell.SaveAnswers.push_back(Path("recovered.lgc"));
    QCoreApplication::processEvents();
    actions->actSave->trigger();
    EXPECT_TRUE(Recovery().empty());
}

TEST_F(DocumentWindow, CopyAndPasteKeysWorkOnTheBoard)
{
    Place(actions->actNOT, {100, 100});
    QCoreApplication::processEvents();
    QTest::keyClick(window.get(), Qt::Key_C, Qt::ControlModifier);
    EXPECT_TRUE(shell.Clipboard.starts_with("Voltrane FormatVer:1.0"));
    QTest::keyClick(window.get(), Qt::Key_V, Qt::ControlModifier);
    ASSERT_EQ(window->Bord.Count(), 2);
    EXPECT_EQ(Corner(window->Bord.Items(1)), std::pair(110, 110));
}

}  // namespace
