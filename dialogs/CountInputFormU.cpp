#include "CountInputFormU.h"

#include "CenterOnScreen.h"
#include "Translated.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSlider>
#include <QSpinBox>

TCountInputForm::TCountInputForm(QWidget* parent) : QDialog(parent)
{
    setModal(true);
    pnlCount = new QLabel(this);
    pnlCount->setObjectName(QStringLiteral("pnlCount"));
    pnlCount->setFrameShape(QFrame::Panel);
    pnlCount->setFrameShadow(QFrame::Sunken);
    pnlCount->setAlignment(Qt::AlignCenter);
    pnlCount->setMinimumWidth(60);
    btnUp = new QPushButton(QString::fromUtf8("▲"), this);
    btnDown = new QPushButton(QString::fromUtf8("▼"), this);
    barCount = new QSlider(Qt::Horizontal, this);
    barCount->setObjectName(QStringLiteral("barCount"));
    barCount->setRange(1, 100);
    barCount->setTickPosition(QSlider::NoTicks);
    barCount->setMinimumWidth(200);
    edtCount = new QSpinBox(this);
    edtCount->setObjectName(QStringLiteral("edtCount"));
    edtCount->setRange(barCount->minimum(), barCount->maximum());
    lblStart = new QLabel(QTr("Fast"), this);
    lblEnd = new QLabel(QTr("Slow"), this);
    btnOK = new QPushButton(QTr("OK"), this);
    btnCancel = new QPushButton(QTr("Cancel"), this);
    btnOK->setDefault(true);

    // The bar clamps ▲ at 100 and ▼ at 1 itself.
    connect(btnUp, &QPushButton::clicked, this, [this] { barCount->setValue(barCount->value() + 1); });
    connect(btnDown, &QPushButton::clicked, this, [this] { barCount->setValue(barCount->value() - 1); });
    connect(barCount, &QSlider::valueChanged, this, [this](int v) {
        pnlCount->setText(QString::number(v));
        edtCount->setValue(v);
    });
    connect(edtCount, &QSpinBox::valueChanged, barCount, &QSlider::setValue);
    connect(btnOK, &QPushButton::clicked, this, &QDialog::accept);
    connect(btnCancel, &QPushButton::clicked, this, &QDialog::reject);

    auto* grid = new QGridLayout(this);
    auto* value = new QHBoxLayout;
    value->addWidget(pnlCount);
    value->addWidget(btnUp);
    value->addWidget(btnDown);
    value->addStretch();
    grid->addLayout(value, 0, 0, 1, 4);
    grid->addWidget(lblStart, 1, 0);
    grid->addWidget(barCount, 1, 1);
    grid->addWidget(lblEnd, 1, 2);
    grid->addWidget(edtCount, 1, 3);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(btnOK);
    buttons->addWidget(btnCancel);
    grid->addLayout(buttons, 2, 0, 1, 4);
    grid->setSizeConstraint(QLayout::SetFixedSize);
    setTabOrder(barCount, edtCount);
    setTabOrder(edtCount, btnUp);
    setTabOrder(btnUp, btnDown);
    setTabOrder(btnDown, btnOK);
    setTabOrder(btnOK, btnCancel);
    SetValue(1);
}

void TCountInputForm::SetValue(int value)
{
    barCount->setValue(value);
    pnlCount->setText(QString::number(barCount->value()));
    edtCount->setValue(barCount->value());
}

int TCountInputForm::Value() const { return barCount->value(); }

void TCountInputForm::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    CenterOnScreen(*this);
    barCount->setFocus();
}
