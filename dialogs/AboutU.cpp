#include "AboutU.h"

#include "ProgramIcon.h"
#include "Shell.h"
#include "Translated.h"
#include "VoltraneVersion.h"

#include <QDialogButtonBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QScreen>
#include <QVBoxLayout>

#include <functional>

namespace {

// An image that answers a click.
class TClickableIcon : public QLabel {
public:
    TClickableIcon(std::function<void()> onClick, QWidget* parent) : QLabel(parent), onClick_(std::move(onClick))
    {
        setPixmap(ProgramIcon().pixmap(48, 48));
        setCursor(Qt::PointingHandCursor);
        setToolTip(QString::fromUtf8(ProjectWebPage));
    }

protected:
    void mousePressEvent(QMouseEvent* event) override
    {
        if (event->button() == Qt::LeftButton) onClick_();
    }

private:
    std::function<void()> onClick_;
};

}  // namespace

TfrmAbout::TfrmAbout(Shell& shell, QWidget* parent) : QDialog(parent)
{
    setWindowTitle(QTr("About Voltrane"));
    setModal(true);
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowCloseButtonHint);
    lblNoBrowser = new QLabel(this);
    lblNoBrowser->setTextInteractionFlags(Qt::TextSelectableByMouse);
    lblNoBrowser->hide();
    imgIcon = new TClickableIcon(
        [this, &shell] {
            if (shell.OpenUrl(ProjectWebPage)) return;
            lblNoBrowser->setText(QTr("The browser could not be opened.\n%1").arg(QString::fromUtf8(ProjectWebPage)));
            lblNoBrowser->show();
        },
        this);

    auto* name = new QLabel(QStringLiteral("Voltrane"), this);
    QFont big = name->font();
    big.setPixelSize(20);
    big.setBold(true);
    name->setFont(big);
    auto* version = new QLabel(QTr("Version %1").arg(QString::fromLatin1(VoltraneVersion)), this);
    version->setTextInteractionFlags(Qt::TextSelectableByMouse);
    auto* about = new QLabel(QTr("Logic simulator\nEdit and simulate digital logic circuits"), this);

    auto* text = new QVBoxLayout;
    text->addWidget(name);
    text->addWidget(version);
    text->addWidget(about);
    auto* top = new QHBoxLayout;
    top->addWidget(imgIcon, 0, Qt::AlignTop);
    top->addSpacing(12);
    top->addLayout(text);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    auto* layout = new QVBoxLayout(this);
    // The same margin on every side, and the same again between the parts.
    constexpr int Margin = 16;
    layout->setContentsMargins(Margin, Margin, Margin, Margin);
    layout->setSpacing(Margin);
    layout->addLayout(top);
    layout->addWidget(lblNoBrowser);
    layout->addWidget(buttons);
    // Fixed to what the contents need, so the window manager offers no resizing and no maximize.
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void TfrmAbout::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    move(screen.center() - rect().center());
}
