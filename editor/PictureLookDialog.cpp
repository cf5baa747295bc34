#include "PictureLookDialog.h"

#include "Translated.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

TPictureLookDialog::TPictureLookDialog(QWidget* parent, const std::string& caption, const TPictureLook& preset)
    : QDialog(parent)
{
    setModal(true);
    setWindowTitle(QString::fromStdString(caption));
    auto* heading = new QLabel(QTrIn("picture look", "Look of the picture:"), this);
    rbScreen = new QRadioButton(QTrIn("picture look", "&As on screen"), this);
    rbScreen->setObjectName(QStringLiteral("rbScreen"));
    rbClean =
        new QRadioButton(QTrIn("picture look", "&Clean: black on white, without grid dots and open terminals"), this);
    rbClean->setObjectName(QStringLiteral("rbClean"));
    cbLevels = new QCheckBox(QTrIn("picture look", "With &levels, while a run shows them"), this);
    cbLevels->setObjectName(QStringLiteral("cbLevels"));
    auto* group = new QButtonGroup(this);
    group->addButton(rbScreen);
    group->addButton(rbClean);
    (preset.Clean() ? rbClean : rbScreen)->setChecked(true);
    cbLevels->setChecked(preset.Levels);
    cbLevels->setEnabled(preset.Clean());
    connect(rbClean, &QRadioButton::toggled, cbLevels, &QCheckBox::setEnabled);

    auto* buttons = new QDialogButtonBox(this);
    btnOK = buttons->addButton(QTr("OK"), QDialogButtonBox::AcceptRole);
    btnCancel = buttons->addButton(QTr("Cancel"), QDialogButtonBox::RejectRole);
    btnOK->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* levels = new QHBoxLayout;
    levels->addSpacing(24);
    levels->addWidget(cbLevels);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(heading);
    layout->addWidget(rbScreen);
    layout->addWidget(rbClean);
    layout->addLayout(levels);
    layout->addSpacing(8);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

TPictureLook TPictureLookDialog::Look() const
{
    // The levels' box keeps its mark for the next clean picture while a picture looks as on screen.
    return {rbClean->isChecked() ? TPictureStyle::Clean : TPictureStyle::Screen, cbLevels->isChecked()};
}

std::optional<TPictureLook> AskPictureLook(QWidget* parent, const std::string& caption, const TPictureLook& preset)
{
    TPictureLookDialog dialog(parent, caption, preset);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return dialog.Look();
}
