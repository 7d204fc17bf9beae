#include "LangSetup.h"

TsiLang MakeSetupTable() {
    TsiLang t("TfrmVRXConfig");
    t.Add(TLangKind::Caption, "TfrmVRXConfig", "Setup/Configuration", "Configuración");
    t.Add(TLangKind::Caption, "Label17", "Job Code:", "Código del Trabajo:");
    t.Add(TLangKind::Caption, "Label18", "Site Name:", "Nombre del Sitio:");
    t.Add(TLangKind::Caption, "Label19", "Station Code:", "Código de Estación:");
    t.Add(TLangKind::Caption, "Label20", "Operators:", "Operadores:");
    t.Add(TLangKind::Caption, "Label21", "User 1:", "Usuario 1:");
    t.Add(TLangKind::Caption, "Label29", "User 2:", "Usuario 2:");
    t.Add(TLangKind::Caption, "Label2", "Name", "Nombre");
    t.Add(TLangKind::Caption, "Label3", "Sequence", "Secuencia");
    t.Add(TLangKind::Caption, "Label5", "Date", "Fecha");
    t.Add(TLangKind::Caption, "Label1", "Language:", "Sufijo:");
    t.Add(TLangKind::Caption, "Label6", "Data File Directory:", "Directorio de Fichero de Datos");
    t.Add(TLangKind::Caption, "Label7", "Com Port:", "Puerto de Com:");
    t.Add(TLangKind::Caption, "btnBrowse", "Browse", "Hojee ");
    t.Add(TLangKind::Caption, "Label8", "Theme:", "Tema:");
    t.Add(TLangKind::Caption, "AdvSmoothButton1", "Save", "Excepto");
    t.Add(TLangKind::Caption, "AdvSmoothButton2", "Cancel", "Cancelación");
    t.Add(TLangKind::Caption, "AdvSmoothButton3", "Help", "Ayuda");
    t.Add(TLangKind::Hint, "AdvSmoothButton1", "Save configuration changes and close.",
          "Excepto cambios y cierre de configuración.");
    t.Add(TLangKind::Hint, "AdvSmoothButton2", "Abandon changes and close.",
          "Cambios y cierre del abandono.");
    t.Add(TLangKind::Hint, "AdvSmoothButton3", "Configuration help.", "Ayuda de la configuración");
    t.Add(TLangKind::Message, "IDS_0", "JOB FILE NAME", "NOMBRE DE FICHERO DEL TRABAJO");
    t.Add(TLangKind::Message, "IDS_1", "DEFAULT VALUES", "VALORES PREFIJADOS");
    t.Add(TLangKind::Message, "IDS_2", "SYSTEM SETTINGS", "AJUSTES DEL SISTEMA");
    t.Add(TLangKind::Message, "rsSUChgT", "Setup/Configuration Changed",
          "Disposición/Configuración Cambiada");
    t.Add(TLangKind::Message, "rsSUChgQ", "Save Changes?", "¿Cambios de la reserva?");
    t.Add(TLangKind::Message, "rsSUChgM1", "The Setup/Configuration settings have changed.",
          "Los ajustes de la disposición/de la configuración han cambiado.");
    t.Add(TLangKind::Message, "rsSUChgM2", "If you want to save the changes you made click Yes.",
          "Si usted quiere ahorrar los cambios usted hizo tecleo sí.");
    t.Add(TLangKind::Message, "rsSUChgM3", "To close without saving your changes click No.",
          "Para cerrarse sin el ahorro de sus cambios chasque el No.");
    t.Add(TLangKind::Caption, "Label4", ".VLA");
    t.Add(TLangKind::OtherString, "siBrowseForFolder1.DialogCaption",
          "Select location to save data files",
          "Seleccione la localización para salvar ficheros de datos");
    // In Spanish the window and its controls with fonts of their own use Tahoma.
    t.Add(TLangKind::Font, "TfrmVRXConfig", "MS Sans Serif", "Tahoma");
    t.Add(TLangKind::Font, "pnlJobFileName", "MS Sans Serif", "Tahoma");
    t.Add(TLangKind::Font, "pnlDefaultValues", "MS Sans Serif", "Tahoma");
    t.Add(TLangKind::Font, "pnlSystemSettings", "MS Sans Serif", "Tahoma");
    t.Add(TLangKind::Font, "Label4", "MS Sans Serif", "Tahoma");
    t.Add(TLangKind::Font, "AdvSmoothButton1", "MS Sans Serif", "Tahoma");
    t.Add(TLangKind::Font, "AdvSmoothButton2", "MS Sans Serif", "Tahoma");
    t.Add(TLangKind::Font, "AdvSmoothButton3", "MS Sans Serif", "Tahoma");
    return t;
}
