#include "MacroCommands.h"

#include "FileError.h"
#include "InputMacroNameFormU.h"
#include "MacroMtnFormU.h"
#include "MacroNames.h"
#include "Macros.h"
#include "Shell.h"
#include "Translated.h"

#include <QDir>
#include <QMenu>

#include <algorithm>

TMacroCommands::TMacroCommands(QWidget& window, TActionManager& actions, QMenu& menu, std::vector<TAction*>& entries,
                               TEditSession& session, Shell& shell)
    : window_(window), actions_(actions), menu_(menu), entries_(entries), s_(session), shell_(shell)
{
    connect(actions.actMacroMtn, &QAction::triggered, this, [this] { Maintain(); });
}

TMacroCommands::~TMacroCommands()
{
    try {
        SaveMacroNames(Folder(), s_.State.MacroNames);
    } catch (const TFileError& error) {
        shell_.ShowError(error.what());
    }
}

std::string TMacroCommands::Folder() const { return shell_.DataFolder() + "/Macro"; }

void TMacroCommands::Load()
{
    const std::string folder = Folder();
    QDir().mkpath(QString::fromStdString(folder));
    try {
        s_.State.MacroNames = LoadMacroNames(folder);
        if (const std::string installed = shell_.InstalledMacroFolder(); !installed.empty())
            installed_ = LoadMacroNames(installed);
    } catch (const TFileError& error) {
        shell_.ShowError(error.what());
    }
    BuildEntries();
    BuildInstalledEntries();
}

void TMacroCommands::BuildInstalledEntries()
{
    if (installed_.empty()) return;
    menu_.addSeparator();
    for (const std::string& name : installed_) {
        TAction* entry = actions_.NewMacroAction(name);
        entry->setText(QTr("%1 (installed)").arg(entry->text()));
        connect(entry, &QAction::triggered, this,
                [this, name] { ChooseMacro(s_, shell_, shell_.InstalledMacroFolder(), name); });
        menu_.addAction(entry);
    }
}

std::string TMacroCommands::NameFault(const std::string& name) const
{
    if (std::find(installed_.begin(), installed_.end(), name) != installed_.end())
        return Tr("“%1” is a macro installed with Voltrane. Register your copy under a new name.", {name});
    return MacroNameFault(name);
}

void TMacroCommands::BuildEntries()
{
    QAction* placeholder = actions_.Action1;
    const QList<QAction*> items = menu_.actions();
    QAction* before = items.indexOf(placeholder) + 1 < items.size() ? items[items.indexOf(placeholder) + 1] : nullptr;
    const TStrings& names = s_.State.MacroNames;
    for (auto name = names.rbegin(); name != names.rend(); ++name) {
        TAction* entry = NewEntry(*name);
        menu_.insertAction(before, entry);
        before = entry;
        entries_.insert(entries_.begin(), entry);
    }
    if (!names.empty()) placeholder->setVisible(false);
}

TAction* TMacroCommands::NewEntry(const std::string& name)
{
    TAction* entry = actions_.NewMacroAction(name);
    connect(entry, &QAction::triggered, this, [this, name] { ChooseMacro(s_, shell_, Folder(), name); });
    return entry;
}

void TMacroCommands::RegisterPopupBox()
{
    TPartsBase* part = s_.State.PopupPart;
    if (!part || !s_.Bord.Holds(part) || !part->Is(cfContainer)) return;
    auto* box = static_cast<TContainer*>(part);
    TInputMacroNameForm form([this](const std::string& name) { return NameFault(name); }, &window_);
    form.SetText(ProposedMacroName(*box));
    if (form.exec() != QDialog::Accepted || !s_.Bord.Holds(box)) return;
    const TStrings& names = s_.State.MacroNames;
    const size_t listed = names.size();
    if (!RegisterMacro(s_, shell_, Folder(), *box, form.Text()) || names.size() == listed) return;
    // The new name goes first in the list and directly after the placeholder in the menu.
    const QList<QAction*> items = menu_.actions();
    const qsizetype at = items.indexOf(actions_.Action1) + 1;
    TAction* entry = NewEntry(names.front());
    menu_.insertAction(at < items.size() ? items[at] : nullptr, entry);
    entries_.insert(entries_.begin(), entry);
}

void TMacroCommands::Maintain()
{
    TMacroMtnForm form(&window_);
    form.SetNames(s_.State.MacroNames);
    if (form.exec() != QDialog::Accepted) return;
    for (TAction* entry : entries_) {
        menu_.removeAction(entry);
        entry->deleteLater();
    }
    entries_.clear();
    s_.State.MacroNames = form.Names();
    BuildEntries();
}
