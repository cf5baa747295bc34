// The analysis window as a student uses it: the decoder's table taken from the board, its forms and
// map, a comparison with the broken twin, a table pasted and edited by clicks, and saved.
#include "AnalysisWindow.h"
#include "EditorFixture.h"
#include "KarnaughView.h"
#include "ScratchFolder.h"
#include "TestReportFormU.h"
#include "TruthTable.h"
#include "Viewport.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHeaderView>
#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QTest>

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>
#include <vector>

namespace {

struct AnalysisFixture : EditorFixture {
    void Open()
    {
        actions->actAnalysis->trigger();
        analysis = window->Companions->frmAnalysis;
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

    // An expression gives its table, and its smallest forms.
    f.analysis->edtColumns->setText(QStringLiteral("G = A·B + A·/B·C"));
    f.analysis->btnNew->click();
    EXPECT_EQ(f.analysis->lblSum->text(), QStringLiteral("G = A·B + A·C"));
    f.analysis->edtColumns->setText(QStringLiteral("G = A·(B"));
    f.analysis->btnNew->click();
    ASSERT_EQ(f.shell.Errors.size(), 2u);
    EXPECT_NE(f.shell.Errors[1].find("7"), std::string::npos) << f.shell.Errors[1];
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
    // Placed past the window's edge, it is brought into view with the circuit.
    const TRect shown = f.window->ShownArea(), built = ObjectBounds(f.window->Session.State.SelectedParts);
    EXPECT_TRUE(shown.Left <= circuit.Left && built.Right <= shown.Right && built.Bottom <= shown.Bottom)
        << shown.Right << " " << built.Right;

    QCoreApplication::processEvents();  // the idle refresh enables Undo
    f.actions->actUndo->trigger();
    EXPECT_EQ(f.window->Bord.Count(), before);
    QCoreApplication::processEvents();
    f.actions->actRedo->trigger();

    // The labels placed with the box take nothing from the circuit's switches and lamps.
    f.shell.OpenAnswers = {VOLTRANE_EXAMPLES "/decoder2to4.lgt"};
    f.actions->actTest->trigger();
    ASSERT_NE(f.window->Tests->frmTestReport, nullptr);
    EXPECT_TRUE(f.window->Tests->frmTestReport->lblSummary->text().startsWith(QStringLiteral("PASS")))
        << f.window->Tests->frmTestReport->lblSummary->text().toStdString();

    QCoreApplication::processEvents();
    f.actions->actUndo->trigger();
    EXPECT_EQ(f.window->Bord.Count(), before);

    // Nothing is placed while the circuit runs.
    bool refused = false;
    EXPECT_TRUE(f.RunUntil([&] {
        refused = !f.analysis->BuildOnBoard();
        return true;
    }));
    EXPECT_TRUE(refused);
    EXPECT_EQ(f.window->Bord.Count(), before);
    ASSERT_EQ(f.shell.Errors.size(), 1u);
    f.shell.Errors.clear();

    // The whole decoder as a product of sums of NOR gates: one box, an output terminal per output.
    f.analysis->chkEveryOutput->setChecked(true);
    f.analysis->cmbStyle->setCurrentIndex(2);
    f.analysis->cmbForm->setCurrentIndex(1);
    ASSERT_TRUE(f.analysis->BuildOnBoard());
    std::map<std::string, int> placed;
    for (int i = before; i < f.window->Bord.Count(); ++i) ++placed[f.window->Bord.Items(i)->ClassName()];
    EXPECT_EQ(placed["TContainer"], 1);
    EXPECT_EQ(placed["TInTerminal"], 2);
    EXPECT_EQ(placed["TOutTerminal"], 4);
    EXPECT_TRUE(f.analysis->lblStatus->text().startsWith(QStringLiteral("Y0, Y1, Y2, Y3 を")));
    EXPECT_TRUE(f.shell.Errors.empty());
}

TEST(AnalysisWindow, ARowThatDoesNotSettleShowsAsSuchAndCountsAsADontCare)
{
    // A NAND fed back on itself oscillates while switch A is on, and rests at 1 while it is off.
    const auto part = [](const std::string& cls, int index, int left, int top, int width, int height, int ways,
                         int partNo = 0) {
        const std::string l = std::to_string(left), t = std::to_string(top);
        return TStrings{"ClassName=" + cls, "Name=" + cls + std::to_string(index), "ContainerName=",
                        "PartNo=" + std::to_string(partNo), "Left=" + l, "Top=" + t, "OffsetLeft=" + l,
                        "OffsetTop=" + t, "Width=" + std::to_string(width), "Height=" + std::to_string(height),
                        "WayCount=" + std::to_string(ways), "Way=0", "End"};
    };
    TStrings lines{"Voltrane FormatVer:1.0 By Ardent Wirefox"};
    for (const TStrings& p : {part("TTglSW", 0, 40, 100, 20, 20, 4), part("TGate", 1, 100, 100, 40, 40, 4),
                              part("TLED", 2, 180, 110, 20, 20, 4), part("TCode", 3, 60, 110, 40, 0, 0),
                              part("TCode", 4, 140, 120, 20, 0, 0), part("TCode", 5, 160, 120, 20, 0, 0),
                              part("TCode", 6, 160, 120, 0, 30, 0), part("TCode", 7, 90, 150, 70, 0, 0),
                              part("TCode", 8, 90, 130, 0, 20, 0), part("TCode", 9, 90, 130, 10, 0, 0),
                              part("TDot", 10, 150, 110, 20, 20, 1)})
        lines.insert(lines.end(), p.begin(), p.end());

    AnalysisFixture f;
    f.Open();
    const TAnalysisTable table = AnalysisOf(TextTruthTable(lines));
    EXPECT_EQ(table.Unsettled, std::vector<uint32_t>{1});
    f.analysis->ShowTable(table);
    const QAbstractItemModel* model = f.analysis->grdTable->model();
    EXPECT_EQ(model->headerData(1, Qt::Vertical).toString(), QStringLiteral("1 ~"));
    EXPECT_EQ(model->data(model->index(0, 1)).toString(), QStringLiteral("1"));
    EXPECT_EQ(model->data(model->index(1, 1)).toString(), QStringLiteral("~"));
    EXPECT_TRUE(f.analysis->lblStatus->text().contains(QStringLiteral("~"))) << f.analysis->lblStatus->text().toStdString();
    // The don't-care lets the form be the constant.
    EXPECT_EQ(f.analysis->lblSum->text().toStdString(), "TLED2 = 1");
}

TEST(AnalysisWindow, ARowThatDependsOnTheRowsBeforeShowsItsFreshStartMarkedWithTheLoopAndCountsAsADontCare)
{
    // A latch of two NAND gates: with nS = nR = 1 it holds what the rows before left; a fresh start gives Q = 1.
    AnalysisFixture f;
    ASSERT_TRUE(f.window->Document.OpenFile(VOLTRANE_DATA "/sr_latch.lgc"));
    f.Open();
    ASSERT_TRUE(f.analysis->Table());
    const QAbstractItemModel* model = f.analysis->grdTable->model();
    EXPECT_EQ(model->headerData(2, Qt::Vertical).toString(), QStringLiteral("2"));
    EXPECT_EQ(model->headerData(3, Qt::Vertical).toString(), QStringLiteral("3 *"));
    EXPECT_EQ(model->data(model->index(2, 2)).toString(), QStringLiteral("0"));
    EXPECT_EQ(model->data(model->index(3, 2)).toString(), QStringLiteral("1*"));
    for (const QVariant& tip :
         {model->headerData(3, Qt::Vertical, Qt::ToolTipRole), model->data(model->index(3, 2), Qt::ToolTipRole)})
        EXPECT_TRUE(tip.toString().contains(QStringLiteral("TGate2, TGate3"))) << tip.toString().toStdString();
    EXPECT_TRUE(f.analysis->lblStatus->text().contains(QStringLiteral("(*)"))) << f.analysis->lblStatus->text().toStdString();
    // Taken as a don't-care, the row lets Q be not nS alone; as the fresh 1 it would need nR too.
    EXPECT_EQ(f.analysis->lblSum->text().toStdString(), std::string("Q = ") + Bar + "nS</span>");
    // A click makes the value the table's own: shown plainly, no longer a don't-care.
    f.analysis->CycleValue(3, 0);
    EXPECT_EQ(model->data(model->index(3, 2)).toString(), QStringLiteral("0"));
    EXPECT_TRUE(f.shell.Errors.empty());
}

TEST(AnalysisWindow, ColumnsAreAddedForATerminalMovedByTheirHeadingsAndHidden)
{
    AnalysisFixture f;
    ASSERT_TRUE(f.window->Document.OpenFile(VOLTRANE_EXAMPLES "/decoder2to4.lgc"));
    f.Open();
    // The first inverter's output by its place in the file; a name the board lacks is refused and changes nothing.
    f.analysis->edtAddColumn->setText(QStringLiteral("TNot2.1"));
    f.analysis->btnAddColumn->click();
    EXPECT_EQ(f.analysis->Table()->Outputs, (std::vector<std::string>{"Y0", "Y1", "Y2", "Y3", "TNot2.1"}));
    EXPECT_TRUE(f.analysis->edtAddColumn->text().isEmpty());
    f.analysis->cmbOutput->setCurrentIndex(4);
    EXPECT_EQ(f.analysis->lblSum->text().toStdString(), std::string("TNot2.1 = ") + Bar + "A</span>");
    EXPECT_FALSE(f.analysis->AddColumn("TNot2.9"));
    ASSERT_EQ(f.shell.Errors.size(), 1u);
    EXPECT_EQ(f.analysis->Table()->Outputs.size(), 5u);
    f.analysis->btnFromBoard->click();  // taken again, the table keeps its added column
    EXPECT_EQ(f.analysis->Table()->Outputs.size(), 5u);

    // A heading dragged: B before A, which reorders the rows; an input cannot go among the outputs.
    QHeaderView* header = f.analysis->grdTable->horizontalHeader();
    header->moveSection(1, 0);
    EXPECT_EQ(f.analysis->Table()->Inputs, (std::vector<std::string>{"B", "A"}));
    EXPECT_EQ(header->logicalIndex(0), 0);  // the grid shows the table's own order
    EXPECT_EQ(f.analysis->Table()->Functions[2].At(2), TLogicValue::One);  // Y2 = /A·B at B A = 1 0
    EXPECT_FALSE(f.analysis->MoveColumn(0, 3));

    f.analysis->HideColumn(2);  // Y0
    EXPECT_TRUE(f.analysis->grdTable->isColumnHidden(2));
    f.analysis->btnFromBoard->click();  // a new table hides it too
    EXPECT_TRUE(f.analysis->grdTable->isColumnHidden(2));
    f.analysis->HideColumn(0);  // inputs stay
    EXPECT_FALSE(f.analysis->grdTable->isColumnHidden(0));
    f.analysis->ShowEveryColumn();
    EXPECT_FALSE(f.analysis->grdTable->isColumnHidden(2));
}

TEST(AnalysisWindow, AnOutputOfManyInputsIsMinimizedInTheBackgroundAndOnlyItsLatestFormsAreShown)
{
    AnalysisFixture f;
    f.Open();
    // F = A·B + C over nine inputs, typed; the forms follow a moment later, the window live meanwhile.
    f.analysis->edtColumns->setText(QStringLiteral("F = A·B + C + 0·(D + E + G + H + J + K)"));
    f.analysis->btnNew->click();
    ASSERT_EQ(f.analysis->Table()->Inputs.size(), 9u);
    EXPECT_TRUE(f.analysis->lblSum->text().endsWith(QStringLiteral("…")));
    EXPECT_TRUE(QTest::qWaitFor([&] { return f.analysis->lblSum->text() == QStringLiteral("F = A·B + C"); }, 20000))
        << f.analysis->lblSum->text().toStdString();
    EXPECT_EQ(f.analysis->lblProduct->text(), QStringLiteral("F = (A + C)·(B + C)"));

    // Two clicks in a row: the forms of the first are never shown over those of the second.
    f.analysis->CycleValue(0, 0);  // row 0 becomes 1
    f.analysis->CycleValue(0, 0);  // and then a don't-care, which the forms ignore
    EXPECT_TRUE(QTest::qWaitFor([&] { return !f.analysis->lblSum->text().endsWith(QStringLiteral("…")); }, 20000));
    EXPECT_EQ(f.analysis->lblSum->text(), QStringLiteral("F = A·B + C"));
    EXPECT_TRUE(f.shell.Errors.empty());
}
