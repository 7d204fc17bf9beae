// The main window: the program's commands as a column of panels, the header banner, the
// status bar, the hot keys, the theme and the language. It lives for the whole run, owns
// the language dispatcher and opens every other window.
#pragma once

#include "LangApply.h"
#include "siLang.h"

#include <QWidget>

class QAction;
class QKeyEvent;
class TBanner;
class TCommandPanel;
class TKeyPreview;
class TStatusBar;

class TfrmVRXLink : public QWidget {
    Q_OBJECT
public:
    explicit TfrmVRXLink(QWidget* parent = nullptr);
    ~TfrmVRXLink() override;

    TsiLangDispatcher siLangDispatcher1;

    std::string GetTextOrDefault(std::string_view key) const { return siLang1.GetTextOrDefault(key); }
    TsiLang& LanguageTable() { return siLang1.Table(); }

    void ApplyTheme();
    // The hot-key list shown by Ctrl+Shift+H; lines separated by a single CR.
    static std::string HotKeyList(bool debug, bool factory);

    QAction* actDownload;
    QAction* actOpen;
    QAction* actSetup;
    QAction* actRun;
    QAction* actBattery;
    QAction* actHelp;
    QAction* actClose;
    QAction* actCal;
    QAction* actTalk;

public slots:
    void actSetupExecute();
    void actHelpExecute();
    void actCloseExecute();
    void AdvOfficeStatusBar1Click();

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    QAction* makeAction(const char* name, const char* caption);
    void buildWindow();
    void FormShow();
    bool FormKeyDown(QKeyEvent* event);
    void siLangDispatcher1ChangeLanguage();
    void setCommandLabels();
    void restorePlacement();
    void savePlacement();

    TWindowLang siLang1;
    TBanner* m_tealBanner = nullptr;
    TBanner* m_blueBanner = nullptr;
    QWidget* m_commandColumn = nullptr;
    std::vector<TCommandPanel*> m_panels;
    TStatusBar* AdvOfficeStatusBar1 = nullptr;
    TKeyPreview* m_keyPreview = nullptr;
    bool m_shown = false;
};
