// Measures Download from the Ctrl+D key press to the job window shown, against vrxlink-sim at
// 9600 baud, and prints per run the time the program adds beyond the floor no program can
// beat: the unit's sending time of its reply and the pause after closing the port. The
// program's frame would take its own bytes x 1.04 ms on a real line, but the
// pseudo-terminal hands it over at once, so it is shown apart and not taken off.
// Usage: bench_download [number of downloads, default 5]
#include "ScriptedDialogs.h"
#include "SimulatedLine.h"
#include "fVRXJob.h"
#include "fVRXLink.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTest>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {
// The newest job window, once it is visible and exposed; null if none opened.
TfrmJob* shownJobWindow(const TfrmVRXLink& window) {
    const auto jobs = window.findChildren<TfrmJob*>();
    if (jobs.isEmpty() || !jobs.back()->isVisible() || !QTest::qWaitForWindowExposed(jobs.back()))
        return nullptr;
    return jobs.back();
}

void closeJobWindows(const TfrmVRXLink& window) {
    for (TfrmJob* job : window.findChildren<TfrmJob*>()) {
        job->DataChanged = false;
        job->close();
        job->deleteLater();
    }
    QApplication::processEvents();
}
} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 5;

    SimulatedLine line;
    if (!line.Start()) {
        std::fprintf(stderr, "bench_download: vrxlink-sim did not start\n");
        return 1;
    }
    ScriptedDialogs dialogs;
    InstallDialogs(&dialogs);
    TfrmVRXLink window;
    window.show();
    if (!QTest::qWaitForWindowActive(&window)) {
        std::fprintf(stderr, "bench_download: the main window did not become active\n");
        return 1;
    }

    const size_t replyBytes = SummaryReplyBytes().size();
    const double replyMs = double(replyBytes) * kByteMs;
    const double pauseMs = double(kClosePause.count());

    std::printf("Download, Ctrl+D to job window shown, vrxlink-sim at 9600 baud, %d runs\n", runs);
    std::printf("%5s %10s %10s %10s %10s\n", "run", "total ms", "reply ms", "pause ms", "added ms");
    std::vector<double> added;
    qint64 frameBytes = 0;
    for (int run = 1; run <= runs; ++run) {
        const qint64 sentBefore = line.BytesSent();
        QElapsedTimer clock;
        clock.start();
        QTest::keyClick(&window, Qt::Key_D, Qt::ControlModifier);
        const TfrmJob* job = shownJobWindow(window);
        const double total = double(clock.nsecsElapsed()) / 1e6;
        if (!job || !dialogs.shown.empty()) {
            std::fprintf(stderr, "bench_download: run %d opened no job window\n", run);
            return 1;
        }
        frameBytes = line.BytesSent() - sentBefore;
        added.push_back(total - replyMs - pauseMs);
        std::printf("%5d %10.1f %10.1f %10.1f %10.1f\n", run, total, replyMs, pauseMs,
                    added.back());
        closeJobWindows(window);
    }

    const double frameMs = double(frameBytes) * kByteMs;
    std::printf("reply %zu bytes: the unit's sending time %.1f ms; close pause %.0f ms\n",
                replyBytes, replyMs, pauseMs);
    std::printf("frame %lld bytes: %.1f ms on a real line, not in these totals: the\n"
                "  pseudo-terminal passes it at once and the simulator answers once it has it\n",
                static_cast<long long>(frameBytes), frameMs);
    std::sort(added.begin(), added.end());
    std::printf("added by the program beyond the reply and the close pause: median %.1f ms, "
                "max %.1f ms (goal < 50)\n",
                added[added.size() / 2], added.back());
    InstallDialogs(nullptr);
    return 0;
}
