// F1 opens the guide in the interface's language; its links lead from page to page and back.
#include "EditorFixture.h"
#include "HelpWindow.h"
#include "ScratchFolder.h"

#include <QTextBrowser>
#include <QUrl>

#include <gtest/gtest.h>

#include <filesystem>

TEST(HelpWindow, F1OpensTheGuideWhoseLinksLeadFromPageToPageAndBack)
{
    EditorFixture editor;
    editor.actions->actHelp->trigger();
    THelpWindow* help = editor.window->Companions->frmHelp;
    ASSERT_NE(help, nullptr);
    EXPECT_TRUE(help->isVisible());
    EXPECT_FALSE(help->Folder().empty());
    QTextBrowser& browser = *help->Browser;
    EXPECT_TRUE(browser.toPlainText().contains(QString::fromUtf8("Voltrane の使い方")));
    browser.setSource(QUrl("getting-started.md"), QTextDocument::MarkdownResource);
    EXPECT_TRUE(browser.toPlainText().contains(QString::fromUtf8("半加算器")));
    EXPECT_TRUE(browser.isBackwardAvailable());
    browser.backward();
    EXPECT_TRUE(browser.toPlainText().contains(QString::fromUtf8("Voltrane の使い方")));
    editor.actions->actHelp->trigger();
    EXPECT_EQ(editor.window->Companions->frmHelp, help);  // the same window, brought forward
}

TEST(HelpWindow, EveryPageOfEveryLanguageIsFoundAndItsLinksLeadToPagesThatExist)
{
    for (const char* language : {"ja", "en"}) {
        THelpWindow help(GuideFolders(), language);
        ASSERT_FALSE(help.Folder().empty()) << language;
        for (const auto& page : std::filesystem::directory_iterator(help.Folder())) {
            if (page.path().extension() != ".md") continue;  // the pictures
            help.Browser->setSource(QUrl::fromLocalFile(QString::fromStdString(page.path().string())),
                                    QTextDocument::MarkdownResource);
            const std::string text = ScratchFolder::Slurp(page.path().string());
            for (size_t at = text.find("]("); at != std::string::npos; at = text.find("](", at + 2)) {
                const std::string target = text.substr(at + 2, text.find(')', at) - at - 2);
                if (target.find("://") != std::string::npos) continue;
                EXPECT_TRUE(std::filesystem::exists(help.Folder() + "/" + target)) << page.path() << " → " << target;
            }
        }
    }
    THelpWindow nowhere({"/nonexistent"}, "ja");
    EXPECT_TRUE(nowhere.Folder().empty());
    EXPECT_FALSE(nowhere.Browser->toPlainText().isEmpty());
}
