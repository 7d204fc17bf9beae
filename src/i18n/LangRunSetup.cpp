#include "LangRunSetup.h"

TsiLang MakeRunSetupTable() {
    TsiLang t("TfrmVRXSetRun");
    t.Add(TLangKind::Caption, "TfrmVRXSetRun", "Set Run", "Fije el Funcionamiento");
    t.Add(TLangKind::Caption, "Label1", "Start Date/Time", "Fecha de Inicio/Tiempo");
    t.Add(TLangKind::Caption, "Label2", "Run Length", "Funcione con la Duración");
    t.Add(TLangKind::Caption, "Label3", "Flow Rate", "Régimen");
    t.Add(TLangKind::Caption, "Label4", "Hrs", "Horas");
    t.Add(TLangKind::Caption, "Label5", "Mins", "Minutos");
    t.Add(TLangKind::Caption, "btnSet", "Set", "Sistema");
    t.Add(TLangKind::Caption, "btnClose", "Close", "Cierre ");
    t.Add(TLangKind::Caption, "rgUnit", " Device Type ", " Tipo de Dispositivo ");
    t.Add(TLangKind::Caption, "btnMidnight", "Midnight", "Medianoche");
    t.Add(TLangKind::Caption, "btn24Hours", "24 Hours", "24 Horas");
    t.Add(TLangKind::Caption, "Label6", "Current Date/Time", "Fecha actual/hora");
    t.Add(TLangKind::Caption, "btnSync", "Sync Date/Time", "Sinc actual/hora");
    t.Add(TLangKind::Hint, "btnSet", "Send the run settings to the device",
          "Envíe los ajustes del funcionamiento al dispositivo");
    t.Add(TLangKind::Hint, "btnClose", "Close window", "Ventana cercana");
    t.Add(TLangKind::Message, "rsSet", "Run Set!", "Ejecutar Set!");
    t.Add(TLangKind::Message, "rsPW-Setting", "Please Wait ... Setting Run Parameters!",
          "Espere por favor ... Ejecute Configuración de parámetros!");
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
    t.Add(TLangKind::Message, "dlgNoDevM", "Device Type Not Selected!",
          "¡Tipo de dispositivo no seleccionado!");
    t.Add(TLangKind::Message, "dlgNoDevC",
          "A Device Type must be selected to be able to set up a Run.",
          "Un tipo de dispositivo se debe seleccionar para poder fijar un funcionamiento.");
    t.Add(TLangKind::Message, "dlgNoContM", "Unable to Continue!", "¡Incapaz de continuar!");
    t.Add(TLangKind::Message, "dlgNoContH",
          "The Device Type selected must match the type of device connected.",
          "El tipo de dispositivo seleccionado debe emparejar el tipo de dispositivo conectado.");
    t.Add(TLangKind::Message, "dlgNoContC",
          "A %s device was selected but a %s device was found connected!",
          "¡Un dispositivo de %s fue seleccionado pero un dispositivo de %s fue encontrado "
          "conectado!");
    t.Add(TLangKind::Message, "dlgError", "ERROR", "ERROR");
    t.Add(TLangKind::Message, "dlgBadDTM", "Bad Date/Time Selected!",
          "¡La malas fecha/hora seleccionó!");
    t.Add(TLangKind::Message, "dlgBadDTC",
          "The Start Date/Time Must Be Greater Than the Current Date/Time!",
          "¡La fecha de inicio/el tiempo debe ser mayores que la fecha actual/la hora!");
    t.Add(TLangKind::Message, "SyncTitle", "Sync Date/Time", "Sinc actual/hora");
    t.Add(TLangKind::Message, "SyncMsg", "Units Date/Time Synchronized with Computer",
          "Fecha/Hora de las Unidades Sincronizada con la Computadora");
    // In Spanish the window and its controls with fonts of their own use Tahoma.
    t.Add(TLangKind::Font, "TfrmVRXSetRun", "MS Sans Serif", "Tahoma");
    t.Add(TLangKind::Font, "AdvPanel1", "MS Sans Serif", "Tahoma");
    t.Add(TLangKind::Font, "rgUnit", "MS Sans Serif", "Tahoma");
    t.Add(TLangKind::Font, "lblDateTime", "MS Sans Serif", "Tahoma");
    t.Add(TLangKind::Font, "lblStatus", "MS Sans Serif", "Tahoma");
    return t;
}
