#include "LangReport.h"

TsiLang MakeReportTable() {
    TsiLang t("TfrmJobRptForm");
    t.Add(TLangKind::Caption, "QRLabel1", "VRX Air Sampling System",
          "Sistema de Samping del aire de VRX");
    t.Add(TLangKind::Caption, "QRLabel18", "Downloaded:", "Transferido:");
    t.Add(TLangKind::Caption, "QRLabel3", "Version:", "Versión:");
    t.Add(TLangKind::Caption, "QRLabel4", "Serial No:", "Número de Serie:");
    t.Add(TLangKind::Caption, "QRLabel5", "Pump Time:", "Tiempo de la Bomba:");
    t.Add(TLangKind::Caption, "QRLabel6", "Q Set (Lpm):", "Q fijó (LPM)");
    t.Add(TLangKind::Caption, "QRLabel7", "Actual Total M3:", "Total real M3:");
    t.Add(TLangKind::Caption, "QRLabel13", "Site Name:", "Nombre del Sitio:");
    t.Add(TLangKind::Caption, "QRLabel14", "Station Code:", "Código de Estación:");
    t.Add(TLangKind::Caption, "QRLabel15", "Operators:", "Operadores:");
    t.Add(TLangKind::Caption, "QRLabel16", "User 1:", "Usuario 1:");
    t.Add(TLangKind::Caption, "QRLabel17", "User 2:", "Usuario 2: ");
    t.Add(TLangKind::Caption, "QRLabel23", "Job Code:", "Código del Trabajo:");
    t.Add(TLangKind::Caption, "QRLabel8", "Std. Total M3:", "Estándar M3 total:");
    t.Add(TLangKind::Caption, "QRLabel2", "Data File:", "Fichero de Datos:");
    t.Add(TLangKind::Caption, "QRLabel19", "Atmospheric Information:", "Información Atmosférica:");
    t.Add(TLangKind::Caption, "QRLabel20", "Timer Information:", "Tiempo de Información:");
    t.Add(TLangKind::Caption, "QRLabel21", "Concentration Data:", "Datos de la Concentración: ");
    t.Add(TLangKind::Caption, "QRLabel22", "Max", "Máximo");
    t.Add(TLangKind::Caption, "QRLabel24", "Min", "Minuto");
    t.Add(TLangKind::Caption, "QRLabel25", "Avg", "Promedio");
    t.Add(TLangKind::Caption, "QRLabel36", "mm of Hg", "mm de Hg");
    // Start reads "Comienzo" and Stop "Parada", as in the job window, so the printed times sit
    // under the right heads.
    t.Add(TLangKind::Caption, "QRLabel46", "Start", "Comienzo");
    t.Add(TLangKind::Caption, "QRLabel47", "Stop", "Parada");
    t.Add(TLangKind::Caption, "QRLabel48", "Date", "Fecha");
    t.Add(TLangKind::Caption, "QRLabel49", "Time", "Tiempo");
    t.Add(TLangKind::Caption, "QRLabel52", "Filter ID", "ID del Filtro");
    t.Add(TLangKind::Caption, "QRLabel54", "Final Wt", "Peso Final");
    t.Add(TLangKind::Caption, "QRLabel56", "Initial Wt", "Peso Inicial");
    t.Add(TLangKind::Caption, "QRLabel61", "Delta Wt", "Peso del Delta");
    t.Add(TLangKind::Caption, "QRLabel64", "Actual Conc.", "Conc. Real");
    t.Add(TLangKind::Caption, "QRLabel9", "Std. Conc.", "Conc. Estándar");
    t.Add(TLangKind::Caption, "QRLabel10", "Notes:", "Notas:");
    // Row names, units and the report's own name keep their English texts in Spanish.
    t.Add(TLangKind::Caption, "TfrmJobRptForm", "Job Report");
    t.Add(TLangKind::Caption, "QRLabel37", "°C");
    t.Add(TLangKind::Caption, "QRLabel38", "Lpm");
    t.Add(TLangKind::Caption, "QRLabel40", "BP");
    t.Add(TLangKind::Caption, "QRLabel41", "Ta");
    t.Add(TLangKind::Caption, "QRLabel42", "Q");
    t.Add(TLangKind::Caption, "QRLabel50", "ET");
    t.Add(TLangKind::Caption, "QRLabel59", "mg");
    t.Add(TLangKind::Caption, "QRLabel60", "mg");
    t.Add(TLangKind::Caption, "QRLabel63", "mg");
    t.Add(TLangKind::Caption, "QRLabel66", "µg/M³");
    t.Add(TLangKind::Caption, "QRLabel11", "µg/M³");
    // The report prints in Arial in English and in Tahoma in Spanish.
    t.Add(TLangKind::Font, "TfrmJobRptForm", "Arial", "Tahoma");
    t.Add(TLangKind::Font, "QuickRep1", "Arial", "Tahoma");
    t.Add(TLangKind::Font, "QRLabel1", "Arial", "Tahoma");
    t.Add(TLangKind::Font, "QRLabel19", "Arial", "Tahoma");
    t.Add(TLangKind::Font, "QRLabel20", "Arial", "Tahoma");
    t.Add(TLangKind::Font, "QRLabel21", "Arial", "Tahoma");
    return t;
}
