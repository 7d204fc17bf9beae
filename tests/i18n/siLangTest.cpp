#include "siLang.h"
#include "LangMainWindow.h"

#include <gtest/gtest.h>

TEST(GetTextOrDefault, MatchesKeysWithoutCaseAndFallsBackToEnglish) {
    TsiLang t("TfrmX");
    t.Add(TLangKind::Message, "dlgError", "ERROR", "FALLO");
    t.Add(TLangKind::Message, "rsOnlyEnglish", "English text");
    t.Add(TLangKind::Caption, "lblX", "Caption");
    EXPECT_EQ(t.GetTextOrDefault("DLGERROR"), "ERROR");
    EXPECT_EQ(t.GetTextOrDefault("dlgError "), "");
    EXPECT_EQ(t.GetTextOrDefault("lblX"), "") << "captions are not messages";
    t.SetLanguage(kLanguageSpanish);
    EXPECT_EQ(t.GetTextOrDefault("dlgerror"), "FALLO");
    EXPECT_EQ(t.GetTextOrDefault("rsOnlyEnglish"), "English text");
    EXPECT_EQ(t.GetTextOrDefault("missing"), "");
}

struct Probe {
    std::vector<std::string> events;
    TsiLang table;
    explicit Probe(const std::string& name) : table(name) {
        table.OnApply = [this, name](const TsiLang&, int n) {
            events.push_back(name + " apply " + std::to_string(n));
        };
        table.OnChangeLanguage = [this, name] { events.push_back(name + " changed"); };
    }
};

TEST(Dispatcher, SwitchesLinkedTablesInOrderThenRaisesItsEvent) {
    TsiLangDispatcher d;
    Probe main("main"), job("job");
    std::vector<std::string> dispatcherEvents;
    d.OnChangeLanguage = [&] { dispatcherEvents.push_back("dispatcher"); };
    d.Link(&main.table);
    d.Link(&job.table);
    EXPECT_TRUE(main.events.empty()) << "linking in English applies nothing";

    EXPECT_TRUE(d.SetActiveLanguage(kLanguageEnglish));
    EXPECT_TRUE(dispatcherEvents.empty()) << "same language: no event at all";

    d.SetActiveLanguage(kLanguageSpanish);
    EXPECT_EQ(main.events, (std::vector<std::string>{"main apply 2", "main changed"}));
    EXPECT_EQ(job.events, (std::vector<std::string>{"job apply 2", "job changed"}));
    EXPECT_EQ(dispatcherEvents.size(), 1u);

    Probe late("late");
    d.Link(&late.table);
    EXPECT_EQ(late.events, (std::vector<std::string>{"late apply 2", "late changed"}))
        << "a window created in Spanish is labelled before it shows";

    d.Unlink(&job.table);
    d.SetActiveLanguage(kLanguageEnglish);
    EXPECT_EQ(job.events.size(), 2u);
    EXPECT_EQ(main.events.back(), "main changed");
    EXPECT_EQ(main.table.Language(), kLanguageEnglish);
}

TEST(Dispatcher, RefusesLanguagesOutOfRange) {
    TsiLangDispatcher d;
    Probe main("main");
    d.Link(&main.table);
    for (int n : {0, 3, -1, 99})
        EXPECT_FALSE(d.SetActiveLanguage(n));
    EXPECT_EQ(d.ActiveLanguage(), kLanguageEnglish);
    EXPECT_TRUE(main.events.empty());
}

TEST(CommaList, SplitsQuotedAndPlainItems) {
    EXPECT_EQ(ParseCommaList(R"(a,"b c","d,e","say ""hi""",)"),
              (std::vector<std::string>{"a", "b c", "d,e", "say \"hi\"", ""}));
    EXPECT_EQ(ParseCommaList(""), std::vector<std::string>{});
    EXPECT_EQ(ParseCommaList("one"), std::vector<std::string>{"one"});
    EXPECT_EQ(ParseCommaList(R"("unterminated, item)"),
              std::vector<std::string>{"unterminated, item"});
}

TEST(MainWindowTable, HoldsMessagesCaptionsAndDialogCaptions) {
    TsiLang t = MakeMainWindowTable();
    EXPECT_EQ(t.GetTextOrDefault("dlgInvComM"), "Invalid Com Port!");
    EXPECT_EQ(t.Text(TLangKind::Caption, "TfrmVRXLink"), "VRX Link");
    t.SetLanguage(kLanguageSpanish);
    EXPECT_EQ(t.GetTextOrDefault("dlgNoComM"), "¡Puerto de COM no seleccionado!");
    EXPECT_EQ(t.Text(TLangKind::Caption, "TfrmVRXLink"), "Acoplamiento de VRX ");
    EXPECT_EQ(t.DialogCaptions().at("Open"), "&Abierto");
    EXPECT_EQ(t.DialogCaptions().at("Save"), "Save") << "no Spanish: the English label";

    TsiLang other("TfrmJob");
    other.CopyDialogCaptionsFrom(t);
    other.SetLanguage(kLanguageSpanish);
    EXPECT_EQ(other.DialogCaptions().at("Printer"), "Impresora");
}
