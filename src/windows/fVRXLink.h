// The main window: the program's commands as a column of panels, the header banner, the
// status bar, the hot keys, the theme and the language. It lives for the whole run, owns
// the language dispatcher and opens every other window.
#pragma once

#include "DeviceLink.h"
#include "JobRecord.h"
#include "LangApply.h"
#include "siLang.h"

#include <QWidget>

class QAction;
class QKeyEvent;
class TBanner;
class TCommandPanel;
class TKeyPreview;
class TStatusBar;
class TfrmJob;

class TfrmVRXLink : public QWidget {
    Q_OBJECT
public:
    explicit TfrmVRXLink(QWidget* parent = nullptr);
    ~TfrmVRXLink() override;

    TsiLangDispatcher siLangDispatcher1;

    std::string GetTextOrDefault(std::string_view key) const {
        return siLang1.GetTextOrDefault(key);
    }
    TsiLang& LanguageTable() { return siLang1.Table(); }

    void ApplyTheme();

    // The device operations, forwarded to the one link to the unit.
    TDeviceLink& Link() { return *m_link; }
    bool StartCom(int port, bool quiet) { return m_link->StartCom(port, quiet); }
    void StopCom() { m_link->StopCom(); }
    std::string ListComPorts() const { return m_link->ListComPorts(); }
    bool QueryDevice(const std::string& c, bool quiet) { return m_link->QueryDevice(c, quiet); }
    bool SendDeviceCommand(const std::string& c, int timeoutMs, bool waitFull) {
        return m_link->SendDeviceCommand(c, timeoutMs, waitFull);
    }
    void WaitMs(int ms) { m_link->WaitMs(ms); }
    bool GetSummary() { return m_link->GetSummary(); }
    bool QueryShow() { return m_link->QueryShow(); }
    int GetDeviceModel(std::string& model);
    int GetDeviceVersion(std::string& version);
    std::vector<std::string>& ReplyLines() { return m_link->ReplyLines; }

    // The main window's job record, rebuilt by Download, Open Job and the test job.
    JobRecord JobLines;
    // Runs the run summary parser on the reply lines into JobLines.
    void actParseExecute();
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
    QAction* actParse;

public slots:
    void actDownloadExecute();
    void actOpenExecute();
    void CreateTestJob();
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

    TfrmJob* openJobWindow(bool fromFile);

    TWindowLang siLang1;
    TDeviceLink* m_link = nullptr;
    TBanner* m_tealBanner = nullptr;
    TBanner* m_blueBanner = nullptr;
    QWidget* m_commandColumn = nullptr;
    std::vector<TCommandPanel*> m_panels;
    TStatusBar* AdvOfficeStatusBar1 = nullptr;
    TKeyPreview* m_keyPreview = nullptr;
    bool m_shown = false;
};
