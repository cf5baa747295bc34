#pragma once

#include "Shell.h"

#include <deque>
#include <filesystem>
#include <stdlib.h>
#include <string>
#include <vector>

// A desktop for widget tests: dialogs and questions take their answers from queues, boxes and
// opened addresses are written down, the clipboard is a string, and the data folder is a fresh
// temporary folder removed afterwards.
class ScriptedShell : public Shell {
public:
    ScriptedShell()
    {
        std::string pattern = (std::filesystem::temp_directory_path() / "voltrane-test-XXXXXX").string();
        Folder = mkdtemp(pattern.data());
    }
    ~ScriptedShell() override
    {
        std::error_code ignored;
        std::filesystem::remove_all(Folder, ignored);
    }

    std::deque<std::optional<std::string>> OpenAnswers;
    std::deque<std::optional<std::string>> SaveAnswers;
    std::deque<TAnswer> Answers;
    std::vector<std::string> Questions;
    std::vector<std::string> Errors;
    std::vector<std::string> Messages;
    std::vector<std::string> OpenedUrls;
    // Whether a browser takes the pages asked for.
    bool BrowserAvailable = true;
    std::string Clipboard = "left over from another program";
    std::string Folder;
    // The folder of the macros installed with the program; none unless a test gives one.
    std::string InstalledMacros;

    std::optional<std::string> OpenFileName(const TFileDialog&) override { return Next(OpenAnswers); }
    std::optional<std::string> SaveFileName(const TFileDialog&) override { return Next(SaveAnswers); }
    TAnswer AskYesNoCancel(const std::string& text) override
    {
        Questions.push_back(text);
        if (Answers.empty()) return TAnswer::Cancel;
        const TAnswer answer = Answers.front();
        Answers.pop_front();
        return answer;
    }
    void ShowError(const std::string& text) override { Errors.push_back(text); }
    void ShowMessage(const std::string& text) override { Messages.push_back(text); }
    bool ClipboardHasText() override { return !Clipboard.empty(); }
    std::string ClipboardText() override { return Clipboard; }
    void SetClipboardText(const std::string& text) override { Clipboard = text; }
    std::string DataFolder() override { return Folder; }
    std::string SettingsFile() override { return Folder + "/voltrane.INI"; }
    std::string InstalledMacroFolder() override { return InstalledMacros; }
    bool OpenUrl(const std::string& url) override
    {
        OpenedUrls.push_back(url);
        return BrowserAvailable;
    }

private:
    static std::optional<std::string> Next(std::deque<std::optional<std::string>>& answers)
    {
        if (answers.empty()) return std::nullopt;
        auto answer = answers.front();
        answers.pop_front();
        return answer;
    }
};
