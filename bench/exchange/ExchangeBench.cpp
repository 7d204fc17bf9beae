// Times "summary" queries against vrxlink-sim sending at 9600 baud and prints, per query, what
// the program adds beyond the floor: the unit's sending time of its reply (bytes x 10 / 9600 s)
// and the close pause. The program's frame would take its own bytes x 1.04 ms on a real line,
// but the pseudo-terminal hands it over at once, so it is shown apart and not taken off.
// Usage: bench_exchange [number of queries, default 10]
#include "DeviceLink.h"
#include "ScriptedDialogs.h"
#include "SimulatedLine.h"

#include <QCoreApplication>
#include <QElapsedTimer>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {
struct Exchange {
    double totalMs = 0;
    double addedMs = 0;  // the whole exchange less the reply's sending time and the pause
    double beforeMs = 0; // call to the first reply byte, less that byte's own time
    double duringMs = 0; // first to last byte, less the sending time of the bytes between
    double afterMs = 0;  // last byte to return, less the close pause
    double openMs = 0;   // opening the port alone, part of "before the first byte"
};

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

void printFigures(const char* what, const std::vector<Exchange>& runs, double Exchange::*field) {
    std::vector<double> values;
    for (const Exchange& run : runs)
        values.push_back(run.*field);
    std::printf("  %-36s median %7.2f ms   max %7.2f ms\n", what, median(values),
                *std::max_element(values.begin(), values.end()));
}
} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 10;

    SimulatedLine line;
    if (!line.Start()) {
        std::fprintf(stderr, "bench_exchange: vrxlink-sim did not start\n");
        return 1;
    }
    Config = ReadSettingsFrom(ReadWholeFile(SettingsFilePath()).value());
    ScriptedDialogs dialogs;
    InstallDialogs(&dialogs);
    TDeviceLink link(Config, [](std::string_view key) { return std::string(key); });

    const size_t replyBytes = SummaryReplyBytes().size();
    const double replyMs = double(replyBytes) * kByteMs;
    const double pauseMs = double(kClosePause.count());

    QElapsedTimer clock;
    qint64 received = 0;
    double firstAt = 0;
    double lastAt = 0;
    QObject::connect(&link, &TDeviceLink::bytesReceived, [&](const QByteArray& bytes) {
        const double now = double(clock.nsecsElapsed()) / 1e6;
        if (received == 0)
            firstAt = now;
        received += bytes.size();
        lastAt = now;
    });

    std::printf("summary query against vrxlink-sim at 9600 baud (1.04 ms a byte), %d runs\n", runs);
    std::printf("%5s %10s %10s %10s %10s\n", "run", "total ms", "reply ms", "pause ms", "added ms");
    std::vector<Exchange> exchanges;
    qint64 frameBytes = 0;
    for (int i = 0; i <= runs; ++i) {
        received = 0;
        const qint64 sentBefore = line.BytesSent();
        clock.start();
        const bool answered = link.QueryDevice("summary", true);
        Exchange run;
        run.totalMs = double(clock.nsecsElapsed()) / 1e6;
        if (!answered || received != qint64(replyBytes)) {
            std::fprintf(stderr, "bench_exchange: %lld of %zu reply bytes received (%s)\n",
                         static_cast<long long>(received), replyBytes, link.LastComError.c_str());
            return 1;
        }
        frameBytes = line.BytesSent() - sentBefore;
        run.addedMs = run.totalMs - replyMs - pauseMs;
        run.beforeMs = firstAt - kByteMs;
        run.duringMs = (lastAt - firstAt) - double(received - 1) * kByteMs;
        run.afterMs = run.totalMs - lastAt - pauseMs;
        clock.start();
        link.StartCom(Config.Port, true);
        run.openMs = double(clock.nsecsElapsed()) / 1e6;
        link.StopCom();
        if (i == 0) // the first exchange warms up caches and the simulator
            continue;
        exchanges.push_back(run);
        std::printf("%5d %10.1f %10.1f %10.1f %10.1f\n", i, run.totalMs, replyMs, pauseMs,
                    run.addedMs);
    }

    const double frameMs = double(frameBytes) * kByteMs;
    std::printf("reply %zu bytes: the unit's sending time %.1f ms; close pause %.0f ms\n",
                replyBytes, replyMs, pauseMs);
    std::printf("frame %lld bytes: %.1f ms on a real line, not in these totals: the\n"
                "  pseudo-terminal passes it at once and the simulator answers once it has it\n",
                static_cast<long long>(frameBytes), frameMs);
    std::printf("floor here %.1f ms (reply + pause); on a real line %.1f ms (frame + reply + "
                "pause)\n",
                replyMs + pauseMs, frameMs + replyMs + pauseMs);
    printFigures("whole exchange", exchanges, &Exchange::totalMs);
    printFigures("added by the program (goal < 10)", exchanges, &Exchange::addedMs);
    printFigures("  before the first byte", exchanges, &Exchange::beforeMs);
    printFigures("    of which opening the port", exchanges, &Exchange::openMs);
    printFigures("  while the reply arrives", exchanges, &Exchange::duringMs);
    printFigures("  after the last byte", exchanges, &Exchange::afterMs);
    InstallDialogs(nullptr);
    return 0;
}
