#include "PartPopups.h"

#include "Translated.h"

#include <QActionGroup>

namespace {

constexpr const char* RotateCaption = TrMark("&Rotate clockwise");

// The captions are given in English, marked for the catalog, and shown in the chosen language.
QAction* AddItem(QMenu* menu, const char* name, const char* caption)
{
    QAction* item = menu->addAction(QTr(caption));
    item->setObjectName(QString::fromLatin1(name));
    return item;
}

QMenu* AddSubmenu(QMenu* menu, const char* name, const char* caption)
{
    QMenu* sub = menu->addMenu(QTr(caption));
    sub->setObjectName(QString::fromLatin1(name));
    return sub;
}

// Checkable items of one submenu, of which at most one shows checked.
template <size_t N>
std::array<QAction*, N> AddGroup(QMenu* menu, const std::array<const char*, N>& names,
                                 const std::array<QString, N>& captions)
{
    auto* group = new QActionGroup(menu);
    group->setExclusionPolicy(QActionGroup::ExclusionPolicy::ExclusiveOptional);
    std::array<QAction*, N> items{};
    for (size_t i = 0; i < N; ++i) {
        items[i] = menu->addAction(captions[i]);
        items[i]->setObjectName(QString::fromLatin1(names[i]));
        items[i]->setCheckable(true);
        group->addAction(items[i]);
    }
    return items;
}

void CheckOne(const auto& items, int index)
{
    for (size_t i = 0; i < items.size(); ++i) items[i]->setChecked(static_cast<int>(i) == index);
}

}  // namespace

TPartPopups::TPartPopups(QWidget* window)
{
    const std::pair<TPopupMenu, const char*> names[] = {
        {TPopupMenu::pmnuGate, "pmnuGate"},         {TPopupMenu::pmnuNot, "pmnuNot"},
        {TPopupMenu::pmnuPulser, "pmnuPulser"},     {TPopupMenu::pmnuLED, "pmnuLED"},
        {TPopupMenu::pmnuLED7SEG, "pmnuLED7SEG"},   {TPopupMenu::pmnuMatrix, "pmnuMatrix"},
        {TPopupMenu::pmnuFF, "pmnuFF"},             {TPopupMenu::pmnuScope, "pmnuScope"},
        {TPopupMenu::pmnuText, "pmnuText"},         {TPopupMenu::pmnuContainer, "pmnuContainer"},
        {TPopupMenu::pmnuOneShot, "pmnuOneShot"},   {TPopupMenu::pmnuTerminal, "pmnuTerminal"},
    };
    for (const auto& [kind, name] : names) {
        QMenu* menu = new QMenu(window);
        menu->setObjectName(QString::fromLatin1(name));
        menus_[static_cast<size_t>(kind)] = menu;
    }
    using enum TPopupMenu;

    pmnuGate_SeiFu = AddItem(Menu(pmnuGate), "pmnuGate_SeiFu", TrMark("&Negative logic"));
    InputCountItems = AddGroup<4>(AddSubmenu(Menu(pmnuGate), "N1", TrMark("Number of &inputs")),
                                  {"pmnuGate_2IN", "pmnuGate_3In", "pmnuGate_4In", "pmnuGate_5In"},
                                  {QTr("&2 inputs"), QTr("&3 inputs"), QTr("&4 inputs"), QTr("&5 inputs")});
    RotateItems[0] = AddItem(Menu(pmnuGate), "pmnuGate_Round", RotateCaption);

    pmnuNot_SeiFu = AddItem(Menu(pmnuNot), "pmnuNot_SeiFu", TrMark("&Negative logic"));
    RotateItems[1] = AddItem(Menu(pmnuNot), "pmnuNot_Round", RotateCaption);

    pmnuPulser_CountIn = AddItem(Menu(pmnuPulser), "pmnuPulser_CountIn", TrMark("&Pulse interval..."));
    pmnuPulser_Round = RotateItems[2] = AddItem(Menu(pmnuPulser), "pmnuPulser_Round", RotateCaption);

    LedColorItems = AddGroup<3>(AddSubmenu(Menu(pmnuLED), "pmnuLED_Color", TrMark("&Colour")),
                                {"pmnuLED_Red", "pmnuLED_Blue", "pmnuLED_Green"},
                                {QTr("&Red"), QTr("&Blue"), QTr("&Green")});
    RotateItems[3] = AddItem(Menu(pmnuLED), "pmnuLED_Round", RotateCaption);
    pmnuLED_ZanzoTime = AddItem(Menu(pmnuLED), "pmnuLED_ZanzoTime", TrMark("&Afterglow time..."));

    pmnuLED7SEG_ZanzoTime = AddItem(Menu(pmnuLED7SEG), "pmnuLED7SEG_ZanzoTime", TrMark("&Afterglow time..."));
    pmnuLED7SEG_ZanzoTime->setVisible(false);
    Led7SegTypeItems = AddGroup<2>(AddSubmenu(Menu(pmnuLED7SEG), "pmnuLED7SEG_Type", TrMark("&Type...")),
                                   {"pmnuLED7SEG_Normal", "pmnuLED7SEG_InnerEncode"},
                                   {QTr("&Normal type"), QTr("&Built-in encoder type")});
    RotateItems[4] = AddItem(Menu(pmnuLED7SEG), "pmnuLED7SEG_Round", RotateCaption);

    pmnuMatrix_ZanzoTime = AddItem(Menu(pmnuMatrix), "pmnuMatrix_ZanzoTime", TrMark("&Afterglow time..."));
    RotateItems[5] = AddItem(Menu(pmnuFF), "pmnuFF_Hanten", TrMark("&Flip"));
    pmnuScope_Disp = AddItem(Menu(pmnuScope), "pmnuScope_Disp", TrMark("Show &oscilloscope..."));

    std::array<const char*, FontSizeTags.size()> sizeNames{
        "pmnuText_FontSize9",  "pmnuText_FontSize10", "pmnuText_FontSize11", "pmnuText_FontSize12",
        "pmnuText_FontSize14", "pmnuText_FontSize16", "pmnuText_FontSize18", "pmnuText_FontSize20",
        "pmnuText_FontSize22", "pmnuText_FontSize24", "pmnuText_FontSize26", "pmnuText_FontSize28",
        "pmnuText_FontSize36", "pmnuText_FontSize48", "pmnuText_FontSize72"};
    std::array<QString, FontSizeTags.size()> sizeCaptions;
    for (size_t i = 0; i < FontSizeTags.size(); ++i) sizeCaptions[i] = QString::number(FontSizeTags[i]);
    FontSizeItems = AddGroup(AddSubmenu(Menu(pmnuText), "pmnuText_FontSize", TrMark("Font &size")), sizeNames,
                             sizeCaptions);

    pmnuMacro_Add = AddItem(Menu(pmnuContainer), "pmnuMacro_Add", TrMark("Register as &macro..."));

    pmnuOneShot_PulseWidth = AddItem(Menu(pmnuOneShot), "pmnuOneShot_PulseWidth", TrMark("&Pulse width..."));
    TriggerEdgeItems = AddGroup<2>(AddSubmenu(Menu(pmnuOneShot), "N2", TrMark("&Trigger timing")),
                                   {"pmnuOneShot_UP", "pmnuOneShot_DOWN"},
                                   {QTr("On the &rising edge (↑)"), QTr("On the &falling edge (↓)")});

    RotateItems[6] = AddItem(Menu(pmnuTerminal), "N3", RotateCaption);
}

void TPartPopups::Prepare(const TPopupLook& look)
{
    pmnuGate_SeiFu->setVisible(look.GatePolarityVisible);
    if (look.PolarityCaption) {
        const QString caption = QString::fromStdString(*look.PolarityCaption);
        pmnuGate_SeiFu->setText(caption);
        pmnuNot_SeiFu->setText(caption);
    }
    CheckOne(InputCountItems, look.InputCountChecked);
    pmnuPulser_CountIn->setEnabled(true);
    pmnuPulser_Round->setEnabled(look.RotateEnabled);
    CheckOne(LedColorItems, look.LedColorChecked);
    CheckOne(Led7SegTypeItems, look.Led7SegTypeChecked);
    CheckOne(FontSizeItems, look.FontSizeChecked);
    CheckOne(TriggerEdgeItems, look.TriggerEdgeChecked);
}
