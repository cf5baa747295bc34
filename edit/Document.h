#pragma once

#include "EditSession.h"
#include "RecentFiles.h"

#include <string>

class Shell;

// The main window's section in the settings file, named after its title as the first versions
// showed it; the files hold it, so it is the same in every language.
inline constexpr const char* TitlePrefix = "Voltrane　論理シミュレータ - ";

// The document: the whole board kept in one circuit file, with the commands that start it anew,
// open, save and close it. Nothing the user has is lost on the way: a file that cannot be read
// leaves the open document exactly as it was, and a failed save leaves the old file whole and
// the document marked as changed.
class TDocument {
public:
    TDocument(TEditSession& session, Shell& shell);

    void New();
    // Asks for a file and opens it.
    void Open();
    // Opens the file after the question about unsaved changes; false when it was not opened.
    bool OpenFile(const std::string& path);
    // Writes to the document's file, or asks for one when it has none; false when not saved.
    bool Save();
    bool SaveAs();
    // Saves the record of the last run, after the circuit when the record would not fit the
    // document's file as it stands (untitled, changed, or written with other names); refuses a
    // record of a run whose circuit has been changed since. False when nothing was saved.
    bool SaveRecord();
    // The question before unsaved changes are lost: true when the caller may go on.
    bool ConfirmDiscard();

    bool Untitled() const { return path_.empty(); }
    const std::string& Path() const { return path_; }
    std::string Title() const;
    // Replaces the document with the board read from path, named as given (empty: untitled).
    bool Load(const std::string& path, const std::string& name);
    // The circuit text of the whole board and the text boxes whose characters it could not hold.
    TPartsList Text(TStrings& lines) const;
    // After an undo or redo: the document is changed exactly when its text differs from the text
    // last opened or saved, so undoing back to the saved state leaves nothing to save.
    void CompareWithSaved();

    TRecentFiles Recent;

private:
    bool SaveDocument(const std::string& path);
    void Clear();
    void Named(const std::string& path);

    TEditSession& s_;
    Shell& shell_;
    // The document's file; empty while untitled.
    std::string path_;
    // The name the file dialogs propose: the last file opened or saved, kept by New.
    std::string fileName_;
    // The board's text as last opened, saved or started anew.
    TStrings savedText_;
};
