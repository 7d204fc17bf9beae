// The about box: the program's name and version, the maker's address and its e-mail and web
// links. The main window opens it modally from a click on its status bar.
#pragma once

#include "LangApply.h"

#include <QDialog>

class QKeyEvent;
class QLabel;
class TBanner;
class TfrmVRXLink;
class TKeyPreview;
class TUrlLabel;

class TfrmAbout : public QDialog {
    Q_OBJECT
public:
    explicit TfrmAbout(TfrmVRXLink& owner);
    ~TfrmAbout() override;

    // Colours the lower panel, the window's text, Label2 and the links for Config.Theme.
    void ApplyAboutTheme();

    TBanner* Image1;
    QLabel* Label1;
    QLabel* Label2;
    QLabel* lblVersion;
    QLabel* Label3;
    TUrlLabel* OvcURL2;
    TUrlLabel* OvcURL1;

private:
    void buildWindow();
    void FormCreate();
    bool FormKeyDown(QKeyEvent* event);
    void showVersionLine();

    TWindowLang siLangLinked1;
    QWidget* m_lowerPanel = nullptr;
    TKeyPreview* m_keyPreview = nullptr;
};
