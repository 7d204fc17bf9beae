// A fresh program folder for each window test: ExeDir points at a temporary folder that is
// also the current folder, and the scripted dialog seam is installed.
#pragma once

#include "DialogSeam.h"
#include "SafeFile.h"
#include "ScriptedDialogs.h"
#include "uVRXCommon.h"

#include <QDir>
#include <QTemporaryDir>

#include <memory>

struct WindowTestEnv {
    QTemporaryDir folder;
    ScriptedDialogs dialogs;
    QString startDir = QDir::currentPath();

    WindowTestEnv() {
        ExeDir = folder.path().toStdString() + "/";
        QDir::setCurrent(folder.path());
        Config = TConfigRecord{};
        InstallDialogs(&dialogs);
    }
    ~WindowTestEnv() {
        InstallDialogs(nullptr);
        QDir::setCurrent(startDir);
    }
    void writeSettings(const std::string& ini) { WriteFileSafely(SettingsFilePath(), ini); }
    QString path(const QString& name) const { return folder.filePath(name); }
};
