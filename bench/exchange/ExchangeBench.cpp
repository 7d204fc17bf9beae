// Times "summary" queries against vrxlink-sim sending at 9600 baud and prints what the program
// adds beyond the unit's own sending time (bytes x 10 / 9600 s) and the close pause, split
// into the time before the first reply byte, while the reply arrives, and after its last byte.
// Usage: bench_exchange [number of queries, default 20]
#include "DeviceLink.h"
#include "SafeFile.h"
#include "ScriptedDialogs.h"
#include "uVRXCommon.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {
constexpr double kByteMs = 10.0 * 1000.0 / 9600.0;

struct Exchange {
    double totalMs = 0;
    double lineMs = 0;   // the unit's own sending time
    double beforeMs = 0; // call to the first byte, less that byte's own time
    double duringMs = 0; // first to last byte, less the sending time of the bytes between
    double afterMs = 0;  // last byte to return, less the close pause
    double addedMs = 0;  // the whole exchange less the sending time and the close pause
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
    std::printf("  %-34s median %7.2f ms   max %7.2f ms\n", what, median(values),
                *std::max_element(values.begin(), values.end()));
}
} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 20;

    QTemporaryDir folder;
    ExeDir = folder.path().toStdString() + "/";
    const QString unitLink = folder.filePath("unit");
    WriteFileSafely(SettingsFilePath(),
                    "[Settings]\r\nPORT=5\r\n[Ports]\r\nCOM5=" + unitLink.toStdString() + "\r\n");
    Config = ReadSettingsFrom(ReadWholeFile(SettingsFilePath()).value());
    QProcess sim;
    sim.start(VRXLINK_SIM, {"--link", unitLink});
    if (!sim.waitForReadyRead(5000)) {
        std::fprintf(stderr, "bench_exchange: vrxlink-sim did not start\n");
        return 1;
    }
    ScriptedDialogs dialogs;
    InstallDialogs(&dialogs);
    TDeviceLink link(Config, [](std::string_view key) { return std::string(key); });

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

    std::vector<Exchange> exchanges;
    for (int i = 0; i <= runs; ++i) {
        received = 0;
        clock.start();
        const bool answered = link.QueryDevice("summary", true);
        Exchange run;
        run.totalMs = double(clock.nsecsElapsed()) / 1e6;
        if (!answered || received == 0) {
            std::fprintf(stderr, "bench_exchange: no reply (%s)\n", link.LastComError.c_str());
            return 1;
        }
        run.lineMs = double(received) * kByteMs;
        run.beforeMs = firstAt - kByteMs;
        run.duringMs = (lastAt - firstAt) - double(received - 1) * kByteMs;
        run.afterMs = run.totalMs - lastAt - double(kClosePause.count());
        run.addedMs = run.totalMs - run.lineMs - double(kClosePause.count());
        clock.start();
        link.StartCom(Config.Port, true);
        run.openMs = double(clock.nsecsElapsed()) / 1e6;
        link.StopCom();
        if (i > 0) // the first exchange warms up caches and the simulator
            exchanges.push_back(run);
    }

    const Exchange& sample = exchanges.front();
    std::printf("summary query against vrxlink-sim at 9600 baud, %d runs\n", runs);
    std::printf("  reply %lld bytes: unit's sending time %.2f ms; close pause %lld ms\n",
                static_cast<long long>(sample.lineMs / kByteMs + 0.5), sample.lineMs,
                static_cast<long long>(kClosePause.count()));
    printFigures("whole exchange", exchanges, &Exchange::totalMs);
    printFigures("added by the program (goal < 10)", exchanges, &Exchange::addedMs);
    printFigures("  before the first byte", exchanges, &Exchange::beforeMs);
    printFigures("    of which opening the port", exchanges, &Exchange::openMs);
    printFigures("  while the reply arrives", exchanges, &Exchange::duringMs);
    printFigures("  after the last byte", exchanges, &Exchange::afterMs);

    sim.terminate();
    sim.waitForFinished(3000);
    InstallDialogs(nullptr);
    return 0;
}
