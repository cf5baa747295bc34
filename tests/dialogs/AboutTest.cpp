#include "AboutU.h"
#include "ScriptedShell.h"

#include <QLabel>
#include <QLayout>
#include <QTest>

#include <gtest/gtest.h>

TEST(About, AClickOnTheIconOpensTheProjectsWebPage)
{
    ScriptedShell shell;
    TfrmAbout about(shell);
    about.show();
    QTest::mouseClick(about.imgIcon, Qt::LeftButton);
    EXPECT_EQ(shell.OpenedUrls, std::vector<std::string>{ProjectWebPage});
    EXPECT_TRUE(about.isModal());
}

TEST(About, WithoutABrowserTheWindowSaysSoAndShowsTheAddress)
{
    ScriptedShell shell;
    shell.BrowserAvailable = false;
    TfrmAbout about(shell);
    about.show();
    EXPECT_TRUE(about.lblNoBrowser->isHidden());
    const QSize before = about.size();
    QTest::mouseClick(about.imgIcon, Qt::LeftButton);
    EXPECT_FALSE(about.lblNoBrowser->isHidden());
    EXPECT_NE(about.lblNoBrowser->text().indexOf(QString::fromUtf8(ProjectWebPage)), -1);
    QCoreApplication::processEvents();
    EXPECT_GE(about.height(), before.height());
}

TEST(About, IsOfFixedSizeWithoutMinimizeOrMaximizeAndEvenMargins)
{
    ScriptedShell shell;
    TfrmAbout about(shell);
    about.show();
    EXPECT_EQ(about.minimumSize(), about.maximumSize());
    EXPECT_FALSE(about.windowFlags() & Qt::WindowMinimizeButtonHint);
    EXPECT_FALSE(about.windowFlags() & Qt::WindowMaximizeButtonHint);
    const QMargins m = about.layout()->contentsMargins();
    EXPECT_EQ(m.left(), m.top());
    EXPECT_EQ(m.left(), m.right());
    EXPECT_EQ(m.left(), m.bottom());
}
