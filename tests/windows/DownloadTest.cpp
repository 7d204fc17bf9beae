// Download, Open Job and the test job, driven through the main window against vrxlink-sim
// on a real pseudo-terminal, at the unit's real speed.
#include "TestSummary.h"
#include "TestFiles.h"
#include "WindowTestEnv.h"
#include "fVRXJob.h"
#include "fVRXLink.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QProcess>
#include <QPushButton>
#include <QTest>

using namespace std::chrono_literals;

namespace {
const QByteArray kWeighedSummary = "?\r\n"
                                   "  \r\n"
                                   "VRX VELA Air Sampling System\r\n"
                                   "        Version 1.2.01\r\n"
                                   "        SN 00099\r\n"
                                   "    - Run Summary -\r\n"
                                   "\r\n"
                                   "\r\n"
                                   "Downloaded 2009  21 jan  18:15:54\r\n"
                                   "PUMP 0062:58\r\n"
                                   "M3A   24.0\r\n"
                                   "M3S   23.5\r\n"
                                   "ET 0000:00\r\n"
                                   "Qset  5.00\r\n"
                                   "Temp      18.1Min    18.2Max    18.1Avg\r\n"
                                   "BP        752Min    753Max      753Avg\r\n"
                                   "Flow Avg  4.29\r\n"
                                   "Start 09 21 jan  14:24:18\r\n"
                                   "Stop  09 21 jan  14:24:34 Code:002\r\n"
                                   "\x01\r\n";

const QByteArray kSummaryFrames = "\x01\r\x01\r\x01summary\r";

QString text(const TfrmJob* job, const char* name) {
    if (auto* label = job->findChild<QLabel*>(name))
        return label->text();
    return job->findChild<QLineEdit*>(name)->text();
}

// The job window's values that come from the unit's summary, by control.
const std::vector<std::pair<const char*, QString>> kSummaryShown = {
    {"lblSysName", "VRX VELA Air Sampling System"},
    {"lblDownloaded", "2009 21 JAN  18:15:54"},
    {"lblVersion", "1.2.01"},
    {"lblSerialNum", "00099"},
    {"lblPumpTime", "0062:58"},
    {"lblQSet", "5.00"},
    {"lblM3A", "24.0"},
    {"lblM3S", "23.5"},
    {"dspBPMax", "753"},
    {"dspBPMin", "752"},
    {"dspBPAvg", "753"},
    {"dspTaMax", "18.2"},
    {"dspTaMin", "18.1"},
    {"dspTaAvg", "18.1"},
    {"dspQMax", "---"},
    {"dspQMin", "---"},
    {"dspQAvg", "4.29"},
    {"dspStartDate", "09-21-JAN"},
    {"dspStartTime", "14:24:18"},
    {"dspStopDate", "09-21-JAN"},
    {"dspStopTime", "14:24:34"},
    {"dspET", "0000:00"},
    {"edtJobCode", "J-17"},
    {"edtSiteName", "North yard"},
};

void expectSummaryShown(const TfrmJob* job) {
    for (const auto& [name, shown] : kSummaryShown)
        QVERIFY2(text(job, name) == shown, qPrintable(QString(name) + ": " + text(job, name)));
}
} // namespace

// A program folder with a main window whose COM5 is a simulated unit.
class Rig {
public:
    explicit Rig(const QStringList& simArgs,
                 const std::string& settings = "[Settings]\r\nPORT=5\r\n",
                 const QByteArray& reply = {}) {
        QStringList args{"--link", env.path("unit"), "--transcript", transcriptPath()};
        if (!reply.isEmpty()) {
            writeFile(env.path("reply.bin"), reply);
            args << "--reply" << env.path("reply.bin");
        }
        m_sim.start(VRXLINK_SIM, args + simArgs);
        // It prints its terminal's path once the link is in place.
        if (!m_sim.waitForReadyRead(5000))
            QTest::qFail("vrxlink-sim did not start", __FILE__, __LINE__);
        env.writeSettings(settings +
                          "[Defaults]\r\nJOBCODE=J-17\r\nSITENAME=North yard\r\n"
                          "[Ports]\r\nCOM5=" +
                          env.path("unit").toStdString() + "\r\nCOM7=/nonexistent/ttyVRX\r\n");
        main = std::make_unique<TfrmVRXLink>();
        main->show();
        main->Link().SetTimingsForTests(kQueryTimeout, 20ms);
    }
    ~Rig() {
        main.reset();
        m_sim.terminate();
        if (!m_sim.waitForFinished(3000))
            m_sim.kill();
    }

    QByteArray received() const {
        QFile file(transcriptPath());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    QList<TfrmJob*> jobs() const { return main->findChildren<TfrmJob*>(); }
    void pressCtrlD() { QTest::keyClick(main.get(), Qt::Key_D, Qt::ControlModifier); }

    WindowTestEnv env;
    std::unique_ptr<TfrmVRXLink> main;

private:
    QString transcriptPath() const { return env.path("transcript.bin"); }
    QProcess m_sim;
};

class DownloadTest : public QObject {
    Q_OBJECT
private slots:
    void downloadWeighSaveAndOpenAgain() {
        Rig rig({}, "[Settings]\r\nPORT=5\r\n", kWeighedSummary);
        rig.pressCtrlD();
        QCOMPARE(rig.received(), kSummaryFrames);
        QVERIFY(rig.env.dialogs.shown.empty());
        QCOMPARE(rig.jobs().size(), 1);
        TfrmJob* job = rig.jobs()[0];
        QVERIFY(job->isVisible());
        expectSummaryShown(job);
        QCOMPARE(text(job, "dspDeltaWt"), QString("0.000  "));
        QCOMPARE(text(job, "dspActConc"), QString("0.000  "));

        QTest::keyClicks(job->edtFinalWt, "1.250");
        QTest::keyClicks(job->edtInitialWt, "1.000");
        QCOMPARE(text(job, "dspDeltaWt"), QString("0.250  "));
        QCOMPARE(text(job, "dspActConc"), QString("10.417  "));
        QCOMPARE(text(job, "dspStdConc"), QString("10.638  "));

        job->btnSave->click();
        QVERIFY(rig.env.dialogs.shown.empty());
        QVERIFY(!job->DataChanged);
        const QString saved = rig.env.path("JOBS/") + text(job, "lblJobFile");
        QVERIFY(saved.endsWith(".VLA"));
        QCOMPARE(fileLines(saved), (QStringList{"NAME=VRX VELA Air Sampling System",
                                                "MODEL=VELA",
                                                "VERSION=1.2.01",
                                                "SN=00099",
                                                "DOWNLOADED=2009 21 JAN  18:15:54",
                                                "PUMPTIME=0062:58",
                                                "M3A=24.0",
                                                "M3S=23.5",
                                                "ET=0000:00",
                                                "QSET=5.00",
                                                "TEMPMIN=18.1",
                                                "TEMPMAX=18.2",
                                                "TEMPAVG=18.1",
                                                "BPMIN=752",
                                                "BPMAX=753",
                                                "BPAVG=753",
                                                "FLOWAVG=4.29",
                                                "STARTDATE=09-21-JAN",
                                                "STARTTIME=14:24:18",
                                                "STOPDATE=09-21-JAN",
                                                "STOPTIME=14:24:34",
                                                "CODE=002",
                                                "JOBCODE=J-17",
                                                "SITENAME=North yard",
                                                "FINALWT=1.250",
                                                "INITIALWT=1.000"}));

        rig.env.dialogs.fileAnswers = {saved.toStdString()};
        QTest::keyClick(rig.main.get(), Qt::Key_O, Qt::ControlModifier);
        QCOMPARE(rig.jobs().size(), 2);
        QPointer<TfrmJob> opened = rig.jobs()[1];
        expectSummaryShown(opened);
        QCOMPARE(text(opened, "edtFinalWt"), QString("1.250"));
        QCOMPARE(text(opened, "dspStdConc"), QString("10.638  "));
        QCOMPARE(text(opened, "lblJobFile"), text(job, "lblJobFile"));
        QVERIFY(!opened->DataChanged);
        QTest::keyClick(opened, Qt::Key_Escape);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(opened.isNull());
        QVERIFY(rig.env.dialogs.tasks().empty());
    }

    void downloadFailuresShowOneBoxAndNoWindow_data() {
        QTest::addColumn<QString>("settings");
        QTest::addColumn<QStringList>("simArgs");
        QTest::addColumn<QString>("instruction");
        QTest::addColumn<QString>("content");
        QTest::addColumn<bool>("framesSent");
        QTest::newRow("no port configured") << "[Settings]\r\nPORT=0\r\n"
                                            << QStringList{} << "Com Port Not Selected!"
                                            << "A Com Port has not been configured." << false;
        QTest::newRow("port cannot be opened")
            << "[Settings]\r\nPORT=7\r\n"
            << QStringList{} << "Invalid Com Port!"
            << "The Com Port currently configured is not valid." << false;
        QTest::newRow("silent unit")
            << "[Settings]\r\nPORT=5\r\n"
            << QStringList{"--fault", "silent"} << "Device did not respond!"
            << "No respone was received from the device." << true;
        QTest::newRow("reply without Version")
            << "[Settings]\r\nPORT=5\r\n"
            << QStringList{"--fault", "no-version"} << "Invalid Response from Device!"
            << "A response was received but it was invalid." << true;
    }
    void downloadFailuresShowOneBoxAndNoWindow() {
        QFETCH(QString, settings);
        QFETCH(QStringList, simArgs);
        QFETCH(QString, instruction);
        QFETCH(QString, content);
        QFETCH(bool, framesSent);
        Rig rig(simArgs, settings.toStdString());
        bool enabledWhileShown = true;
        rig.env.dialogs.whileShown = [&](const ShownDialog&) {
            enabledWhileShown = rig.main->actDownload->isEnabled();
        };

        // The second press shows that the command is usable again at once.
        for (int press = 1; press <= 2; ++press) {
            rig.pressCtrlD();
            const auto tasks = rig.env.dialogs.tasks();
            QCOMPARE(tasks.size(), size_t(press));
            const TaskDialogRequest& box = tasks.back().task;
            QCOMPARE(box.title, std::string("ERROR"));
            QCOMPARE(box.mainIcon, TaskIcon::Error);
            QCOMPARE(QString::fromStdString(box.instruction), instruction);
            QVERIFY2(QString::fromStdString(box.content).startsWith(content), box.content.c_str());
            QCOMPARE(box.footer, std::string("You can configure the Com Port by using the "
                                             "Setup/Configuration function."));
            QVERIFY(!enabledWhileShown);
            QVERIFY(rig.main->actDownload->isEnabled());
            QVERIFY(QApplication::overrideCursor() == nullptr);
        }
        QCOMPARE(rig.env.dialogs.shown.size(), size_t(2));
        QVERIFY(rig.jobs().isEmpty());
        QCOMPARE(rig.received(), framesSent ? kSummaryFrames + kSummaryFrames : QByteArray());
    }

    void twoDownloadsOpenTwoWindowsWithTheirOwnRecords() {
        Rig rig({});
        rig.pressCtrlD();
        QCOMPARE(rig.jobs().size(), 1);
        TfrmJob* first = rig.jobs()[0];
        QTest::keyClicks(first->edtJobCode, "-first");
        QVERIFY(first->btnSaveClick());
        rig.pressCtrlD();
        QCOMPARE(rig.jobs().size(), 2);
        TfrmJob* second = rig.jobs()[1];
        QVERIFY(second->isVisible());
        QCOMPARE(text(second, "edtJobCode"), QString("J-17"));
        QCOMPARE(first->JobData.GetJobValue("JOBCODE"), std::string("J-17-first"));
        // The second download named its file after the first one's saved file.
        QVERIFY(text(first, "lblJobFile").endsWith("0001.VLA"));
        QVERIFY(text(second, "lblJobFile").endsWith("0002.VLA"));
        QCOMPARE(first->JobData.GetJobValue("JOBFILE"), text(first, "lblJobFile").toStdString());
        QVERIFY(second->DataChanged);
    }

    void openJobCancelledChangesNothing() {
        WindowTestEnv env;
        env.writeSettings("[Settings]\r\nJOBDIR=/data/jobs\r\n");
        TfrmVRXLink main;
        main.show();
        main.CreateTestJob();
        const std::string before = main.JobLines.JobRecordText();
        env.dialogs.fileAnswers = {std::nullopt};
        main.actOpen->trigger();

        QCOMPARE(env.dialogs.shown.size(), size_t(1));
        const FileDialogRequest& asked = env.dialogs.shown[0].file;
        QCOMPARE(asked.title, std::string("Select Vela Job File To Load"));
        QVERIFY2(asked.filter.starts_with("Vela Job Files (*.VLA)|*.VLA"), asked.filter.c_str());
        QCOMPARE(asked.initialDir, std::string("/data/jobs"));
        QCOMPARE(main.findChildren<TfrmJob*>().size(), 1);
        QCOMPARE(main.JobLines.JobRecordText(), before);
        QCOMPARE(main.ReplyLines(), kTestSummary);
    }

    void openJobReadsTheVlaBesideAnotherFile() {
        WindowTestEnv env;
        TfrmVRXLink main;
        main.show();
        writeFile(env.path("RUN1.TXT"), "NAME=from the text file\r\n");
        writeFile(env.path("RUN1.VLA"), "NAME=from the job file\r\nM3A=24.0\r\n");
        env.dialogs.fileAnswers = {env.path("RUN1.TXT").toStdString()};
        main.actOpen->trigger();

        QCOMPARE(main.findChildren<TfrmJob*>().size(), 1);
        TfrmJob* job = main.findChildren<TfrmJob*>()[0];
        QCOMPARE(text(job, "lblSysName"), QString("from the job file"));
        QCOMPARE(text(job, "lblJobFile"), QString("RUN1.VLA"));
        QTest::keyClicks(job->edtFilterID, "F1");
        QVERIFY(job->btnSaveClick());
        QCOMPARE(fileLines(env.path("RUN1.TXT")), QStringList{"NAME=from the text file"});
        QVERIFY(fileLines(env.path("RUN1.VLA")).contains("FILTERID=F1"));
    }

    void ctrlShiftQShowsTheLastReply() {
        WindowTestEnv env;
        TfrmVRXLink main;
        main.show();
        writeFile(env.path("A.VLA"), "NAME=x\r\n");
        const auto pressCtrlShiftQ = [&] {
            QTest::keyClick(&main, Qt::Key_Q, Qt::ControlModifier | Qt::ShiftModifier);
        };

        QTest::keyClick(&main, Qt::Key_J, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(main.findChildren<TfrmJob*>().size(), 1);
        pressCtrlShiftQ();
        std::string sample;
        for (const char* line : {"?",
                                 "  ",
                                 "VRX TEST Air Sampling System",
                                 "        Version 1.2.01",
                                 "        SN 00099",
                                 "    - Run Summary -",
                                 "",
                                 "",
                                 "Downloaded 2009  21 jan  18:15:54",
                                 "PUMP 0062:58",
                                 "TS   0.001",
                                 "M3A   0.001",
                                 "M3S   0.002",
                                 "ET 0000:00",
                                 "Qset  5.00",
                                 "Temp      18.1Min    18.1Max    18.1Avg",
                                 "BP        753Min    753Max      753Avg",
                                 "Flow Avg  4.29",
                                 "Start 09 21 jan  14:24:18",
                                 "Stop  09 21 jan  14:24:34 Code:002"})
            sample += std::string(line) + "\n";
        QCOMPARE(env.dialogs.plainMessages(), std::vector<std::string>{sample});

        env.dialogs.fileAnswers = {env.path("A.VLA").toStdString()};
        main.actOpen->trigger();
        QCOMPARE(main.findChildren<TfrmJob*>().size(), 2);
        pressCtrlShiftQ();
        QCOMPARE(env.dialogs.plainMessages().back(), std::string());
    }
};

QTEST_MAIN(DownloadTest)
#include "DownloadTest.moc"
