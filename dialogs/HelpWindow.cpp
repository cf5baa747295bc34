#include "HelpWindow.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QPushButton>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

namespace {

constexpr const char* FirstPage = "index.md";

}  // namespace

THelpWindow::THelpWindow(const std::vector<std::string>& folders, const std::string& language, QWidget* parent)
    : QWidget(parent, Qt::Window), Browser(new QTextBrowser(this))
{
    setWindowTitle(QString::fromUtf8("Voltrane 使い方"));
    resize(760, 640);
    auto* back = new QPushButton(QString::fromUtf8("← 戻る"), this);
    back->setEnabled(false);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(back, 0, Qt::AlignLeft);
    layout->addWidget(Browser);
    connect(back, &QPushButton::clicked, Browser, &QTextBrowser::backward);
    connect(Browser, &QTextBrowser::backwardAvailable, back, &QPushButton::setEnabled);
    Browser->setOpenExternalLinks(true);
    for (const std::string& folder : folders) {
        const std::string pages = folder + "/" + language;
        if (!QFileInfo::exists(QString::fromStdString(pages + "/" + FirstPage))) continue;
        folder_ = pages;
        break;
    }
    if (folder_.empty()) {
        Browser->setPlainText(QString::fromUtf8("使い方のファイルが見つかりません。"));
        return;
    }
    Browser->setSearchPaths({QString::fromStdString(folder_)});
    Browser->setSource(QUrl(QString::fromLatin1(FirstPage)), QTextDocument::MarkdownResource);
}

std::vector<std::string> GuideFolders()
{
    return {QCoreApplication::applicationDirPath().toStdString() + "/../share/voltrane/guide", VOLTRANE_GUIDE_SOURCE};
}
