#include "TestFiles.h"
#include "WindowTestEnv.h"
#include "fVRXJob.h"
#include "fVRXLink.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPlainTextEdit>
#include <QPointer>
#include <QProcess>
#include <QPushButton>
#include <QTest>

#include <algorithm>

namespace {
std::string recordText(const QStringList& lines) {
    std::string text;
    for (const QString& line : lines)
        text += line.toLatin1().toStdString() + "\r\n";
    return text;
}

QString cell(const TfrmJob* job, const char* name) {
    return job->findChild<QLabel*>(name)->text();
}

QLineEdit* field(const TfrmJob* job, const char* name) {
    return job->findChild<QLineEdit*>(name);
}

// Lets windows closed with delete-on-close go away.
void flushDeletes() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

const QStringList kWeighable = {"NAME=VRX VELA Air Sampling System", "VERSION=1.2.01", "SN=00099",
                                "M3A=24.0", "M3S=23.5"};
} // namespace

class JobWindowTest : public QObject {
    Q_OBJECT

    std::unique_ptr<WindowTestEnv> m_env;
    std::unique_ptr<TfrmVRXLink> m_main;

    // Opens a job window on a record as the download command does: unsaved, to be saved as
    // JOB1.VLA in the test's folder.
    TfrmJob* openDownloaded(QStringList lines) {
        lines << "JOBFILE=JOB1.VLA"
              << "JOBDIR=" + m_env->folder.path();
        auto* job = new TfrmJob(m_main.get());
        job->JobData.SetJobRecordText(recordText(lines));
        job->show();
        return job;
    }

    // Writes a job file and opens it with Open Job.
    TfrmJob* openFile(const QString& name, const QStringList& lines) {
        writeFile(m_env->path(name), QByteArray::fromStdString(recordText(lines)));
        m_env->dialogs.fileAnswers = {m_env->path(name).toStdString()};
        const auto before = m_main->findChildren<TfrmJob*>();
        m_main->actOpen->trigger();
        const auto after = m_main->findChildren<TfrmJob*>();
        return after.size() == before.size() + 1 ? after.back() : nullptr;
    }

    QString jobFile() const { return m_env->path("JOB1.VLA"); }

private slots:
    void init() {
        m_env = std::make_unique<WindowTestEnv>();
        m_main = std::make_unique<TfrmVRXLink>();
        m_main->show();
    }
    void cleanup() {
        m_main.reset();
        m_env.reset();
    }

    void weightsGiveGainAndConcentrations_data() {
        QTest::addColumn<QStringList>("volumes");
        QTest::addColumn<QString>("finalWt");
        QTest::addColumn<QString>("initialWt");
        QTest::addColumn<QString>("deltaWt");
        QTest::addColumn<QString>("actConc");
        QTest::addColumn<QString>("stdConc");
        QTest::addColumn<QString>("m3s");
        const QStringList both = {"M3A=24.0", "M3S=23.5"};
        QTest::newRow("weighed filter") << both << "1.250"
                                        << "1.000"
                                        << "0.250  "
                                        << "10.417  "
                                        << "10.638  "
                                        << "23.5";
        QTest::newRow("fresh download, empty weights")
            << QStringList{"M3A=0.001", "M3S=0.002"} << ""
            << ""
            << "0.000  "
            << "0.000  "
            << "0.000  "
            << "0.002";
        QTest::newRow("negative gain") << both << "1.000"
                                       << "1.250"
                                       << "-0.250  "
                                       << "-10.417  "
                                       << "-10.638  "
                                       << "23.5";
        QTest::newRow("no M3S") << QStringList{"M3A=24.0"} << "1.250"
                                << "1.000"
                                << "0.250  "
                                << "10.417  "
                                << "N/A  "
                                << "N/A";
        QTest::newRow("M3A 0") << QStringList{"M3A=0", "M3S=23.5"} << "1.250"
                               << "1.000"
                               << "0.250  "
                               << "ERR  "
                               << "10.638  "
                               << "23.5";
        QTest::newRow("M3A abc") << QStringList{"M3A=abc", "M3S=23.5"} << "1.250"
                                 << "1.000"
                                 << "0.250  "
                                 << "ERR  "
                                 << "10.638  "
                                 << "23.5";
        QTest::newRow("M3A absent") << QStringList{"M3S=23.5"} << "1.250"
                                    << "1.000"
                                    << "0.250  "
                                    << "ERR  "
                                    << "10.638  "
                                    << "23.5";
        QTest::newRow("M3S empty") << QStringList{"M3A=24.0", "M3S="} << "1.250"
                                   << "1.000"
                                   << "0.250  "
                                   << "10.417  "
                                   << "ERR  "
                                   << "";
        QTest::newRow("two M3A lines, the first counts")
            << QStringList{"M3A=24.0", "M3A=12.0", "M3S=23.5"} << "1.250"
            << "1.000"
            << "0.250  "
            << "10.417  "
            << "10.638  "
            << "23.5";
        QTest::newRow("volumes with blanks") << QStringList{"M3A= 24.0 ", "M3S=23.5  "} << "1.250"
                                             << "1"
                                             << "0.250  "
                                             << "10.417  "
                                             << "10.638  "
                                             << "23.5  ";
    }
    void weightsGiveGainAndConcentrations() {
        QFETCH(QStringList, volumes);
        QFETCH(QString, finalWt);
        QFETCH(QString, initialWt);
        QFETCH(QString, deltaWt);
        QFETCH(QString, actConc);
        QFETCH(QString, stdConc);
        QFETCH(QString, m3s);
        TfrmJob* job = openDownloaded(QStringList{"VERSION=1.2.01"} + volumes);
        QTest::keyClicks(field(job, "edtFinalWt"), finalWt);
        QTest::keyClicks(field(job, "edtInitialWt"), initialWt);
        QCOMPARE(cell(job, "dspDeltaWt"), deltaWt);
        QCOMPARE(cell(job, "dspActConc"), actConc);
        QCOMPARE(cell(job, "dspStdConc"), stdConc);
        QCOMPARE(cell(job, "lblM3S"), m3s);
        QVERIFY(m_env->dialogs.shown.empty());
    }

    void weightsInTheRecordAreShownWithThreeDecimals_data() {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("shown");
        QTest::newRow("two decimals") << "1.25"
                                      << "1.250";
        QTest::newRow("written under a decimal-comma locale") << "1,250"
                                                              << "1.250";
        QTest::newRow("blanks around") << " 2 "
                                       << "2.000";
        QTest::newRow("exponent") << "1e1"
                                  << "10.000";
        QTest::newRow("empty") << ""
                               << "";
        QTest::newRow("not a number") << "abc"
                                      << "";
    }
    void weightsInTheRecordAreShownWithThreeDecimals() {
        QFETCH(QString, stored);
        QFETCH(QString, shown);
        TfrmJob* job = openFile("W.VLA", kWeighable + QStringList{"FINALWT=" + stored});
        QVERIFY(job);
        QCOMPARE(field(job, "edtFinalWt")->text(), shown);
        QVERIFY2(!job->DataChanged, "filling the fields is not an edit");
    }

    // Weights typed and saved under a decimal-comma locale come back, and the record of a
    // decimal-point locale opens there too. Qt reads the locale once, from the environment,
    // so this runs in a child process of this test program.
    void decimalCommaLocaleRoundTrip() {
        if (qEnvironmentVariableIsSet("JOB_WINDOW_TEST_COMMA_CHILD")) {
            QCOMPARE(QLocale::system().decimalPoint(), QString(","));
            TfrmJob* job = openDownloaded(kWeighable);
            QTest::keyClicks(field(job, "edtFinalWt"), "1,25");
            QTest::keyClicks(field(job, "edtInitialWt"), "1");
            QCOMPARE(cell(job, "dspDeltaWt"), QString("0,250  "));
            QCOMPARE(cell(job, "dspActConc"), QString("10,417  "));
            QVERIFY(job->btnSaveClick());
            const QStringList saved = fileLines(jobFile());
            QVERIFY(saved.contains("FINALWT=1,250"));
            QVERIFY(saved.contains("INITIALWT=1,000"));
            TfrmJob* reopened = openFile("JOB1.VLA", saved);
            QVERIFY(reopened);
            QCOMPARE(field(reopened, "edtFinalWt")->text(), QString("1,250"));
            TfrmJob* pointFile = openFile("P.VLA", kWeighable + QStringList{"FINALWT=1.250"});
            QVERIFY(pointFile);
            QCOMPARE(field(pointFile, "edtFinalWt")->text(), QString("1,250"));
            return;
        }
        QProcess child;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("LC_ALL", "de_DE.UTF-8");
        env.insert("JOB_WINDOW_TEST_COMMA_CHILD", "1");
        child.setProcessEnvironment(env);
        child.setProcessChannelMode(QProcess::ForwardedChannels);
        child.start(QCoreApplication::applicationFilePath(), {"decimalCommaLocaleRoundTrip"});
        QVERIFY(child.waitForFinished(60000));
        QCOMPARE(child.exitCode(), 0);
    }

    void weightFieldsTakeNumbersOnly_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("kept");
        QTest::newRow("letters refused") << "1a2"
                                         << "12";
        QTest::newRow("sign, point and blank") << "-1.5 "
                                               << "-1.5 ";
        QTest::newRow("comma refused under a decimal point") << "1,5"
                                                             << "15";
        QTest::newRow("at most 14 characters") << "12345678901234567"
                                               << "12345678901234";
    }
    void weightFieldsTakeNumbersOnly() {
        QFETCH(QString, typed);
        QFETCH(QString, kept);
        TfrmJob* job = openDownloaded(kWeighable);
        for (const char* name : {"edtFinalWt", "edtInitialWt"}) {
            QTest::keyClicks(field(job, name), typed);
            QCOMPARE(field(job, name)->text(), kept);
        }
    }

    void notesAreRenumberedWhenSaved() {
        TfrmJob* job = openFile("N.VLA", kWeighable + QStringList{"NOTE2=third", "NOTE0=first"});
        QVERIFY(job);
        auto* notes = job->findChild<QPlainTextEdit*>("memNotes");
        QCOMPARE(notes->toPlainText(), QString("first\nthird"));
        QTest::keyClick(job, Qt::Key_S, Qt::ControlModifier);
        const QStringList saved = fileLines(m_env->path("N.VLA"));
        QCOMPARE(saved.filter("NOTE"), (QStringList{"NOTE0=first", "NOTE1=third"}));

        notes->setPlainText("one\n\nthree");
        QVERIFY(job->btnSaveClick());
        QCOMPARE(fileLines(m_env->path("N.VLA")).filter("NOTE"),
                 (QStringList{"NOTE0=one", "NOTE1=", "NOTE2=three"}));
    }

    void notesEditsAloneCloseWithoutAQuestion() {
        const QStringList lines = kWeighable + QStringList{"NOTE0=kept"};
        QPointer<TfrmJob> job = openFile("N.VLA", lines);
        QVERIFY(job);
        QTest::keyClicks(job->findChild<QPlainTextEdit*>("memNotes"), " more");
        QVERIFY(!job->DataChanged);
        QTest::keyClick(job, Qt::Key_Escape);
        flushDeletes();
        QVERIFY(job.isNull());
        QVERIFY(m_env->dialogs.tasks().empty());
        QCOMPARE(fileLines(m_env->path("N.VLA")), lines);
    }

    void closingAnUnsavedJobAsks_data() {
        QTest::addColumn<int>("answer");
        QTest::addColumn<bool>("saved");
        QTest::addColumn<bool>("stillOpen");
        QTest::newRow("Yes saves and closes") << kFirstButtonResult << true << false;
        QTest::newRow("No closes without saving") << kFirstButtonResult + 1 << false << false;
        QTest::newRow("Cancel keeps it open") << kFirstButtonResult + 2 << false << true;
    }
    void closingAnUnsavedJobAsks() {
        QFETCH(int, answer);
        QFETCH(bool, saved);
        QFETCH(bool, stillOpen);
        QPointer<TfrmJob> job = openDownloaded(kWeighable);
        QTest::keyClicks(field(job, "edtFinalWt"), "1.250");
        m_env->dialogs.taskAnswers = {answer};
        QTest::keyClick(field(job, "edtFinalWt"), Qt::Key_Escape);
        flushDeletes();

        const auto tasks = m_env->dialogs.tasks();
        QCOMPARE(tasks.size(), size_t(1));
        const TaskDialogRequest& q = tasks[0].task;
        QCOMPARE(q.title, std::string("Job Data Changed"));
        QCOMPARE(q.instruction, std::string("Save Changes?"));
        QCOMPARE(q.content, std::string("The Job Data has changed.\n"
                                        "If you want to save the changes you made click Yes.\n"
                                        "To close without saving your changes click No.\n"
                                        "To not close the Job file click Cancel"));
        QCOMPARE(q.buttons, (std::vector<std::string>{"Yes", "No", "Cancel"}));
        QCOMPARE(QFile::exists(jobFile()), saved);
        if (saved)
            QVERIFY(fileLines(jobFile()).contains("FINALWT=1.250"));
        QCOMPARE(!job.isNull(), stillOpen);
        if (stillOpen)
            QCOMPARE(field(job, "edtFinalWt")->text(), QString("1.250"));
    }

    void hotKeys_data() {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<QString>("plainMessage");
        QTest::addColumn<bool>("printDialog");
        QTest::addColumn<bool>("saved");
        QTest::addColumn<bool>("stillOpen");
        const int ctrl = Qt::ControlModifier;
        const QString none;
        QTest::newRow("Ctrl+S saves") << int(Qt::Key_S) << ctrl << none << false << true << true;
        QTest::newRow("Ctrl+P asks for a printer")
            << int(Qt::Key_P) << ctrl << none << true << false << true;
        QTest::newRow("Ctrl+H runs help")
            << int(Qt::Key_H) << ctrl << "ERROR: Help File Not Defined!" << false << false << true;
        QTest::newRow("Ctrl+Shift+Q shows the record")
            << int(Qt::Key_Q) << int(ctrl | Qt::ShiftModifier)
            << QString::fromUtf8("NAME=Se\u00f1al\r\nM3A=24.0\r\nJOBFILE=JOB1.VLA\r\nJOBDIR=") +
                   "%1\r\n"
            << false << false << true;
        QTest::newRow("Ctrl+Esc does nothing")
            << int(Qt::Key_Escape) << ctrl << none << false << false << true;
        QTest::newRow("Shift+Esc closes the saved job")
            << int(Qt::Key_Escape) << int(Qt::ShiftModifier) << none << false << false << false;
    }
    void hotKeys() {
        QFETCH(int, key);
        QFETCH(int, modifiers);
        QFETCH(QString, plainMessage);
        QFETCH(bool, printDialog);
        QFETCH(bool, saved);
        QFETCH(bool, stillOpen);
        QPointer<TfrmJob> job = openDownloaded({QString::fromLatin1("NAME=Se\xf1"
                                                                    "al"),
                                                "M3A=24.0"});
        job->DataChanged = false; // as after a save: closing asks nothing
        QTest::keyClick(job->findChild<QLineEdit*>("edtJobCode"), Qt::Key(key),
                        Qt::KeyboardModifiers(modifiers));
        flushDeletes();

        const auto plain = m_env->dialogs.plainMessages();
        if (plainMessage.isEmpty())
            QVERIFY(plain.empty());
        else
            QCOMPARE(QString::fromStdString(plain.at(0)),
                     plainMessage.replace("%1", m_env->folder.path()));
        QVERIFY(plain.size() <= 1);
        const bool printerAsked =
            std::any_of(m_env->dialogs.shown.begin(), m_env->dialogs.shown.end(),
                        [](const ShownDialog& d) { return d.kind == ShownDialog::Kind::Print; });
        QCOMPARE(printerAsked, printDialog);
        QVERIFY(m_env->dialogs.tasks().empty());
        QCOMPARE(QFile::exists(jobFile()), saved);
        QCOMPARE(!job.isNull(), stillOpen);
    }

    void failedSaveKeepsTheWindowAndItsEdits_data() {
        QTest::addColumn<bool>("throughCloseQuestion");
        QTest::newRow("Ctrl+S") << false;
        QTest::newRow("Yes in the close question") << true;
    }
    void failedSaveKeepsTheWindowAndItsEdits() {
        QFETCH(bool, throughCloseQuestion);
        auto* job = new TfrmJob(m_main.get());
        job->JobData.SetJobRecordText(recordText(
            kWeighable + QStringList{"JOBFILE=JOB1.VLA", "JOBDIR=" + m_env->path("missing/x")}));
        job->show();
        QPointer<TfrmJob> window = job;
        QTest::keyClicks(field(job, "edtJobCode"), "Typed");
        if (throughCloseQuestion) {
            m_env->dialogs.taskAnswers = {kFirstButtonResult};
            QTest::keyClick(job, Qt::Key_Escape);
        } else {
            QTest::keyClick(job, Qt::Key_S, Qt::ControlModifier);
        }
        flushDeletes();

        const auto tasks = m_env->dialogs.tasks();
        QCOMPARE(tasks.size(), size_t(throughCloseQuestion ? 2 : 1));
        const TaskDialogRequest& error = tasks.back().task;
        QCOMPARE(error.mainIcon, TaskIcon::Error);
        QVERIFY2(QString::fromStdString(error.instruction).contains("No such file or directory"),
                 error.instruction.c_str());
        QVERIFY(!window.isNull());
        QVERIFY(job->isVisible());
        QCOMPARE(field(job, "edtJobCode")->text(), QString("Typed"));
        QVERIFY(job->DataChanged);
    }

    void freshJobNeverReplacesAFileSavedMeanwhile() {
        m_main->CreateTestJob();
        m_main->CreateTestJob();
        const auto jobs = m_main->findChildren<TfrmJob*>();
        QCOMPARE(jobs.size(), 2);
        const QString planned = cell(jobs[0], "lblJobFile");
        QCOMPARE(cell(jobs[1], "lblJobFile"), planned);
        QVERIFY(planned.endsWith("0001.VLA"));
        const QString next = planned.chopped(8) + "0002.VLA";
        const QString folder = m_env->path("JOBS") + "/";

        QVERIFY(jobs[0]->btnSaveClick());
        const QStringList first = fileLines(folder + planned);
        QVERIFY(!first.isEmpty());
        QTest::keyClicks(field(jobs[1], "edtJobCode"), "second");
        QVERIFY(jobs[1]->btnSaveClick());
        QCOMPARE(cell(jobs[1], "lblJobFile"), next);
        QCOMPARE(fileLines(folder + planned), first);
        QVERIFY(fileLines(folder + next).contains("JOBCODE=second"));

        // Saving again writes over its own file, not a third one.
        QTest::keyClicks(field(jobs[1], "edtJobCode"), "!");
        QVERIFY(jobs[1]->btnSaveClick());
        QVERIFY(fileLines(folder + next).contains("JOBCODE=second!"));
        QCOMPARE(QDir(folder).entryList(QDir::Files).size(), 2);
    }

    void printPutsTheEditsInTheReport_data() {
        QTest::addColumn<bool>("chosen");
        QTest::newRow("printer chosen") << true;
        QTest::newRow("dialog cancelled") << false;
    }
    void printPutsTheEditsInTheReport() {
        QFETCH(bool, chosen);
        TfrmJob* job = openDownloaded(kWeighable);
        QTest::keyClicks(field(job, "edtJobCode"), "J-PRINTED");
        QTest::keyClicks(field(job, "edtFinalWt"), "1.25");
        QTest::keyClicks(field(job, "edtInitialWt"), "1");
        const QString pdf = m_env->path("report.pdf");
        PrintRequest answer;
        answer.outputFile = pdf.toStdString();
        m_env->dialogs.printAnswers = {chosen ? std::optional(answer) : std::nullopt};
        job->btnPrint->click();

        QCOMPARE(QFile::exists(pdf), chosen);
        QCOMPARE(job->JobData.GetJobValue("JOBCODE"), chosen ? "J-PRINTED" : "");
        QVERIFY2(job->DataChanged, "printing is not saving");
        QVERIFY(!QFile::exists(jobFile()));
        if (!chosen)
            return;
        QProcess text;
        text.start("pdftotext", {"-layout", pdf, "-"});
        QVERIFY(text.waitForFinished(30000));
        const QString printed = QString::fromUtf8(text.readAllStandardOutput());
        QVERIFY2(printed.contains("J-PRINTED"), qPrintable(printed));
        QVERIFY2(printed.contains("10.417"), qPrintable(printed));
        QVERIFY2(printed.contains("1.250"), qPrintable(printed));
    }
};

QTEST_MAIN(JobWindowTest)
#include "JobWindowTest.moc"
