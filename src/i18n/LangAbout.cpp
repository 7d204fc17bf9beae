#include "LangAbout.h"

TsiLang MakeAboutTable() {
    TsiLang t("TfrmAbout");
    t.Add(TLangKind::Caption, "TfrmAbout", "About", "Sobre");
    t.Add(TLangKind::Caption, "lblVersion", "Version", "Versión");
    t.Add(TLangKind::Caption, "OvcURL2", "Click here to Email VRX",
          "Chasque aquí para enviar por correo electrónico VRX");
    t.Add(TLangKind::Message, "rsVersion", "Version", "Versión");
    t.Add(TLangKind::Caption, "Label2", "VRX Link for VELA Air Sampling Systems");
    // In Spanish every text of the box uses Tahoma; in English the links keep Arial.
    t.Add(TLangKind::Font, "TfrmAbout", "MS Sans Serif", "Tahoma");
    t.Add(TLangKind::Font, "Label1", "MS Sans Serif", "Tahoma");
    t.Add(TLangKind::Font, "Label2", "MS Sans Serif", "Tahoma");
    t.Add(TLangKind::Font, "lblVersion", "MS Sans Serif", "Tahoma");
    t.Add(TLangKind::Font, "Label3", "MS Sans Serif", "Tahoma");
    t.Add(TLangKind::Font, "OvcURL1", "Arial", "Tahoma");
    t.Add(TLangKind::Font, "OvcURL2", "Arial", "Tahoma");
    return t;
}
