// The main window's side of macros: the register item of the sub-board's popup, the entries of
// the macro submenu and the maintenance dialog.
#include "VoltraneU.h"

#include "InputMacroNameFormU.h"
#include "MacroMtnFormU.h"
#include "Macros.h"

#include <QMenu>

void TfrmVoltrane::ConnectMacroCommands()
{
    connect(Popups.pmnuMacro_Add, &QAction::triggered, this, [this] { RegisterPopupMacro(); });
    connect(ActionManager1.actMacroMtn, &QAction::triggered, this, [this] { MaintainMacros(); });
}

TAction* TfrmVoltrane::NewMacroEntry(const std::string& name)
{
    TAction* entry = ActionManager1.NewMacroAction(name);
    connect(entry, &QAction::triggered, this, [this, name] { ChooseMacro(Session, shell_, MacroFolder(), name); });
    return entry;
}

void TfrmVoltrane::RegisterPopupMacro()
{
    TPartsBase* part = PopupPart;
    if (!part || !Bord.Holds(part) || !part->Is(cfContainer)) return;
    auto* box = static_cast<TContainer*>(part);
    TInputMacroNameForm form(MacroNameFault, this);
    form.SetText(ProposedMacroName(*box));
    if (form.exec() != QDialog::Accepted || !Bord.Holds(box)) return;
    const size_t listed = MacroNames.size();
    if (!RegisterMacro(Session, shell_, MacroFolder(), *box, form.Text()) || MacroNames.size() == listed) return;
    // The new name goes first in the list and directly after the placeholder in the menu.
    const QList<QAction*> items = mnuMacro->actions();
    const qsizetype at = items.indexOf(ActionManager1.Action1) + 1;
    TAction* entry = NewMacroEntry(MacroNames.front());
    mnuMacro->insertAction(at < items.size() ? items[at] : nullptr, entry);
    MacroActions.insert(MacroActions.begin(), entry);
}

void TfrmVoltrane::MaintainMacros()
{
    TMacroMtnForm form(this);
    form.SetNames(MacroNames);
    if (form.exec() != QDialog::Accepted) return;
    for (TAction* entry : MacroActions) {
        mnuMacro->removeAction(entry);
        entry->deleteLater();
    }
    MacroActions.clear();
    MacroNames = form.Names();
    BuildMacroEntries();
}
