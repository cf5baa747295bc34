#include "MacroMtnFormU.h"

#include "CenterOnScreen.h"
#include "Fonts.h"
#include "Translated.h"

#include <QGridLayout>
#include <QListWidget>
#include <QPushButton>

TMacroMtnForm::TMacroMtnForm(QWidget* parent) : QDialog(parent)
{
    setWindowTitle(QTr("Manage macros"));
    setModal(true);
    lstMacroNames = new QListWidget(this);
    lstMacroNames->setObjectName(QStringLiteral("lstMacroNames"));
    lstMacroNames->setFont(PointSizedFont("ＭＳ ゴシック", 9));
    lstMacroNames->setMinimumSize(220, 240);
    btnUP = new QPushButton(QTr("Move up"), this);
    btnDOWN = new QPushButton(QTr("Move down"), this);
    btnDelete = new QPushButton(QTr("Delete"), this);
    btnOK = new QPushButton(QTr("OK"), this);
    btnCancel = new QPushButton(QTr("Cancel"), this);
    btnOK->setDefault(true);
    connect(btnUP, &QPushButton::clicked, this, [this] { MoveSelected(-1); });
    connect(btnDOWN, &QPushButton::clicked, this, [this] { MoveSelected(1); });
    connect(btnDelete, &QPushButton::clicked, this, [this] { DeleteSelected(); });
    connect(btnOK, &QPushButton::clicked, this, &QDialog::accept);
    connect(btnCancel, &QPushButton::clicked, this, &QDialog::reject);

    auto* layout = new QGridLayout(this);
    layout->addWidget(lstMacroNames, 0, 0, 5, 1);
    layout->addWidget(btnUP, 0, 1);
    layout->addWidget(btnDOWN, 1, 1);
    layout->addWidget(btnDelete, 2, 1);
    layout->setRowStretch(3, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(btnOK);
    buttons->addWidget(btnCancel);
    layout->addLayout(buttons, 5, 0, 1, 2);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    setTabOrder(lstMacroNames, btnUP);
    setTabOrder(btnUP, btnDOWN);
    setTabOrder(btnDOWN, btnDelete);
    setTabOrder(btnDelete, btnOK);
    setTabOrder(btnOK, btnCancel);
}

void TMacroMtnForm::SetNames(const std::vector<std::string>& names)
{
    lstMacroNames->clear();
    for (const std::string& name : names) lstMacroNames->addItem(QString::fromStdString(name));
    if (!names.empty()) lstMacroNames->setCurrentRow(0);
}

std::vector<std::string> TMacroMtnForm::Names() const
{
    std::vector<std::string> names;
    for (int i = 0; i < lstMacroNames->count(); ++i) names.push_back(lstMacroNames->item(i)->text().toStdString());
    return names;
}

void TMacroMtnForm::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    CenterOnScreen(*this);
    lstMacroNames->setFocus();
    if (lstMacroNames->count() > 0 && lstMacroNames->currentRow() < 0) lstMacroNames->setCurrentRow(0);
}

void TMacroMtnForm::MoveSelected(int step)
{
    const int row = lstMacroNames->currentRow();
    const int other = row + step;
    if (row < 0 || other < 0 || other >= lstMacroNames->count()) return;
    QListWidgetItem* item = lstMacroNames->takeItem(row);
    lstMacroNames->insertItem(other, item);
    lstMacroNames->setCurrentRow(other);
}

void TMacroMtnForm::DeleteSelected()
{
    const int row = lstMacroNames->currentRow();
    if (row < 0) return;
    delete lstMacroNames->takeItem(row);
    if (lstMacroNames->count() > 0) lstMacroNames->setCurrentRow(std::min(row, lstMacroNames->count() - 1));
}
