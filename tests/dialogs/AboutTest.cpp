#include "AboutU.h"
#include "ScriptedShell.h"

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
