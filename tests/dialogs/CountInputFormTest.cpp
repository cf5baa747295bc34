#include "CountInputFormU.h"

#include <QLabel>
#include <QPushButton>
#include <QSlider>
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
