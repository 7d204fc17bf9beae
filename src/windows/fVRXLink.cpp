#include "fVRXLink.h"

#include "CmdLineRtns.h"
#include "CommandPanel.h"
#include "DialogSeam.h"
#include "IniFile.h"
#include "JobFile.h"
#include "KeyPreview.h"
#include "LangMainWindow.h"
#include "MessageBoxes.h"
#include "ProgramFolder.h"
#include "QtText.h"
#include "RunSummaryParser.h"
#include "SafeFile.h"
#include "StatusBar.h"
#include "StrngLib.h"
#include "SystemLocale.h"
#include "TestSummary.h"
#include "Theme.h"
#include "VrxError.h"
#include "WindowPlacement.h"
#include "fVRXAbout.h"
#include "fVRXConfig.h"
#include "fVRXJob.h"
#include "uVRXCommon.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QScreen>
#include <QVBoxLayout>

#include <filesystem>

namespace {
constexpr int kClientWidth = 442;
constexpr int kClientHeight = 518;
constexpr const char* kMakerLine = "Example Instruments - www.example.com";

struct CommandSpec {
    TCommandIcon icon;
    const char* name;
    const char* labelKey;
};

constexpr CommandSpec kCommands[] = {
    {TCommandIcon::Download, "Download", "rsDownloadInfo"},
    {TCommandIcon::Open, "Open", "rsOpenInfo"},
    {TCommandIcon::Setup, "Setup", "rsSetupInfo"},
    {TCommandIcon::Run, "Run", "rsRunInfo"},
    {TCommandIcon::Battery, "Battery", "rsBatteryInfo"},
    {TCommandIcon::Help, "Help", "rsHelpInfo"},
    {TCommandIcon::Close, "Close", "rsCloseInfo"},
};
} // namespace

TfrmVRXLink::TfrmVRXLink(QWidget* parent)
    : QWidget(parent), siLang1(this, MakeMainWindowTable(), siLangDispatcher1) {
    setObjectName("frmVRXLink");
    ResetSharedTexts();
    buildWindow();

    AdvOfficeStatusBar1->SetPanelText(0, "COM ?");
    AdvOfficeStatusBar1->SetPanelText(1, kMakerLine);
    AdvOfficeStatusBar1->SetPanelText(2, kProgramVersion);
    setCommandLabels();

    m_link = new TDeviceLink(
        Config, [this](std::string_view key) { return GetTextOrDefault(key); }, this);
    siLangDispatcher1.OnChangeLanguage = [this] { siLangDispatcher1ChangeLanguage(); };
    siLang1.Link();
    m_keyPreview = new TKeyPreview(this, [this](QKeyEvent* e) { return FormKeyDown(e); });
}

TfrmVRXLink::~TfrmVRXLink() = default;

QAction* TfrmVRXLink::makeAction(const char* name, const char* caption) {
    auto* action = new QAction(caption, this);
    action->setObjectName(name);
    return action;
}

void TfrmVRXLink::buildWindow() {
    setWindowTitle("VRX Link");
    setFixedSize(kClientWidth, kClientHeight);

    actDownload = makeAction("actDownload", "Download");
    actOpen = makeAction("actOpen", "Open Job");
    actSetup = makeAction("actSetup", "Setup");
    actRun = makeAction("actRun", "Set Up Run");
    actBattery = makeAction("actBattery", "Set Battery");
    actHelp = makeAction("actHelp", "Help");
    actClose = makeAction("actClose", "Close");
    actCal = makeAction("actCal", "Calibrate");
    actTalk = makeAction("actTalk", "Talk");
    actParse = makeAction("actParse", "Parse");
    connect(actDownload, &QAction::triggered, this, &TfrmVRXLink::actDownloadExecute);
    connect(actOpen, &QAction::triggered, this, &TfrmVRXLink::actOpenExecute);
    connect(actParse, &QAction::triggered, this, &TfrmVRXLink::actParseExecute);
    connect(actSetup, &QAction::triggered, this, &TfrmVRXLink::actSetupExecute);
    connect(actHelp, &QAction::triggered, this, &TfrmVRXLink::actHelpExecute);
    connect(actClose, &QAction::triggered, this, &TfrmVRXLink::actCloseExecute);

    const QString subtitle = "PC link for portable air samplers";
    m_tealBanner = new TBanner(kThemeTeal, "VRX Link", subtitle, this);
    m_tealBanner->setObjectName("imgTealBanner");
    m_blueBanner = new TBanner(kThemeBlue, "VRX Link", subtitle, this);
    m_blueBanner->setObjectName("imgBlueBanner");
    m_tealBanner->setGeometry(0, 0, kClientWidth, 85);
    m_blueBanner->setGeometry(0, 0, kClientWidth, 85);
    m_blueBanner->hide();

    m_commandColumn = new QWidget(this);
    m_commandColumn->setObjectName("pnlCommands");
    m_commandColumn->setGeometry(0, 85, kClientWidth, kClientHeight - 85 - 19);
    auto* column = new QVBoxLayout(m_commandColumn);
    column->setContentsMargins(8, 8, 8, 8);
    column->setSpacing(8);
    QAction* const actions[] = {actDownload, actOpen, actSetup, actRun,
                                actBattery,  actHelp, actClose};
    for (size_t i = 0; i < std::size(kCommands); ++i) {
        auto* panel = new TCommandPanel(kCommands[i].icon, actions[i], kCommands[i].name);
        m_panels.push_back(panel);
        column->addWidget(panel);
    }
    column->addStretch();

    AdvOfficeStatusBar1 = new TStatusBar(this);
    AdvOfficeStatusBar1->setGeometry(0, kClientHeight - 19, kClientWidth, 19);
    AdvOfficeStatusBar1->setToolTip("Click for About");
    connect(AdvOfficeStatusBar1, &TStatusBar::clicked, this,
            &TfrmVRXLink::AdvOfficeStatusBar1Click);
}

void TfrmVRXLink::setCommandLabels() {
    for (size_t i = 0; i < m_panels.size(); ++i) {
        m_panels[i]->Label()->clear();
        m_panels[i]->SetLabelText(FromUtf8(GetTextOrDefault(kCommands[i].labelKey)));
    }
}

void TfrmVRXLink::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (m_shown)
        return;
    m_shown = true;
    FormShow();
}

void TfrmVRXLink::FormShow() {
    DeleteFilesWithExtension("log");
    DeleteFilesWithExtension("trc");
    LoadSettings();
    ApplyTheme();
    const std::string jobDir = Trim(Config.JobDir);
    if (!jobDir.empty()) {
        std::error_code ec; // a folder that cannot be made shows up when a job is saved
        std::filesystem::create_directories(std::filesystem::absolute(Config.JobDir, ec), ec);
    }
    AdvOfficeStatusBar1->SetPanelText(0, QString("COM %1").arg(Config.Port));
    // A language number outside 1..2 (a hand-edited setting) is refused: texts stay English.
    siLangDispatcher1.SetActiveLanguage(Config.Language + 1);
    restorePlacement();
}

void TfrmVRXLink::ApplyTheme() {
    if (!IsKnownTheme(Config.Theme))
        return;
    m_tealBanner->setVisible(Config.Theme == kThemeTeal);
    m_blueBanner->setVisible(Config.Theme == kThemeBlue);
    ApplyPanelColours(m_commandColumn, Config.Theme);
    AdvOfficeStatusBar1->ApplyTheme(Config.Theme);
}

void TfrmVRXLink::siLangDispatcher1ChangeLanguage() {
    ResetSharedTexts();
    setCommandLabels();
}

std::string TfrmVRXLink::HotKeyList(bool debug, bool factory) {
    std::string text = "HELP\rCtrl-Shift-Q - Show Data Received\rCtrl-Shift-J - Create Test Job\r"
                       "Ctrl-Shift-T - VRXTalk";
    if (debug)
        text += "\rCtrl-Shift-C - Show Communications Info";
    if (factory)
        text += "\rCtrl-Shift-K - Calibrate";
    return text;
}

bool TfrmVRXLink::FormKeyDown(QKeyEvent* event) {
    const int key = event->key();
    if (key == Qt::Key_Escape) {
        if (IsCtrlOnly(event))
            return false;
        actClose->trigger();
        return true;
    }
    if (IsCtrlOnly(event)) {
        switch (key) {
        case Qt::Key_D:
            actDownload->trigger();
            return true;
        case Qt::Key_O:
            actOpen->trigger();
            return true;
        case Qt::Key_C:
        case Qt::Key_S:
            actSetup->trigger();
            return true;
        case Qt::Key_R:
            actRun->trigger();
            return true;
        case Qt::Key_B:
            actBattery->trigger();
            return true;
        case Qt::Key_H:
            actHelp->trigger();
            return true;
        default:
            return false;
        }
    }
    if (IsCtrlShiftOnly(event)) {
        switch (key) {
        case Qt::Key_H:
            Dialogs().ShowPlainMessage(
                HotKeyList(IsCmdLineSwitch("DEBUG"), IsCmdLineSwitch("FACTORY")));
            return true;
        case Qt::Key_T:
            actTalk->trigger();
            return true;
        case Qt::Key_J:
            CreateTestJob();
            return true;
        case Qt::Key_Q: {
            std::string lines;
            for (const std::string& line : m_link->ReplyLines)
                lines += line + "\n";
            Dialogs().ShowPlainMessage(Cp1252ToUtf8(lines));
            return true;
        }
        case Qt::Key_C:
            // Under DEBUG: the reason the port last failed to open.
            if (IsCmdLineSwitch("DEBUG"))
                Dialogs().ShowPlainMessage(Cp1252ToUtf8(m_link->LastComError));
            return true;
        case Qt::Key_K:
            if (IsCmdLineSwitch("FACTORY"))
                actCal->trigger();
            return true;
        default:
            return false;
        }
    }
    return false;
}

void TfrmVRXLink::actHelpExecute() {
    const std::string helpFile = Config.Language == 0   ? Config.HelpEnglish
                                 : Config.Language == 1 ? Config.HelpSpanish
                                                        : std::string();
    if (Trim(helpFile).empty()) {
        Dialogs().ShowPlainMessage("ERROR: Help File Not Defined!");
        return;
    }
    if (!Dialogs().OpenDocument(Cp1252ToUtf8(helpFile)))
        ShowExceptionBox("Unable To Show Help File!");
}

void TfrmVRXLink::actCloseExecute() {
    close();
}

void TfrmVRXLink::AdvOfficeStatusBar1Click() {
    TfrmAbout about(*this);
    about.exec();
}

void TfrmVRXLink::actSetupExecute() {
    TfrmVRXConfig setup(*this, [this] { return ListComPorts(); });
    setup.exec();
    AdvOfficeStatusBar1->SetPanelText(0, QString("COM %1").arg(Config.Port));
    ApplyTheme();
}

void TfrmVRXLink::actParseExecute() {
    JobLines = ParseRunSummary(m_link->ReplyLines, Config, SystemNamingEnv());
}

int TfrmVRXLink::GetDeviceModel(std::string& model) {
    return m_link->GetDeviceModel(model, JobLines, [](const std::vector<std::string>& lines) {
        return ParseRunSummary(lines, Config, SystemNamingEnv());
    });
}

int TfrmVRXLink::GetDeviceVersion(std::string& version) {
    return m_link->GetDeviceVersion(version, JobLines, [](const std::vector<std::string>& lines) {
        return ParseRunSummary(lines, Config, SystemNamingEnv());
    });
}

TfrmJob* TfrmVRXLink::openJobWindow(bool fromFile) {
    auto* job = new TfrmJob(this);
    job->JobData.SetJobRecordText(JobLines.JobRecordText());
    if (fromFile)
        job->SetFromFile(true);
    job->show();
    return job;
}

void TfrmVRXLink::actDownloadExecute() {
    actDownload->setEnabled(false);
    const auto showBox = [this](const std::string& prefix) {
        ShowErrorBox(GetTextOrDefault("dlgError"), GetTextOrDefault(prefix + "M"),
                     GetTextOrDefault(prefix + "C"), GetTextOrDefault(prefix + "H"));
    };
    if (Config.Port == 0) {
        showBox("dlgNoCom");
    } else if (StartCom(Config.Port, false)) {
        QApplication::setOverrideCursor(Qt::WaitCursor);
        if (!GetSummary()) {
            QApplication::restoreOverrideCursor();
            showBox("dlgNoResp");
        } else {
            actParseExecute();
            QApplication::restoreOverrideCursor();
            if (JobLines.FindJobKey("VERSION") < 0)
                showBox("dlgInvResp");
            else
                openJobWindow(false);
        }
    }
    actDownload->setEnabled(true);
}

void TfrmVRXLink::actOpenExecute() {
    FileDialogRequest request;
    request.title = siLang1.Table().Text(TLangKind::OtherString, "siOpenDialog1.Title");
    request.filter = siLang1.Table().Text(TLangKind::OtherString, "siOpenDialog1.Filter");
    request.defaultExt = "VLA";
    request.initialDir = Cp1252ToUtf8(Config.JobDir);
    request.captions = siLang1.Table().DialogCaptions();
    const auto chosen = Dialogs().OpenFileName(request);
    if (!chosen)
        return;
    JobLines.Clear();
    m_link->ReplyLines.clear();
    try {
        JobLines = ReadJobFile(*chosen);
    } catch (const TVrxError& e) {
        ShowExceptionBox(e.what());
        return;
    }
    openJobWindow(true);
}

void TfrmVRXLink::CreateTestJob() {
    m_link->ReplyLines = kTestSummary;
    actParseExecute();
    openJobWindow(false);
}

void TfrmVRXLink::restorePlacement() {
    const auto placement =
        ReadWindowPlacement(IniFile(ReadWholeFile(SettingsFilePath()).value_or("")));
    if (!placement || placement->PixelsPerInch != logicalDpiY())
        return;
    move(placement->Left, placement->Top);
    if (placement->Minimised())
        showMinimized();
    else if (placement->Maximised())
        showMaximized();
}

void TfrmVRXLink::savePlacement() {
    TWindowPlacement p;
    p.ShowCmd = isMinimized() ? 2 : isMaximized() ? 3 : 1;
    const QRect frame = isMinimized() || isMaximized() ? normalGeometry() : frameGeometry();
    p.Left = frame.left();
    p.Top = frame.top();
    p.Right = frame.left() + frame.width();
    p.Bottom = frame.top() + frame.height();
    p.PixelsPerInch = logicalDpiY();
    const QColor colour = palette().color(QPalette::Window);
    p.Color = colour.red() | (colour.green() << 8) | (colour.blue() << 16);
    try {
        SaveWindowPlacement(SettingsFilePath(), p);
    } catch (const TVrxError& e) {
        ShowExceptionBox(e.what());
    }
}

void TfrmVRXLink::closeEvent(QCloseEvent* event) {
    savePlacement();
    event->accept();
}
