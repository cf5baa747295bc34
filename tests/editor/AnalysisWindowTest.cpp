// The analysis window as a student uses it: the decoder's table taken from the board, its forms and
// map, a comparison with the broken twin, a table pasted and edited by clicks, and saved.
#include "AnalysisWindow.h"
#include "EditorFixture.h"
#include "KarnaughView.h"
#include "ScratchFolder.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

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
