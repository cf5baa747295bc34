// Two users of one machine share nothing: each editor keeps its recent files and recovery copies
// in the folders the desktop gives its user, never beside the program.
#include "EditorFixture.h"
#include "QtShell.h"
#include "ScratchFolder.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QFont>
#include <QFontMetrics>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>

namespace {

// The desktop's folders of one user, for as long as it lives.
class AsUser {
public:
    explicit AsUser(const std::string& home) : config_(qgetenv("XDG_CONFIG_HOME")), data_(qgetenv("XDG_DATA_HOME"))
    {
        qputenv("XDG_CONFIG_HOME", QByteArray::fromStdString(home + "/config"));
        qputenv("XDG_DATA_HOME", QByteArray::fromStdString(home + "/data"));
    }
    ~AsUser()
    {
        qputenv("XDG_CONFIG_HOME", config_);
        qputenv("XDG_DATA_HOME", data_);
    }
    AsUser(const AsUser&) = delete;
    AsUser& operator=(const AsUser&) = delete;

private:
    QByteArray config_, data_;
};

size_t FilesIn(const std::string& folder)
{
    std::error_code ignored;
    if (!std::filesystem::is_directory(folder, ignored)) return 0;
    return static_cast<size_t>(std::distance(std::filesystem::directory_iterator(folder), {}));
}

}  // namespace

TEST(UserFoldersWindow, TwoUsersOfOneMachineKeepTheirRecentFilesAndRecoveryCopiesApart)
{
    // The font library reads the XDG folders once, at its first use: it starts with the machine's.
    SharedDM();
    (void)QFontMetrics(QFont(QString::fromUtf8(BoardFontFace))).height();
    ScratchFolder machine;
    const std::string circuit = std::string(VOLTRANE_DATA) + "/half_adder.lgc";
    std::string firstData;
    {
        AsUser first(machine / "first");
        QtShell shell;
        firstData = shell.DataFolder();
        EXPECT_EQ(firstData.rfind(machine / "first", 0), 0u);
        EXPECT_EQ(shell.SettingsFile().rfind(machine / "first", 0), 0u);
        TfrmVoltrane window(shell, SharedDM());
        window.Documents->OpenFile(circuit);
        window.ActionManager1.actSelectAll->trigger();
        QCoreApplication::processEvents();  // the idle refresh enables Delete
        window.ActionManager1.actDel->trigger();
        window.Documents->Autosave();
        EXPECT_EQ(FilesIn(firstData + "/Recovery"), 1u);
        {
            AsUser second(machine / "second");
            QtShell otherShell;
            EXPECT_NE(otherShell.DataFolder(), firstData);
            TfrmVoltrane other(otherShell, SharedDM());
            EXPECT_TRUE(other.Document.Recent.Paths().empty());
            EXPECT_EQ(FilesIn(otherShell.DataFolder() + "/Recovery"), 0u);
        }
        window.State.Modified = false;
    }
    AsUser first(machine / "first");
    QtShell shell;
    TfrmVoltrane window(shell, SharedDM());
    EXPECT_THAT(window.Document.Recent.Paths(), ::testing::ElementsAre(circuit));
    // The program's own folder is never written.
    const QFileInfo program(QCoreApplication::applicationFilePath());
    EXPECT_FALSE(std::filesystem::exists(program.absolutePath().toStdString() + "/" +
                                         program.completeBaseName().toStdString() + ".INI"));
}
