#include "AboutU.h"
#include "ScriptedShell.h"
#include "VoltraneVersion.h"

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

TEST(About, ShowsTheProgramsVersion)
{
    ScriptedShell shell;
    TfrmAbout about(shell);
    about.show();
    ASSERT_STRNE(VoltraneVersion, "");
    QStringList shown;
    for (const QLabel* label : about.findChildren<QLabel*>())
        if (label->isVisible()) shown << label->text();
    EXPECT_TRUE(shown.contains(QString::fromUtf8("バージョン ") + QString::fromLatin1(VoltraneVersion)))
        << shown.join('|').toStdString();
}
