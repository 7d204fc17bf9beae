#include "LangBattery.h"

TsiLang MakeBatteryTable() {
    TsiLang t("TfrmSetBattery");
    t.Add(TLangKind::Caption, "TfrmSetBattery", "Set Battery Type", "Fije el Tipo de la Batería");
    t.Add(TLangKind::Caption, "btnSet", "Set", "Sistema");
    t.Add(TLangKind::Caption, "btnClose", "Close", "Cierre ");
    t.Add(TLangKind::Caption, "rgBattery", " Battery Type ", "Tipo de la Batería");
    t.Add(TLangKind::Hint, "btnSet", "Set the units battery type",
          "Fije el tipo de la batería de las unidades");
    t.Add(TLangKind::Hint, "btnClose", "Close window", "Ventana cercana");
    t.Add(TLangKind::Message, "rsSet", "Battery Type Set!", "Tipo de batería Set!");
    t.Add(TLangKind::Message, "rsPW-Verify", "Please Wait ... Verifying Battery Type Changed!",
          "Espere por favor ... Tipo de Cambio en la verificación de la batería!");
    t.Add(TLangKind::Message, "rsPW-Setting", "Please Wait ... Setting Battery Type!",
          "Espere por favor ... Configuración Tipo de batería!");
    t.Add(TLangKind::Message, "rsPW-EstComm", "Please Wait ... Establishing Communications!",
          "Espere por favor ... El establecimiento de comunicaciones!");
    t.Add(TLangKind::Message, "rsNoResp", "No Response! Check cable connections!",
          "Sin Respuesta! Compruebe la conexión de cable!");
    t.Add(TLangKind::Message, "rsNoPort", "Com Port not configured!",
          "¡Puerto de COM no configurado!");
    t.Add(TLangKind::Message, "rsInvResp", "Invalid Response! Check cable connections!",
          "¡Respuesta inválida! ¡Compruebe las conexiones de cable!");
    t.Add(TLangKind::Message, "rsInvPort", "Invalid Com Port! Check configuration!",
          "Puerto COM no válido! Compruebe la configuración!");
    t.Add(TLangKind::Message, "rsErrNotSet", "ERROR: Battery Type did not set!",
          "ERROR: Tipo de batería no fijó!");
    t.Add(TLangKind::Message, "dlgNoBatM", "Battery Type Not Selected!",
          "Tipo de pila no seleccionados!");
    t.Add(TLangKind::Message, "dlgNoBatC",
          "A Battery Type must be selected<BR>before clicking on the Set button.",
          "Un Tipo de batería debe ser seleccionado<BR>antes de hacer clic en el botón Set.");
    t.Add(TLangKind::Message, "dlgError", "ERROR", "ERROR");
    t.Add(TLangKind::Message, "dlgChgBatT", "Change?", "¿Cambiar?");
    t.Add(TLangKind::Message, "dlgChgBatM", "Change Battery Type?",
          "¿Cambie el tipo de la batería?");
    t.Add(TLangKind::Message, "dlgChgBatH",
          "WARNING: Setting the wrong battery type may damage your VRX device!",
          "ADVERTENCIA: ¡La determinación del tipo incorrecto de la batería puede dañar su "
          "dispositivo de VRX!");
    t.Add(TLangKind::Message, "dlgChgBatC",
          "You are changing the battery from %s to %s.<BR>Are You Sure?",
          "Está cambiando la batería de %s a %s.<BR>¿Está seguro?");
    t.Add(
        TLangKind::Message, "dlgBadBatM",
        "You can not select a LEAD ACID battery type<BR>for a %s device!",
        "¡Usted no puede seleccionar un tipo de la batería DE PLOMO<BR>para un dispositivo de %s!");
    t.Add(TLangKind::Message, "dlgBadBatH",
          "NOTE: The Lead Acid battery type<BR>can only be selected for KX250 or Vela REF devices.",
          "NOTA: El tipo de la batería de plomo<BR>se puede seleccionar solamente para los "
          "dispositivos de KX250 o Vela REF.");
    t.Add(TLangKind::Message, "dlgBadBatC", "Unable to continue!", "¡Incapaz de continuar!");
    t.Add(TLangKind::Message, "rsNoChgReq", "No Change Required!", "Sin cambios requeridos!");
    // The explanation above the battery types, as HTML lines; the warning in bold red on white.
    t.Add(TLangKind::MultiLine, "HTMLabel1.HTMLText",
          R"("<p align=""center"">Use this function to set the type of battery used by )"
          R"(your VRX device.<br><br>",)"
          R"("<b><span style=""color:#ff0000; background-color:#ffffff""> WARNING: )"
          R"(Setting the wrong battery type may damage your VRX device! </span></b></p>")",
          R"("<p align=""center"">Utilice esta función para fijar el tipo de batería )"
          R"(utilizado por su dispositivo de VRX. <br><br>",)"
          R"("<b><span style=""color:#ff0000; background-color:#ffffff""> ADVERTENCIA: )"
          R"(¡La determinación del tipo incorrecto de la batería<br>",)"
          R"(" puede dañar su dispositivo de VRX! </span></b></p>")");
    t.Add(TLangKind::MultiLine, "rgBattery.Items",
          R"("0 - Lithium Ion","1 - Lead Acid - KX250 or REF VELA ONLY!","2 - NiMH",)"
          R"("3 - Alkaline")",
          R"("0 - Ion del litio ","1 - ¡De plomo - KX250 o REF VELA SOLAMENTE! ",)"
          R"("2 - NiMH ","3 - Alcalino")");
    t.Add(TLangKind::MultiLine, "lblStatus.HTMLText",
          R"("<p align=""center"">Please Wait ... Establishing Communications with unit!</p>")",
          R"("<p align=""center"">¡Espere por favor… estableciendo comunicaciones con la )"
          R"(unidad!</p>")");
    // The window keeps its design fonts in Spanish.
    t.Add(TLangKind::Font, "TfrmSetBattery", "MS Sans Serif");
    t.Add(TLangKind::Font, "AdvPanel1", "MS Sans Serif");
    t.Add(TLangKind::Font, "HTMLabel1", "MS Sans Serif");
    t.Add(TLangKind::Font, "rgBattery", "MS Sans Serif");
    t.Add(TLangKind::Font, "lblStatus", "MS Sans Serif");
    return t;
}
