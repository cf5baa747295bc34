#pragma once

#include "Shell.h"

// The desktop as Qt offers it: dialogs and boxes over the active window, the system clipboard,
// the user's own folders, the default browser.
class QtShell : public Shell {
public:
    QtShell();

    std::optional<std::string> OpenFileName(const TFileDialog& dialog) override;
    std::optional<std::string> SaveFileName(const TFileDialog& dialog) override;
    TAnswer AskYesNoCancel(const std::string& text) override;
    void ShowError(const std::string& text) override;
    void ShowMessage(const std::string& text) override;
    bool ClipboardHasText() override;
    std::string ClipboardText() override;
    void SetClipboardText(const std::string& text) override;
    std::string DataFolder() override { return dataFolder_; }
    std::string SettingsFile() override { return settingsFile_; }
    std::string InstalledMacroFolder() override;
    bool OpenUrl(const std::string& url) override;

private:
    std::string dataFolder_;
    std::string settingsFile_;
};
