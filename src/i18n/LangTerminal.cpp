#include "LangTerminal.h"

TsiLang MakeTerminalTable() {
    TsiLang t("TfrmVRXTalk");
    t.Add(TLangKind::Caption, "TfrmVRXTalk", "VRX Talk");
    t.Add(TLangKind::Caption, "tbSummary", "Summary");
    t.Add(TLangKind::Caption, "tbShow", "Show Calbration");
    t.Add(TLangKind::Caption, "tbSave", "Save Calibration ");
    t.Add(TLangKind::Caption, "tbReset", "Reset Calibration");
    t.Add(TLangKind::Caption, "tbRun", "Start Pump");
    t.Add(TLangKind::Caption, "tbStop", "Stop Pump");
    t.Add(TLangKind::Caption, "btnSend", "Send");
    t.Add(TLangKind::Caption, "btnClear", "Clear");
    t.Add(TLangKind::Caption, "XiButton1", "Commands");
    return t;
}
