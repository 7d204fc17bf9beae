// The device link over a real pseudo-terminal against vrxlink-sim: reply rules, frames,
// time-outs, every fault of the unit and of the port, and the model and version queries.
#include "DeviceLink.h"
#include "RunSummaryParser.h"
#include "ScriptedDialogs.h"
#include "SimulatedPort.h"

#include <QElapsedTimer>
#include <QFile>
#include <QLoggingCategory>
#include <QSerialPort>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include <fcntl.h>
#include <grp.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace std::chrono_literals;

namespace {
// The time-out of the tests that are not about the time-out itself; long enough for a
// summary sent at once, short enough to keep the suite quick.
constexpr auto kShortTimeout = 600ms;
constexpr auto kShortPause = 20ms;
// Slack for a loaded machine when checking that a wait ends by its time-out.
constexpr qint64 kSlackMs = 1500;

std::string text(std::string_view key) {
    if (key == "dlgError")
        return "ERROR";
    if (key == "dlgInvComM")
        return "Invalid Com Port!";
    return "text of " + std::string(key);
}

std::unique_ptr<TDeviceLink> makeLink(std::chrono::milliseconds timeout = kShortTimeout) {
    auto link = std::make_unique<TDeviceLink>(Config, text);
    link->SetTimingsForTests(timeout, kShortPause);
    return link;
}

QStringList toStrings(const std::vector<std::string>& lines) {
    QStringList strings;
    for (const auto& line : lines)
        strings << QString::fromLatin1(line.data(), qsizetype(line.size()));
    return strings;
}

JobRecord parse(const std::vector<std::string>& lines) {
    JobNamingEnv env;
    env.FileExists = [](const std::string&) { return false; };
    return ParseRunSummary(lines, Config, env);
}

// Counts the events processed during a wait, to show the caller stayed responsive, and
// how long the wait took.
class WaitProbe {
public:
    WaitProbe() {
        QObject::connect(&m_ticker, &QTimer::timeout, [this] { ++m_ticks; });
        m_ticker.start(10);
        m_clock.start();
    }
    int Ticks() const { return m_ticks; }
    qint64 Elapsed() const { return m_clock.elapsed(); }

private:
    QTimer m_ticker;
    QElapsedTimer m_clock;
    int m_ticks = 0;
};

// Makes the system refuse the device to this process for the scope: as root, which may
// open anything, by running as the unprivileged user "nobody" (real and effective, the
// saved user staying root to come back); otherwise by taking the owner's permissions away.
class Refused {
public:
    explicit Refused(const QString& device)
        : m_device(device), m_permissions(QFile::permissions(device)) {
        if (::geteuid() == 0)
            m_becameNobody = ::setresuid(65534, 65534, 0) == 0;
        else
            QFile::setPermissions(m_device, {});
    }
    ~Refused() {
        if (m_becameNobody && ::setresuid(0, 0, 0) != 0)
            qFatal("could not become root again");
        if (!m_becameNobody)
            QFile::setPermissions(m_device, m_permissions);
    }
    Refused(const Refused&) = delete;
    Refused& operator=(const Refused&) = delete;

private:
    QString m_device;
    QFile::Permissions m_permissions;
    bool m_becameNobody = false;
};

// Another process that opens the device and holds an exclusive lock on it until the end of
// the scope.
class LockHolder {
public:
    explicit LockHolder(const QString& device) {
        const QByteArray path = QFile::encodeName(device);
        int ready[2];
        int release[2];
        if (::pipe(ready) != 0 || ::pipe(release) != 0)
            return;
        m_child = ::fork();
        if (m_child == 0) {
            ::close(ready[0]);
            ::close(release[1]);
            const int fd = ::open(path.constData(), O_RDWR | O_NOCTTY);
            const char held = fd >= 0 && ::flock(fd, LOCK_EX | LOCK_NB) == 0;
            char ignored;
            if (::write(ready[1], &held, 1) == 1)
                while (::read(release[0], &ignored, 1) > 0) {
                }
            ::_exit(0);
        }
        ::close(ready[1]);
        ::close(release[0]);
        m_release = release[1];
        char held = 0;
        m_held = ::read(ready[0], &held, 1) == 1 && held;
        ::close(ready[0]);
    }
    ~LockHolder() {
        if (m_release >= 0)
            ::close(m_release);
        if (m_child > 0)
            ::waitpid(m_child, nullptr, 0);
    }
    LockHolder(const LockHolder&) = delete;
    LockHolder& operator=(const LockHolder&) = delete;
    bool Held() const { return m_held; }

private:
    pid_t m_child = -1;
    int m_release = -1;
    bool m_held = false;
};

std::string groupOf(const QString& path) {
    struct stat info {};
    if (::stat(QFile::encodeName(path).constData(), &info) != 0)
        return {};
    const group* owner = ::getgrgid(info.st_gid);
    return owner ? owner->gr_name : std::to_string(info.st_gid);
}
} // namespace

class DeviceLinkTest : public QObject {
    Q_OBJECT

    ScriptedDialogs m_dialogs;

private slots:
    void init() {
        m_dialogs = ScriptedDialogs();
        InstallDialogs(&m_dialogs);
        ResetSharedTexts();
    }
    void cleanup() { InstallDialogs(nullptr); }

    void queryKeepsTheLinesFromTheStartLineToTheEndLine_data() {
        QTest::addColumn<QByteArray>("reply");
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<bool>("result");
        QTest::addColumn<bool>("timedOut");
        QTest::newRow("text before the ? line, stop at the 0x01 line")
            << QByteArray("noise\r\n?\r\nA\r\nB\r\nx\x01y\r\nC\r\n") << QStringList{"?", "A", "B"}
            << true << false;
        QTest::newRow("0x01 line before the ? line")
            << QByteArray("\x01\r\n?\r\nA\r\n") << QStringList{} << false << false;
        QTest::newRow("empty line joins the next")
            << QByteArray("?\r\n\r\nX\r\n\x01\r\n") << QStringList{"?", "\r\nX"} << true << false;
        QTest::newRow("no ? line, no end line")
            << QByteArray("A\r\nB\r\n") << QStringList{} << false << true;
        QTest::newRow("no ? line, then an end line")
            << QByteArray("A\r\n\x01\r\n") << QStringList{} << false << false;
        QTest::newRow("no end line")
            << QByteArray("?\r\nA\r\n") << QStringList{"?", "A"} << true << true;
        QTest::newRow("NUL and 0xFF inside a line")
            << QByteArray("?\r\nA\0B\xFF\r\n\x01\r\n", 13)
            << QStringList{"?", QString::fromLatin1("A\0B\xFF", 4)} << true << false;
    }
    void queryKeepsTheLinesFromTheStartLineToTheEndLine() {
        QFETCH(QByteArray, reply);
        QFETCH(QStringList, lines);
        QFETCH(bool, result);
        QFETCH(bool, timedOut);
        SimulatedPort unit({"--fast"}, reply);
        auto link = makeLink();
        QCOMPARE(link->QueryDevice("summary", false), result);
        QCOMPARE(toStrings(link->ReplyLines), lines);
        QCOMPARE(link->ReplyTimedOut, timedOut);
        QVERIFY(!link->IsOpen());
        QVERIFY(m_dialogs.shown.empty());
    }

    void faultyUnitsEndByTheTimeOutAndLeaveTheLinkUsable_data() {
        QTest::addColumn<QStringList>("simArgs");
        QTest::addColumn<bool>("result");
        QTest::addColumn<bool>("timedOut");
        QTest::addColumn<int>("lineCount");
        QTest::newRow("never answers") << QStringList{"--fault", "silent"} << false << true << 0;
        // The sample summary's 20 lines arrive as 19: its two empty lines come as one.
        QTest::newRow("no end line") << QStringList{"--fault", "no-end"} << true << true << 19;
        QTest::newRow("0x01 line before ?")
            << QStringList{"--fault", "early-end"} << false << false << 0;
        QTest::newRow("NUL and 0xFF bytes")
            << QStringList{"--fault", "garbage"} << true << false << 20;
        QTest::newRow("1,200-character line")
            << QStringList{"--fault", "long-line"} << true << false << 20;
        QTest::newRow("no Version line")
            << QStringList{"--fault", "no-version"} << true << false << 18;
        QTest::newRow("slow, within the time-out")
            << QStringList{"--fault", "slow", "--delay", "150"} << true << false << 19;
        QTest::newRow("slow, past the time-out")
            << QStringList{"--fault", "slow", "--delay", "1500"} << false << true << 0;
    }
    void faultyUnitsEndByTheTimeOutAndLeaveTheLinkUsable() {
        QFETCH(QStringList, simArgs);
        QFETCH(bool, result);
        QFETCH(bool, timedOut);
        QFETCH(int, lineCount);
        SimulatedPort unit(QStringList{"--fast"} + simArgs);
        auto link = makeLink();
        WaitProbe probe;
        QCOMPARE(link->QueryDevice("summary", false), result);
        QCOMPARE(link->ReplyTimedOut, timedOut);
        QCOMPARE(int(link->ReplyLines.size()), lineCount);
        QVERIFY(probe.Elapsed() < (kShortTimeout + kShortPause).count() + kSlackMs);
        QVERIFY2(probe.Ticks() > 0, "events were processed while waiting");
        QVERIFY(!link->IsOpen());
        QVERIFY(m_dialogs.shown.empty());
        QVERIFY2(link->SendDeviceCommand("go", 250, false), "the link works on");
    }

    void garbledLinesAreKeptByteForByte() {
        SimulatedPort unit({"--fast", "--fault", "garbage"});
        auto link = makeLink();
        QVERIFY(link->QueryDevice("summary", false));
        QCOMPARE(link->ReplyLines.at(0), std::string("?"));
        QCOMPARE(link->ReplyLines.at(1), std::string("\x00\xFF", 2));
        QCOMPARE(parse(link->ReplyLines).GetJobValue("VERSION"), std::string("1.2.01"));
    }

    void longLineKeepsItsLast998Characters() {
        SimulatedPort unit({"--fast", "--fault", "long-line"});
        auto link = makeLink();
        QVERIFY(link->QueryDevice("summary", false));
        std::string sent;
        for (int i = 0; i < 1200; ++i)
            sent += char('A' + i % 26);
        QCOMPARE(link->ReplyLines.at(3), sent.substr(1200 - 998));
        QCOMPARE(link->ReplyLines.at(4), std::string("        Version 1.2.01"));
    }

    void framesGoOutByteForByte() {
        SimulatedPort unit({"--fast"});
        auto link = makeLink();
        QVERIFY(link->QueryDevice("summary", false));
        QVERIFY(link->SendDeviceCommand("batterytype=3", 250, false));
        QCOMPARE(unit.Received(), QByteArray("\x01\r\x01\r\x01summary\r"
                                             "\x01"
                                             "batterytype=3\r"));
        QCOMPARE(link->ReplyLines, std::vector<std::string>{"BatteryType=3"});
    }

    void commandWaitsForTheFirstLineOrTheWholeTime_data() {
        QTest::addColumn<bool>("waitFull");
        QTest::addColumn<int>("lineCount");
        QTest::addColumn<bool>("timedOut");
        QTest::newRow("returns at the first line") << false << 1 << false;
        QTest::newRow("wait-full collects until the time-out") << true << 20 << true;
    }
    void commandWaitsForTheFirstLineOrTheWholeTime() {
        QFETCH(bool, waitFull);
        QFETCH(int, lineCount);
        QFETCH(bool, timedOut);
        SimulatedPort unit({"--fast"});
        auto link = makeLink();
        QVERIFY(link->SendDeviceCommand("summary", 250, waitFull));
        QCOMPARE(int(link->ReplyLines.size()), lineCount);
        QCOMPARE(link->ReplyLines.front(), std::string("?"));
        QCOMPARE(link->ReplyTimedOut, timedOut);
        QCOMPARE(unit.Received(), QByteArray("\x01summary\r"));
    }

    void silentUnitFailsTheQueryAfterTheRealThreeSeconds() {
        SimulatedPort unit({"--fault", "silent"});
        auto link = makeLink(kQueryTimeout);
        WaitProbe probe;
        QVERIFY(!link->QueryShow());
        QVERIFY(probe.Elapsed() >= kQueryTimeout.count());
        QVERIFY(probe.Elapsed() < (kQueryTimeout + kShortPause).count() + kSlackMs);
        QVERIFY(probe.Ticks() > 0);
        QVERIFY(link->ReplyTimedOut);
        QVERIFY(link->ReplyLines.empty());
        QVERIFY(link->ShowValues.empty());
        QVERIFY2(link->SendDeviceCommand("save", 250, false), "a command only needs the port");
        QVERIFY(link->ReplyLines.empty());
        QVERIFY(m_dialogs.shown.empty());
    }

    void hangUpMidReplyEndsAtTheTimeOutThenThePortIsGone() {
        SimulatedPort unit({"--fast", "--fault", "hang-up"});
        auto link = makeLink();
        WaitProbe probe;
        QVERIFY(link->QueryDevice("summary", false));
        QVERIFY(link->ReplyTimedOut);
        QVERIFY(probe.Elapsed() < (kShortTimeout + kShortPause).count() + kSlackMs);
        QVERIFY(!link->ReplyLines.empty());
        QVERIFY(link->ReplyLines.size() < 20);
        QVERIFY(!link->IsOpen());
        QVERIFY(m_dialogs.shown.empty());
        // The line is dead now, like an unplugged adapter: the next exchange cannot open it.
        QTRY_VERIFY(!QFile::exists(unit.Link()));
        QVERIFY(!link->QueryDevice("summary", false));
        QCOMPARE(m_dialogs.tasks().size(), size_t(1));
        QVERIFY(!link->LastComError.empty());
    }

    void sampleSummaryAtTheRealPace() {
        SimulatedPort unit({"--model", "VELAXT", "--version", "2.0.3"});
        auto link = makeLink(kQueryTimeout);
        JobRecord job;
        std::string version;
        QCOMPARE(link->GetDeviceVersion(version, job, parse), kQueryOk);
        QCOMPARE(version, std::string("2.0.3"));
        QCOMPARE(job.GetJobValue("MODEL"), std::string("VELAXT"));
        QVERIFY(!link->ReplyTimedOut);
        QVERIFY(link->QueryShow());
        QCOMPARE(link->ShowValues.at(1), std::string("FlowCal=1.025"));
        QVERIFY(m_dialogs.shown.empty());
    }

    void unitKeepsWhatItIsSent_data() {
        QTest::addColumn<QStringList>("commands");
        QTest::addColumn<QString>("query");
        QTest::addColumn<QString>("line");
        QTest::newRow("battery type") << QStringList{"batterytype=3"} << "show"
                                      << "BatteryType=3";
        QTest::newRow("battery type out of range") << QStringList{"batterytype=7"} << "show"
                                                   << "BatteryType=0";
        QTest::newRow("calibration variable, any case") << QStringList{"flowcal=1.1"} << "show"
                                                        << "FlowCal=1.1";
        QTest::newRow("restore brings the defaults back")
            << QStringList{"FlowCal=1.1", "restore"} << "show"
            << "FlowCal=1.025";
        QTest::newRow("run set-up value") << QStringList{"delayminutes=31", "run"} << "runinfo"
                                          << "DelayMinutes=31";
        QTest::newRow("clock field") << QStringList{"year=2031"} << "runinfo"
                                     << "Clock2031-";
    }
    void unitKeepsWhatItIsSent() {
        QFETCH(QStringList, commands);
        QFETCH(QString, query);
        QFETCH(QString, line);
        SimulatedPort unit({"--fast"});
        auto link = makeLink();
        for (const QString& command : commands)
            QVERIFY(link->SendDeviceCommand(command.toStdString(), 250, false));
        QVERIFY(query == "show" ? link->QueryShow() : link->QueryDevice("runinfo", false));
        QStringList lines = toStrings(query == "show" ? link->ShowValues : link->ReplyLines);
        lines.replaceInStrings(" ", "");
        QVERIFY2(lines.filter(line).size() == 1, qPrintable(lines.join('|')));
    }

    void modelQueryFailures_data() {
        QTest::addColumn<QStringList>("simArgs");
        QTest::addColumn<QByteArray>("reply");
        QTest::addColumn<int>("port");
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("box");
        QTest::newRow("no port configured")
            << QStringList{} << QByteArray() << 0 << kQueryNoPort << "text of dlgNoComM";
        QTest::newRow("port cannot be opened")
            << QStringList{} << QByteArray() << 9 << kQueryPortFailed << "Invalid Com Port!";
        QTest::newRow("unit silent") << QStringList{"--fault", "silent"} << QByteArray() << 5
                                     << kQueryNoReply << "text of dlgNoRespM";
        QTest::newRow("no Version line") << QStringList{"--fault", "no-version"} << QByteArray()
                                         << 5 << kQueryInvalidReply << "text of dlgInvRespM";
        QTest::newRow("version but no model")
            << QStringList{} << QByteArray("?\r\nVersion 1.0\r\n\x01\r\n") << 5
            << kQueryInvalidReply << "";
    }
    void modelQueryFailures() {
        QFETCH(QStringList, simArgs);
        QFETCH(QByteArray, reply);
        QFETCH(int, port);
        QFETCH(int, code);
        QFETCH(QString, box);
        SimulatedPort unit(QStringList{"--fast"} + simArgs, reply);
        unit.MapPort(9, "/nonexistent/tty");
        Config.Port = port;
        auto link = makeLink();
        JobRecord job;
        std::string model = "old";
        QCOMPARE(link->GetDeviceModel(model, job, parse), code);
        QCOMPARE(model, std::string());
        QStringList shown;
        for (const auto& dialog : m_dialogs.tasks())
            shown << QString::fromStdString(dialog.task.instruction);
        QCOMPARE(shown, box.isEmpty() ? QStringList{} : QStringList{box});
        if (port != 5)
            QVERIFY2(unit.Received().isEmpty(), "no traffic without a usable port");
    }

    void startComKeepsAnOpenPort() {
        SimulatedPort unit({"--fast"});
        auto link = makeLink();
        QVERIFY(link->StartCom(5, false));
        QSignalSpy closing(link->findChild<QSerialPort*>(), &QIODevice::aboutToClose);
        QVERIFY(link->StartCom(5, false));
        QCOMPARE(closing.count(), 0);
        QVERIFY(link->IsOpen());
        link->StopCom();
        QCOMPARE(closing.count(), 1);
        QVERIFY(!link->IsOpen());
    }

    void startComMovesToAnotherNumber() {
        SimulatedPort other({"--fast"});
        SimulatedPort unit({"--fast"});
        unit.MapPort(6, other.Link());
        auto link = makeLink();
        QVERIFY(link->StartCom(5, false));
        QSignalSpy closing(link->findChild<QSerialPort*>(), &QIODevice::aboutToClose);
        QVERIFY(link->StartCom(6, false));
        QCOMPARE(closing.count(), 1);
        QCOMPARE(link->OpenPortNumber(), 6);
        link->WriteToPort("\x01go\r");
        link->StopCom();
        QCOMPARE(other.Received(), QByteArray("\x01go\r"));
        QVERIFY(unit.Received().isEmpty());
    }

    void portsThatCannotBeOpened_data() {
        QTest::addColumn<int>("port");
        QTest::addColumn<QString>("device");
        QTest::addColumn<bool>("quiet");
        QTest::addColumn<QString>("reason");
        QTest::newRow("absent device")
            << 7 << "/nonexistent/ttyVRX" << false << "No such file or directory";
        QTest::newRow("a folder, not a device") << 7 << "/" << false << "Is a directory";
        QTest::newRow("number without a device")
            << 200 << "" << false << "Specified device not found (COM200).";
        QTest::newRow("permission denied") << 7 << "unit, refused" << false << "Permission denied";
        QTest::newRow("in use by another process")
            << 7 << "unit, locked" << false << "in use by another program";
        QTest::newRow("quiet: no box")
            << 7 << "/nonexistent/ttyVRX" << true << "No such file or directory";
    }
    void portsThatCannotBeOpened() {
        QFETCH(int, port);
        QFETCH(QString, device);
        QFETCH(bool, quiet);
        QFETCH(QString, reason);
        SimulatedPort unit({"--fast"});
        const QString path = device.startsWith("unit") ? unit.Device() : device;
        if (!path.isEmpty())
            unit.MapPort(7, path);
        auto link = makeLink();
        QVERIFY(link->StartCom(5, false));
        link->StopCom();

        Config.Port = port;
        bool opened = true;
        if (device == "unit, locked") {
            LockHolder holder(path);
            QVERIFY(holder.Held());
            opened = link->QueryDevice("summary", quiet);
        } else if (device == "unit, refused") {
            // The settings stay readable; only the device is refused.
            const auto readable =
                QFile::ReadGroup | QFile::ExeGroup | QFile::ReadOther | QFile::ExeOther;
            const QString folder = unit.Folder();
            QVERIFY(QFile::setPermissions(folder, QFile::permissions(folder) | readable));
            Refused refused(path);
            opened = link->QueryDevice("summary", quiet);
        } else {
            opened = link->QueryDevice("summary", quiet);
        }

        QVERIFY(!opened);
        QCOMPARE(link->OpenPortNumber(), 5);
        const QString error = QString::fromStdString(link->LastComError);
        QVERIFY2(error.contains(reason) && error.contains(path), qPrintable(error));
        const QString groupHint = QString("group '%1'").arg(groupOf(path).c_str());
        QCOMPARE(error.contains(groupHint), device == "unit, refused");
        const auto tasks = m_dialogs.tasks();
        QCOMPARE(tasks.size(), size_t(quiet ? 0 : 1));
        if (!quiet) {
            QCOMPARE(tasks[0].task.title, std::string("ERROR"));
            QCOMPARE(tasks[0].task.instruction, std::string("Invalid Com Port!"));
            QCOMPARE(tasks[0].task.content, std::string("text of dlgInvComC"));
            QCOMPARE(tasks[0].task.footer, std::string("text of dlgInvComH"));
        }
        QVERIFY(unit.Received().isEmpty());
        Config.Port = 5;
        QVERIFY2(link->QueryDevice("summary", false), "the configured port works on");
    }

    void noPortConfiguredIsSilentAndWritesNothing() {
        SimulatedPort unit({"--fast"});
        Config.Port = 0;
        auto link = makeLink();
        QVERIFY(!link->StartCom(5, false));
        QVERIFY(!link->QueryDevice("summary", false));
        QVERIFY(!link->SendDeviceCommand("save", 250, false));
        link->WriteToPort("\x01go\r");
        QVERIFY(m_dialogs.shown.empty());
        QVERIFY(unit.Received().isEmpty());
    }

    void anotherWindowSeesTheBytesOnTheOpenPort() {
        SimulatedPort unit({"--fast"});
        auto link = makeLink();
        LineCapture terminal;
        terminal.Active = true;
        std::vector<std::string> lines;
        terminal.OnMessage = [&](const std::string& m) { lines.push_back(m); };
        connect(link.get(), &TDeviceLink::bytesReceived, this, [&](const QByteArray& bytes) {
            terminal.Feed(std::string_view(bytes.constData(), size_t(bytes.size())));
        });
        QVERIFY(link->StartCom(Config.Port, false));
        link->WriteToPort("\x01go\r");
        QTRY_COMPARE(lines, std::vector<std::string>{"Pump on\r"});
        link->StopCom();
        QCOMPARE(unit.Received(), QByteArray("\x01go\r"));
    }

    void diagnosticLinesGoToTheDeviceCategory() {
        SimulatedPort unit({"--fast"}, QByteArray("?\r\n A \r\n\x01\r\n"));
        QLoggingCategory::setFilterRules("vrxlink.device.debug=true");
        auto link = makeLink();
        QTest::ignoreMessage(QtDebugMsg, "StartCom(Port 5)");
        QTest::ignoreMessage(QtDebugMsg, "Data1:\"?\"");
        QTest::ignoreMessage(QtDebugMsg, "Data1:\"A\"");
        QTest::ignoreMessage(QtDebugMsg, "Data1:\"\"");
        QVERIFY(link->QueryDevice("summary", false));
        QLoggingCategory::setFilterRules("vrxlink.device.debug=false");
    }
};

QTEST_GUILESS_MAIN(DeviceLinkTest)
#include "DeviceLinkTest.moc"
