#include "fVRXConfig.h"

#include "CaptionPanel.h"
#include "DataFolderPath.h"
#include "DialogSeam.h"
#include "IniFile.h"
#include "KeyPreview.h"
#include "LangSetup.h"
#include "MessageBoxes.h"
#include "ProgramFolder.h"
#include "QtText.h"
#include "StrngLib.h"
#include "Theme.h"
#include "VrxError.h"
#include "fVRXLink.h"
#include "uVRXCommon.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
constexpr int kClientWidth = 503;
constexpr int kClientHeight = 463;
constexpr int kPrefixLength = 10;
constexpr int kDefaultTextLength = 50;
constexpr int kDirLength = 255;

const QStringList kBasePatterns = {
    "YYMMDD",  "YYMMDDHHNN",  "YYMMDDHHNNA/P",  "MMDDYY",  "MMDDYYHHNN",  "MMDDYYHHNNA/P",
    "DDMMMYY", "DDMMMYYHHNN", "DDMMMYYHHNNA/P", "MMMYYDD", "MMMYYDDHHNN", "MMMYYDDHHNNA/P"};
const QStringList kSuffixPatterns = {"99", "999", "9999"};
const QStringList kLanguages = {"English", "Espa\u00f1ol"};
const QStringList kThemes = {"Vela", "Office"};

QFont designFont(int pixelSize, bool bold = false) {
    QFont font("MS Sans Serif");
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    return font;
}

// The port number of a port entry: "COM" (any case) dropped, blanks trimmed, 0 when the rest
// is not a whole number.
int32_t PortNumberOf(std::string entry) {
    if (StartsWithText(entry, "COM"))
        entry.erase(0, 3);
    return ParseIniInteger(Trim(entry), 0);
}

// Selects the item equal to text, letter case aside; no selection when there is none.
void selectText(QComboBox* list, const std::string& text) {
    list->setCurrentIndex(list->findText(FromBytes(text), Qt::MatchFixedString));
}

void selectIndex(QComboBox* list, int index) {
    list->setCurrentIndex(index >= 0 && index < list->count() ? index : -1);
}

std::string selectedText(const QComboBox* list) {
    return list->currentIndex() < 0 ? std::string() : ToBytes(list->currentText());
}

std::string fieldText(const QLineEdit* field) {
    return Trim(ToBytes(field->text()));
}

QLabel* makeLabel(const char* name, const char* text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    return label;
}

QLineEdit* makeField(const char* name, int maxLength, QWidget* parent) {
    auto* field = new QLineEdit(parent);
    field->setObjectName(name);
    field->setMaxLength(maxLength);
    return field;
}

QComboBox* makeList(const char* name, const QStringList& items, QWidget* parent) {
    auto* list = new QComboBox(parent);
    list->setObjectName(name);
    list->addItems(items);
    list->setEditable(false);
    return list;
}

QPushButton* makeButton(const char* name, const char* caption, const char* hint, QWidget* parent) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(name);
    button->setToolTip(hint);
    // Enter in a field must not press a button of the dialog.
    button->setAutoDefault(false);
    return button;
}

// A small picture of a job file beside the naming fields.
QPixmap jobFilePicture() {
    QPixmap picture(32, 36);
    picture.fill(Qt::transparent);
    QPainter p(&picture);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(60, 60, 60), 1.5));
    p.setBrush(Qt::white);
    const QPointF page[] = {{4, 2}, {21, 2}, {29, 10}, {29, 34}, {4, 34}};
    p.drawPolygon(page, 5);
    p.drawLine(QPointF(21, 2), QPointF(21, 10));
    p.drawLine(QPointF(21, 10), QPointF(29, 10));
    p.setPen(QPen(QColor(0, 128, 128), 2));
    for (int y = 16; y <= 28; y += 6)
        p.drawLine(QPointF(9, y), QPointF(24, y));
    return picture;
}
} // namespace

TfrmVRXConfig::TfrmVRXConfig(TfrmVRXLink& mainWindow, std::function<std::string()> listComPorts)
    : QDialog(&mainWindow, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint), m_mainWindow(mainWindow),
      siLangLinked1(this, MakeSetupTable(), mainWindow.siLangDispatcher1) {
    setObjectName("frmVRXConfig");
    siLangLinked1.Table().CopyDialogCaptionsFrom(mainWindow.LanguageTable());
    buildWindow();
    siLangLinked1.Table().OnChangeLanguage = [this] { siLangLinked1ChangeLanguage(); };
    siLangLinked1.Link();
    FormCreate(listComPorts);
    m_keyPreview = new TKeyPreview(this, [this](QKeyEvent* e) { return FormKeyDown(e); });
}

TfrmVRXConfig::~TfrmVRXConfig() = default;

void TfrmVRXConfig::buildWindow() {
    setWindowTitle("Setup/Configuration");
    setFixedSize(kClientWidth, kClientHeight);
    setFont(designFont(11));

    pnlJobFileName = new TCaptionPanel("pnlJobFileName", this);
    pnlDefaultValues = new TCaptionPanel("pnlDefaultValues", this);
    pnlSystemSettings = new TCaptionPanel("pnlSystemSettings", this);
    for (TCaptionPanel* panel : {pnlJobFileName, pnlDefaultValues, pnlSystemSettings})
        panel->setFont(designFont(11));
    buildJobFileNamePanel();
    buildDefaultValuesPanel();
    buildSystemSettingsPanel();

    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(6, 6, 6, 6);
    column->setSpacing(6);
    column->addWidget(pnlJobFileName);
    column->addWidget(pnlDefaultValues);
    column->addWidget(pnlSystemSettings, 1);

    for (QLineEdit* field : {edtJobFilePrefix, edtJobCode, edtSiteName, edtStationCode,
                             edtOperators, edtUser1, edtUser2, edtDir})
        connect(field, &QLineEdit::textChanged, this, &TfrmVRXConfig::edtJobFilePrefixChange);
    for (QComboBox* list : {cbJobFileBase, cbJobFileSuffix, cbPort})
        connect(list, &QComboBox::currentIndexChanged, this,
                &TfrmVRXConfig::edtJobFilePrefixChange);
    connect(cbLang, &QComboBox::activated, this, &TfrmVRXConfig::cbLangChange);
    connect(cbTheme, &QComboBox::activated, this, &TfrmVRXConfig::cbThemeChange);
    connect(btnBrowse, &QPushButton::clicked, this, &TfrmVRXConfig::btnBrowseClick);
    connect(AdvSmoothButton1, &QPushButton::clicked, this, &TfrmVRXConfig::btnSaveClick);
    connect(AdvSmoothButton2, &QPushButton::clicked, this, &TfrmVRXConfig::btnCancelClick);
}

void TfrmVRXConfig::buildJobFileNamePanel() {
    QWidget* panel = pnlJobFileName;
    auto* picture = new QLabel(panel);
    picture->setObjectName("imgJobFile");
    picture->setPixmap(jobFilePicture());
    edtJobFilePrefix = makeField("edtJobFilePrefix", kPrefixLength, panel);
    cbJobFileBase = makeList("cbJobFileBase", kBasePatterns, panel);
    cbJobFileSuffix = makeList("cbJobFileSuffix", kSuffixPatterns, panel);
    QLabel* extension = makeLabel("Label4", ".VLA", panel);
    extension->setFont(designFont(13, true));

    auto* grid = new QGridLayout(panel);
    grid->setContentsMargins(10, 6, 10, 8);
    grid->setHorizontalSpacing(8);
    grid->setVerticalSpacing(2);
    grid->addWidget(picture, 0, 0, 2, 1, Qt::AlignCenter);
    grid->addWidget(makeLabel("Label2", "Name", panel), 0, 1);
    grid->addWidget(makeLabel("Label5", "Date", panel), 0, 2);
    grid->addWidget(makeLabel("Label3", "Sequence", panel), 0, 3);
    grid->addWidget(edtJobFilePrefix, 1, 1);
    grid->addWidget(cbJobFileBase, 1, 2);
    grid->addWidget(cbJobFileSuffix, 1, 3);
    grid->addWidget(extension, 1, 4);
    grid->setColumnStretch(1, 3);
    grid->setColumnStretch(2, 4);
    grid->setColumnStretch(3, 2);
}

void TfrmVRXConfig::buildDefaultValuesPanel() {
    QWidget* panel = pnlDefaultValues;
    struct Row {
        const char* label;
        const char* caption;
        const char* field;
        QLineEdit** control;
    };
    const Row rows[] = {{"Label17", "Job Code:", "edtJobCode", &edtJobCode},
                        {"Label18", "Site Name:", "edtSiteName", &edtSiteName},
                        {"Label19", "Station Code:", "edtStationCode", &edtStationCode},
                        {"Label20", "Operators:", "edtOperators", &edtOperators},
                        {"Label21", "User 1:", "edtUser1", &edtUser1},
                        {"Label29", "User 2:", "edtUser2", &edtUser2}};
    auto* grid = new QGridLayout(panel);
    grid->setContentsMargins(10, 6, 10, 8);
    grid->setHorizontalSpacing(6);
    grid->setVerticalSpacing(4);
    // Two columns of three, read down the left column first.
    for (int i = 0; i < 6; ++i) {
        *rows[i].control = makeField(rows[i].field, kDefaultTextLength, panel);
        const int row = i % 3;
        const int column = (i / 3) * 2;
        grid->addWidget(makeLabel(rows[i].label, rows[i].caption, panel), row, column,
                        Qt::AlignRight | Qt::AlignVCenter);
        grid->addWidget(*rows[i].control, row, column + 1);
    }
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(3, 1);
}

void TfrmVRXConfig::buildSystemSettingsPanel() {
    QWidget* panel = pnlSystemSettings;
    cbLang = makeList("cbLang", kLanguages, panel);
    edtDir = makeField("edtDir", kDirLength, panel);
    btnBrowse = makeButton("btnBrowse", "Browse", "", panel);
    cbPort = makeList("cbPort", {}, panel);
    cbTheme = makeList("cbTheme", kThemes, panel);
    for (QComboBox* list : {cbLang, cbPort, cbTheme})
        list->setMinimumWidth(140);

    AdvSmoothButton1 =
        makeButton("AdvSmoothButton1", "Save", "Save configuration changes and close.", panel);
    AdvSmoothButton2 =
        makeButton("AdvSmoothButton2", "Cancel", "Abandon changes and close.", panel);
    AdvSmoothButton3 = makeButton("AdvSmoothButton3", "Help", "Configuration help.", panel);
    for (QPushButton* button : {AdvSmoothButton1, AdvSmoothButton2, AdvSmoothButton3}) {
        button->setFont(designFont(13, true));
        button->setMinimumSize(120, 36);
    }

    auto* grid = new QGridLayout(panel);
    grid->setContentsMargins(10, 8, 10, 10);
    grid->setHorizontalSpacing(6);
    grid->setVerticalSpacing(6);
    const auto addRow = [&](int row, const char* name, const char* caption, QWidget* control) {
        grid->addWidget(makeLabel(name, caption, panel), row, 0, Qt::AlignRight | Qt::AlignVCenter);
        grid->addWidget(control, row, 1, Qt::AlignLeft | Qt::AlignVCenter);
    };
    addRow(0, "Label1", "Language:", cbLang);
    grid->addWidget(makeLabel("Label6", "Data File Directory:", panel), 1, 0,
                    Qt::AlignRight | Qt::AlignVCenter);
    auto* dirRow = new QHBoxLayout;
    dirRow->setSpacing(4);
    dirRow->addWidget(edtDir, 1);
    dirRow->addWidget(btnBrowse);
    grid->addLayout(dirRow, 1, 1);
    addRow(2, "Label7", "Com Port:", cbPort);
    addRow(3, "Label8", "Theme:", cbTheme);
    grid->setColumnStretch(1, 1);
    grid->setRowStretch(4, 1);

    auto* buttons = new QHBoxLayout;
    buttons->setSpacing(12);
    buttons->addStretch();
    buttons->addWidget(AdvSmoothButton1);
    buttons->addWidget(AdvSmoothButton2);
    buttons->addWidget(AdvSmoothButton3);
    buttons->addStretch();
    grid->addLayout(buttons, 5, 0, 1, 2);
}

void TfrmVRXConfig::FormCreate(const std::function<std::string()>& listComPorts) {
    Changed = false;
    SetTheme(Config.Theme);
    cbPort->clear();
    if (listComPorts)
        for (const std::string& port : SplitLines(listComPorts()))
            cbPort->addItem(FromBytes(port));
}

void TfrmVRXConfig::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (m_shown)
        return;
    m_shown = true;
    FormShow();
}

void TfrmVRXConfig::FormShow() {
    LoadControls();
}

void TfrmVRXConfig::LoadControls() {
    edtJobFilePrefix->setText(FromBytes(Config.Prefix));
    selectText(cbJobFileBase, Config.Base);
    selectText(cbJobFileSuffix, Config.Suffix);
    edtJobCode->setText(FromBytes(Config.JobCode));
    edtSiteName->setText(FromBytes(Config.SiteName));
    edtStationCode->setText(FromBytes(Config.StationCode));
    edtOperators->setText(FromBytes(Config.Operators));
    edtUser1->setText(FromBytes(Config.User1));
    edtUser2->setText(FromBytes(Config.User2));
    selectIndex(cbLang, Config.Language);
    edtDir->setText(DataFolderForDisplay(FromBytes(Config.JobDir), FromUtf8(ExeDir)));
    selectConfiguredPort();
    selectIndex(cbTheme, Config.Theme);
    Changed = false;
}

void TfrmVRXConfig::selectConfiguredPort() {
    const QString configured = QString("COM%1").arg(Config.Port);
    int index = cbPort->findText(configured, Qt::MatchFixedString);
    // A configured port whose device is missing just now (an unplugged adapter) stays in the
    // list, so saving other settings does not quietly drop it.
    if (index < 0 && Config.Port > 0) {
        index = 0;
        while (index < cbPort->count() &&
               PortNumberOf(ToBytes(cbPort->itemText(index))) < Config.Port)
            ++index;
        cbPort->insertItem(index, configured);
    }
    cbPort->setCurrentIndex(index);
}

void TfrmVRXConfig::StoreControls() {
    Config.Prefix = fieldText(edtJobFilePrefix);
    Config.JobCode = fieldText(edtJobCode);
    Config.SiteName = fieldText(edtSiteName);
    Config.StationCode = fieldText(edtStationCode);
    Config.Operators = fieldText(edtOperators);
    Config.User1 = fieldText(edtUser1);
    Config.User2 = fieldText(edtUser2);
    Config.Base = selectedText(cbJobFileBase);
    Config.Suffix = selectedText(cbJobFileSuffix);
    Config.Language = cbLang->currentIndex();

    EnterProgramFolder(ExeDir);
    const QString folder = ResolveDataFolder(edtDir->text().trimmed(), FromUtf8(ExeDir));
    Config.JobDir = ToBytes(folder);
    QDir().mkpath(folder); // a folder that cannot be made shows up when a job is saved

    Config.Port = cbPort->currentIndex() < 0 ? 0 : PortNumberOf(selectedText(cbPort));
    Config.Theme = cbTheme->currentIndex();
}

void TfrmVRXConfig::SetTheme(int theme) {
    setPanelCaptions();
    if (!IsKnownTheme(theme))
        return;
    for (TCaptionPanel* panel : {pnlJobFileName, pnlDefaultValues, pnlSystemSettings})
        panel->ApplyTheme(theme);
    QPalette p = palette();
    p.setColor(QPalette::WindowText, ThemeColors(theme).panelText);
    setPalette(p);
}

void TfrmVRXConfig::setPanelCaptions() {
    pnlJobFileName->SetCaption("  " + FromUtf8(text("IDS_0")));
    pnlDefaultValues->SetCaption("  " + FromUtf8(text("IDS_1")));
    pnlSystemSettings->SetCaption("  " + FromUtf8(text("IDS_2")));
}

// A language chosen here re-labels the panel captions too, like every other caption.
void TfrmVRXConfig::siLangLinked1ChangeLanguage() {
    setPanelCaptions();
}

void TfrmVRXConfig::edtJobFilePrefixChange() {
    Changed = true;
}

void TfrmVRXConfig::cbLangChange(int index) {
    m_mainWindow.siLangDispatcher1.SetActiveLanguage(index + 1);
    Changed = true;
}

void TfrmVRXConfig::cbThemeChange(int index) {
    SetTheme(index);
    Changed = true;
}

void TfrmVRXConfig::btnBrowseClick() {
    const QString programFolder = FromUtf8(ExeDir);
    const QString typed = edtDir->text().trimmed();
    const QString start = typed.isEmpty() ? QString() : ResolveDataFolder(typed, programFolder);
    const auto chosen = Dialogs().SelectFolder(
        siLangLinked1.Table().Text(TLangKind::OtherString, "siBrowseForFolder1.DialogCaption"),
        ToUtf8(start));
    if (!chosen)
        return;
    edtDir->setText(ChosenFolderForDisplay(FromUtf8(*chosen), programFolder));
    Changed = true;
}

bool TfrmVRXConfig::storeAndSave() {
    StoreControls();
    try {
        SaveSettings();
    } catch (const TVrxError& e) {
        // The window stays open with its edits, so the operator can try again or cancel.
        ShowExceptionBox(e.what());
        return false;
    }
    return true;
}

// True when the window may close: the edits were saved or the operator dropped them.
bool TfrmVRXConfig::askToSaveOnLeaving() {
    const std::string content =
        text("rsSUChgM1") + "\n" + text("rsSUChgM2") + "\n" + text("rsSUChgM3");
    if (AskQuestion(text("rsSUChgT"), text("rsSUChgQ"), content, false, "") != kAnswerYes)
        return true;
    return storeAndSave();
}

// The stored language again (English when the stored number is out of range, as at start)
// and the main window's theme from the settings.
void TfrmVRXConfig::applyStoredLanguageAndTheme() {
    const int stored = Config.Language + 1;
    m_mainWindow.siLangDispatcher1.SetActiveLanguage(
        stored >= kLanguageEnglish && stored <= kLanguageCount ? stored : kLanguageEnglish);
    m_mainWindow.ApplyTheme();
}

void TfrmVRXConfig::btnSaveClick() {
    if (!storeAndSave())
        return;
    Changed = false;
    applyStoredLanguageAndTheme();
    close();
}

void TfrmVRXConfig::btnCancelClick() {
    if (Changed && !askToSaveOnLeaving())
        return;
    Changed = false;
    applyStoredLanguageAndTheme();
    close();
}

bool TfrmVRXConfig::FormClose() {
    if (Changed) {
        if (!askToSaveOnLeaving())
            return false;
        Changed = false;
    }
    applyStoredLanguageAndTheme();
    return true;
}

void TfrmVRXConfig::closeEvent(QCloseEvent* event) {
    if (!FormClose()) {
        event->ignore();
        return;
    }
    QDialog::closeEvent(event);
}

// Ctrl+S saves, Ctrl+H (help) has no action of its own; Esc without Ctrl alone cancels.
bool TfrmVRXConfig::FormKeyDown(QKeyEvent* event) {
    if (IsCtrlOnly(event)) {
        if (event->key() == Qt::Key_S) {
            btnSaveClick();
            return true;
        }
        return event->key() == Qt::Key_H;
    }
    if (event->key() == Qt::Key_Escape) {
        btnCancelClick();
        return true;
    }
    return false;
}
