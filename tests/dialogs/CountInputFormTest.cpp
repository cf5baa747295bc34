#include "CountInputFormU.h"

#include <QLabel>
#include <QPushButton>
#include <QSlider>
#include <QSpinBox>
#include <QTest>

#include <gtest/gtest.h>

TEST(CountInputForm, ButtonsStopAtTheEndsOfTheRangeAndThePanelFollowsTheBar)
{
    TCountInputForm form;
    form.SetValue(100);
    QTest::mouseClick(form.btnUp, Qt::LeftButton);
    EXPECT_EQ(form.Value(), 100);
    QTest::mouseClick(form.btnDown, Qt::LeftButton);
    EXPECT_EQ(form.Value(), 99);
    EXPECT_EQ(form.pnlCount->text(), QStringLiteral("99"));
    form.SetValue(1);
    QTest::mouseClick(form.btnDown, Qt::LeftButton);
    EXPECT_EQ(form.Value(), 1);
    form.barCount->setValue(42);
    EXPECT_EQ(form.pnlCount->text(), QStringLiteral("42"));
    // A stored value out of range starts at the nearest end.
    form.SetValue(-5);
    EXPECT_EQ(form.Value(), 1);
    EXPECT_EQ(form.pnlCount->text(), QStringLiteral("1"));
    EXPECT_EQ(form.barCount->tickPosition(), QSlider::NoTicks);
}

TEST(CountInputForm, EnterAcceptsAndEscapeCancels)
{
    TCountInputForm form;
    form.show();
    QTest::keyClick(&form, Qt::Key_Return);
    EXPECT_EQ(form.result(), QDialog::Accepted);
    form.show();
    QTest::keyClick(&form, Qt::Key_Escape);
    EXPECT_EQ(form.result(), QDialog::Rejected);
}

TEST(CountInputForm, ACountTypedBesideTheBarMovesItAndEnterTakesIt)
{
    TCountInputForm form;
    form.SetValue(10);
    EXPECT_EQ(form.edtCount->value(), 10);
    form.show();
    form.edtCount->setFocus();
    form.edtCount->selectAll();
    QTest::keyClicks(form.edtCount, QStringLiteral("37"));
    EXPECT_EQ(form.Value(), 37);
    EXPECT_EQ(form.pnlCount->text(), QStringLiteral("37"));
    QTest::keyClick(form.edtCount, Qt::Key_Return);
    EXPECT_EQ(form.result(), QDialog::Accepted);
    EXPECT_EQ(form.Value(), 37);

    // The field keeps the bar's range, and the bar and the buttons move it.
    form.edtCount->selectAll();
    QTest::keyClicks(form.edtCount, QStringLiteral("500"));
    EXPECT_EQ(form.Value(), 50);
    QTest::mouseClick(form.btnUp, Qt::LeftButton);
    EXPECT_EQ(form.edtCount->value(), 51);
}
