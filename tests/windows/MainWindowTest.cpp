#include "CmdLineRtns.h"
#include "CommandPanel.h"
#include "IniFile.h"
#include "StatusBar.h"
#include "WindowTestEnv.h"
#include "fVRXLink.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

namespace {
QString labelText(TfrmVRXLink& w, const char* name) {
    return w.findChild<QLabel*>(name)->text();
}

std::unique_ptr<TfrmVRXLink> showMainWindow() {
    auto w = std::make_unique<TfrmVRXLink>();
    w->show();
    return w;
}
} // namespace

class MainWindowTest : public QObject {
    Q_OBJECT
private slots:
    void init() { SetCmdLineArgs({}); }

    void startsWithDefaultsWithoutSettingsFile() {
        WindowTestEnv env;
        auto w = showMainWindow();
        auto* status = w->findChild<TStatusBar*>("AdvOfficeStatusBar1");
        QCOMPARE(status->PanelText(0), QString("COM 0"));
        QCOMPARE(status->PanelText(2), QString("1.1.0.3"));
        QCOMPARE(status->toolTip(), QString("Click for About"));
        QVERIFY(QDir(env.path("JOBS")).exists());
        QVERIFY(w->findChild<QWidget*>("imgTealBanner")->isVisible());
        QVERIFY(!w->findChild<QWidget*>("imgBlueBanner")->isVisible());
        QCOMPARE(w->windowTitle(), QString("VRX Link"));
        QCOMPARE(w->size(), QSize(442, 518));
        QVERIFY(labelText(*w, "lblDownload").startsWith("<U><B>Download</B></U><BR>Connect"));
        QVERIFY(labelText(*w, "lblClose").contains("Close and Exit program."));
        QCOMPARE(w->findChildren<TCommandPanel*>().size(), 7);
    }

    void showStepsFollowTheSettings_data() {
        QTest::addColumn<QString>("settings");
        QTest::addColumn<QString>("status");
        QTest::addColumn<bool>("blueBanner");
        QTest::addColumn<bool>("spanish");
        QTest::addColumn<bool>("jobsFolder");
        QTest::newRow("port and blue theme") << "[Settings]\nPORT=3\nTHEME=1\n"
                                             << "COM 3" << true << false << true;
        QTest::newRow("spanish") << "[Settings]\nLANGUAGE=1\n"
                                 << "COM 0" << false << true << true;
        QTest::newRow("language out of range stays english") << "[Settings]\nLANGUAGE=2\n"
                                                             << "COM 0" << false << false << true;
        QTest::newRow("unknown theme keeps teal") << "[Settings]\nTHEME=7\n"
                                                  << "COM 0" << false << false << true;
        QTest::newRow("blank data folder creates nothing") << "[Settings]\nJOBDIR=   \n"
                                                           << "COM 0" << false << false << false;
    }
    void showStepsFollowTheSettings() {
        QFETCH(QString, settings);
        QFETCH(QString, status);
        QFETCH(bool, blueBanner);
        QFETCH(bool, spanish);
        QFETCH(bool, jobsFolder);
        WindowTestEnv env;
        env.writeSettings(settings.toStdString());
        auto w = showMainWindow();
        QCOMPARE(w->findChild<TStatusBar*>("AdvOfficeStatusBar1")->PanelText(0), status);
        QCOMPARE(w->findChild<QWidget*>("imgBlueBanner")->isVisible(), blueBanner);
        QCOMPARE(w->findChild<QWidget*>("imgTealBanner")->isVisible(), !blueBanner);
        QCOMPARE(w->windowTitle(), spanish ? QString("Acoplamiento de VRX ") : QString("VRX Link"));
        QCOMPARE(labelText(*w, "lblHelp").contains("Ayuda y explainations"), spanish);
        QCOMPARE(w->actDownload->text(),
                 spanish ? QString("Transferencia directa") : QString("Download"));
        QCOMPARE(w->findChild<QWidget*>("AdvOfficeStatusBar1")->toolTip(),
                 spanish ? QString("Tecleo para alrededor") : QString("Click for About"));
        QCOMPARE(QDir(env.path("JOBS")).exists(), jobsFolder);
    }

    void helpOpensTheFileOfTheLanguage_data() {
        QTest::addColumn<int>("language");
        QTest::addColumn<QString>("opened");
        QTest::newRow("english") << 0 << "en help.pdf";
        QTest::newRow("spanish") << 1 << " es.pdf";
        QTest::newRow("out of range") << 2 << "";
    }
    void helpOpensTheFileOfTheLanguage() {
        QFETCH(int, language);
        QFETCH(QString, opened);
        WindowTestEnv env;
        env.writeSettings("[Settings]\nLANGUAGE=" + std::to_string(language) +
                          "\n[Help]\nENGLISH=\"en help.pdf\"\nSPANISH=\" es.pdf\"\n");
        auto w = showMainWindow();
        QTest::keyClick(w.get(), Qt::Key_H, Qt::ControlModifier);
        QCOMPARE(env.dialogs.shown.size(), size_t(1));
        const ShownDialog& d = env.dialogs.shown[0];
        if (opened.isEmpty()) {
            QCOMPARE(d.kind, ShownDialog::Kind::Plain);
            QCOMPARE(d.text, std::string("ERROR: Help File Not Defined!"));
        } else {
            QCOMPARE(d.kind, ShownDialog::Kind::Document);
            QCOMPARE(QString::fromStdString(d.text), opened);
        }
    }

    void helpThatCannotOpenShowsAnError() {
        WindowTestEnv env;
        env.writeSettings("[Help]\nENGLISH=missing.chm\n");
        env.dialogs.documentOpens = false;
        auto w = showMainWindow();
        w->actHelp->trigger();
        const auto tasks = env.dialogs.tasks();
        QCOMPARE(tasks.size(), size_t(1));
        QCOMPARE(tasks[0].task.instruction, std::string("Unable To Show Help File!"));
        QCOMPARE(tasks[0].task.mainIcon, TaskIcon::Error);
    }

    void hotKeysRunTheirCommands_data() {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<QString>("action");
        const int ctrl = Qt::ControlModifier;
        const int ctrlShift = Qt::ControlModifier | Qt::ShiftModifier;
        QTest::newRow("Ctrl+D") << int(Qt::Key_D) << ctrl << "actDownload";
        QTest::newRow("Ctrl+O") << int(Qt::Key_O) << ctrl << "actOpen";
        QTest::newRow("Ctrl+C is setup, not copy") << int(Qt::Key_C) << ctrl << "actSetup";
        QTest::newRow("Ctrl+S") << int(Qt::Key_S) << ctrl << "actSetup";
        QTest::newRow("Ctrl+R") << int(Qt::Key_R) << ctrl << "actRun";
        QTest::newRow("Ctrl+B") << int(Qt::Key_B) << ctrl << "actBattery";
        QTest::newRow("Ctrl+Shift+T") << int(Qt::Key_T) << ctrlShift << "actTalk";
        QTest::newRow("Esc") << int(Qt::Key_Escape) << 0 << "actClose";
        QTest::newRow("Shift+Esc") << int(Qt::Key_Escape) << int(Qt::ShiftModifier) << "actClose";
        QTest::newRow("Ctrl+Esc does nothing") << int(Qt::Key_Escape) << ctrl << "";
        QTest::newRow("Ctrl+Shift+D does nothing") << int(Qt::Key_D) << ctrlShift << "";
        QTest::newRow("Ctrl+Alt+D does nothing")
            << int(Qt::Key_D) << int(ctrl | Qt::AltModifier) << "";
        QTest::newRow("Ctrl+Shift+K without FACTORY") << int(Qt::Key_K) << ctrlShift << "";
    }
    void hotKeysRunTheirCommands() {
        QFETCH(int, key);
        QFETCH(int, modifiers);
        QFETCH(QString, action);
        WindowTestEnv env;
        auto w = showMainWindow();
        QList<QAction*> actions = w->findChildren<QAction*>();
        std::vector<std::unique_ptr<QSignalSpy>> spies;
        for (QAction* a : actions)
            spies.push_back(std::make_unique<QSignalSpy>(a, &QAction::triggered));
        // Commands whose windows are modal would wait for a person: close them at once.
        QTimer::singleShot(0, [] {
            if (QWidget* modal = QApplication::activeModalWidget())
                modal->close();
        });
        QTest::keyClick(w->findChild<QWidget*>("lblDownload"), Qt::Key(key),
                        Qt::KeyboardModifiers(modifiers));
        for (int i = 0; i < actions.size(); ++i)
            QCOMPARE(spies[i]->count(), actions[i]->objectName() == action ? 1 : 0);
        QCOMPARE(w->isVisible(), action != "actClose");
        if (action.isEmpty())
            QVERIFY(env.dialogs.shown.empty());
    }

    void factorySwitchEnablesCalibrate() {
        WindowTestEnv env;
        SetCmdLineArgs({"/factory"});
        auto w = showMainWindow();
        QSignalSpy cal(w->actCal, &QAction::triggered);
        QTest::keyClick(w.get(), Qt::Key_K, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(cal.count(), 1);
    }

    void hotKeyListFollowsTheSwitches_data() {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QString>("text");
        const QString base = "HELP\rCtrl-Shift-Q - Show Data Received\rCtrl-Shift-J - Create Test "
                             "Job\rCtrl-Shift-T - VRXTalk";
        QTest::newRow("none") << QStringList{} << base;
        QTest::newRow("debug") << QStringList{"-DEBUG"}
                               << base + "\rCtrl-Shift-C - Show Communications Info";
        QTest::newRow("both") << QStringList{"/factory", "/debug"}
                              << base + "\rCtrl-Shift-C - Show Communications Info"
                                        "\rCtrl-Shift-K - Calibrate";
    }
    void hotKeyListFollowsTheSwitches() {
        QFETCH(QStringList, args);
        QFETCH(QString, text);
        WindowTestEnv env;
        std::vector<std::string> argv;
        for (const QString& a : args)
            argv.push_back(a.toStdString());
        SetCmdLineArgs(argv);
        auto w = showMainWindow();
        QTest::keyClick(w.get(), Qt::Key_H, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(env.dialogs.plainMessages(), std::vector<std::string>{text.toStdString()});
    }

    void pressingAPanelLooksPressedAndRunsOnRelease() {
        WindowTestEnv env;
        auto w = showMainWindow();
        auto* panel = w->findChild<TCommandPanel*>("pnlOpen");
        QSignalSpy open(w->actOpen, &QAction::triggered);
        QTest::mousePress(panel->Label(), Qt::LeftButton);
        QVERIFY(panel->Pressed());
        QCOMPARE(open.count(), 0);
        QTest::mouseRelease(panel->Label(), Qt::LeftButton);
        QVERIFY(!panel->Pressed());
        QCOMPARE(open.count(), 1);
        QTest::mouseClick(panel->Icon(), Qt::LeftButton);
        QCOMPARE(open.count(), 2);
    }

    void closingRemembersThePosition() {
        WindowTestEnv env;
        env.writeSettings("[Help]\nENGLISH=keep.pdf\n");
        {
            auto w = showMainWindow();
            w->move(37, 41);
            w->close();
        }
        const IniFile ini(ReadWholeFile(SettingsFilePath()).value());
        QCOMPARE(ini.ReadString("Help", "ENGLISH", ""), std::string("keep.pdf"));
        QVERIFY(ini.Read("MainForm", "NormalPos").has_value());
        QCOMPARE(ini.ReadInteger("MainForm", "ShowCmd", 0), 1);
        auto again = showMainWindow();
        QCOMPARE(again->pos(), QPoint(37, 41));
    }

    void positionFromAnotherResolutionIsIgnored() {
        WindowTestEnv env;
        env.writeSettings(
            "[MainForm]\nFlags=0\nShowCmd=1\nNormalPos=5,6,447,524\nPixelsPerInch=1\n");
        TfrmVRXLink w;
        w.move(100, 120);
        w.show();
        QCOMPARE(w.pos(), QPoint(100, 120));
    }
};

QTEST_MAIN(MainWindowTest)
#include "MainWindowTest.moc"
