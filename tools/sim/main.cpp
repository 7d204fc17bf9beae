// vrxlink-sim: a simulated air sampler on a pseudo-terminal, so that VRX Link can be tried,
// tested and measured without hardware. Frames from the program are byte 0x01, a command
// and a carriage return; the unit answers each one as SimulatedUnit decides.
#include "PseudoTerminal.h"
#include "SimulatedUnit.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFile>

#include <unistd.h>

#include <csignal>
#include <cstdio>
#include <cstring>
#include <optional>
#include <thread>

namespace {
using std::chrono::milliseconds;

constexpr milliseconds kHangUpDelay{100};

volatile std::sig_atomic_t stopRequested = 0;
bool stopping() {
    return stopRequested != 0;
}

void pause(milliseconds length) {
    const auto end = std::chrono::steady_clock::now() + length;
    while (!stopping() && std::chrono::steady_clock::now() < end)
        std::this_thread::sleep_for(std::min(length, milliseconds(50)));
}

// Cuts the program's bytes into commands: a frame starts at 0x01 and ends at CR.
class FrameReader {
public:
    template <typename OnCommand> void Take(const std::string& bytes, OnCommand onCommand) {
        for (const char c : bytes) {
            if (c == '\x01') {
                m_command.clear();
                m_inFrame = true;
            } else if (m_inFrame && c == '\r') {
                m_inFrame = false;
                if (!onCommand(m_command))
                    return;
            } else if (m_inFrame) {
                m_command += c;
            }
        }
    }

private:
    std::string m_command;
    bool m_inFrame = false;
};

struct Settings {
    UnitOptions unit;
    bool fast = false;
    milliseconds slowDelay{2000};
    QString link;
    QString transcript;
};

int fail(const QString& message) {
    std::fprintf(stderr, "vrxlink-sim: %s\n", qPrintable(message));
    return 2;
}

// Reads the command line into settings; a message when it is not usable.
std::optional<QString> parseCommandLine(const QCoreApplication& app, Settings& settings) {
    QCommandLineParser parser;
    parser.setApplicationDescription(
        "A simulated VELA/KX250 air sampler on a pseudo-terminal, for trying and testing\n"
        "VRX Link without hardware. Prints the terminal's path (and links it at --link),\n"
        "then answers the frames the program sends (byte 0x01, a command, CR) like a unit:\n"
        "  summary, show, runinfo   a listing: a line starting \"?\" first, a line holding\n"
        "                           byte 0x01 last\n"
        "  NAME=value               sets a calibration variable (see \"show\"), the battery\n"
        "                           type (batterytype=0..3), a run set-up value (delayhours,\n"
        "                           delayminutes, runyear, runmonth, runday, runhour,\n"
        "                           runminute, durationhours, durationminutes, f) or a\n"
        "                           field of the clock (year, month, day, hour, minute,\n"
        "                           second); one line in reply\n"
        "  save, restore, reset, run, go, stop, limits, nolimits, d, r, i   one line\n"
        "Lines end in CR LF. Replies go out at 9600 baud unless --fast; bytes sent while\n"
        "the program has the port closed are lost, as on a real line. The terminal stays\n"
        "usable while the program closes and reopens it. Stops on SIGTERM or SIGINT.");
    parser.addHelpOption();
    const QCommandLineOption link("link",
                                  "Make a symbolic link to the terminal at <path> "
                                  "(removed again on exit).",
                                  "path");
    const QCommandLineOption model(
        "model",
        "The unit's model: VELA, VELAXT, VELAREF, KX250, or TARAFLOW for the flow "
        "calibrator; any other text X names the unit \"VRX X Air Sampling System\". "
        "Default VELA.",
        "model", "VELA");
    const QCommandLineOption version("version",
                                     "The firmware version the unit reports. "
                                     "Default 1.2.01.",
                                     "text", "1.2.01");
    const QCommandLineOption fast("fast", "Send replies at once instead of at 9600 baud "
                                          "(about 1.04 ms a byte).");
    const QCommandLineOption fault(
        "fault",
        "Misbehave in one way: silent (never answers), no-version (summary without its "
        "Version line), no-end (listings without their end line), garbage (NUL and 0xFF bytes "
        "before the listing and in its blank lines), early-end (a line holding 0x01 before "
        "the \"?\" line), long-line (a 1,200-character line in the summary), hang-up (drops "
        "the line halfway through its first reply and exits), slow (waits --delay before "
        "each answer). Default none.",
        "mode", "none");
    const QCommandLineOption delay("delay",
                                   "How long a slow unit waits before answering, in "
                                   "milliseconds. Default 2000.",
                                   "ms", "2000");
    const QCommandLineOption reply("reply",
                                   "Answer every listing command with the bytes of "
                                   "<file> as they stand.",
                                   "file");
    const QCommandLineOption transcript("transcript",
                                        "Write every byte received from the "
                                        "program to <file>, as received.",
                                        "file");
    parser.addOptions({link, model, version, fast, fault, delay, reply, transcript});
    parser.process(app);

    settings.unit.model = parser.value(model).toUpper().toStdString();
    settings.unit.version = parser.value(version).toStdString();
    const auto chosenFault = FaultByName(parser.value(fault).toStdString());
    if (!chosenFault)
        return "unknown fault mode " + parser.value(fault);
    settings.unit.fault = *chosenFault;
    bool isNumber = false;
    settings.slowDelay = milliseconds(parser.value(delay).toUInt(&isNumber));
    if (!isNumber)
        return "--delay wants a number of milliseconds";
    if (parser.isSet(reply)) {
        QFile file(parser.value(reply));
        if (!file.open(QIODevice::ReadOnly))
            return "cannot read " + parser.value(reply);
        settings.unit.scriptedReply = file.readAll().toStdString();
    }
    settings.fast = parser.isSet(fast);
    settings.link = parser.value(link);
    settings.transcript = parser.value(transcript);
    return std::nullopt;
}
} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName("vrxlink-sim");
    Settings settings;
    if (const auto problem = parseCommandLine(app, settings))
        return fail(*problem);

    PseudoTerminal line;
    if (!line.Open())
        return fail(QString("cannot open a pseudo-terminal: ") + std::strerror(errno));
    const QByteArray linkPath = QFile::encodeName(settings.link);
    if (!linkPath.isEmpty()) {
        ::unlink(linkPath.constData());
        if (::symlink(line.DevicePath().c_str(), linkPath.constData()) != 0)
            return fail("cannot make the link " + settings.link + ": " + std::strerror(errno));
    }
    QFile transcript(settings.transcript);
    if (!settings.transcript.isEmpty() && !transcript.open(QIODevice::WriteOnly))
        return fail("cannot write " + settings.transcript);
    std::printf("%s\n", line.DevicePath().c_str());
    std::fflush(stdout);

    std::signal(SIGTERM, [](int) { stopRequested = 1; });
    std::signal(SIGINT, [](int) { stopRequested = 1; });

    SimulatedUnit unit(settings.unit);
    FrameReader frames;
    const bool paced = !settings.fast;
    bool hungUp = false;
    while (!stopping() && !hungUp) {
        const std::string bytes = line.Receive(milliseconds(200));
        if (transcript.isOpen() && !bytes.empty()) {
            transcript.write(bytes.data(), qint64(bytes.size()));
            transcript.flush();
        }
        frames.Take(bytes, [&](const std::string& command) {
            const std::string answer = unit.Answer(command);
            if (answer.empty())
                return true;
            if (settings.unit.fault == Fault::Slow)
                pause(settings.slowDelay);
            if (settings.unit.fault == Fault::HangUp) {
                line.Send(std::string_view(answer).substr(0, answer.size() / 2), paced, stopping);
                // The line dies a moment after the last byte, once the program has it: a
                // hang-up discards what the other end has not read yet.
                pause(kHangUpDelay);
                line.HangUp();
                hungUp = true;
                return false;
            }
            line.Send(answer, paced, stopping);
            return true;
        });
    }
    if (hungUp)
        std::fprintf(stderr, "vrxlink-sim: hung up in the middle of a reply\n");
    if (!linkPath.isEmpty())
        ::unlink(linkPath.constData());
    return 0;
}
