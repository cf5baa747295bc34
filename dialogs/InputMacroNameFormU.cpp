#include "InputMacroNameFormU.h"

#include "CenterOnScreen.h"
#include "Fonts.h"
#include "Translated.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

TInputMacroNameForm::TInputMacroNameForm(std::function<std::string(const std::string&)> check, QWidget* parent)
    : QDialog(parent), check_(std::move(check))
{
    setWindowTitle(QTr("Enter a macro name"));
    setModal(true);
    auto* label = new QLabel(QTr("Macro name"), this);
    edtMacroName = new QLineEdit(this);
    edtMacroName->setObjectName(QStringLiteral("edtMacroName"));
    edtMacroName->setFont(PointSizedFont("ＭＳ ゴシック", 9));
    edtMacroName->setMinimumWidth(240);
    label->setBuddy(edtMacroName);
    lblFault = new QLabel(this);
    lblFault->setStyleSheet(QStringLiteral("color: #c00000"));
    lblFault->setWordWrap(true);
    lblFault->hide();
    btnOK = new QPushButton(QTr("OK"), this);
    btnCancel = new QPushButton(QTr("Cancel"), this);
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
