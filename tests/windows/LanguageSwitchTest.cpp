#include "CaptionPanel.h"
#include "IniFile.h"
#include "WindowTestEnv.h"
#include "fVRXConfig.h"
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
            "MS Sans Serif"};
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
            "Tahoma"};
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

// The job window joins these checks once it exists: it is the third window open during a
// switch.
class LanguageSwitchTest : public QObject {
    Q_OBJECT
private slots:
    void choosingSpanishRelabelsTheOpenWindowsAndEnglishRestoresThem() {
        WindowTestEnv env;
        env.writeSettings("[Job File]\nBASE=MMDDYY\n[Settings]\nPORT=3\n");
        TfrmVRXLink main;
        main.show();
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
        QCOMPARE(main.findChild<QLabel*>("lblDownload")->font().family(), QString("Tahoma"));
        expectFontEverywhere(setup, "Tahoma");
        QCOMPARE(items(base), baseItems);
        QCOMPARE(base->currentText(), QString("MMDDYY"));
        QCOMPARE(port->currentText(), QString("COM3"));
        QCOMPARE(setup.findChild<QLineEdit*>("edtSiteName")->text(), QString("Typed here"));

        QTest::keyClick(language, Qt::Key_Up);
        QCOMPARE(language->currentText(), QString("English"));
        expectLabels(main, setup, english());
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
