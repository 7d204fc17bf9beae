// The job window: one job record shown as a form. The operator fills the job's texts, the
// filter's weights and notes; the window shows the weight gain and the concentrations,
// saves the job file and prints the report. Several may be open at once, each with its
// own copy of a record.
#pragma once

#include "JobRecord.h"
#include "LangApply.h"

#include <QWidget>

class QKeyEvent;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class TfrmVRXLink;
class TKeyPreview;

class TfrmJob : public QWidget {
    Q_OBJECT
public:
    explicit TfrmJob(TfrmVRXLink* owner);
    ~TfrmJob() override;

    JobRecord JobData;
    bool DataChanged = true;
    bool FromFile = false;

    void SetFromFile(bool fromFile);
    void ApplyJobTheme();
    void FillFromRecord();
    void ShowConcentrations();
    void StoreEditsInRecord();

    // Saves the job file; false (with the system's reason shown) when it could not.
    bool btnSaveClick();
    void btnPrintClick();
    void btnHelpClick();
    void btnCloseClick();

    QLabel* lblProgramName;
    QLabel* lblDownloaded;
    QLabel* lblSysName;
    QLabel* lblVersion;
    QLabel* lblSerialNum;
    QLabel* lblPumpTime;
    QLabel* lblQSet;
    QLabel* lblM3A;
    QLabel* lblM3S;
    QLabel* lblJobFile;
    QLineEdit* edtJobCode;
    QLineEdit* edtSiteName;
    QLineEdit* edtStationCode;
    QLineEdit* edtOperators;
    QLineEdit* edtUser1;
    QLineEdit* edtUser2;
    QLabel* dspBPMax;
    QLabel* dspBPMin;
    QLabel* dspBPAvg;
    QLabel* dspTaMax;
    QLabel* dspTaMin;
    QLabel* dspTaAvg;
    QLabel* dspQMax;
    QLabel* dspQMin;
    QLabel* dspQAvg;
    QLabel* dspStartDate;
    QLabel* dspStartTime;
    QLabel* dspStopDate;
    QLabel* dspStopTime;
    QLabel* dspET;
    QLineEdit* edtFilterID;
    QLineEdit* edtFinalWt;
    QLineEdit* edtInitialWt;
    QLabel* dspDeltaWt;
    QLabel* dspActConc;
    QLabel* dspStdConc;
    QPlainTextEdit* memNotes;
    QPushButton* btnSave;
    QPushButton* btnPrint;
    QPushButton* btnClose;
    QPushButton* btnHelp;

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void buildWindow();
    QLabel* addCaption(const char* name, const QString& text, QRect geometry);
    QLabel* addCell(const char* name, QRect geometry, Qt::Alignment alignment);
    QLineEdit* addField(const char* name, QRect geometry, int maxLength);
    QLineEdit* addWeightField(const char* name, QRect geometry);
    void edtFinalWtChange();
    void edtJobCodeChange();
    bool FormCloseQuery();
    bool FormKeyDown(QKeyEvent* event);
    // Runs the command of a hot key; false for any other key.
    bool runHotKey(QKeyEvent* event);
    void setConcentrationCell(QLabel* cell, const std::string& text);
    double weightOf(const QLineEdit* field) const;
    QLabel* valueLabelFor(const std::string& key) const;
    QLineEdit* fieldFor(const std::string& key) const;
    QLabel* cellFor(const std::string& key) const;

    TfrmVRXLink* m_owner;
    TWindowLang siLangLinked1;
    TKeyPreview* m_keyPreview = nullptr;
    std::vector<QLabel*> m_cells;
    std::vector<QLabel*> m_captions;
    bool m_savedByThisWindow = false;
    bool m_filled = false;
    bool m_forwardingKey = false;
};
