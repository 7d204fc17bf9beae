#include "fVRXAbout.h"

#include "KeyPreview.h"
#include "LangAbout.h"
#include "QtText.h"
#include "Theme.h"
#include "UrlLabel.h"
#include "fVRXLink.h"
#include "uVRXCommon.h"

#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QVBoxLayout>

namespace {
constexpr int kClientWidth = 426;
constexpr int kClientHeight = 284;
constexpr int kUpperHeight = 108;

// The maker's words are placeholders of this build.
constexpr const char* kMakerAddress = "Example Instruments\n1 Sample Street\nSampletown 00000\n"
                                      "Tel: +1 555 0100\nFax: +1 555 0101";
constexpr const char* kNotice = "Copyright \u00a9 2024 Example Instruments. All rights reserved.";
constexpr const char* kMailUrl = "mailto:info@example.com";
constexpr const char* kWebUrl = "https://www.example.com";
constexpr const char* kWebCaption = "www.example.com";

QFont designFont(const char* family, int pixelSize, bool bold = false, bool underline = false) {
    QFont font(family);
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    font.setUnderline(underline);
    return font;
}

} // namespace

TfrmAbout::TfrmAbout(TfrmVRXLink& owner)
    : QDialog(&owner, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint),
      siLangLinked1(this, MakeAboutTable(), owner.siLangDispatcher1) {
    setObjectName("frmAbout");
    siLangLinked1.Table().CopyDialogCaptionsFrom(owner.LanguageTable());
    buildWindow();
    // The table's caption of lblVersion is the bare word; the line always carries the number.
    siLangLinked1.Table().OnChangeLanguage = [this] { showVersionLine(); };
    siLangLinked1.Link();
    FormCreate();
    m_keyPreview = new TKeyPreview(this, [this](QKeyEvent* e) { return FormKeyDown(e); });
}

TfrmAbout::~TfrmAbout() = default;

void TfrmAbout::buildWindow() {
    setWindowTitle("About");
    setFixedSize(kClientWidth, kClientHeight);
    setFont(designFont("MS Sans Serif", 11));

    Image1 = new TBanner(kThemeTeal, "VRX Link", "Air sampler link", this);
    Image1->setObjectName("Image1");
    Image1->setGeometry(0, 0, kClientWidth, kUpperHeight);

    Label1 = new QLabel(kMakerAddress, this);
    Label1->setObjectName("Label1");
    Label1->setFont(designFont("MS Sans Serif", 11, true));
    Label1->setGeometry(250, 8, 168, 92);
    Label1->setWordWrap(true);
    Label1->setAlignment(Qt::AlignCenter);
    Label1->setFrameShape(QFrame::Box);
    Label1->setStyleSheet("QLabel { color: navy; background-color: rgba(255, 255, 255, 215); "
                          "border: 1px solid navy; }");

    m_lowerPanel = new QWidget(this);
    m_lowerPanel->setObjectName("pnlLower");
    m_lowerPanel->setGeometry(0, kUpperHeight, kClientWidth, kClientHeight - kUpperHeight);

    Label2 = new QLabel("VRX Link for VELA Air Sampling Systems");
    Label2->setObjectName("Label2");
    Label2->setFont(designFont("MS Sans Serif", 16));

    lblVersion = new QLabel("Version");
    lblVersion->setObjectName("lblVersion");
    lblVersion->setFont(designFont("MS Sans Serif", 11));

    Label3 = new QLabel(kNotice);
    Label3->setObjectName("Label3");
    Label3->setFont(designFont("MS Sans Serif", 11));

    OvcURL2 = new TUrlLabel("OvcURL2", "Click here to Email VRX", kMailUrl);
    OvcURL2->setFont(designFont("Arial", 16, false, true));

    OvcURL1 = new TUrlLabel("OvcURL1", kWebCaption, kWebUrl);
    OvcURL1->setFont(designFont("Arial", 24, false, true));

    // Centred lines. The e-mail link wraps when its text is too long for one line (as in
    // Spanish); the web link is only as wide as its text.
    auto* lines = new QVBoxLayout(m_lowerPanel);
    lines->setContentsMargins(4, 8, 4, 8);
    lines->setSpacing(4);
    for (QLabel* label : {Label2, lblVersion, Label3, static_cast<QLabel*>(OvcURL2),
                          static_cast<QLabel*>(OvcURL1)}) {
        label->setAlignment(Qt::AlignCenter);
        lines->addWidget(label, 0, label == OvcURL1 ? Qt::AlignHCenter : Qt::Alignment());
    }
    OvcURL2->setWordWrap(true);
    lines->insertSpacing(3, 6);
}

void TfrmAbout::FormCreate() {
    showVersionLine();
    ApplyAboutTheme();
}

void TfrmAbout::showVersionLine() {
    lblVersion->setText(
        FromUtf8(siLangLinked1.GetTextOrDefault("rsVersion") + " " + kProgramVersion));
}

void TfrmAbout::ApplyAboutTheme() {
    if (!IsKnownTheme(Config.Theme))
        return;
    const QColor text = ThemeColors(Config.Theme).panelText;
    QPalette window = palette();
    window.setColor(QPalette::WindowText, text);
    setPalette(window);
    ApplyPanelColours(m_lowerPanel, Config.Theme);
    QPalette title = Label2->palette();
    title.setColor(QPalette::WindowText, text);
    Label2->setPalette(title);
    OvcURL1->SetTextColour(text);
    OvcURL2->SetTextColour(text);
}

bool TfrmAbout::FormKeyDown(QKeyEvent* event) {
    if (event->key() != Qt::Key_Escape)
        return false;
    close();
    return true;
}
