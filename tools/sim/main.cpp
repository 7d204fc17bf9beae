// vrxlink-sim: a simulated air sampler on a pseudo-terminal, so that VRX Link can be tried,
// tested and measured without hardware.
#include "SimulatedUnit.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFile>

#include <chrono>
#include <csignal>
#include <cstdio>
#include <fcntl.h>
#include <poll.h>
#include <stdlib.h>
#include <termios.h>
#include <thread>
#include <unistd.h>

namespace {
using Clock = std::chrono::steady_clock;
constexpr auto kByteTime = std::chrono::microseconds(1042); // 10 bits at 9600 baud
constexpr auto kSlowDelay = std::chrono::milliseconds(2000);

volatile std::sig_atomic_t stopRequested = 0;

// Sends bytes at the line's pace (or at once); false when the line has gone dead.
bool sendPaced(int fd, const std::string& bytes, bool fast) {
    auto due = Clock::now();
    for (size_t i = 0; i < bytes.size();) {
        const size_t chunk = fast ? bytes.size() - i : 1;
        const ssize_t n = ::write(fd, bytes.data() + i, chunk);
        if (n < 0) {
            if (errno == EAGAIN || errno == EINTR) {
                std::this_thread::sleep_for(std::chrono::milliseconds(1));
                continue;
            }
            return false;
        }
        i += size_t(n);
        if (!fast) {
            due += kByteTime * n;
            std::this_thread::sleep_until(due);
        }
    }
    return true;
}

int openPseudoTerminal(std::string& slavePath, int& slaveKeeper) {
    const int master = ::posix_openpt(O_RDWR | O_NOCTTY);
    if (master < 0 || ::grantpt(master) != 0 || ::unlockpt(master) != 0)
        return -1;
    slavePath = ::ptsname(master);
    // Holding the slave open keeps the master readable while the program closes and reopens
    // the port between exchanges.
    slaveKeeper = ::open(slavePath.c_str(), O_RDWR | O_NOCTTY);
    termios raw {};
    ::tcgetattr(slaveKeeper, &raw);
    ::cfmakeraw(&raw);
    ::cfsetspeed(&raw, B9600);
    ::tcsetattr(slaveKeeper, TCSANOW, &raw);
    return master;
}
} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName("vrxlink-sim");
    QCommandLineParser parser;
    parser.setApplicationDescription(
        "A simulated air sampler on a pseudo-terminal. Prints the terminal's path (or links it "
        "at --link) and answers the program's frames like a unit at 9600 baud.");
    parser.addHelpOption();
    const QCommandLineOption link("link", "Make a symbolic link to the terminal at <path>.", "path");
    const QCommandLineOption model("model", "Model: VELA, VELAXT, VELAREF, KX250 or TARAFLOW "
                                            "(the flow calibrator). Default VELA.", "model", "VELA");
    const QCommandLineOption version("version", "Firmware version text. Default 1.2.01.", "text",
                                     "1.2.01");
    const QCommandLineOption fast("fast", "Send at once instead of at 9600 baud.");
    const QCommandLineOption fault(
        "fault",
        "Misbehave: silent (never answers), no-version (summary without its Version line), "
        "no-end (no end line), garbage (bytes 0x00 and 0xFF inside lines), early-end (an end "
        "line before the reply), long-line (a 1,200-character line), hang-up (closes the line "
        "halfway through a reply), slow (waits 2 s before answering).",
        "mode", "none");
    const QCommandLineOption reply("reply", "Answer every query with the bytes of <file> as "
                                            "they stand.", "file");
    const QCommandLineOption transcript("transcript", "Append every frame received, byte for "
                                                      "byte, to <file>.", "file");
    parser.addOptions({link, model, version, fast, fault, reply, transcript});
    parser.process(app);

    UnitOptions options;
    options.model = parser.value(model).toUpper().toStdString();
    options.version = parser.value(version).toStdString();
    const auto chosenFault = FaultByName(parser.value(fault).toStdString());
    if (!chosenFault) {
        std::fprintf(stderr, "vrxlink-sim: unknown fault mode %s\n", qPrintable(parser.value(fault)));
        return 2;
    }
    options.fault = *chosenFault;
    if (parser.isSet(reply)) {
        QFile file(parser.value(reply));
        if (!file.open(QIODevice::ReadOnly)) {
            std::fprintf(stderr, "vrxlink-sim: cannot read %s\n", qPrintable(parser.value(reply)));
            return 2;
        }
        options.scriptedReply = file.readAll().toStdString();
    }
    SimulatedUnit unit(options);

    std::string slavePath;
    int slaveKeeper = -1;
    const int master = openPseudoTerminal(slavePath, slaveKeeper);
    if (master < 0) {
        std::perror("vrxlink-sim: pseudo-terminal");
        return 1;
    }
    if (parser.isSet(link)) {
        const std::string linkPath = parser.value(link).toStdString();
        ::unlink(linkPath.c_str());
        if (::symlink(slavePath.c_str(), linkPath.c_str()) != 0) {
            std::perror("vrxlink-sim: link");
            return 1;
        }
    }
    std::printf("%s\n", slavePath.c_str());
    std::fflush(stdout);

    std::signal(SIGTERM, [](int) { stopRequested = 1; });
    std::signal(SIGINT, [](int) { stopRequested = 1; });
    FILE* record = parser.isSet(transcript)
                       ? std::fopen(parser.value(transcript).toLocal8Bit().constData(), "ab")
                       : nullptr;

    std::string frame;
    bool inFrame = false;
    while (!stopRequested) {
        pollfd pfd{master, POLLIN, 0};
        if (::poll(&pfd, 1, 200) <= 0)
            continue;
        char buffer[512];
        const ssize_t n = ::read(master, buffer, sizeof buffer);
        if (n <= 0) {
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
            continue;
        }
        for (ssize_t i = 0; i < n; ++i) {
            const char c = buffer[i];
            if (c == '\x01') {
                frame.assign(1, c);
                inFrame = true;
            } else if (inFrame) {
                frame += c;
                if (c != '\r')
                    continue;
                inFrame = false;
                if (record) {
                    std::fwrite(frame.data(), 1, frame.size(), record);
                    std::fflush(record);
                }
                const std::string answer = unit.Answer(frame.substr(1, frame.size() - 2));
                if (answer.empty())
                    continue;
                if (options.fault == Fault::Slow)
                    std::this_thread::sleep_for(kSlowDelay);
                if (options.fault == Fault::HangUp) {
                    sendPaced(master, answer.substr(0, unit.HangUpAfter(answer)), parser.isSet(fast));
                    ::tcdrain(master);
                    ::close(slaveKeeper);
                    ::close(master);
                    return 0;
                }
                sendPaced(master, answer, parser.isSet(fast));
            }
        }
    }
    if (record)
        std::fclose(record);
    if (parser.isSet(link))
        ::unlink(parser.value(link).toLocal8Bit().constData());
    return 0;
}
