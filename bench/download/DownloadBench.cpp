// Measures Download from the key press to the job window shown, against vrxlink-sim at 9600
// baud, and prints the time the program adds beyond the floor no program can beat: the
// reply's time on the line and the 300 ms pause after closing the port. (The program's own
// frames cross the pseudo-terminal at once; on a real line they would add about 13 ms.)
#include "SafeFile.h"
#include "ScriptedDialogs.h"
#include "fVRXJob.h"
#include "fVRXLink.h"
#include "uVRXCommon.h"

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {
constexpr double kByteMs = 10.0 * 1000.0 / 9600.0;
} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTemporaryDir folder;
    ExeDir = folder.path().toStdString() + "/";
    QDir::setCurrent(folder.path());
    const QString link = folder.filePath("unit");
    WriteFileSafely(SettingsFilePath(),
                    "[Settings]\r\nPORT=5\r\n[Ports]\r\nCOM5=" + link.toStdString() + "\r\n");
    QProcess sim;
    sim.start(VRXLINK_SIM, {"--link", link});
    sim.waitForReadyRead(5000);
    QThread::msleep(200);

    ScriptedDialogs dialogs;
    InstallDialogs(&dialogs);
    TfrmVRXLink window;
    window.show();

    std::vector<double> added;
    std::printf("%5s %10s %10s %10s %10s\n", "run", "total ms", "line ms", "pause ms", "added ms");
    for (int run = 1; run <= 5; ++run) {
        QElapsedTimer clock;
        clock.start();
        window.actDownload->trigger();
        const double total = clock.nsecsElapsed() / 1e6;
        const auto jobs = window.findChildren<TfrmJob*>();
        if (jobs.isEmpty() || !jobs.back()->isVisible() || !dialogs.shown.empty()) {
            std::printf("run %d: no job window opened\n", run);
            return 1;
        }
        size_t replyBytes = 3; // the end line: 0x01 CR LF
        for (const std::string& line : window.ReplyLines())
            replyBytes += line.size() + 2;
        const double line = double(replyBytes) * kByteMs;
        const double pause = double(kClosePause.count());
        added.push_back(total - line - pause);
        std::printf("%5d %10.1f %10.1f %10.1f %10.1f\n", run, total, line, pause, added.back());
        for (TfrmJob* job : jobs) {
            job->DataChanged = false;
            job->close();
        }
        QApplication::processEvents();
    }
    std::sort(added.begin(), added.end());
    std::printf("median time added beyond the line and the close pause: %.1f ms (goal: under 50 ms)\n",
                added[added.size() / 2]);
    sim.terminate();
    sim.waitForFinished(3000);
    return 0;
}
