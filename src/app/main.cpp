// Starts VRX Link: finds the program folder and enters it, installs the dialogs, and shows
// the main window centred on the screen.
#include "CmdLineRtns.h"
#include "MessageBoxes.h"
#include "ProgramFolder.h"
#include "QtDialogs.h"
#include "fVRXLink.h"
#include "uVRXCommon.h"

#include <QApplication>
#include <QScreen>

#include <cstdlib>
#include <exception>

namespace {
// Errors nobody expected (file input and output) reach the user as a message box with the
// error's text, and the program goes on.
class TApplication : public QApplication {
public:
    using QApplication::QApplication;
    bool notify(QObject* receiver, QEvent* event) override {
        try {
            return QApplication::notify(receiver, event);
        } catch (const std::exception& e) {
            ShowExceptionBox(e.what());
        }
        return false;
    }
};

std::string env(const char* name) {
    const char* value = std::getenv(name);
    return value ? value : "";
}
} // namespace

int main(int argc, char** argv) {
    TApplication app(argc, argv);
    QApplication::setApplicationName("VRX Link");
    QApplication::setApplicationDisplayName("VRX Link");

    std::vector<std::string> args(argv + 1, argv + argc);
    SetCmdLineArgs(args);

    QtDialogs dialogs;
    InstallDialogs(&dialogs);

    ExeDir = ResolveProgramFolder({env("VRXLINK_HOME"),
                                   QCoreApplication::applicationDirPath().toStdString(),
                                   env("XDG_DATA_HOME"), env("HOME")});
    if (!EnterProgramFolder(ExeDir)) {
        ShowExceptionBox("Unable to use the program folder " + ExeDir);
        return 1;
    }

    TfrmVRXLink window;
    const QRect screen = window.screen()->availableGeometry();
    window.move(screen.center() - window.rect().center());
    window.show();
    return app.exec();
}
