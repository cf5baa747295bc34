#pragma once

#include <optional>
#include <string>

// What the editor needs of the desktop: file dialogs, questions and message boxes, the
// clipboard, the folder of its files, and opening a web page. The Qt shell shows real dialogs;
// tests give the windows a scripted one, so no test ever waits on a modal box. Text is UTF-8.
class Shell {
public:
    virtual ~Shell() = default;

    enum class TAnswer { Yes, No, Cancel };

    struct TFileDialog {
        // Pairs of shown text and pattern, all separated by "|".
        std::string Filter;
        // Without the dot; a Save dialog adds it to a name typed without an extension.
        std::string DefaultExt;
        // The name the dialog proposes.
        std::string FileName;
    };

    // The chosen path, none when the user cancelled.
    virtual std::optional<std::string> OpenFileName(const TFileDialog& dialog) = 0;
    virtual std::optional<std::string> SaveFileName(const TFileDialog& dialog) = 0;

    // A question with the buttons Yes, No and Cancel.
    virtual TAnswer AskYesNoCancel(const std::string& text) = 0;
    // An error box (error icon, OK).
    virtual void ShowError(const std::string& text) = 0;
    virtual void ShowMessage(const std::string& text) = 0;

    virtual bool ClipboardHasText() = 0;
    virtual std::string ClipboardText() = 0;
    virtual void SetClipboardText(const std::string& text) = 0;

    // The user's own folder that holds the folders "Macro" and "Recovery".
    virtual std::string DataFolder() = 0;
    // The user's settings file, named after the program with the extension ".INI".
    virtual std::string SettingsFile() = 0;
    // The read-only folder of the macros installed with the program; none when there is none.
    virtual std::string InstalledMacroFolder() { return {}; }

    // Opens the page in the desktop's browser; false when none could take it.
    virtual bool OpenUrl(const std::string& url) = 0;
};
