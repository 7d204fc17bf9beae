// Language tables: each window that can be shown in Spanish has one, holding an English and
// a Spanish text per key. Windows look their messages up here and re-label their controls
// from here when the language changes. Texts are UTF-8.
#pragma once

#include <functional>
#include <map>
#include <string>
#include <string_view>
#include <vector>

inline constexpr int kLanguageEnglish = 1;
inline constexpr int kLanguageSpanish = 2;
inline constexpr int kLanguageCount = 2;

enum class TLangKind {
    Caption,       // key: control name, or the window class name for the title
    Hint,          // key: control name
    Font,          // key: control name, text: font family
    Charset,       // key: control name
    MultiLine,     // key: "control.Property", text: a comma list of items or lines
    OtherString,   // key: "control.Property"
    Collection,    // key: control name and property path
    Message,       // key: message key
    DialogCaption, // key: the English label of a standard dialog element
};

struct TLangEntry {
    TLangKind kind;
    std::string key;
    std::string english;
    std::string spanish; // empty: there is none
};

class TsiLang {
public:
    explicit TsiLang(std::string windowClass);

    const std::string& WindowClass() const { return m_windowClass; }
    void Add(TLangKind kind, std::string key, std::string english, std::string spanish = {});
    const std::vector<TLangEntry>& Entries() const { return m_entries; }

    // The entry's text in language n; empty when it has none there.
    static const std::string& TextIn(const TLangEntry& entry, int language);

    // The message's text in the table's language, its English text when that is empty, and
    // an empty text for an unknown key. Keys match without regard to letter case.
    std::string GetTextOrDefault(std::string_view key) const;
    // Any entry's text in the table's language, English when it has none there.
    std::string Text(TLangKind kind, std::string_view key) const;

    // The dialog element labels in the table's language, by English label.
    std::map<std::string, std::string> DialogCaptions() const;
    void CopyDialogCaptionsFrom(const TsiLang& other);

    int Language() const { return m_language; }
    // Applies the table when n differs from its language, then raises OnChangeLanguage.
    void SetLanguage(int n);

    // Re-labels the window's controls for a language (installed by the window).
    std::function<void(const TsiLang&, int language)> OnApply;
    std::function<void()> OnChangeLanguage;

private:
    const TLangEntry* find(TLangKind kind, std::string_view key) const;

    std::string m_windowClass;
    std::vector<TLangEntry> m_entries;
    int m_language = kLanguageEnglish;
};

// Holds the program's active language and switches every linked table.
class TsiLangDispatcher {
public:
    int ActiveLanguage() const { return m_active; }
    // Numbers outside 1..2 are refused and change nothing; returns whether n was accepted.
    bool SetActiveLanguage(int n);

    // Linking while another language is active applies that language to the table at once.
    void Link(TsiLang* table);
    void Unlink(TsiLang* table);

    std::function<void()> OnChangeLanguage;

private:
    int m_active = kLanguageEnglish;
    std::vector<TsiLang*> m_tables;
};

// Splits a comma list: items separated by commas; an item in double quotes may hold commas,
// blanks and doubled inner quotes.
std::vector<std::string> ParseCommaList(std::string_view text);
