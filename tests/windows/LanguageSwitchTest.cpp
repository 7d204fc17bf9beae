#include "CaptionPanel.h"
#include "IniFile.h"
#include "WindowTestEnv.h"
#include "fVRXConfig.h"
#include "fVRXJob.h"
#include "fVRXLink.h"

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

namespace {
QString u(const char* utf8) {
    return QString::fromUtf8(utf8);
}

// What the open windows show of a language, for the checks of a switch.
struct Labels {
    QString mainTitle, setupAction, setupPanelLabel, statusHint;
    QString setupTitle, languageLabel, browse, save, saveHint, directoryLabel, panelCaption;
    QString windowFont, buttonFont;
    QString jobTitle, jobProgramName, jobBlockCaption, jobMaxHead, jobSave, jobSaveHint;
};

Labels english() {
    return {"VRX Link",
            "Setup",
            "<U><B>Setup/Configuration</B></U>",
            "Click for About",
            "Setup/Configuration",
            "Language:",
            "Browse",
            "Save",
            "Save configuration changes and close.",
            "Data File Directory:",
            "  JOB FILE NAME",
            "MS Sans Serif",
            "MS Sans Serif",
            "VRX Download Data",
            "VRX Air Samping System",
            "Atmospheric Information:",
            "Max",
            "Save",
            "Save the dowloaded data to a file."};
}

Labels spanish() {
    return {u("Acoplamiento de VRX "),
            u("Disposici\u00f3n"),
            u("<U><B>Disposici\u00f3n/Configuraci\u00f3n</B></U>"),
            u("Tecleo para alrededor"),
            u("Configuraci\u00f3n"),
            u("Sufijo:"),
            u("Hojee "),
            u("Excepto"),
            u("Excepto cambios y cierre de configuraci\u00f3n."),
            u("Directorio de Fichero de Datos"),
            u("  NOMBRE DE FICHERO DEL TRABAJO"),
            "Tahoma",
            "Tahoma",
            u("Datos de la transferencia directa de Vela"),
            u("Sistema de Samping del aire de VRX"),
            u("Informaci\u00f3n Atmosf\u00e9rica:"),
            u("M\u00e1ximo"),
            u("Excepto"),
            u("Excepto los datos dowloaded a un archivo.")};
}

void expectJobLabels(const TfrmJob& job, const Labels& l) {
    QCOMPARE(job.windowTitle(), l.jobTitle);
    QCOMPARE(job.findChild<QLabel*>("lblProgramName")->text(), l.jobProgramName);
    QCOMPARE(job.findChild<QLabel*>("Label31")->text(), l.jobBlockCaption);
    QCOMPARE(job.findChild<QLabel*>("Label40")->text(), l.jobMaxHead);
    QCOMPARE(job.btnSave->text(), l.jobSave);
    QCOMPARE(job.btnSave->toolTip(), l.jobSaveHint);
    QCOMPARE(job.font().family(), l.windowFont);
}

// The job's own values, which no language switch may touch.
void expectJobValues(const TfrmJob& job) {
    QCOMPARE(job.findChild<QLabel*>("lblSysName")->text(), QString("VRX TEST Air Sampling System"));
    QCOMPARE(job.findChild<QLabel*>("lblVersion")->text(), QString("1.2.01"));
    QCOMPARE(job.findChild<QLabel*>("lblM3A")->text(), QString("0.001"));
    QCOMPARE(job.findChild<QLabel*>("dspBPMax")->text(), QString("753"));
    QCOMPARE(job.findChild<QLabel*>("dspQMax")->text(), QString("---"));
    QCOMPARE(job.edtFinalWt->text(), QString("1.5"));
    QCOMPARE(job.findChild<QLabel*>("dspDeltaWt")->text(), QString("1.500  "));
}

void expectLabels(TfrmVRXLink& main, TfrmVRXConfig& setup, const Labels& l) {
    QCOMPARE(main.windowTitle(), l.mainTitle);
    QCOMPARE(main.actSetup->text(), l.setupAction);
    QVERIFY(main.findChild<QLabel*>("lblSetup")->text().startsWith(l.setupPanelLabel));
    QCOMPARE(main.findChild<QWidget*>("AdvOfficeStatusBar1")->toolTip(), l.statusHint);
    QCOMPARE(setup.windowTitle(), l.setupTitle);
    QCOMPARE(setup.findChild<QLabel*>("Label1")->text(), l.languageLabel);
    QCOMPARE(setup.findChild<QLabel*>("Label6")->text(), l.directoryLabel);
    QCOMPARE(setup.findChild<QPushButton*>("btnBrowse")->text(), l.browse);
    auto* save = setup.findChild<QPushButton*>("AdvSmoothButton1");
    QCOMPARE(save->text(), l.save);
    QCOMPARE(save->toolTip(), l.saveHint);
    QCOMPARE(setup.findChild<TCaptionPanel*>("pnlJobFileName")->Caption(), l.panelCaption);
    QCOMPARE(setup.font().family(), l.windowFont);
    QCOMPARE(save->font().family(), l.buttonFont);
    QCOMPARE(setup.findChild<QLabel*>("Label4")->text(), QString(".VLA"));
}

// Every text of the window, its own controls' fonts included, shows in the family.
void expectFontEverywhere(const QWidget& window, const QString& family) {
    for (const QWidget* w : window.findChildren<QWidget*>())
        if (qobject_cast<const QLabel*>(w) || qobject_cast<const QAbstractButton*>(w) ||
            qobject_cast<const QLineEdit*>(w) || qobject_cast<const QComboBox*>(w))
            QVERIFY2(w->font().family() == family, qPrintable(w->objectName()));
}

QStringList items(const QComboBox* list) {
    QStringList result;
    for (int i = 0; i < list->count(); ++i)
        result << list->itemText(i);
    return result;
}
} // namespace

class LanguageSwitchTest : public QObject {
    Q_OBJECT
private slots:
    void choosingSpanishRelabelsTheOpenWindowsAndEnglishRestoresThem() {
        WindowTestEnv env;
        env.writeSettings("[Job File]\nBASE=MMDDYY\n[Settings]\nPORT=3\n");
        TfrmVRXLink main;
        main.show();
        main.CreateTestJob();
        auto* job = main.findChild<TfrmJob*>();
        QVERIFY(job);
        QTest::keyClicks(job->edtFinalWt, "1.5");
        expectJobLabels(*job, english());
        TfrmVRXConfig setup(main, [] { return std::string("COM1\nCOM3\n"); });
        setup.show();
        auto* language = setup.findChild<QComboBox*>("cbLang");
        auto* base = setup.findChild<QComboBox*>("cbJobFileBase");
        auto* port = setup.findChild<QComboBox*>("cbPort");
        const QStringList baseItems = items(base);
        setup.findChild<QLineEdit*>("edtSiteName")->setText("Typed here");

        QTest::keyClick(language, Qt::Key_Down);
        QCOMPARE(language->currentText(), u("Espa\u00f1ol"));
        expectLabels(main, setup, spanish());
        expectJobLabels(*job, spanish());
        expectJobValues(*job);
        QCOMPARE(main.findChild<QLabel*>("lblDownload")->font().family(), QString("Tahoma"));
        expectFontEverywhere(setup, "Tahoma");
        QCOMPARE(items(base), baseItems);
        QCOMPARE(base->currentText(), QString("MMDDYY"));
        QCOMPARE(port->currentText(), QString("COM3"));
        QCOMPARE(setup.findChild<QLineEdit*>("edtSiteName")->text(), QString("Typed here"));

        QTest::keyClick(language, Qt::Key_Up);
        QCOMPARE(language->currentText(), QString("English"));
        expectLabels(main, setup, english());
        expectJobLabels(*job, english());
        expectJobValues(*job);
        QVERIFY(job->DataChanged);
        QCOMPARE(base->currentText(), QString("MMDDYY"));
        QCOMPARE(port->currentText(), QString("COM3"));
        expectFontEverywhere(setup, "MS Sans Serif");
    }

    void cancelAndNoSwitchesBackToTheStoredLanguage_data() {
        QTest::addColumn<int>("answer");
        QTest::addColumn<bool>("spanishAfterwards");
        QTest::newRow("No drops the choice") << kFirstButtonResult + 1 << false;
        QTest::newRow("Yes keeps and stores it") << kFirstButtonResult << true;
    }
    void cancelAndNoSwitchesBackToTheStoredLanguage() {
        QFETCH(int, answer);
        QFETCH(bool, spanishAfterwards);
        WindowTestEnv env;
        TfrmVRXLink main;
        main.show();
        TfrmVRXConfig setup(main, {});
        setup.show();
        QTest::keyClick(setup.findChild<QComboBox*>("cbLang"), Qt::Key_Down);
        env.dialogs.taskAnswers = {answer};
        QTest::keyClick(&setup, Qt::Key_Escape);

        const auto tasks = env.dialogs.tasks();
        QCOMPARE(tasks.size(), size_t(1));
        // The question speaks the previewed language.
        QCOMPARE(tasks[0].task.title, std::string("Disposición/Configuración Cambiada"));
        QCOMPARE(main.windowTitle(), spanishAfterwards ? u("Acoplamiento de VRX ") : u("VRX Link"));
        QCOMPARE(main.siLangDispatcher1.ActiveLanguage(),
                 spanishAfterwards ? kLanguageSpanish : kLanguageEnglish);
        QCOMPARE(Config.Language, spanishAfterwards ? 1 : 0);
    }

    void storedLanguageOutOfRangeFallsBackToEnglishOnCancel() {
        WindowTestEnv env;
        env.writeSettings("[Settings]\nLANGUAGE=5\n");
        TfrmVRXLink main;
        main.show();
        TfrmVRXConfig setup(main, {});
        setup.show();
        auto* language = setup.findChild<QComboBox*>("cbLang");
        QCOMPARE(language->currentIndex(), -1);
        QTest::keyClick(language, Qt::Key_Down);
        QTest::keyClick(language, Qt::Key_Down);
        QCOMPARE(main.siLangDispatcher1.ActiveLanguage(), kLanguageSpanish);
        env.dialogs.taskAnswers = {kFirstButtonResult + 1};
        setup.close();
        QCOMPARE(main.siLangDispatcher1.ActiveLanguage(), kLanguageEnglish);
        QCOMPARE(main.windowTitle(), QString("VRX Link"));
        QCOMPARE(Config.Language, 5);
    }

    void setupOpenedInSpanishShowsSpanishFromTheStart() {
        WindowTestEnv env;
        env.writeSettings("[Settings]\nLANGUAGE=1\n");
        TfrmVRXLink main;
        main.show();
        TfrmVRXConfig setup(main, {});
        setup.show();
        expectLabels(main, setup, spanish());
        QCOMPARE(setup.findChild<QComboBox*>("cbLang")->currentText(), u("Espa\u00f1ol"));
        QVERIFY(!setup.Changed);
    }
};

QTEST_MAIN(LanguageSwitchTest)
#include "LanguageSwitchTest.moc"
