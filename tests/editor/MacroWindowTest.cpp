#include "CountInputFormU.h"
#include "EditorFixture.h"
#include "InputMacroNameFormU.h"
#include "MacroMtnFormU.h"
#include "ScratchFolder.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QMenu>
#include <QTest>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace {

// Runs work on the modal dialog of type Form as soon as it shows.
template <class Form>
void WhenShown(std::function<void(Form&)> work)
{
    QTimer::singleShot(0, [work] {
        auto* form = dynamic_cast<Form*>(QApplication::activeModalWidget());
        ASSERT_NE(form, nullptr);
        work(*form);
    });
}

QStringList MacroEntries(const TfrmVoltrane& window)
{
    QStringList shown;
    for (QAction* a : window.mnuMacro->actions())
        if (a->isVisible() && a != window.ActionManager1.Action1) shown << a->text();
    return shown;
}

struct MacroWindow : ::testing::Test, EditorFixture {
    QWidget* Board() const { return window->centralWidget(); }
    void Click(QPoint p, Qt::MouseButton button = Qt::LeftButton)
    {
        QTest::mouseMove(Board(), p);
        QTest::mousePress(Board(), button, {}, p);
        QTest::mouseRelease(Board(), button, {}, p);
        if (QMenu* open = qobject_cast<QMenu*>(QApplication::activePopupWidget())) open->close();
    }
    TContainer* PlaceBox(QPoint from, QPoint to)
    {
        actions->actContainer->trigger();
        QTest::mouseMove(Board(), from);
        QTest::mousePress(Board(), Qt::LeftButton, {}, from);
        for (int i = 1; i <= 10; ++i) QTest::mouseMove(Board(), from + (to - from) * i / 10);
        QTest::mouseRelease(Board(), Qt::LeftButton, {}, to);
        actions->actAuto->trigger();
        return dynamic_cast<TContainer*>(window->State.FirstSelected());
    }
    void Register(TContainer* box, const QString& name)
    {
        Click({box->Left + box->Width / 2, box->Top}, Qt::RightButton);
        WhenShown<TInputMacroNameForm>([name](TInputMacroNameForm& form) {
            form.edtMacroName->setText(name);
            QTest::keyClick(form.edtMacroName, Qt::Key_Return);
        });
        window->Popups.pmnuMacro_Add->trigger();
    }
};

TEST_F(MacroWindow, ARegisteredMacroIsPlacedAgainAfterARestartAndTheListKeepsItsOrder)
{
    TContainer* box = PlaceBox({100, 100}, {200, 180});
    ASSERT_NE(box, nullptr);
    QString proposed;
    Click({150, 100}, Qt::RightButton);
    WhenShown<TInputMacroNameForm>([&](TInputMacroNameForm& form) {
        proposed = form.edtMacroName->text();
        // A name with a separator is refused in the dialog; the corrected one is taken.
        form.edtMacroName->setText(QStringLiteral("../x"));
        QTest::keyClick(form.edtMacroName, Qt::Key_Return);
        EXPECT_TRUE(form.isVisible());
        form.edtMacroName->setText(QStringLiteral("box"));
        QTest::keyClick(form.edtMacroName, Qt::Key_Return);
    });
    window->Popups.pmnuMacro_Add->trigger();
    EXPECT_EQ(proposed, QString::fromUtf8("新規マクロ"));
    EXPECT_EQ(MacroEntries(*window), QStringList{"box"});
    EXPECT_TRUE(std::filesystem::exists(shell.Folder + "/Macro/box.lgm"));
    EXPECT_FALSE(std::filesystem::exists(shell.Folder + "/x.lgm"));

    Register(PlaceBox({300, 100}, {380, 160}), QStringLiteral("second"));
    EXPECT_EQ(MacroEntries(*window), (QStringList{"second", "box"}));

    window.reset();
    window = std::make_unique<TfrmVoltrane>(shell, SharedDM());
    actions = &window->ActionManager1;
    window->show();
    ASSERT_EQ(MacroEntries(*window), (QStringList{"second", "box"}));
    window->MacroActions[1]->trigger();
    Click({300, 250});
    ASSERT_EQ(window->Bord.Count(), 1);
    EXPECT_EQ(window->Bord.Items(0)->Left, 300);
    EXPECT_EQ(window->Bord.Items(0)->Top, 250);
    QCoreApplication::processEvents();  // the idle refresh enables undo
    actions->actUndo->trigger();
    EXPECT_EQ(window->Bord.Count(), 0);
}

TEST_F(MacroWindow, AnInstalledMacroIsPlacedAndCopiedOnlyUnderANewName)
{
    Register(PlaceBox({100, 100}, {200, 180}), QStringLiteral("adder"));
    window.reset();
    // The macro folder, list and all, becomes the folder installed with the program.
    shell.InstalledMacros = shell.Folder + "/installed";
    std::filesystem::rename(shell.Folder + "/Macro", shell.InstalledMacros);
    const std::string installed = ScratchFolder::Slurp(shell.InstalledMacros + "/adder.lgm");
    window = std::make_unique<TfrmVoltrane>(shell, SharedDM());
    actions = &window->ActionManager1;
    window->show();
    EXPECT_EQ(MacroEntries(*window), (QStringList{"", QString::fromUtf8("adder（付属）")}));

    window->mnuMacro->actions().constLast()->trigger();
    Click({300, 250});
    ASSERT_EQ(window->Bord.Count(), 1);
    const TPartsBase* copy = window->Bord.Items(0);
    Click({copy->Left + copy->Width / 2, copy->Top}, Qt::RightButton);
    WhenShown<TInputMacroNameForm>([](TInputMacroNameForm& form) {
        EXPECT_EQ(form.edtMacroName->text(), QStringLiteral("adder"));
        QTest::keyClick(form.edtMacroName, Qt::Key_Return);
        EXPECT_TRUE(form.isVisible());
        form.edtMacroName->setText(QStringLiteral("my adder"));
        QTest::keyClick(form.edtMacroName, Qt::Key_Return);
    });
    window->Popups.pmnuMacro_Add->trigger();
    EXPECT_EQ(MacroEntries(*window), (QStringList{"my adder", "", QString::fromUtf8("adder（付属）")}));
    EXPECT_EQ(window->State.MacroNames, TStrings{"my adder"});  // what maintenance lists
    EXPECT_TRUE(std::filesystem::exists(shell.Folder + "/Macro/my adder.lgm"));
    EXPECT_EQ(ScratchFolder::Slurp(shell.InstalledMacros + "/adder.lgm"), installed);
}

TEST_F(MacroWindow, TheMaintenanceDialogRebuildsTheMenuOnlyOnOk)
{
    Register(PlaceBox({100, 100}, {200, 180}), QStringLiteral("a"));
    Register(PlaceBox({300, 100}, {380, 160}), QStringLiteral("b"));
    ASSERT_EQ(MacroEntries(*window), (QStringList{"b", "a"}));

    WhenShown<TMacroMtnForm>([](TMacroMtnForm& form) {
        QTest::mouseClick(form.btnDOWN, Qt::LeftButton);
        QTest::mouseClick(form.btnCancel, Qt::LeftButton);
    });
    actions->actMacroMtn->trigger();
    EXPECT_EQ(MacroEntries(*window), (QStringList{"b", "a"}));

    WhenShown<TMacroMtnForm>([](TMacroMtnForm& form) {
        QTest::mouseClick(form.btnDOWN, Qt::LeftButton);
        QTest::mouseClick(form.btnOK, Qt::LeftButton);
    });
    actions->actMacroMtn->trigger();
    EXPECT_EQ(MacroEntries(*window), (QStringList{"a", "b"}));
    EXPECT_EQ(window->State.MacroNames, (TStrings{"a", "b"}));

    WhenShown<TMacroMtnForm>([](TMacroMtnForm& form) {
        QTest::mouseClick(form.btnDelete, Qt::LeftButton);
        QTest::mouseClick(form.btnDelete, Qt::LeftButton);
        QTest::mouseClick(form.btnOK, Qt::LeftButton);
    });
    actions->actMacroMtn->trigger();
    EXPECT_TRUE(MacroEntries(*window).isEmpty());
    // The files stay: only the list decides what the menu offers.
    EXPECT_TRUE(std::filesystem::exists(shell.Folder + "/Macro/a.lgm"));
}

TEST_F(MacroWindow, ThePopupShowsTheItemsThePartAllows)
{
    actions->actAND2->trigger();
    Click({100, 100});
    auto* gate = dynamic_cast<TGate*>(window->State.FirstSelected());
    ASSERT_NE(gate, nullptr);
    gate->PartNo = 4;
    Click({gate->Left + 10, gate->Top + 10}, Qt::RightButton);
    EXPECT_FALSE(window->Popups.pmnuGate_SeiFu->isVisible());
    gate->PartNo = 10;
    Click({gate->Left + 10, gate->Top + 10}, Qt::RightButton);
    EXPECT_TRUE(window->Popups.pmnuGate_SeiFu->isVisible());
    EXPECT_EQ(window->Popups.pmnuGate_SeiFu->text(), QString::fromUtf8("負論理"));
    EXPECT_TRUE(window->Popups.InputCountItems[1]->isChecked());
    window->Popups.InputCountItems[3]->trigger();
    EXPECT_EQ(gate->PartNo, 26);
}

TEST_F(MacroWindow, TheIntervalItemAsksWithTheCountDialogAndStoresItsValue)
{
    actions->actPULSER->trigger();
    Click({100, 100});
    auto* pulser = dynamic_cast<TPulser*>(window->State.FirstSelected());
    ASSERT_NE(pulser, nullptr);
    Click({pulser->Left + 5, pulser->Top + 5}, Qt::RightButton);
    QString caption, start;
    WhenShown<TCountInputForm>([&](TCountInputForm& form) {
        caption = form.windowTitle();
        start = form.lblStart->text();
        QTest::mouseClick(form.btnUp, Qt::LeftButton);
        QTest::keyClick(&form, Qt::Key_Return);
    });
    window->Popups.pmnuPulser_CountIn->trigger();
    EXPECT_EQ(caption, QString::fromUtf8("パルス発生間隔"));
    EXPECT_EQ(start, QString::fromUtf8("短い"));
    EXPECT_EQ(pulser->Count, 11);
    EXPECT_TRUE(window->State.Modified);
}

TEST(MacroList, AListEditedByHandOffersEachNameOnce)
{
    ScriptedShell shell;
    std::filesystem::create_directories(shell.Folder + "/Macro");
    std::ofstream(shell.Folder + "/Macro/MacroNames.lst", std::ios::binary) << "a\r\nb\r\na\r\n\r\n";
    TfrmVoltrane window(shell, SharedDM());
    EXPECT_EQ(window.State.MacroNames, (TStrings{"a", "b"}));
    EXPECT_EQ(MacroEntries(window), (QStringList{"a", "b"}));
}

}  // namespace
