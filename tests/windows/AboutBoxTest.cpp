#include "LangAbout.h"
#include "LangControlNames.h"
#include "Theme.h"
#include "UrlLabel.h"
#include "WindowTestEnv.h"
#include "fVRXAbout.h"
#include "fVRXLink.h"

#include <QApplication>
#include <QEnterEvent>
#include <QLabel>
#include <QTest>
#include <QTimer>

namespace {
QColor textColour(const QWidget* w) {
    return w->palette().color(QPalette::WindowText);
}
} // namespace

class AboutBoxTest : public QObject {
    Q_OBJECT
private slots:
    void opensFromTheStatusBarAndStaysOpenWhenALinkIsClicked() {
        WindowTestEnv env;
        TfrmVRXLink main;
        main.show();
        QString title, version;
        QSize size;
        bool openAfterLinks = false;
        QTimer::singleShot(0, [&] {
            QWidget* modal = QApplication::activeModalWidget();
            if (auto* about = qobject_cast<TfrmAbout*>(modal)) {
                title = about->windowTitle();
                size = about->size();
                version = about->findChild<QLabel*>("lblVersion")->text();
                QTest::mouseClick(about->findChild<QWidget*>("OvcURL2"), Qt::LeftButton);
                QTest::mouseClick(about->findChild<QWidget*>("OvcURL1"), Qt::LeftButton);
                openAfterLinks = about->isVisible();
                QTest::keyClick(about->findChild<QWidget*>("Label3"), Qt::Key_Escape);
            } else if (modal) {
                modal->close();
            }
        });
        QTest::mouseClick(main.findChild<QWidget*>("AdvOfficeStatusBar1"), Qt::LeftButton);

        QCOMPARE(title, QString("About"));
        QCOMPARE(size, QSize(426, 284));
        QCOMPARE(version, QString("Version 1.1.0.3"));
        QVERIFY(openAfterLinks);
        QVERIFY2(main.findChild<TfrmAbout*>() == nullptr, "the box is released after it closes");
        QCOMPARE(env.dialogs.shown.size(), size_t(2));
        QCOMPARE(env.dialogs.shown[0].kind, ShownDialog::Kind::Document);
        QCOMPARE(env.dialogs.shown[0].text, std::string("mailto:info@example.com"));
        QCOMPARE(env.dialogs.shown[1].text, std::string("https://www.example.com"));
    }

    void versionLineFollowsTheLanguage_data() {
        QTest::addColumn<int>("language");
        QTest::addColumn<QString>("version");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("mailLink");
        QTest::newRow("English") << 0 << "Version 1.1.0.3"
                                 << "About"
                                 << "Click here to Email VRX";
        QTest::newRow("Spanish")
            << 1 << QString::fromUtf8("Versi\u00f3n 1.1.0.3") << "Sobre"
            << QString::fromUtf8("Chasque aqu\u00ed para enviar por correo electr\u00f3nico VRX");
    }
    void versionLineFollowsTheLanguage() {
        QFETCH(int, language);
        QFETCH(QString, version);
        QFETCH(QString, title);
        QFETCH(QString, mailLink);
        WindowTestEnv env;
        env.writeSettings("[Settings]\nLANGUAGE=" + std::to_string(language) + "\n");
        TfrmVRXLink main;
        main.show();
        TfrmAbout about(main);
        QCOMPARE(about.findChild<QLabel*>("lblVersion")->text(), version);
        QCOMPARE(about.windowTitle(), title);
        QCOMPARE(about.findChild<QLabel*>("OvcURL2")->text(), mailLink);
        QCOMPARE(about.findChild<QLabel*>("Label2")->text(),
                 QString("VRX Link for VELA Air Sampling Systems"));
        if (language == 1)
            for (const QLabel* label : about.findChildren<QLabel*>())
                QVERIFY2(label->font().family() == "Tahoma", qPrintable(label->objectName()));
        for (const std::string& name : TableControlNames(MakeAboutTable()))
            QVERIFY2(about.findChild<QObject*>(QString::fromStdString(name)), name.c_str());
    }

    void escClosesAndOtherKeysDoNot() {
        WindowTestEnv env;
        TfrmVRXLink main;
        TfrmAbout about(main);
        about.show();
        QTest::keyClick(&about, Qt::Key_Return);
        QTest::keyClick(&about, Qt::Key_W, Qt::ControlModifier);
        QVERIFY(about.isVisible());
        QTest::keyClick(&about, Qt::Key_Escape);
        QVERIFY(!about.isVisible());
    }

    void themeColoursTheLowerPanelTitleAndLinks_data() {
        QTest::addColumn<int>("theme");
        QTest::addColumn<QColor>("panel");
        QTest::addColumn<QColor>("text");
        QTest::newRow("Vela teal, white text")
            << 0 << ThemeColors(kThemeTeal).panel << QColor(Qt::white);
        QTest::newRow("Office blue, black text")
            << 1 << ThemeColors(kThemeBlue).panel << QColor(Qt::black);
    }
    void themeColoursTheLowerPanelTitleAndLinks() {
        QFETCH(int, theme);
        QFETCH(QColor, panel);
        QFETCH(QColor, text);
        WindowTestEnv env;
        Config.Theme = theme;
        TfrmVRXLink main;
        TfrmAbout about(main);
        QCOMPARE(about.findChild<QWidget*>("pnlLower")->palette().color(QPalette::Window), panel);
        QCOMPARE(textColour(&about), text);
        QCOMPARE(textColour(about.findChild<QWidget*>("Label2")), text);
        QCOMPARE(textColour(about.findChild<QWidget*>("lblVersion")), text);
        QCOMPARE(textColour(about.findChild<QWidget*>("OvcURL1")), text);
        QCOMPARE(textColour(about.findChild<QWidget*>("OvcURL2")), text);
    }

    void unknownThemeLeavesTheDesignLook() {
        WindowTestEnv env;
        Config.Theme = 4;
        TfrmVRXLink main;
        TfrmAbout about(main);
        QVERIFY(!about.findChild<QWidget*>("pnlLower")->autoFillBackground());
        QCOMPARE(textColour(about.findChild<QWidget*>("Label2")),
                 QApplication::palette().color(QPalette::WindowText));
    }

    void linksTurnYellowUnderTheMouse() {
        WindowTestEnv env;
        Config.Theme = 1;
        TfrmVRXLink main;
        TfrmAbout about(main);
        about.show();
        auto* link = about.findChild<TUrlLabel*>("OvcURL1");
        QEnterEvent enter(QPointF(2, 2), QPointF(2, 2), QPointF(2, 2));
        QApplication::sendEvent(link, &enter);
        QCOMPARE(textColour(link), QColor(255, 255, 0));
        QEvent leave(QEvent::Leave);
        QApplication::sendEvent(link, &leave);
        QCOMPARE(textColour(link), QColor(Qt::black));
        QVERIFY(link->font().underline());
    }
};

QTEST_MAIN(AboutBoxTest)
#include "AboutBoxTest.moc"
