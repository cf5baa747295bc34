#include "HelpWindow.h"

#include "Translated.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QPushButton>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

namespace {

constexpr const char* FirstPage = "index.md";
// The language whose guide is shown when there is none in the language asked for.
constexpr const char* FallbackLanguage = "en";

// The first of the folders that holds the guide in the language, empty when none does.
std::string GuideFolder(const std::vector<std::string>& folders, const std::string& language)
{
    for (const std::string& folder : folders) {
        const std::string pages = folder + "/" + language;
        if (QFileInfo::exists(QString::fromStdString(pages + "/" + FirstPage))) return pages;
    }
    return {};
}

}  // namespace

THelpWindow::THelpWindow(const std::vector<std::string>& folders, QWidget* parent)
    : THelpWindow(folders, CurrentLanguage(), parent)
{
}

THelpWindow::THelpWindow(const std::vector<std::string>& folders, const std::string& language, QWidget* parent)
    : QWidget(parent, Qt::Window), Browser(new QTextBrowser(this))
{
    setWindowTitle(QTr("Voltrane guide"));
    resize(760, 640);
    auto* back = new QPushButton(QTr("← Back"), this);
    back->setEnabled(false);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(back, 0, Qt::AlignLeft);
    layout->addWidget(Browser);
    connect(back, &QPushButton::clicked, Browser, &QTextBrowser::backward);
    connect(Browser, &QTextBrowser::backwardAvailable, back, &QPushButton::setEnabled);
    Browser->setOpenExternalLinks(true);
    folder_ = GuideFolder(folders, language);
    if (folder_.empty()) folder_ = GuideFolder(folders, FallbackLanguage);
    if (folder_.empty()) {
        Browser->setPlainText(QTr("The guide's files cannot be found."));
        return;
    }
    Browser->setSearchPaths({QString::fromStdString(folder_)});
    Browser->setSource(QUrl(QString::fromLatin1(FirstPage)), QTextDocument::MarkdownResource);
}

std::vector<std::string> GuideFolders()
{
    return {QCoreApplication::applicationDirPath().toStdString() + "/../share/voltrane/guide", VOLTRANE_GUIDE_SOURCE};
}
