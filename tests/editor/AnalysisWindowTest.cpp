// The analysis window as a student uses it: the decoder's table taken from the board, its forms and
// map, a comparison with the broken twin, a table pasted and edited by clicks, and saved.
#include "AnalysisWindow.h"
#include "EditorFixture.h"
#include "KarnaughView.h"
#include "ScratchFolder.h"
#include "TestReportFormU.h"
#include "Viewport.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

namespace {

struct AnalysisFixture : EditorFixture {
    void Open()
    {
        actions->actAnalysis->trigger();
        analysis = window->frmAnalysis;
    }
    TAnalysisWindow* analysis = nullptr;
};

const char* const Bar = "<span style=\"text-decoration: overline\">";

}  // namespace

TEST(AnalysisWindow, TheDecodersTableFormsAndMapAndTheRowsItsBrokenTwinGetsWrong)
{
    AnalysisFixture f;
    ASSERT_TRUE(f.window->Document.OpenFile(VOLTRANE_EXAMPLES "/decoder2to4.lgc"));
    f.Open();  // opened on a combinational circuit, the window shows its table at once
    ASSERT_NE(f.analysis, nullptr);
    ASSERT_TRUE(f.analysis->Table());
    EXPECT_EQ(f.analysis->Table()->Outputs, (std::vector<std::string>{"Y0", "Y1", "Y2", "Y3"}));
    EXPECT_EQ(f.analysis->lblSum->text().toStdString(), std::string("Y0 = ") + Bar + "A</span>·" + Bar + "B</span>");
    f.analysis->cmbOutput->setCurrentIndex(3);
    EXPECT_EQ(f.analysis->lblSum->text(), QStringLiteral("Y3 = A·B"));
    EXPECT_EQ(f.analysis->lblProduct->text(), QStringLiteral("Y3 = A·B"));

    // The broken decoder's Y2 takes A for not A: rows 1 and 3 differ, in the table and on the map.
    f.shell.OpenAnswers.push_back(VOLTRANE_EXAMPLES "/decoder2to4-broken.lgc");
    f.analysis->btnCompare->click();
    EXPECT_EQ(f.analysis->DifferingRows(2), (std::vector<uint32_t>{1, 3}));
    EXPECT_TRUE(f.analysis->DifferingRows(0).empty());
    EXPECT_TRUE(f.analysis->lblStatus->text().contains(QStringLiteral("2 行が"))) << f.analysis->lblStatus->text().toStdString();

    // A click on a map's cell turns its value: Y3 = A·B becomes A, then A with a don't-care.
    f.analysis->cmbOutput->setCurrentIndex(3);
    const QRect cell = f.analysis->pboxMap->CellRect(2);  // A = 1, B = 0
    ASSERT_FALSE(cell.isEmpty());
    QTest::mouseClick(f.analysis->pboxMap, Qt::LeftButton, {}, cell.center());
    EXPECT_EQ(f.analysis->lblSum->text(), QStringLiteral("Y3 = A"));
    QTest::mouseClick(f.analysis->pboxMap, Qt::LeftButton, {}, cell.center());
    EXPECT_EQ(f.analysis->Table()->Functions[3].At(2), TLogicValue::DontCare);
    EXPECT_TRUE(f.shell.Errors.empty());

    // A counter has no table: asked for, the window says why and keeps what it shows.
    ASSERT_TRUE(f.window->Document.OpenFile(VOLTRANE_EXAMPLES "/counter3.lgc"));
    f.analysis->btnFromBoard->click();
    ASSERT_EQ(f.shell.Errors.size(), 1u);
    EXPECT_NE(f.shell.Errors[0].find("TTFF3"), std::string::npos) << f.shell.Errors[0];
    EXPECT_EQ(f.analysis->Table()->Outputs.size(), 4u);
}

TEST(AnalysisWindow, APastedTableIsReadOrRefusedByLineAndSavesAsATestTable)
{
    AnalysisFixture f;
    f.Open();  // on an empty board: nothing to show, and no error box for it
    EXPECT_FALSE(f.analysis->Table());
    f.shell.Clipboard = "A,B,C,|,M\n0,0,0,|,0\n0,1,1,|,1\n1,0,1,|,1\n1,1,0,|,1\n1,1,1,|,1\n";
    f.analysis->btnPaste->click();
    ASSERT_TRUE(f.analysis->Table());
    // Rows 0 1 2 4 were not given: don't-cares, which the smallest form takes as it likes.
    EXPECT_EQ(f.analysis->lblSum->text(), QStringLiteral("M = A + B"));

    const ScratchFolder folder;
    f.shell.SaveAnswers.push_back(folder / "majority.lgt");
    f.analysis->btnSave->click();
    const std::optional<TAnalysisTable> pasted = f.analysis->Table();
    ASSERT_TRUE(f.analysis->ReadTable(ScratchFolder::Slurp(folder / "majority.lgt"), "majority.lgt"));
    EXPECT_EQ(f.analysis->Table()->Functions, pasted->Functions);

    f.shell.Clipboard = "A B | F\n0 0 | 1\n0 0 | 0\n";
    f.analysis->btnPaste->click();
    ASSERT_EQ(f.shell.Errors.size(), 1u);
    EXPECT_NE(f.shell.Errors[0].find("3 行目"), std::string::npos) << f.shell.Errors[0];
    EXPECT_EQ(f.analysis->Table()->Functions, pasted->Functions);  // the shown table stays

    f.analysis->edtColumns->setText(QStringLiteral("P Q | Z"));
    f.analysis->btnNew->click();
    EXPECT_EQ(f.analysis->lblSum->text(), QStringLiteral("Z = 0"));
}

TEST(AnalysisWindow, AnOutputBuiltOfNandGatesIsPlacedBesideTheCircuitAsOneStepAndTheBoardStillPassesItsTable)
{
    AnalysisFixture f;
    ASSERT_TRUE(f.window->Document.OpenFile(VOLTRANE_EXAMPLES "/decoder2to4.lgc"));
    f.Open();
    const int before = f.window->Bord.Count();
    const TRect circuit = ObjectBounds(f.window->Bord);
    f.analysis->cmbOutput->setCurrentIndex(0);
    f.analysis->cmbStyle->setCurrentIndex(1);  // NAND only
    ASSERT_TRUE(f.analysis->BuildOnBoard());
    EXPECT_TRUE(f.shell.Errors.empty());
    EXPECT_TRUE(f.analysis->lblStatus->text().startsWith(QStringLiteral("Y0 を"))) << f.analysis->lblStatus->text().toStdString();

    // One box right of the circuit, its top level with the circuit's, holding two input terminals, one output
    // terminal and NAND gates only; all that was placed is selected.
    std::vector<const TPartsBase*> boxes;
    std::set<std::string> gates;
    for (int i = before; i < f.window->Bord.Count(); ++i) {
        const TPartsBase* o = f.window->Bord.Items(i);
        if (o->Is(cfContainer)) boxes.push_back(o);
        if (std::string(o->ClassName()) == "TGate") gates.insert(std::to_string(o->PartNo % 8));
        EXPECT_GE(f.window->Session.State.SelectedParts.IndexOf(o), 0);
    }
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_GE(boxes[0]->Left, circuit.Right + 40);
    EXPECT_EQ(ObjectBounds(f.window->Session.State.SelectedParts).Top, circuit.Top);
    EXPECT_EQ(gates, std::set<std::string>{"0"});

    QCoreApplication::processEvents();  // the idle refresh enables Undo
    f.actions->actUndo->trigger();
    EXPECT_EQ(f.window->Bord.Count(), before);
    QCoreApplication::processEvents();
    f.actions->actRedo->trigger();

    // The labels placed with the box take nothing from the circuit's switches and lamps.
    f.shell.OpenAnswers = {VOLTRANE_EXAMPLES "/decoder2to4.lgt"};
    f.actions->actTest->trigger();
    ASSERT_NE(f.window->frmTestReport, nullptr);
    EXPECT_TRUE(f.window->frmTestReport->lblSummary->text().startsWith(QStringLiteral("PASS")))
        << f.window->frmTestReport->lblSummary->text().toStdString();

    QCoreApplication::processEvents();
    f.actions->actUndo->trigger();
    EXPECT_EQ(f.window->Bord.Count(), before);
}
