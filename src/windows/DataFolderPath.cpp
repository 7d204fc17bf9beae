#include "DataFolderPath.h"

#include <QDir>

QString ResolveDataFolder(const QString& text, const QString& programFolder) {
    return QDir::cleanPath(QDir(programFolder).absoluteFilePath(text));
}

QString DataFolderForDisplay(const QString& jobDir, const QString& programFolder) {
    if (jobDir.isEmpty() || QDir::isRelativePath(jobDir))
        return jobDir;
    return QDir(programFolder).relativeFilePath(jobDir);
}

QString ChosenFolderForDisplay(const QString& chosen, const QString& programFolder) {
    if (!chosen.startsWith(programFolder))
        return QDir::cleanPath(chosen);
    const QString inside = QDir::cleanPath(chosen.mid(programFolder.size()));
    return inside.isEmpty() ? QString(".") : inside;
}
