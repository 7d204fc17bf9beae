#include "LangAbout.h"
#include "LangBattery.h"
#include "LangControlNames.h"
#include "LangJobWindow.h"
#include "LangReport.h"
#include "LangRunSetup.h"
#include "LangSetup.h"
#include "LangTerminal.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {
struct Expected {
    TLangKind kind;
    const char* key;
    const char* english;
    const char* spanish; // what the window shows in Spanish
};

TsiLang inLanguage(TsiLang table, int language) {
    table.SetLanguage(language);
    return table;
}

void expectTexts(const TsiLang& table, const std::vector<Expected>& rows) {
    const TsiLang english = inLanguage(table, kLanguageEnglish);
    const TsiLang spanish = inLanguage(table, kLanguageSpanish);
    for (const Expected& row : rows) {
        SCOPED_TRACE(row.key);
        EXPECT_EQ(english.Text(row.kind, row.key), row.english);
        EXPECT_EQ(spanish.Text(row.kind, row.key), row.spanish);
    }
}

bool contains(const std::vector<std::string>& names, const std::string& name) {
    return std::find(names.begin(), names.end(), name) != names.end();
}
} // namespace

TEST(SetupTable, HoldsCaptionsHintsMessagesAndTheFolderDialogTitle) {
    expectTexts(
        MakeSetupTable(),
        {
            {TLangKind::Caption, "TfrmVRXConfig", "Setup/Configuration", "Configuración"},
            {TLangKind::Caption, "Label1", "Language:", "Sufijo:"},
            {TLangKind::Caption, "btnBrowse", "Browse", "Hojee "},
            {TLangKind::Caption, "AdvSmoothButton1", "Save", "Excepto"},
            {TLangKind::Caption, "Label4", ".VLA", ".VLA"},
            {TLangKind::Hint, "AdvSmoothButton2", "Abandon changes and close.",
             "Cambios y cierre del abandono."},
            {TLangKind::Message, "IDS_0", "JOB FILE NAME", "NOMBRE DE FICHERO DEL TRABAJO"},
            {TLangKind::Message, "rsSUChgQ", "Save Changes?", "¿Cambios de la reserva?"},
            {TLangKind::Message, "rsSUChgM3", "To close without saving your changes click No.",
             "Para cerrarse sin el ahorro de sus cambios chasque el No."},
            {TLangKind::OtherString, "siBrowseForFolder1.DialogCaption",
             "Select location to save data files",
             "Seleccione la localización para salvar ficheros de datos"},
            {TLangKind::Font, "AdvSmoothButton3", "MS Sans Serif", "Tahoma"},
        });
}

TEST(AboutTable, HoldsTheVersionWordAndTheLinkCaption) {
    expectTexts(MakeAboutTable(),
                {
                    {TLangKind::Message, "rsVersion", "Version", "Versión"},
                    {TLangKind::Caption, "TfrmAbout", "About", "Sobre"},
                    {TLangKind::Caption, "OvcURL2", "Click here to Email VRX",
                     "Chasque aquí para enviar por correo electrónico VRX"},
                    {TLangKind::Caption, "Label2", "VRX Link for VELA Air Sampling Systems",
                     "VRX Link for VELA Air Sampling Systems"},
                    {TLangKind::Font, "OvcURL1", "Arial", "Tahoma"},
                });
}

TEST(JobWindowTable, HoldsCaptionsHintsAndTheCloseQuestion) {
    expectTexts(MakeJobWindowTable(),
                {
                    {TLangKind::Caption, "TfrmJob", "VRX Download Data",
                     "Datos de la transferencia directa de Vela"},
                    {TLangKind::Caption, "Label29", "User 2:", "Usuario 2: "},
                    {TLangKind::Caption, "Label41", "Min", "Minuto"},
                    {TLangKind::Caption, "Label58", "ET", "ET"},
                    {TLangKind::Caption, "Label52", "µg/M³", "µg/M³"},
                    {TLangKind::Hint, "edtFinalWt", "Enter the final weight of the filter",
                     "Incorpore el peso final del filtro"},
                    {TLangKind::Message, "rsJobChgM4", "To not close the Job file click Cancel",
                     "Para no cerrar la cancelación del tecleo del archivo de trabajo"},
                    {TLangKind::Font, "lblProgramName", "Arial", "Tahoma"},
                });
}

TEST(ReportTable, PutsStartAndStopTheRightWayRound) {
    expectTexts(MakeReportTable(),
                {
                    {TLangKind::Caption, "QRLabel46", "Start", "Comienzo"},
                    {TLangKind::Caption, "QRLabel47", "Stop", "Parada"},
                    {TLangKind::Caption, "QRLabel6", "Q Set (Lpm):", "Q fijó (LPM)"},
                    {TLangKind::Caption, "QRLabel1", "VRX Air Sampling System",
                     "Sistema de Samping del aire de VRX"},
                    {TLangKind::Caption, "QRLabel11", "µg/M³", "µg/M³"},
                    {TLangKind::Font, "QRLabel1", "Arial", "Tahoma"},
                });
    EXPECT_EQ(MakeReportTable().GetTextOrDefault("rsVersion"), "") << "the report has no messages";
}

TEST(DeviceWindowTables, KeepKeysOfTheSameNameApart) {
    expectTexts(MakeRunSetupTable(),
                {
                    {TLangKind::Message, "rsSet", "Run Set!", "Ejecutar Set!"},
                    {TLangKind::Message, "RSPW-SETTING", "Please Wait ... Setting Run Parameters!",
                     "Espere por favor ... Ejecute Configuración de parámetros!"},
                    {TLangKind::Message, "dlgNoContC",
                     "A %s device was selected but a %s device was found connected!",
                     "¡Un dispositivo de %s fue seleccionado pero un dispositivo de %s fue "
                     "encontrado conectado!"},
                    {TLangKind::Caption, "rgUnit", " Device Type ", " Tipo de Dispositivo "},
                    {TLangKind::Hint, "btnClose", "Close window", "Ventana cercana"},
                });
    expectTexts(MakeBatteryTable(),
                {
                    {TLangKind::Message, "rsSet", "Battery Type Set!", "Tipo de batería Set!"},
                    {TLangKind::Message, "dlgChgBatH",
                     "WARNING: Setting the wrong battery type may damage your VRX device!",
                     "ADVERTENCIA: ¡La determinación del tipo incorrecto de la batería puede "
                     "dañar su dispositivo de VRX!"},
                    {TLangKind::Caption, "rgBattery", " Battery Type ", "Tipo de la Batería"},
                    {TLangKind::Font, "TfrmSetBattery", "MS Sans Serif", "MS Sans Serif"},
                });
}

TEST(BatteryTable, MultiLineTextsSplitIntoItemsAndLines) {
    const TsiLang spanish = inLanguage(MakeBatteryTable(), kLanguageSpanish);
    EXPECT_EQ(ParseCommaList(spanish.Text(TLangKind::MultiLine, "rgBattery.Items")),
              (std::vector<std::string>{"0 - Ion del litio ",
                                        "1 - ¡De plomo - KX250 o REF VELA SOLAMENTE! ", "2 - NiMH ",
                                        "3 - Alcalino"}));
    EXPECT_EQ(
        ParseCommaList(MakeBatteryTable().Text(TLangKind::MultiLine, "rgBattery.Items")),
        (std::vector<std::string>{"0 - Lithium Ion", "1 - Lead Acid - KX250 or REF VELA ONLY!",
                                  "2 - NiMH", "3 - Alkaline"}));

    const auto explanation =
        ParseCommaList(spanish.Text(TLangKind::MultiLine, "HTMLabel1.HTMLText"));
    ASSERT_EQ(explanation.size(), 3u);
    EXPECT_NE(explanation[0].find("dispositivo de VRX. <br><br>"), std::string::npos);
    EXPECT_NE(explanation[1].find(R"(<span style="color:#ff0000; background-color:#ffffff"> )"
                                  "ADVERTENCIA: ¡La determinación"),
              std::string::npos);
    EXPECT_EQ(explanation[2].rfind(" puede dañar su dispositivo de VRX! ", 0), 0u);

    const auto status = ParseCommaList(spanish.Text(TLangKind::MultiLine, "lblStatus.HTMLText"));
    ASSERT_EQ(status.size(), 1u);
    EXPECT_NE(status[0].find("¡Espere por favor\u2026 estableciendo"), std::string::npos)
        << "one ellipsis character, not three points";
}

TEST(TerminalTable, HasNoSpanishTexts) {
    const TsiLang table = MakeTerminalTable();
    EXPECT_EQ(table.Text(TLangKind::Caption, "tbShow"), "Show Calbration");
    EXPECT_EQ(table.Text(TLangKind::Caption, "tbSave"), "Save Calibration ");
    ASSERT_FALSE(table.Entries().empty());
    for (const TLangEntry& e : table.Entries())
        EXPECT_EQ(e.spanish, "") << e.key;
}

struct FontCase {
    const char* name;
    TsiLang (*make)();
    bool spanishTahoma;
};

class WindowFonts : public testing::TestWithParam<FontCase> {};

// In Spanish a window's own font and every font of its controls becomes Tahoma; the battery
// type window keeps its design fonts.
TEST_P(WindowFonts, FollowTheLanguage) {
    const TsiLang table = GetParam().make();
    int fonts = 0;
    bool windowHasFont = false;
    for (const TLangEntry& e : table.Entries()) {
        if (e.kind != TLangKind::Font)
            continue;
        ++fonts;
        windowHasFont |= e.key == table.WindowClass();
        EXPECT_FALSE(e.english.empty()) << e.key;
        EXPECT_EQ(e.spanish, GetParam().spanishTahoma ? "Tahoma" : "") << e.key;
    }
    EXPECT_GT(fonts, 1);
    EXPECT_TRUE(windowHasFont);
}

INSTANTIATE_TEST_SUITE_P(Tables, WindowFonts,
                         testing::Values(FontCase{"Setup", MakeSetupTable, true},
                                         FontCase{"About", MakeAboutTable, true},
                                         FontCase{"Job", MakeJobWindowTable, true},
                                         FontCase{"Report", MakeReportTable, true},
                                         FontCase{"RunSetup", MakeRunSetupTable, true},
                                         FontCase{"Battery", MakeBatteryTable, false}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(TerminalTable, HasNoFonts) {
    const TsiLang table = MakeTerminalTable();
    EXPECT_TRUE(std::none_of(table.Entries().begin(), table.Entries().end(),
                             [](const TLangEntry& e) { return e.kind == TLangKind::Font; }));
}

TEST(TableControlNames, ListsEachControlOnceWithoutTheWindowOrDialogs) {
    const auto job = TableControlNames(MakeJobWindowTable());
    for (const char* name :
         {"lblProgramName", "Label2", "Label34", "Label58", "edtFinalWt", "memNotes", "btnClose"})
        EXPECT_TRUE(contains(job, name)) << name;
    EXPECT_FALSE(contains(job, "TfrmJob"));
    EXPECT_EQ(std::count(job.begin(), job.end(), "btnSave"), 1) << "caption and hint: one name";

    const auto battery = TableControlNames(MakeBatteryTable());
    EXPECT_TRUE(contains(battery, "HTMLabel1"));
    EXPECT_TRUE(contains(battery, "rgBattery"));

    const auto setup = TableControlNames(MakeSetupTable());
    EXPECT_FALSE(contains(setup, "siBrowseForFolder1"));
    EXPECT_TRUE(contains(setup, "pnlJobFileName"));
}
