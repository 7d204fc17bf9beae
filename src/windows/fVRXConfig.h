// The Setup window: edits the settings record (job file naming, default job texts, language,
// data folder, serial port, colour theme) and saves it to the settings file. A language
// choice re-labels every open window at once; a theme choice recolours this window only.
// Leaving without saving puts the stored language back. Opened modally by the main window.
#pragma once

#include "LangApply.h"

#include <QDialog>

#include <functional>
#include <string>

class QComboBox;
class QKeyEvent;
class QLabel;
class QLineEdit;
class QPushButton;
class TCaptionPanel;
class TfrmVRXLink;
class TKeyPreview;

class TfrmVRXConfig : public QDialog {
    Q_OBJECT
public:
    // listComPorts gives the machine's serial port names, one "COMn" a line; an empty
    // function gives none.
    TfrmVRXConfig(TfrmVRXLink& mainWindow, std::function<std::string()> listComPorts);
    ~TfrmVRXConfig() override;

    // Some control was edited since the controls were filled.
    bool Changed = false;

    void LoadControls();
    void StoreControls();
    void SetTheme(int theme);

    void btnBrowseClick();
    void btnSaveClick();
    void btnCancelClick();

    TCaptionPanel* pnlJobFileName;
    TCaptionPanel* pnlDefaultValues;
    TCaptionPanel* pnlSystemSettings;
    QLineEdit* edtJobFilePrefix;
    QComboBox* cbJobFileBase;
    QComboBox* cbJobFileSuffix;
    QLineEdit* edtJobCode;
    QLineEdit* edtSiteName;
    QLineEdit* edtStationCode;
    QLineEdit* edtOperators;
    QLineEdit* edtUser1;
    QLineEdit* edtUser2;
    QComboBox* cbLang;
    QLineEdit* edtDir;
    QPushButton* btnBrowse;
    QComboBox* cbPort;
    QComboBox* cbTheme;
    QPushButton* AdvSmoothButton1;
    QPushButton* AdvSmoothButton2;
    QPushButton* AdvSmoothButton3;

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void buildWindow();
    void buildJobFileNamePanel();
    void buildDefaultValuesPanel();
    void buildSystemSettingsPanel();
    void FormCreate(const std::function<std::string()>& listComPorts);
    void FormShow();
    bool FormClose();
    bool FormKeyDown(QKeyEvent* event);
    void edtJobFilePrefixChange();
    void cbLangChange(int index);
    void cbThemeChange(int index);
    void siLangLinked1ChangeLanguage();
    void setPanelCaptions();
    void selectConfiguredPort();
    bool askToSaveOnLeaving();
    bool storeAndSave();
    void applyStoredLanguageAndTheme();
    std::string text(const char* key) const { return siLangLinked1.GetTextOrDefault(key); }

    TfrmVRXLink& m_mainWindow;
    TWindowLang siLangLinked1;
    TKeyPreview* m_keyPreview = nullptr;
    bool m_shown = false;
};
