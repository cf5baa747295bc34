#include "InputMacroNameFormU.h"

#include "CenterOnScreen.h"
#include "Fonts.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

TInputMacroNameForm::TInputMacroNameForm(std::function<std::string(const std::string&)> check, QWidget* parent)
    : QDialog(parent), check_(std::move(check))
{
    setWindowTitle(QString::fromUtf8("マクロ名入力"));
    setModal(true);
    auto* label = new QLabel(QString::fromUtf8("マクロ名"), this);
    edtMacroName = new QLineEdit(this);
    edtMacroName->setObjectName(QStringLiteral("edtMacroName"));
    edtMacroName->setFont(PointSizedFont("ＭＳ ゴシック", 9));
    edtMacroName->setMinimumWidth(240);
    label->setBuddy(edtMacroName);
    lblFault = new QLabel(this);
    lblFault->setStyleSheet(QStringLiteral("color: #c00000"));
    lblFault->setWordWrap(true);
    lblFault->hide();
    btnOK = new QPushButton(QStringLiteral("OK"), this);
    btnCancel = new QPushButton(QString::fromUtf8("キャンセル"), this);
    btnOK->setDefault(true);
    connect(btnOK, &QPushButton::clicked, this, [this] { TryAccept(); });
    connect(btnCancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(edtMacroName, &QLineEdit::textEdited, lblFault, &QLabel::hide);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(btnOK);
    buttons->addWidget(btnCancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(label);
    layout->addWidget(edtMacroName);
    layout->addWidget(lblFault);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    setTabOrder(edtMacroName, btnOK);
    setTabOrder(btnOK, btnCancel);
}

void TInputMacroNameForm::SetText(const std::string& text)
{
    const QString value = QString::fromStdString(text);
    if (edtMacroName->text() != value) edtMacroName->setText(value);
}

std::string TInputMacroNameForm::Text() const { return edtMacroName->text().toStdString(); }

void TInputMacroNameForm::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    CenterOnScreen(*this);
    edtMacroName->setFocus();
    edtMacroName->selectAll();
}

void TInputMacroNameForm::TryAccept()
{
    const std::string fault = check_ ? check_(Text()) : std::string();
    if (fault.empty()) {
        accept();
        return;
    }
    lblFault->setText(QString::fromStdString(fault));
    lblFault->show();
    edtMacroName->setFocus();
    edtMacroName->selectAll();
}
