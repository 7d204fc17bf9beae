#include "siLang.h"

#include "StrngLib.h"

#include <algorithm>

TsiLang::TsiLang(std::string windowClass) : m_windowClass(std::move(windowClass)) {}

void TsiLang::Add(TLangKind kind, std::string key, std::string english, std::string spanish) {
    m_entries.push_back({kind, std::move(key), std::move(english), std::move(spanish)});
}

const std::string& TsiLang::TextIn(const TLangEntry& entry, int language) {
    return language == kLanguageSpanish ? entry.spanish : entry.english;
}

const TLangEntry* TsiLang::find(TLangKind kind, std::string_view key) const {
    for (const TLangEntry& e : m_entries)
        if (e.kind == kind && SameText(e.key, key))
            return &e;
    return nullptr;
}

std::string TsiLang::GetTextOrDefault(std::string_view key) const {
    return Text(TLangKind::Message, key);
}

std::string TsiLang::Text(TLangKind kind, std::string_view key) const {
    const TLangEntry* e = find(kind, key);
    if (!e)
        return {};
    const std::string& text = TextIn(*e, m_language);
    return text.empty() ? e->english : text;
}

std::map<std::string, std::string> TsiLang::DialogCaptions() const {
    std::map<std::string, std::string> captions;
    for (const TLangEntry& e : m_entries)
        if (e.kind == TLangKind::DialogCaption)
            captions[e.key] = Text(e.kind, e.key);
    return captions;
}

void TsiLang::CopyDialogCaptionsFrom(const TsiLang& other) {
    for (const TLangEntry& e : other.m_entries)
        if (e.kind == TLangKind::DialogCaption && !find(e.kind, e.key))
            m_entries.push_back(e);
}

void TsiLang::SetLanguage(int n) {
    if (n == m_language)
        return;
    m_language = n;
    if (OnApply)
        OnApply(*this, n);
    if (OnChangeLanguage)
        OnChangeLanguage();
}

bool TsiLangDispatcher::SetActiveLanguage(int n) {
    if (n < kLanguageEnglish || n > kLanguageCount)
        return false;
    if (n == m_active)
        return true;
    m_active = n;
    // A handler may link or unlink windows; walk a copy.
    const std::vector<TsiLang*> tables = m_tables;
    for (TsiLang* table : tables)
        table->SetLanguage(n);
    if (OnChangeLanguage)
        OnChangeLanguage();
    return true;
}

void TsiLangDispatcher::Link(TsiLang* table) {
    if (std::find(m_tables.begin(), m_tables.end(), table) == m_tables.end())
        m_tables.push_back(table);
    table->SetLanguage(m_active);
}

void TsiLangDispatcher::Unlink(TsiLang* table) {
    m_tables.erase(std::remove(m_tables.begin(), m_tables.end(), table), m_tables.end());
}

std::vector<std::string> ParseCommaList(std::string_view text) {
    std::vector<std::string> items;
    if (text.empty())
        return items;
    size_t i = 0;
    while (true) {
        std::string item;
        if (i < text.size() && text[i] == '"') {
            for (++i; i < text.size(); ++i) {
                if (text[i] != '"') {
                    item += text[i];
                } else if (i + 1 < text.size() && text[i + 1] == '"') {
                    item += '"';
                    ++i;
                } else {
                    ++i;
                    break;
                }
            }
        }
        while (i < text.size() && text[i] != ',')
            item += text[i++];
        items.push_back(std::move(item));
        if (i >= text.size())
            break;
        ++i; // past the comma; a comma at the very end gives a last, empty item
    }
    return items;
}
