#include "DataFolder.h"

#include <QDir>
#include <QFileInfo>

std::string ChooseDataFolder(const std::string& programFolder, const std::string& configFolder)
{
    const QFileInfo program(QString::fromStdString(programFolder));
    if (program.isDir() && program.isWritable()) return programFolder;
    QDir().mkpath(QString::fromStdString(configFolder));
    return configFolder;
}
