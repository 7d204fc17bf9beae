#include "fVRXJob.h"

#include "Concentration.h"
#include "JobFile.h"
#include "KeyPreview.h"
#include "LangJobWindow.h"
#include "MessageBoxes.h"
#include "QtText.h"
#include "StrngLib.h"
#include "SystemLocale.h"
#include "Theme.h"
#include "VrxError.h"
#include "fVRXJobRptForm.h"
#include "fVRXLink.h"
#include "uVRXCommon.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QScreen>

#include <algorithm>
#include <map>
#include <set>

namespace {
constexpr int kTextFieldLength = 50;
constexpr int kFilterIdLength = 9;
constexpr int kWeightLength = 14;
const QString kCellPad = "  ";

// The note numbers the record holds ("NOTE" followed by a plain decimal number), in
// numeric order, so that notes of any length come back whole.
std::vector<unsigned long> noteNumbers(const JobRecord& record) {
    std::set<unsigned long> numbers;
    for (size_t i = 0; i < record.Count(); ++i) {
        const std::string key = UpperCase(record.KeyAt(i));
        if (key.size() < 5 || key.size() > 13 || !key.starts_with("NOTE"))
            continue;
        const std::string digits = key.substr(4);
        if (!std::all_of(digits.begin(), digits.end(), [](char c) { return c >= '0' && c <= '9'; }))
            continue;
        if (digits.size() > 1 && digits[0] == '0')
            continue;
        numbers.insert(std::stoul(digits));
    }
    return {numbers.begin(), numbers.end()};
}

// The window's title: its type shrinks, down to two thirds of the design size, when a
// language's text would not fit the title's width.
class TTitleLabel : public QLabel {
public:
    using QLabel::QLabel;

protected:
    void paintEvent(QPaintEvent*) override {
        QFont fitted = font();
        const int smallest = fitted.pixelSize() * 2 / 3;
        while (fitted.pixelSize() > smallest &&
               QFontMetrics(fitted).horizontalAdvance(text()) > contentsRect().width())
            fitted.setPixelSize(fitted.pixelSize() - 1);
        QPainter painter(this);
        painter.setFont(fitted);
        painter.setPen(palette().color(foregroundRole()));
        painter.drawText(contentsRect(), int(alignment()), text());
    }
};

} // namespace

TfrmJob::TfrmJob(TfrmVRXLink* owner)
    : QWidget(owner, Qt::Window | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                         Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                         Qt::WindowCloseButtonHint),
      m_owner(owner), siLangLinked1(this, MakeJobWindowTable(), owner->siLangDispatcher1) {
    setObjectName("frmJob");
    setAttribute(Qt::WA_DeleteOnClose);
    siLangLinked1.Table().CopyDialogCaptionsFrom(owner->LanguageTable());
    buildWindow();
    DataChanged = true;
    FromFile = false;
    ApplyJobTheme();
    if (QScreen* shown = owner->screen())
        move(shown->availableGeometry().center() - rect().center());
    siLangLinked1.Link();
    m_keyPreview = new TKeyPreview(this, [this](QKeyEvent* e) { return FormKeyDown(e); });
}

TfrmJob::~TfrmJob() = default;

QLabel* TfrmJob::addCaption(const char* name, const QString& text, QRect geometry) {
    auto* label = new QLabel(text, this);
    label->setObjectName(name);
    label->setGeometry(geometry);
    m_captions.push_back(label);
    return label;
}

QLabel* TfrmJob::addCell(const char* name, QRect geometry, Qt::Alignment alignment) {
    auto* cell = new QLabel(this);
    cell->setObjectName(name);
    cell->setGeometry(geometry);
    cell->setAlignment(alignment | Qt::AlignVCenter);
    cell->setFrameShape(QFrame::Box);
    m_cells.push_back(cell);
    return cell;
}

QLineEdit* TfrmJob::addField(const char* name, QRect geometry, int maxLength) {
    auto* field = new QLineEdit(this);
    field->setObjectName(name);
    field->setGeometry(geometry);
    field->setMaxLength(maxLength);
    connect(field, &QLineEdit::textChanged, this, &TfrmJob::edtJobCodeChange);
    return field;
}

QLineEdit* TfrmJob::addWeightField(const char* name, QRect geometry) {
    auto* field = new QLineEdit(this);
    field->setObjectName(name);
    field->setGeometry(geometry);
    field->setMaxLength(kWeightLength);
    field->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    // Digits, blanks, "-" and the decimal point (also the locale's, when it is another).
    QString allowed = "0-9 \\-.";
    if (QLocale::system().decimalPoint() != ".")
        allowed += QRegularExpression::escape(QLocale::system().decimalPoint());
    field->setValidator(
        new QRegularExpressionValidator(QRegularExpression("[" + allowed + "]*"), field));
    connect(field, &QLineEdit::textChanged, this, &TfrmJob::edtFinalWtChange);
    return field;
}

void TfrmJob::buildWindow() {
    setWindowTitle("VRX Download Data");
    setFixedSize(785, 565);
    // The design fonts the language table restores when the window turns English again.
    QFont base("MS Sans Serif");
    base.setPixelSize(11);
    setFont(base);

    lblProgramName = new TTitleLabel("VRX Air Samping System", this);
    lblProgramName->setObjectName("lblProgramName");
    QFont title("Arial");
    title.setPixelSize(24);
    title.setBold(true);
    lblProgramName->setFont(title);
    lblProgramName->setGeometry(12, 6, 440, 32);
    addCaption("Label2", "Downloaded:", {470, 14, 90, 18});
    lblDownloaded = addCaption("lblDownloaded", "", {562, 14, 212, 18});

    lblSysName = new QLabel(this);
    lblSysName->setObjectName("lblSysName");
    QFont bold = base;
    bold.setPixelSize(13);
    bold.setBold(true);
    lblSysName->setFont(bold);
    lblSysName->setGeometry(12, 42, 500, 20);

    // Left block: the unit and its run.
    const char* leftCaptions[][2] = {{"Label4", "Version:"},         {"Label5", "Serial No:"},
                                     {"Label6", "Pump Time:"},       {"Label7", "Q Set (Lpm)"},
                                     {"Label8", "Actual Total M3:"}, {"Label9", "Std. Total M3:"}};
    QLabel** leftValues[] = {&lblVersion, &lblSerialNum, &lblPumpTime, &lblQSet, &lblM3A, &lblM3S};
    const char* leftNames[] = {"lblVersion", "lblSerialNum", "lblPumpTime",
                               "lblQSet",    "lblM3A",       "lblM3S"};
    for (int i = 0; i < 6; ++i) {
        const int y = 74 + i * 24;
        addCaption(leftCaptions[i][0], leftCaptions[i][1], {12, y, 120, 18})
            ->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        *leftValues[i] = addCaption(leftNames[i], "", {140, y, 205, 18});
    }

    // Right block: the job's identification.
    // Captions reach far to the left: the Spanish ones are half as long again.
    addCaption("Label16", "Data File:", {352, 70, 140, 18})
        ->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    lblJobFile = addCaption("lblJobFile", "", {500, 70, 275, 18});
    const char* rightCaptions[][2] = {{"Label17", "Job Code:"},     {"Label18", "Site Name:"},
                                      {"Label19", "Station Code:"}, {"Label20", "Operators:"},
                                      {"Label21", "User 1:"},       {"Label29", "User 2:"}};
    QLineEdit** rightFields[] = {&edtJobCode,   &edtSiteName, &edtStationCode,
                                 &edtOperators, &edtUser1,    &edtUser2};
    const char* rightNames[] = {"edtJobCode",   "edtSiteName", "edtStationCode",
                                "edtOperators", "edtUser1",    "edtUser2"};
    for (int i = 0; i < 6; ++i) {
        const int y = 94 + i * 24;
        addCaption(rightCaptions[i][0], rightCaptions[i][1], {352, y + 1, 140, 18})
            ->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        *rightFields[i] = addField(rightNames[i], {500, y, 275, 21}, kTextFieldLength);
    }

    // Atmospheric block.
    const int top = 252;
    QFont blockFont = bold;
    addCaption("Label31", "Atmospheric Information:", {12, top, 250, 18})->setFont(blockFont);
    const char* heads[][2] = {{"Label40", "Max"}, {"Label41", "Min"}, {"Label42", "Avg"}};
    for (int c = 0; c < 3; ++c)
        addCaption(heads[c][0], heads[c][1], {44 + c * 62, top + 24, 58, 16})
            ->setAlignment(Qt::AlignCenter);
    const char* rows[][3] = {
        {"Label34", "BP", "Label37"}, {"Label35", "Ta", "Label38"}, {"Label36", "Q", "Label39"}};
    const char* units[] = {"mm of Hg", "°C", "Lpm"};
    QLabel** atmos[3][3] = {{&dspBPMax, &dspBPMin, &dspBPAvg},
                            {&dspTaMax, &dspTaMin, &dspTaAvg},
                            {&dspQMax, &dspQMin, &dspQAvg}};
    const char* atmosNames[3][3] = {{"dspBPMax", "dspBPMin", "dspBPAvg"},
                                    {"dspTaMax", "dspTaMin", "dspTaAvg"},
                                    {"dspQMax", "dspQMin", "dspQAvg"}};
    for (int r = 0; r < 3; ++r) {
        const int y = top + 44 + r * 28;
        addCaption(rows[r][0], rows[r][1], {12, y, 30, 22});
        for (int c = 0; c < 3; ++c)
            *atmos[r][c] = addCell(atmosNames[r][c], {44 + c * 62, y, 58, 22}, Qt::AlignHCenter);
        addCaption(rows[r][2], QString::fromUtf8(units[r]), {232, y, 60, 22});
    }

    // Timer block.
    const int tx = 300;
    addCaption("Label32", "Timer Information:", {tx, top, 200, 18})->setFont(blockFont);
    // Row captions wide enough for the Spanish "Comienzo".
    const int dateX = tx + 58;
    const int timeX = dateX + 76;
    addCaption("Label56", "Date", {dateX, top + 24, 70, 16})->setAlignment(Qt::AlignCenter);
    addCaption("Label57", "Time", {timeX, top + 24, 70, 16})->setAlignment(Qt::AlignCenter);
    addCaption("Label55", "Start", {tx, top + 44, 56, 22});
    dspStartDate = addCell("dspStartDate", {dateX, top + 44, 70, 22}, Qt::AlignHCenter);
    dspStartTime = addCell("dspStartTime", {timeX, top + 44, 70, 22}, Qt::AlignHCenter);
    addCaption("Label54", "Stop", {tx, top + 72, 56, 22});
    dspStopDate = addCell("dspStopDate", {dateX, top + 72, 70, 22}, Qt::AlignHCenter);
    dspStopTime = addCell("dspStopTime", {timeX, top + 72, 70, 22}, Qt::AlignHCenter);
    addCaption("Label58", "ET", {tx, top + 100, 56, 22});
    dspET = addCell("dspET", {dateX, top + 100, 70, 22}, Qt::AlignHCenter);

    // Concentration block.
    const int cx = 516;
    addCaption("Label33", "Concentration Data:", {cx, top, 259, 18})->setFont(blockFont);
    const char* concCaptions[][2] = {{"Label43", "Filter ID"},    {"Label44", "Final Wt"},
                                     {"Label45", "Initial Wt"},   {"Label46", "Delta Wt"},
                                     {"Label47", "Actual Conc."}, {"Label48", "Std. Conc."}};
    for (int r = 0; r < 6; ++r)
        addCaption(concCaptions[r][0], concCaptions[r][1], {cx, top + 22 + r * 24, 84, 21});
    const QRect valueAt(cx + 88, 0, 110, 21);
    auto rowRect = [&](int r) { return valueAt.translated(0, top + 22 + r * 24); };
    edtFilterID = addField("edtFilterID", rowRect(0), kFilterIdLength);
    edtFinalWt = addWeightField("edtFinalWt", rowRect(1));
    edtInitialWt = addWeightField("edtInitialWt", rowRect(2));
    dspDeltaWt = addCell("dspDeltaWt", rowRect(3), Qt::AlignRight);
    dspActConc = addCell("dspActConc", rowRect(4), Qt::AlignRight);
    dspStdConc = addCell("dspStdConc", rowRect(5), Qt::AlignRight);
    const char* concUnits[][2] = {{"Label49", "mg"},
                                  {"Label50", "mg"},
                                  {"Label51", "mg"},
                                  {"Label52", "µg/M³"},
                                  {"Label53", "µg/M³"}};
    for (int r = 0; r < 5; ++r)
        addCaption(concUnits[r][0], QString::fromUtf8(concUnits[r][1]),
                   rowRect(r + 1).translated(116, 0).adjusted(0, 0, -50, 0));

    addCaption("Label3", "Notes:", {12, 414, 100, 18});
    memNotes = new QPlainTextEdit(this);
    memNotes->setObjectName("memNotes");
    memNotes->setGeometry(12, 434, 763, 86);
    memNotes->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    memNotes->setTabChangesFocus(true);

    auto addButton = [this](const char* name, const char* caption, int x) {
        auto* button = new QPushButton(caption, this);
        button->setObjectName(name);
        button->setGeometry(x, 530, 90, 28);
        return button;
    };
    btnSave = addButton("btnSave", "Save", 395);
    btnPrint = addButton("btnPrint", "Print", 490);
    btnClose = addButton("btnClose", "Close", 585);
    btnHelp = addButton("btnHelp", "Help", 680);
    connect(btnSave, &QPushButton::clicked, this, [this] { btnSaveClick(); });
    connect(btnPrint, &QPushButton::clicked, this, &TfrmJob::btnPrintClick);
    connect(btnClose, &QPushButton::clicked, this, &TfrmJob::btnCloseClick);
    connect(btnHelp, &QPushButton::clicked, this, &TfrmJob::btnHelpClick);

    btnSave->setToolTip("Save the dowloaded data to a file.");
    btnPrint->setToolTip("Print the above data.");
    btnHelp->setToolTip("Detailed help and explainations.");
    btnClose->setToolTip("Close window");
    edtFinalWt->setToolTip("Enter the final weight of the filter");
    edtInitialWt->setToolTip("Enter the initial weight of the filter");
    edtFilterID->setToolTip("Enter Filter ID");
    memNotes->setToolTip("Enter any notes here");

    QWidget* tabOrder[] = {edtJobCode, edtSiteName, edtStationCode, edtOperators, edtUser1,
                           edtUser2,   edtFilterID, edtFinalWt,     edtInitialWt, memNotes,
                           btnSave,    btnPrint,    btnHelp,        btnClose};
    for (size_t i = 0; i + 1 < std::size(tabOrder); ++i)
        setTabOrder(tabOrder[i], tabOrder[i + 1]);
}

void TfrmJob::SetFromFile(bool fromFile) {
    FromFile = fromFile;
    DataChanged = !fromFile;
}

void TfrmJob::ApplyJobTheme() {
    if (!IsKnownTheme(Config.Theme))
        return;
    ApplyPanelColours(this, Config.Theme);
    const QColor text = ThemeColors(Config.Theme).panelText;
    const QString cellStyle =
        QString("QLabel { border: 1px solid %1; color: %1; }").arg(text.name());
    for (QLabel* cell : m_cells)
        cell->setStyleSheet(cellStyle);
    QPalette fields = edtJobCode->palette();
    fields.setColor(QPalette::Text, Qt::black);
    for (QLineEdit* field : findChildren<QLineEdit*>())
        field->setPalette(fields);
}

namespace {
// Which control shows a record key, as members of the window; built once, not per lookup.
template <typename Control>
using ControlsByKey = std::map<std::string, Control * TfrmJob::*, std::less<>>;

template <typename Control>
Control* controlFor(const TfrmJob& window, const ControlsByKey<Control>& controls,
                    const std::string& key) {
    const auto it = controls.find(key);
    return it == controls.end() ? nullptr : window.*(it->second);
}
} // namespace

QLabel* TfrmJob::valueLabelFor(const std::string& key) const {
    static const ControlsByKey<QLabel> labels = {
        {"NAME", &TfrmJob::lblSysName},      {"DOWNLOADED", &TfrmJob::lblDownloaded},
        {"VERSION", &TfrmJob::lblVersion},   {"SN", &TfrmJob::lblSerialNum},
        {"PUMPTIME", &TfrmJob::lblPumpTime}, {"QSET", &TfrmJob::lblQSet},
        {"M3A", &TfrmJob::lblM3A},           {"M3S", &TfrmJob::lblM3S},
        {"JOBFILE", &TfrmJob::lblJobFile}};
    return controlFor(*this, labels, key);
}

QLineEdit* TfrmJob::fieldFor(const std::string& key) const {
    static const ControlsByKey<QLineEdit> fields = {{"JOBCODE", &TfrmJob::edtJobCode},
                                                    {"SITENAME", &TfrmJob::edtSiteName},
                                                    {"STATIONCODE", &TfrmJob::edtStationCode},
                                                    {"OPERATORS", &TfrmJob::edtOperators},
                                                    {"USER1", &TfrmJob::edtUser1},
                                                    {"USER2", &TfrmJob::edtUser2},
                                                    {"FILTERID", &TfrmJob::edtFilterID}};
    return controlFor(*this, fields, key);
}

QLabel* TfrmJob::cellFor(const std::string& key) const {
    static const ControlsByKey<QLabel> cells = {
        {"BPMIN", &TfrmJob::dspBPMin},       {"BPMAX", &TfrmJob::dspBPMax},
        {"BPAVG", &TfrmJob::dspBPAvg},       {"TEMPMIN", &TfrmJob::dspTaMin},
        {"TEMPMAX", &TfrmJob::dspTaMax},     {"TEMPAVG", &TfrmJob::dspTaAvg},
        {"FLOWAVG", &TfrmJob::dspQAvg},      {"STARTDATE", &TfrmJob::dspStartDate},
        {"STOPDATE", &TfrmJob::dspStopDate}, {"STARTTIME", &TfrmJob::dspStartTime},
        {"STOPTIME", &TfrmJob::dspStopTime}, {"ET", &TfrmJob::dspET}};
    return controlFor(*this, cells, key);
}

void TfrmJob::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (m_filled)
        return;
    m_filled = true;
    FillFromRecord();
}

void TfrmJob::FillFromRecord() {
    const std::string separator = LocaleDecimalSeparator();
    for (size_t i = 0; i < JobData.Count(); ++i) {
        const std::string key = UpperCase(JobData.KeyAt(i));
        const std::string value = JobData.GetJobValue(key);
        if (QLabel* label = valueLabelFor(key))
            label->setText(FromBytes(value));
        else if (QLineEdit* field = fieldFor(key))
            field->setText(FromBytes(value));
        else if (QLabel* cell = cellFor(key))
            cell->setText(FromBytes(value));
        else if (key == "FINALWT" || key == "INITIALWT") {
            const auto weight = ParseStoredNumber(value, separator);
            (key == "FINALWT" ? edtFinalWt : edtInitialWt)
                ->setText(weight ? FromBytes(FormatFixed3(*weight, separator)) : QString());
        }
    }
    dspQMax->setText("---");
    dspQMin->setText("---");
    ShowConcentrations();

    QStringList notes;
    for (unsigned long n : noteNumbers(JobData))
        notes << FromBytes(JobData.GetJobValue("NOTE" + std::to_string(n)));
    memNotes->setPlainText(notes.join('\n'));
    DataChanged = !FromFile;
}

double TfrmJob::weightOf(const QLineEdit* field) const {
    return ParseLocaleNumber(ToBytes(field->text()), LocaleDecimalSeparator()).value_or(0.0);
}

void TfrmJob::setConcentrationCell(QLabel* cell, const std::string& text) {
    cell->setText(FromBytes(text) + kCellPad);
}

void TfrmJob::ShowConcentrations() {
    const TConcentrations c =
        ComputeConcentrations(JobData, weightOf(edtFinalWt), weightOf(edtInitialWt),
                              LocaleDecimalSeparator(), MissingM3S::ShowNA);
    setConcentrationCell(dspDeltaWt, c.DeltaWt);
    setConcentrationCell(dspActConc, c.ActConc);
    setConcentrationCell(dspStdConc, c.StdConc);
    if (JobData.FindJobKey("M3S") < 0)
        lblM3S->setText("N/A");
}

void TfrmJob::edtFinalWtChange() {
    ShowConcentrations();
    DataChanged = true;
}

void TfrmJob::edtJobCodeChange() {
    DataChanged = true;
}

void TfrmJob::StoreEditsInRecord() {
    for (const char* key :
         {"JOBCODE", "SITENAME", "STATIONCODE", "OPERATORS", "USER1", "USER2", "FILTERID"})
        JobData.SetJobValue(key, ToBytes(fieldFor(key)->text()));
    const std::string separator = LocaleDecimalSeparator();
    JobData.SetJobValue("FINALWT", FormatFixed3(weightOf(edtFinalWt), separator));
    JobData.SetJobValue("INITIALWT", FormatFixed3(weightOf(edtInitialWt), separator));
    for (size_t i = JobData.Count(); i-- > 0;)
        if (JobData.KeyAt(i).starts_with("NOTE"))
            JobData.Delete(i);
    const QString notes = memNotes->toPlainText();
    if (notes.isEmpty())
        return;
    QStringList lines = notes.split('\n');
    if (lines.size() > 1 && lines.back().isEmpty())
        lines.removeLast(); // a final line break ends the last line, it adds none

    for (qsizetype n = 0; n < lines.size(); ++n)
        JobData.Append("NOTE" + std::to_string(n) + "=" + ToBytes(lines[n]));
}

bool TfrmJob::btnSaveClick() {
    StoreEditsInRecord();
    try {
        const JobSaveResult saved = SaveJobRecord(JobData, FromFile || m_savedByThisWindow);
        lblJobFile->setText(FromBytes(saved.FileName));
    } catch (const TVrxError& e) {
        ShowExceptionBox(e.what());
        return false;
    }
    m_savedByThisWindow = true;
    DataChanged = false;
    return true;
}

void TfrmJob::btnPrintClick() {
    PrintRequest request;
    request.documentName = ToUtf8(windowTitle());
    request.captions = siLangLinked1.Table().DialogCaptions();
    if (!Dialogs().ChoosePrinter(request))
        return;
    StoreEditsInRecord();
    try {
        PrintJobReport(JobData.JobRecordText(), request, siLangLinked1.Table().Language());
    } catch (const TVrxError& e) {
        ShowExceptionBox(e.what());
    }
}

void TfrmJob::btnHelpClick() {
    m_owner->actHelpExecute();
}

void TfrmJob::btnCloseClick() {
    close();
}

bool TfrmJob::FormCloseQuery() {
    if (!DataChanged)
        return true;
    const std::string content = siLangLinked1.GetTextOrDefault("rsJobChgM1") + "\n" +
                                siLangLinked1.GetTextOrDefault("rsJobChgM2") + "\n" +
                                siLangLinked1.GetTextOrDefault("rsJobChgM3") + "\n" +
                                siLangLinked1.GetTextOrDefault("rsJobChgM4");
    switch (AskQuestion(siLangLinked1.GetTextOrDefault("rsJobChgT"),
                        siLangLinked1.GetTextOrDefault("rsJobChgQ"), content, true, "")) {
    case kAnswerYes:
        return btnSaveClick();
    case kAnswerNo:
        return true;
    default:
        return false;
    }
}

void TfrmJob::closeEvent(QCloseEvent* event) {
    if (FormCloseQuery())
        event->accept();
    else
        event->ignore();
}

bool TfrmJob::FormKeyDown(QKeyEvent* event) {
    if (m_forwardingKey)
        return false;
    if (!runHotKey(event))
        return false;
    // The key still reaches the focused control, once. Handing it on from here, rather than
    // letting it travel on, keeps a control that ignores it from passing it back up to this
    // window, which would run the command a second time.
    if (QWidget* focused = focusWidget()) {
        const QPointer<TfrmJob> self(this);
        m_forwardingKey = true;
        QCoreApplication::sendEvent(focused, event);
        if (self)
            m_forwardingKey = false;
    }
    return true;
}

bool TfrmJob::runHotKey(QKeyEvent* event) {
    const int key = event->key();
    if (key == Qt::Key_Escape) {
        if (IsCtrlOnly(event))
            return false;
        btnCloseClick();
    } else if (IsCtrlOnly(event) && key == Qt::Key_S) {
        btnSaveClick();
    } else if (IsCtrlOnly(event) && key == Qt::Key_P) {
        btnPrintClick();
    } else if (IsCtrlOnly(event) && key == Qt::Key_H) {
        btnHelpClick();
    } else if (IsCtrlShiftOnly(event) && key == Qt::Key_Q) {
        Dialogs().ShowPlainMessage(Cp1252ToUtf8(JobData.JobRecordText()));
    } else {
        return false;
    }
    return true;
}
