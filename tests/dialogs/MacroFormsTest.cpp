#include "InputMacroNameFormU.h"
#include "MacroMtnFormU.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

namespace {

using Names = std::vector<std::string>;

TEST(InputMacroNameForm, ARefusedNameKeepsTheDialogOpenWithTheReason)
{
    TInputMacroNameForm form(
        [](const std::string& name) { return name.find('/') != std::string::npos ? "no slash" : ""; });
    EXPECT_EQ(form.windowTitle(), QString::fromUtf8("マクロ名入力"));
    form.SetText("新規マクロ");
    form.show();
    EXPECT_EQ(form.Text(), "新規マクロ");
    form.edtMacroName->setText(QStringLiteral("a/b"));
    QTest::keyClick(form.edtMacroName, Qt::Key_Return);
    EXPECT_TRUE(form.isVisible());
    EXPECT_EQ(form.lblFault->text(), QStringLiteral("no slash"));
    QTest::keyClicks(form.edtMacroName, QStringLiteral("x"));
    EXPECT_FALSE(form.lblFault->isVisible());
    form.edtMacroName->setText(QStringLiteral("ab"));
    QTest::keyClick(form.edtMacroName, Qt::Key_Return);
    EXPECT_EQ(form.result(), QDialog::Accepted);
    EXPECT_EQ(form.Text(), "ab");

    form.show();
    QTest::keyClick(form.edtMacroName, Qt::Key_Escape);
    EXPECT_EQ(form.result(), QDialog::Rejected);
}

TEST(MacroMtnForm, UpDownAndDeleteRearrangeTheListWithinItsEnds)
{
    TMacroMtnForm form;
    form.SetNames({"a", "b", "c"});
    form.show();
    EXPECT_EQ(form.lstMacroNames->currentRow(), 0);
    QTest::mouseClick(form.btnUP, Qt::LeftButton);
    EXPECT_EQ(form.Names(), (Names{"a", "b", "c"}));
    QTest::mouseClick(form.btnDOWN, Qt::LeftButton);
    EXPECT_EQ(form.Names(), (Names{"b", "a", "c"}));
    EXPECT_EQ(form.lstMacroNames->currentRow(), 1);
    QTest::mouseClick(form.btnDOWN, Qt::LeftButton);
    QTest::mouseClick(form.btnDOWN, Qt::LeftButton);
    EXPECT_EQ(form.Names(), (Names{"b", "c", "a"}));

    // The last entry deleted: the new last one is selected.
    QTest::mouseClick(form.btnDelete, Qt::LeftButton);
    EXPECT_EQ(form.Names(), (Names{"b", "c"}));
    EXPECT_EQ(form.lstMacroNames->currentRow(), 1);
    form.lstMacroNames->setCurrentRow(0);
    QTest::mouseClick(form.btnDelete, Qt::LeftButton);
    EXPECT_EQ(form.lstMacroNames->currentRow(), 0);
    QTest::mouseClick(form.btnDelete, Qt::LeftButton);
    EXPECT_TRUE(form.Names().empty());
    QTest::mouseClick(form.btnDelete, Qt::LeftButton);
    QTest::mouseClick(form.btnUP, Qt::LeftButton);
    EXPECT_TRUE(form.Names().empty());
}

}  // namespace
