#include "DeviceLink.h"
#include "RunSummaryParser.h"
#include "SafeFile.h"
#include "ScriptedDialogs.h"
#include "uVRXCommon.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QSerialPort>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

using namespace std::chrono_literals;

namespace {
std::string text(std::string_view key) {
    if (key == "dlgError")
        return "ERROR";
    if (key == "dlgInvComM")
        return "Invalid Com Port!";
    return "text of " + std::string(key);
}
} // namespace

// A program folder whose settings map COM5 to a simulated unit's pseudo-terminal.
class SimulatedPort {
public:
    explicit SimulatedPort(QStringList simArgs, const std::string& extraPorts = "") {
        ExeDir = m_folder.path().toStdString() + "/";
        const QString link = m_folder.filePath("unit");
        WriteFileSafely(SettingsFilePath(), "[Settings]\r\nPORT=5\r\n[Ports]\r\nCOM5=" +
                                                link.toStdString() + "\r\n" + extraPorts);
        Config = ReadSettingsFrom(ReadWholeFile(SettingsFilePath()).value());
        m_sim.start(VRXLINK_SIM, QStringList{"--link", link, "--transcript", transcript()} + simArgs);
        m_sim.waitForReadyRead(5000);
    }
    ~SimulatedPort() {
        m_sim.terminate();
        m_sim.waitForFinished(3000);
    }
    QString transcript() const { return m_folder.filePath("transcript.bin"); }
    QByteArray sent() const {
        QFile f(transcript());
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    QString writeReply(const QByteArray& bytes) {
        QFile f(m_folder.filePath("reply.bin"));
        f.open(QIODevice::WriteOnly);
        f.write(bytes);
        return f.fileName();
    }
    QString folder() const { return m_folder.path(); }

private:
    QTemporaryDir m_folder;
    QProcess m_sim;
};

class DeviceLinkTest : public QObject {
    Q_OBJECT

    ScriptedDialogs m_dialogs;

    static std::unique_ptr<TDeviceLink> makeLink(bool quick = true) {
        auto link = std::make_unique<TDeviceLink>(Config, text);
        if (quick)
            link->SetTimingsForTests(600ms, 20ms);
        return link;
    }

private slots:
    void init() {
        m_dialogs = ScriptedDialogs();
        InstallDialogs(&m_dialogs);
        ResetSharedTexts();
    }

    void queryRepliesFollowTheStartAndEndLines_data() {
        QTest::addColumn<QByteArray>("reply");
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<bool>("result");
        QTest::addColumn<bool>("timedOut");
        QTest::newRow("text before the ? line") << QByteArray("noise\r\n?\r\nA\r\nB\r\nx\x01y\r\nC\r\n")
                                                << QStringList{"?", "A", "B"} << true << false;
        QTest::newRow("end line before ? line") << QByteArray("\x01\r\n?\r\nA\r\n")
                                                << QStringList{} << false << false;
        QTest::newRow("empty line joins the next") << QByteArray("?\r\n\r\nX\r\n\x01\r\n")
                                                   << QStringList{"?", "\r\nX"} << true << false;
        QTest::newRow("no ? line") << QByteArray("A\r\nB\r\n") << QStringList{} << false << true;
        QTest::newRow("no end line") << QByteArray("?\r\nA\r\n") << QStringList{"?", "A"} << true
                                     << true;
        QTest::newRow("nul and 0xFF bytes")
            << QByteArray("?\r\nA\0B\xFF\r\n\x01\r\n", 13) << QStringList{"?", QString::fromLatin1("A\0B\xFF", 4)}
            << true << false;
    }
    void queryRepliesFollowTheStartAndEndLines() {
        QFETCH(QByteArray, reply);
        QFETCH(QStringList, lines);
        QFETCH(bool, result);
        QFETCH(bool, timedOut);
        SimulatedPort port({"--fast"});
        SimulatedPort scripted({"--fast", "--reply", port.writeReply(reply)});
        auto link = makeLink();
        QCOMPARE(link->QueryDevice("summary", false), result);
        QStringList got;
        for (const auto& l : link->ReplyLines)
            got << QString::fromLatin1(l.data(), qsizetype(l.size()));
        QCOMPARE(got, lines);
        QCOMPARE(link->ReplyTimedOut, timedOut);
        QVERIFY(!link->IsOpen());
        QVERIFY(m_dialogs.shown.empty());
    }

    void longLineKeepsItsLastCharacters() {
        SimulatedPort port({"--fast", "--fault", "long-line"});
        auto link = makeLink();
        QVERIFY(link->QueryDevice("summary", false));
        QCOMPARE(link->ReplyLines.at(3), std::string(998, 'L'));
        QCOMPARE(link->ReplyLines.at(4), std::string("        Version 1.2.01"));
    }

    void framesAreSentByteForByte() {
        SimulatedPort port({"--fast"});
        auto link = makeLink();
        QVERIFY(link->QueryDevice("summary", false));
        QVERIFY(link->SendDeviceCommand("save", 250, false));
        QCOMPARE(port.sent(), QByteArray("\x01\r\x01\r\x01summary\r\x01save\r"));
    }

    void commandReturnsAtTheFirstLine() {
        SimulatedPort port({"--fast"});
        auto link = makeLink();
        QVERIFY(link->SendDeviceCommand("show", 1000, false));
        QCOMPARE(link->ReplyLines, std::vector<std::string>{"?"});
        QVERIFY(!link->ReplyTimedOut);
    }

    void silentUnitTimesOutAfterTheRealThreeSeconds() {
        SimulatedPort port({"--fault", "silent"});
        auto link = makeLink(false);
        QElapsedTimer clock;
        clock.start();
        QVERIFY(!link->QueryDevice("summary", false));
        QVERIFY(link->ReplyTimedOut);
        QVERIFY(link->ReplyLines.empty());
        QVERIFY(clock.elapsed() >= 3000);
        QVERIFY2(link->SendDeviceCommand("save", 250, false), "a command only needs the port");
        QVERIFY(link->ReplyLines.empty());
        QVERIFY(m_dialogs.shown.empty());
    }

    void hangUpMidReplyEndsAtTheTimeOut() {
        SimulatedPort port({"--fault", "hang-up"});
        auto link = makeLink();
        QVERIFY(link->QueryDevice("summary", false));
        QVERIFY(link->ReplyTimedOut);
        QVERIFY(!link->ReplyLines.empty());
        QVERIFY(link->ReplyLines.size() < 20);
        QVERIFY(!link->IsOpen());
    }

    void realPaceSummaryParses() {
        SimulatedPort port({"--model", "VELAXT", "--version", "2.0.3"});
        auto link = makeLink();
        link->SetTimingsForTests(kQueryTimeout, 20ms);
        JobRecord job;
        std::string version;
        const auto parse = [](const std::vector<std::string>& lines) {
            JobNamingEnv env;
            env.FileExists = [](const std::string&) { return false; };
            return ParseRunSummary(lines, Config, env);
        };
        QCOMPARE(link->GetDeviceVersion(version, job, parse), kQueryOk);
        QCOMPARE(version, std::string("2.0.3"));
        QCOMPARE(job.GetJobValue("MODEL"), std::string("VELAXT"));
        QVERIFY(link->QueryShow());
        QCOMPARE(link->ShowValues.at(1), std::string("FlowCal=1.025"));
    }

    void modelQueryFailures() {
        const auto parse = [](const std::vector<std::string>& lines) {
            JobNamingEnv env;
            env.FileExists = [](const std::string&) { return false; };
            return ParseRunSummary(lines, Config, env);
        };
        {
            SimulatedPort port({"--fast", "--fault", "no-version"});
            auto link = makeLink();
            JobRecord job;
            std::string model;
            QCOMPARE(link->GetDeviceModel(model, job, parse), kQueryInvalidReply);
            QCOMPARE(m_dialogs.tasks().size(), size_t(1));
            QCOMPARE(m_dialogs.tasks()[0].task.instruction, std::string("text of dlgInvRespM"));
        }
        m_dialogs.shown.clear();
        {
            SimulatedPort port({"--fast"});
            SimulatedPort scripted({"--fast", "--reply", port.writeReply("?\r\nVersion 1.0\r\n\x01\r\n")});
            auto link = makeLink();
            JobRecord job;
            std::string model;
            QCOMPARE(link->GetDeviceModel(model, job, parse), kQueryInvalidReply);
            QVERIFY2(m_dialogs.shown.empty(), "a version without a model shows no box");
        }
        {
            SimulatedPort port({"--fast"});
            Config.Port = 0;
            auto link = makeLink();
            JobRecord job;
            std::string model;
            QCOMPARE(link->GetDeviceModel(model, job, parse), kQueryNoPort);
            QCOMPARE(m_dialogs.tasks().back().task.instruction, std::string("text of dlgNoComM"));
            QVERIFY(port.sent().isEmpty());
        }
    }

    void startComKeepsAnOpenPort() {
        SimulatedPort port({"--fast"});
        auto link = makeLink();
        QVERIFY(link->StartCom(5, false));
        QSignalSpy closing(link->findChild<QSerialPort*>(), &QIODevice::aboutToClose);
        QVERIFY(link->StartCom(5, false));
        QCOMPARE(closing.count(), 0);
        QVERIFY(link->IsOpen());
        link->StopCom();
        QCOMPARE(closing.count(), 1);
    }

    void portsThatCannotBeOpened_data() {
        QTest::addColumn<int>("portNumber");
        QTest::addColumn<QString>("reason");
        QTest::newRow("absent device") << 7 << "/nonexistent/ttyVRX";
        QTest::newRow("a folder, not a device") << 8 << "/";
        QTest::newRow("number without a device") << 200 << "COM200";
    }
    void portsThatCannotBeOpened() {
        QFETCH(int, portNumber);
        QFETCH(QString, reason);
        SimulatedPort port({"--fast"}, "COM7=/nonexistent/ttyVRX\r\nCOM8=/\r\n");
        auto link = makeLink();
        QVERIFY(link->StartCom(5, false));
        link->StopCom();
        Config.Port = portNumber;
        QVERIFY(!link->QueryDevice("summary", false));
        QCOMPARE(link->OpenPortNumber(), 5);
        QVERIFY2(QString::fromStdString(link->LastComError).contains(reason), link->LastComError.c_str());
        const auto tasks = m_dialogs.tasks();
        QCOMPARE(tasks.size(), size_t(1));
        QCOMPARE(tasks[0].task.instruction, std::string("Invalid Com Port!"));
        QVERIFY(port.sent().isEmpty());
    }

    void portInUseByAnotherProcess() {
        SimulatedPort port({"--fast"});
        const QString device = port.folder() + "/unit";
        QProcess holder;
        holder.start("python3", {"-c",
                                 "import fcntl,os,sys,time,termios\n"
                                 "fd=os.open(sys.argv[1],os.O_RDWR|os.O_NOCTTY)\n"
                                 "fcntl.flock(fd,fcntl.LOCK_EX|fcntl.LOCK_NB)\n"
                                 "print('held',flush=True)\n"
                                 "time.sleep(30)\n",
                                 device});
        QVERIFY(holder.waitForReadyRead(5000));
        auto link = makeLink();
        const bool opened = link->StartCom(5, true);
        holder.kill();
        holder.waitForFinished();
        QVERIFY2(!opened, "a port locked by another process must not be shared");
        QVERIFY(!link->LastComError.empty());
        QVERIFY2(m_dialogs.shown.empty(), "quiet: no box");
    }

    void noPortConfiguredIsSilent() {
        SimulatedPort port({"--fast"});
        Config.Port = 0;
        auto link = makeLink();
        QVERIFY(!link->QueryDevice("summary", false));
        QVERIFY(!link->SendDeviceCommand("save", 250, false));
        QVERIFY(m_dialogs.shown.empty());
        QVERIFY(port.sent().isEmpty());
    }
};

QTEST_GUILESS_MAIN(DeviceLinkTest)
#include "DeviceLinkTest.moc"
