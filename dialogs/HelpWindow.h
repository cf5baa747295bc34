#pragma once

#include <QWidget>

#include <string>
#include <vector>

class QTextBrowser;

// The guide to the program: Markdown pages in one language, found among the folders given (the
// installed one first, then the source tree's for a build run in place), with links between the
// pages and a way back. A language without a guide of its own is shown the English one.
class THelpWindow : public QWidget {
public:
    // The guide in the language the texts are shown in.
    explicit THelpWindow(const std::vector<std::string>& folders, QWidget* parent = nullptr);
    THelpWindow(const std::vector<std::string>& folders, const std::string& language, QWidget* parent = nullptr);

    QTextBrowser* Browser;
    // The folder the pages come from; empty when none holds the language's guide or the English one.
    const std::string& Folder() const { return folder_; }

private:
    std::string folder_;
};

// The folders the guide is looked for in, for this program: beside its install prefix, then in the
// source tree it was built from.
std::vector<std::string> GuideFolders();
