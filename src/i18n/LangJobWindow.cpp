#include "LangJobWindow.h"

TsiLang MakeJobWindowTable() {
    TsiLang t("TfrmJob");
    t.Add(TLangKind::Caption, "TfrmJob", "VRX Download Data",
          "Datos de la transferencia directa de Vela");
    t.Add(TLangKind::Caption, "lblProgramName", "VRX Air Samping System",
          "Sistema de Samping del aire de VRX");
    t.Add(TLangKind::Caption, "Label2", "Downloaded:", "Transferido:");
    t.Add(TLangKind::Caption, "Label4", "Version:", "Versión:");
    t.Add(TLangKind::Caption, "Label5", "Serial No:", "Número de Serie:");
    t.Add(TLangKind::Caption, "Label6", "Pump Time:", "Tiempo de la Bomba:");
    t.Add(TLangKind::Caption, "Label7", "Q Set (Lpm)", "Q fijó (LPM)");
    t.Add(TLangKind::Caption, "Label8", "Actual Total M3:", "Total Real M3:");
    t.Add(TLangKind::Caption, "Label9", "Std. Total M3:", "Total Estándar M3:");
    t.Add(TLangKind::Caption, "Label16", "Data File:", "Fichero de Datos:");
    t.Add(TLangKind::Caption, "Label17", "Job Code:", "Código del Trabajo:");
    t.Add(TLangKind::Caption, "Label18", "Site Name:", "Nombre del Sitio:");
    t.Add(TLangKind::Caption, "Label19", "Station Code:", "Código de Estación:");
    t.Add(TLangKind::Caption, "Label20", "Operators:", "Operadores:");
    t.Add(TLangKind::Caption, "Label21", "User 1:", "Usuario 1:");
    t.Add(TLangKind::Caption, "Label29", "User 2:", "Usuario 2: ");
    t.Add(TLangKind::Caption, "Label31", "Atmospheric Information:", "Información Atmosférica:");
    t.Add(TLangKind::Caption, "Label32", "Timer Information:", "Tiempo de Información:");
    t.Add(TLangKind::Caption, "Label33", "Concentration Data:", "Datos de la Concentración: ");
    t.Add(TLangKind::Caption, "Label37", "mm of Hg", "mm de Hg");
    t.Add(TLangKind::Caption, "Label40", "Max", "Máximo");
    t.Add(TLangKind::Caption, "Label41", "Min", "Minuto");
    t.Add(TLangKind::Caption, "Label42", "Avg", "Promedio");
    t.Add(TLangKind::Caption, "Label43", "Filter ID", "ID del Filtro");
    t.Add(TLangKind::Caption, "Label44", "Final Wt", "Peso Final");
    t.Add(TLangKind::Caption, "Label45", "Initial Wt", "Peso Inicial");
    t.Add(TLangKind::Caption, "Label46", "Delta Wt", "Peso del Delta");
    t.Add(TLangKind::Caption, "Label47", "Actual Conc.", "Conc. Real");
    t.Add(TLangKind::Caption, "Label48", "Std. Conc.", "Conc. Estándar");
    t.Add(TLangKind::Caption, "Label54", "Stop", "Parada");
    t.Add(TLangKind::Caption, "Label55", "Start", "Comienzo");
    t.Add(TLangKind::Caption, "Label56", "Date", "Fecha");
    t.Add(TLangKind::Caption, "Label57", "Time", "Tiempo");
    t.Add(TLangKind::Caption, "Label3", "Notes:", "Notas:");
    t.Add(TLangKind::Caption, "btnSave", "Save", "Excepto");
    t.Add(TLangKind::Caption, "btnPrint", "Print", "Impresión");
    t.Add(TLangKind::Caption, "btnHelp", "Help", "Ayuda");
    t.Add(TLangKind::Caption, "btnClose", "Close", "Cierre");
    t.Add(TLangKind::Hint, "btnSave", "Save the dowloaded data to a file.",
          "Excepto los datos dowloaded a un archivo.");
    t.Add(TLangKind::Hint, "btnPrint", "Print the above data.", "Imprima los datos antedichos.");
    t.Add(TLangKind::Hint, "btnHelp", "Detailed help and explainations.",
          "Ayuda y explainations detallados.");
    t.Add(TLangKind::Hint, "edtFinalWt", "Enter the final weight of the filter",
          "Incorpore el peso final del filtro");
    t.Add(TLangKind::Hint, "edtInitialWt", "Enter the initial weight of the filter",
          "Incorpore el peso inicial del filtro");
    t.Add(TLangKind::Hint, "edtFilterID", "Enter Filter ID",
          "Incorpore la identificación del filtro");
    t.Add(TLangKind::Hint, "memNotes", "Enter any notes here", "Incorpore cualquier nota aquí");
    t.Add(TLangKind::Hint, "btnClose", "Close window", "Ventana cercana");
    t.Add(TLangKind::Message, "rsJobChgT", "Job Data Changed", "Datos del Trabajo Cambiados");
    t.Add(TLangKind::Message, "rsJobChgQ", "Save Changes?", "¿Cambios de la reserva?");
    t.Add(TLangKind::Message, "rsJobChgM1", "The Job Data has changed.",
          "Los Datos del Trabajo han cambiado.");
    t.Add(TLangKind::Message, "rsJobChgM2", "If you want to save the changes you made click Yes.",
          "Si usted quiere ahorrar los cambios usted hizo tecleo sí.");
    t.Add(TLangKind::Message, "rsJobChgM3", "To close without saving your changes click No.",
          "Para cerrarse sin el ahorro de sus cambios chasque el No.");
    t.Add(TLangKind::Message, "rsJobChgM4", "To not close the Job file click Cancel",
          "Para no cerrar la cancelación del tecleo del archivo de trabajo");
    // Row names and units keep their English texts in Spanish.
    t.Add(TLangKind::Caption, "Label34", "BP");
    t.Add(TLangKind::Caption, "Label35", "Ta");
    t.Add(TLangKind::Caption, "Label36", "Q");
    t.Add(TLangKind::Caption, "Label38", "°C");
    t.Add(TLangKind::Caption, "Label39", "Lpm");
    t.Add(TLangKind::Caption, "Label49", "mg");
    t.Add(TLangKind::Caption, "Label50", "mg");
    t.Add(TLangKind::Caption, "Label51", "mg");
    t.Add(TLangKind::Caption, "Label52", "µg/M³");
    t.Add(TLangKind::Caption, "Label53", "µg/M³");
    t.Add(TLangKind::Caption, "Label58", "ET");
    // In Spanish the window and its controls with fonts of their own use Tahoma.
    t.Add(TLangKind::Font, "TfrmJob", "MS Sans Serif", "Tahoma");
    t.Add(TLangKind::Font, "lblProgramName", "Arial", "Tahoma");
    t.Add(TLangKind::Font, "lblSysName", "MS Sans Serif", "Tahoma");
    t.Add(TLangKind::Font, "Label31", "MS Sans Serif", "Tahoma");
    t.Add(TLangKind::Font, "Label32", "MS Sans Serif", "Tahoma");
    t.Add(TLangKind::Font, "Label33", "MS Sans Serif", "Tahoma");
    return t;
}
