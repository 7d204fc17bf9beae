#include "CaptionPanel.h"
#include "IniFile.h"
#include "LangControlNames.h"
#include "LangSetup.h"
#include "StatusBar.h"
#include "Theme.h"
#include "WindowTestEnv.h"
#include "fVRXConfig.h"
#include "fVRXLink.h"

#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QTest>
#include <QTimer>

namespace {
const char* const kPorts = "COM1\nCOM3\nCOM34\n";

QString withProgramFolder(QString text) {
    const QString folder = QString::fromStdString(ExeDir);
    return text.replace("<exe>/", folder).replace("<exe>", folder.chopped(1));
}

// The main window shown on the settings the test wrote, and a Setup window over it.
struct SetupFixture {
    WindowTestEnv env;
    std::unique_ptr<TfrmVRXLink> main;
    std::unique_ptr<TfrmVRXConfig> setup;

    explicit SetupFixture(const std::string& settings = {}) {
        // "<exe>" in the settings stands for the program folder of this test.
        if (!settings.empty())
            env.writeSettings(withProgramFolder(QString::fromStdString(settings)).toStdString());
        main = std::make_unique<TfrmVRXLink>();
        main->show();
        setup = std::make_unique<TfrmVRXConfig>(*main, [] { return std::string(kPorts); });
        setup->show();
    }
    template <typename T> T* control(const char* name) const {
        T* found = setup->findChild<T*>(name);
        if (!found)
            qFatal("no control %s", name);
        return found;
    }
    std::string settingsFile() const { return ReadWholeFile(SettingsFilePath()).value_or(""); }
    IniFile savedSettings() const { return IniFile(settingsFile()); }
};

enum class Leave { Esc, CancelButton, CloseBox };

void leave(TfrmVRXConfig& w, Leave how) {
    switch (how) {
    case Leave::Esc:
        QTest::keyClick(w.findChild<QLineEdit*>("edtSiteName"), Qt::Key_Escape);
        break;
    case Leave::CancelButton:
        QTest::mouseClick(w.findChild<QWidget*>("AdvSmoothButton2"), Qt::LeftButton);
        break;
    case Leave::CloseBox:
        w.close();
        break;
    }
}

void typeInto(QLineEdit* field, const QString& text) {
    field->clear();
    QTest::keyClicks(field, text);
}

} // namespace

Q_DECLARE_METATYPE(Leave)

class SetupWindowTest : public QObject {
    Q_OBJECT
private slots:
    void showsTheSettingsInItsControls() {
        SetupFixture f("[Job File]\nPREFIX=RUN\nBASE=ddmmmyy\nSUFFIX=999\n[Defaults]\n"
                       "SITENAME=North Gate\n[Settings]\nLANGUAGE=0\nPORT=3\nTHEME=1\n");
        QCOMPARE(f.setup->windowTitle(), QString("Setup/Configuration"));
        QCOMPARE(f.setup->size(), QSize(503, 463));
        QCOMPARE(f.control<QLineEdit>("edtJobFilePrefix")->text(), QString("RUN"));
        QCOMPARE(f.control<QComboBox>("cbJobFileBase")->currentText(), QString("DDMMMYY"));
        QCOMPARE(f.control<QComboBox>("cbJobFileSuffix")->currentText(), QString("999"));
        QCOMPARE(f.control<QLineEdit>("edtSiteName")->text(), QString("North Gate"));
        QCOMPARE(f.control<QComboBox>("cbLang")->currentText(), QString("English"));
        QCOMPARE(f.control<QLineEdit>("edtDir")->text(), QString("JOBS"));
        QCOMPARE(f.control<QComboBox>("cbPort")->currentText(), QString("COM3"));
        QCOMPARE(f.control<QComboBox>("cbTheme")->currentText(), QString("Office"));
        QCOMPARE(f.control<QComboBox>("cbJobFileBase")->count(), 12);
        QCOMPARE(f.control<QLineEdit>("edtJobFilePrefix")->maxLength(), 10);
        QCOMPARE(f.control<QLineEdit>("edtUser2")->maxLength(), 50);
        QCOMPARE(f.control<QLineEdit>("edtDir")->maxLength(), 255);
        QCOMPARE(f.control<TCaptionPanel>("pnlJobFileName")->Caption(), QString("  JOB FILE NAME"));
        QCOMPARE(f.control<TCaptionPanel>("pnlSystemSettings")->Caption(),
                 QString("  SYSTEM SETTINGS"));
        QCOMPARE(f.control<QWidget>("AdvSmoothButton1")->toolTip(),
                 QString("Save configuration changes and close."));
        QVERIFY(!f.setup->Changed);
        for (const std::string& name : TableControlNames(MakeSetupTable()))
            QVERIFY2(f.setup->findChild<QObject*>(QString::fromStdString(name)), name.c_str());
    }

    void leavingWithoutEditsAsksNothingAndWritesNothing_data() {
        QTest::addColumn<Leave>("how");
        QTest::newRow("Esc") << Leave::Esc;
        QTest::newRow("Cancel") << Leave::CancelButton;
        QTest::newRow("close box") << Leave::CloseBox;
    }
    void leavingWithoutEditsAsksNothingAndWritesNothing() {
        QFETCH(Leave, how);
        const std::string settings = "[Settings]\r\nPORT=3\r\n[Odd]\r\nkey = spaced \r\n";
        SetupFixture f(settings);
        const TConfigRecord before = Config;
        leave(*f.setup, how);
        QVERIFY(!f.setup->isVisible());
        QVERIFY(f.env.dialogs.shown.empty());
        QCOMPARE(f.settingsFile(), settings);
        QVERIFY(Config == before);
    }

    void leavingWithEditsAsksWhetherToSave_data() {
        QTest::addColumn<Leave>("how");
        QTest::addColumn<int>("answer");
        QTest::addColumn<bool>("saved");
        for (const auto& [name, how] :
             {std::pair{"Esc", Leave::Esc}, std::pair{"Cancel", Leave::CancelButton},
              std::pair{"close box", Leave::CloseBox}}) {
            QTest::addRow("%s, Yes", name) << how << kFirstButtonResult << true;
            QTest::addRow("%s, No", name) << how << kFirstButtonResult + 1 << false;
            QTest::addRow("%s, dismissed", name) << how << kDialogCancel << false;
        }
    }
    void leavingWithEditsAsksWhetherToSave() {
        QFETCH(Leave, how);
        QFETCH(int, answer);
        QFETCH(bool, saved);
        SetupFixture f;
        typeInto(f.control<QLineEdit>("edtSiteName"), "  River Site ");
        QVERIFY(f.setup->Changed);
        f.env.dialogs.taskAnswers = {answer};
        leave(*f.setup, how);

        const auto tasks = f.env.dialogs.tasks();
        QCOMPARE(tasks.size(), size_t(1));
        const TaskDialogRequest& q = tasks[0].task;
        QCOMPARE(q.title, std::string("Setup/Configuration Changed"));
        QCOMPARE(q.mainIcon, TaskIcon::Question);
        QCOMPARE(q.instruction, std::string("Save Changes?"));
        QCOMPARE(q.content, std::string("The Setup/Configuration settings have changed.\n"
                                        "If you want to save the changes you made click Yes.\n"
                                        "To close without saving your changes click No."));
        QCOMPARE(q.buttons, (std::vector<std::string>{"Yes", "No"}));
        QCOMPARE(q.footer, std::string());

        QVERIFY(!f.setup->isVisible());
        QCOMPARE(Config.SiteName, std::string(saved ? "River Site" : ""));
        QCOMPARE(f.savedSettings().ReadString("Defaults", "SITENAME", "absent"),
                 std::string(saved ? "River Site" : "absent"));
    }

    void themeChangeThenCancelAndNoKeepsTheOldTheme() {
        SetupFixture f;
        auto* theme = f.control<QComboBox>("cbTheme");
        QTest::keyClick(theme, Qt::Key_Down);
        QCOMPARE(theme->currentText(), QString("Office"));
        const QColor panel =
            f.control<QWidget>("pnlDefaultValues")->palette().color(QPalette::Window);
        QCOMPARE(panel, ThemeColors(kThemeBlue).panel);
        QVERIFY2(f.main->findChild<QWidget*>("imgTealBanner")->isVisible(),
                 "only the Setup window previews a theme");

        f.env.dialogs.taskAnswers = {kFirstButtonResult + 1};
        QTest::mouseClick(f.control<QWidget>("AdvSmoothButton2"), Qt::LeftButton);
        QCOMPARE(f.env.dialogs.tasks().size(), size_t(1));
        QCOMPARE(Config.Theme, 0);
        QVERIFY(f.main->findChild<QWidget*>("imgTealBanner")->isVisible());
        QVERIFY(!f.main->findChild<QWidget*>("imgBlueBanner")->isVisible());
        QVERIFY(!QFile::exists(QString::fromStdString(SettingsFilePath())));
    }

    void saveStoresTheControls_data() {
        QTest::addColumn<QString>("settings");
        QTest::addColumn<QString>("port"); // chosen in the list; empty: left as opened
        QTest::addColumn<QString>("dir");
        QTest::addColumn<int>("storedPort");
        QTest::addColumn<QString>("storedDir");
        QTest::newRow("no port selected stores 0, JOBS its full path")
            << ""
            << ""
            << "JOBS" << 0 << "<exe>/JOBS";
        QTest::newRow("COM3 stores 3") << ""
                                       << "COM3"
                                       << "JOBS" << 3 << "<exe>/JOBS";
        QTest::newRow("two-digit port") << ""
                                        << "COM34"
                                        << "JOBS" << 34 << "<exe>/JOBS";
        QTest::newRow("trailing separator dropped") << ""
                                                    << ""
                                                    << "data/jobs/" << 0 << "<exe>/data/jobs";
        QTest::newRow("blanks around the folder trimmed") << ""
                                                          << ""
                                                          << "  data  " << 0 << "<exe>/data";
        QTest::newRow("dot steps resolved") << ""
                                            << ""
                                            << "./a/../b/." << 0 << "<exe>/b";
        QTest::newRow("empty box stores the program folder") << ""
                                                             << ""
                                                             << "" << 0 << "<exe>";
        QTest::newRow("full path kept, separator dropped")
            << ""
            << ""
            << "<exe>/sub/../outside/" << 0 << "<exe>/outside";
        QTest::newRow("configured port missing from the list is kept")
            << "[Settings]\nPORT=7\n"
            << "COM7"
            << "JOBS" << 7 << "<exe>/JOBS";
    }
    void saveStoresTheControls() {
        QFETCH(QString, settings);
        QFETCH(QString, port);
        QFETCH(QString, dir);
        QFETCH(int, storedPort);
        QFETCH(QString, storedDir);
        SetupFixture f(settings.toStdString());
        auto* ports = f.control<QComboBox>("cbPort");
        if (!port.isEmpty())
            ports->setCurrentIndex(ports->findText(port));
        typeInto(f.control<QLineEdit>("edtDir"), withProgramFolder(dir));
        QTest::keyClick(f.setup.get(), Qt::Key_S, Qt::ControlModifier);

        const QString expectedDir = QDir::cleanPath(withProgramFolder(storedDir));
        QCOMPARE(Config.Port, storedPort);
        QCOMPARE(QString::fromStdString(Config.JobDir), expectedDir);
        QVERIFY(QDir(expectedDir).exists());
        QCOMPARE(f.savedSettings().ReadInteger("Settings", "PORT", -1), storedPort);
        QCOMPARE(QString::fromStdString(f.savedSettings().ReadString("Settings", "JOBDIR", "")),
                 expectedDir);
    }

    void portListKeepsNumberOrderWhenTheConfiguredPortIsMissing() {
        SetupFixture f("[Settings]\nPORT=7\n");
        auto* ports = f.control<QComboBox>("cbPort");
        QStringList items;
        for (int i = 0; i < ports->count(); ++i)
            items << ports->itemText(i);
        QCOMPARE(items, (QStringList{"COM1", "COM3", "COM7", "COM34"}));
        QVERIFY(!f.setup->Changed);
    }

    void ctrlSSavesEveryFieldTrimmedAndCloses() {
        SetupFixture f("[Job File]\nBASE=NOT A PATTERN\n");
        QCOMPARE(f.control<QComboBox>("cbJobFileBase")->currentIndex(), -1);
        typeInto(f.control<QLineEdit>("edtJobFilePrefix"), " AB ");
        typeInto(f.control<QLineEdit>("edtJobCode"), "J-1 ");
        f.control<QLineEdit>("edtUser2")->setText(QString::fromUtf8("Pe\u00f1a"));
        QTest::keyClick(f.control<QLineEdit>("edtUser2"), Qt::Key_S, Qt::ControlModifier);
        QVERIFY(!f.setup->isVisible());
        QVERIFY(f.env.dialogs.shown.empty());
        const IniFile ini = f.savedSettings();
        QCOMPARE(ini.ReadString("Job File", "PREFIX", ""), std::string("AB"));
        QCOMPARE(ini.ReadString("Job File", "BASE", "absent"), std::string(""));
        QCOMPARE(ini.ReadString("Job File", "SUFFIX", ""), std::string("9999"));
        QCOMPARE(ini.ReadString("Defaults", "JOBCODE", ""), std::string("J-1"));
        QCOMPARE(ini.ReadString("Defaults", "USER2", ""), std::string("Pe\xf1"
                                                                      "a"));
        QCOMPARE(ini.ReadInteger("Settings", "THEME", -1), 0);
        QCOMPARE(ini.ReadInteger("Settings", "LANGUAGE", -1), 0);
    }

    void saveKeepsPortsSectionAndUnknownKeys() {
        const std::string settings = "[Ports]\r\nCOM7=/dev/serial/by-id/usb-x\r\n[Settings]\r\n"
                                     "FOO=bar\r\nPORT=1\r\n[Help]\r\nENGLISH=help.pdf\r\n";
        SetupFixture f(settings);
        typeInto(f.control<QLineEdit>("edtOperators"), "Ann");
        QTest::mouseClick(f.control<QWidget>("AdvSmoothButton1"), Qt::LeftButton);
        const IniFile ini = f.savedSettings();
        QCOMPARE(ini.ReadString("Ports", "COM7", ""), std::string("/dev/serial/by-id/usb-x"));
        QCOMPARE(ini.ReadString("Settings", "FOO", ""), std::string("bar"));
        QCOMPARE(ini.ReadString("Help", "ENGLISH", ""), std::string("help.pdf"));
        QCOMPARE(ini.ReadString("Defaults", "OPERATORS", ""), std::string("Ann"));
        QCOMPARE(ini.ReadInteger("Settings", "PORT", 0), 1);
    }

    void ctrlHDoesNothing() {
        SetupFixture f;
        auto* site = f.control<QLineEdit>("edtSiteName");
        typeInto(site, "abc");
        QTest::keyClick(site, Qt::Key_H, Qt::ControlModifier);
        QCOMPARE(site->text(), QString("abc"));
        QVERIFY(f.setup->isVisible());
        QVERIFY(f.env.dialogs.shown.empty());
    }

    void ctrlEscDoesNotLeave() {
        SetupFixture f;
        QTest::keyClick(f.control<QLineEdit>("edtSiteName"), Qt::Key_Escape, Qt::ControlModifier);
        QVERIFY(f.setup->isVisible());
    }

    void failedSaveShowsTheErrorAndStaysOpen() {
        SetupFixture f;
        QVERIFY(QDir().mkdir(QString::fromStdString(SettingsFilePath())));
        typeInto(f.control<QLineEdit>("edtSiteName"), "x");
        QTest::keyClick(f.setup.get(), Qt::Key_S, Qt::ControlModifier);
        const auto tasks = f.env.dialogs.tasks();
        QCOMPARE(tasks.size(), size_t(1));
        QCOMPARE(tasks[0].task.mainIcon, TaskIcon::Error);
        QVERIFY(QString::fromStdString(tasks[0].task.instruction).startsWith("Unable to write to"));
        QVERIFY(f.setup->isVisible());
        QVERIFY(f.setup->Changed);
    }

    void browseShowsTheChosenFolder_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("start");
        QTest::addColumn<QString>("chosen"); // empty: the dialog is cancelled
        QTest::addColumn<QString>("shown");
        QTest::newRow("inside the program folder shows relative") << "JOBS"
                                                                  << "<exe>/JOBS"
                                                                  << "<exe>/data/2024"
                                                                  << "data/2024";
        QTest::newRow("elsewhere shows the full path") << ""
                                                       << ""
                                                       << "/srv/vrx-jobs"
                                                       << "/srv/vrx-jobs";
        QTest::newRow("a name that only starts like the program folder is elsewhere")
            << ""
            << ""
            << "<exe>-old/x"
            << "<exe>-old/x";
        QTest::newRow("cancelled leaves the box") << " up/../JOBS "
                                                  << "<exe>/JOBS"
                                                  << ""
                                                  << " up/../JOBS ";
    }
    void browseShowsTheChosenFolder() {
        QFETCH(QString, typed);
        QFETCH(QString, start);
        QFETCH(QString, chosen);
        QFETCH(QString, shown);
        SetupFixture f;
        auto* dir = f.control<QLineEdit>("edtDir");
        dir->setText(typed);
        f.setup->Changed = false;
        if (!chosen.isEmpty())
            f.env.dialogs.folderAnswers.push_back(withProgramFolder(chosen).toStdString());
        QTest::mouseClick(f.control<QWidget>("btnBrowse"), Qt::LeftButton);

        QCOMPARE(f.env.dialogs.shown.size(), size_t(1));
        const ShownDialog& d = f.env.dialogs.shown[0];
        QCOMPARE(d.kind, ShownDialog::Kind::Folder);
        QCOMPARE(d.text, std::string("Select location to save data files"));
        QCOMPARE(QString::fromStdString(d.file.initialDir), withProgramFolder(start));
        QCOMPARE(dir->text(), withProgramFolder(shown));
        QCOMPARE(f.setup->Changed, !chosen.isEmpty());
    }

    void storedDataFolderShowsRelativeToTheProgramFolder_data() {
        QTest::addColumn<QString>("jobDir");
        QTest::addColumn<QString>("shown");
        QTest::newRow("inside") << "<exe>/JOBS"
                                << "JOBS";
        QTest::newRow("the program folder itself") << "<exe>"
                                                   << ".";
        QTest::newRow("elsewhere with .. steps") << "<exe>/../other/jobs"
                                                 << "../other/jobs";
        QTest::newRow("relative unchanged") << "../jobs"
                                            << "../jobs";
    }
    void storedDataFolderShowsRelativeToTheProgramFolder() {
        QFETCH(QString, jobDir);
        QFETCH(QString, shown);
        SetupFixture f("[Settings]\nJOBDIR=" + jobDir.toStdString() + "\n");
        QCOMPARE(f.control<QLineEdit>("edtDir")->text(), shown);
    }

    void setupCommandShowsThePortAndTheThemeAfterwards() {
        WindowTestEnv env;
        env.writeSettings("[Settings]\nPORT=5\n");
        TfrmVRXLink main;
        main.show();
        bool opened = false;
        QTimer::singleShot(0, [&] {
            auto* setup = qobject_cast<TfrmVRXConfig*>(QApplication::activeModalWidget());
            opened = setup != nullptr;
            if (!setup) {
                if (QWidget* other = QApplication::activeModalWidget())
                    other->close();
                return;
            }
            QTest::keyClick(setup->findChild<QComboBox*>("cbTheme"), Qt::Key_Down);
            QTest::keyClick(setup, Qt::Key_S, Qt::ControlModifier);
        });
        QTest::keyClick(&main, Qt::Key_C, Qt::ControlModifier);
        QVERIFY(opened);
        QCOMPARE(main.findChild<TStatusBar*>("AdvOfficeStatusBar1")->PanelText(0),
                 QString("COM 5"));
        QVERIFY(main.findChild<QWidget*>("imgBlueBanner")->isVisible());
        QCOMPARE(Config.Theme, 1);
        QVERIFY(main.findChild<TfrmVRXConfig*>() == nullptr);
    }
};

QTEST_MAIN(SetupWindowTest)
#include "SetupWindowTest.moc"
