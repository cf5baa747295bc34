#include "PartPopups.h"

namespace {

constexpr const char* RotateCaption = "時計回りに回転(&R)";

QAction* AddItem(QMenu* menu, const char* name, const char* caption)
{
    QAction* item = menu->addAction(QString::fromUtf8(caption));
    item->setObjectName(QString::fromLatin1(name));
    return item;
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
    RotateItems = {AddItem(Menu(pmnuGate), "pmnuGate_Round", RotateCaption),
                   AddItem(Menu(pmnuNot), "pmnuNot_Round", RotateCaption),
                   AddItem(Menu(pmnuPulser), "pmnuPulser_Round", RotateCaption),
                   AddItem(Menu(pmnuLED), "pmnuLED_Round", RotateCaption),
                   AddItem(Menu(pmnuLED7SEG), "pmnuLED7SEG_Round", RotateCaption),
                   AddItem(Menu(pmnuFF), "pmnuFF_Hanten", "反転(&H)"),
                   AddItem(Menu(pmnuTerminal), "N3", RotateCaption)};
    pmnuScope_Disp = AddItem(Menu(pmnuScope), "pmnuScope_Disp", "オシロスコープ表示(&O)...");
}
