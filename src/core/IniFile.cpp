#include "IniFile.h"

#include "StrngLib.h"

#include <charconv>
#include <limits>

namespace {
std::string_view trimBlanks(std::string_view s) {
    const auto isBlank = [](char c) { return c == ' ' || c == '\t'; };
    while (!s.empty() && isBlank(s.front()))
        s.remove_prefix(1);
    while (!s.empty() && isBlank(s.back()))
        s.remove_suffix(1);
    return s;
}

std::optional<std::string_view> sectionName(std::string_view line) {
    line = trimBlanks(line);
    if (line.empty() || line.front() != '[')
        return std::nullopt;
    const size_t close = line.find(']');
    if (close == std::string_view::npos)
        return std::nullopt;
    return trimBlanks(line.substr(1, close - 1));
}

bool isComment(std::string_view line) {
    line = trimBlanks(line);
    return !line.empty() && line.front() == ';';
}

std::optional<std::string_view> keyOf(std::string_view line) {
    if (isComment(line))
        return std::nullopt;
    const size_t eq = line.find('=');
    if (eq == std::string_view::npos)
        return std::nullopt;
    return trimBlanks(line.substr(0, eq));
}

std::string_view valueOf(std::string_view line) {
    std::string_view value = trimBlanks(line.substr(line.find('=') + 1));
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
        value.back() == value.front())
        value = value.substr(1, value.size() - 2);
    return value;
}

bool isBlankLine(std::string_view line) {
    return trimBlanks(line).empty();
}
} // namespace

int32_t ParseIniInteger(std::string_view text, int32_t defaultValue) {
    text = trimBlanks(text);
    int base = 10;
    if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
        text.remove_prefix(2);
        base = 16;
    } else if (!text.empty() && text.front() == '+') {
        text.remove_prefix(1);
    }
    if (text.empty())
        return defaultValue;
    int64_t value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value, base);
    if (ec != std::errc() || end != text.data() + text.size())
        return defaultValue;
    if (base == 16 && value <= int64_t(std::numeric_limits<uint32_t>::max()))
        return static_cast<int32_t>(static_cast<uint32_t>(value));
    if (value < std::numeric_limits<int32_t>::min() || value > std::numeric_limits<int32_t>::max())
        return defaultValue;
    return static_cast<int32_t>(value);
}

IniFile::IniFile(std::string_view bytes) {
    size_t start = 0;
    bool eolChosen = false;
    for (size_t i = 0; i < bytes.size(); ++i) {
        if (bytes[i] != '\r' && bytes[i] != '\n')
            continue;
        size_t eolLength =
            (bytes[i] == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n') ? 2 : 1;
        Line line{std::string(bytes.substr(start, i - start)),
                  std::string(bytes.substr(i, eolLength))};
        if (!eolChosen) {
            m_newLineEol = line.eol;
            eolChosen = true;
        }
        m_lines.push_back(std::move(line));
        i += eolLength - 1;
        start = i + 1;
    }
    if (start < bytes.size())
        m_lines.push_back({std::string(bytes.substr(start)), ""});
}

std::optional<IniFile::SectionRange> IniFile::findSection(std::string_view section) const {
    for (size_t i = 0; i < m_lines.size(); ++i) {
        const auto name = sectionName(m_lines[i].text);
        if (!name || !SameText(*name, trimBlanks(section)))
            continue;
        size_t end = i + 1;
        while (end < m_lines.size() && !sectionName(m_lines[end].text))
            ++end;
        return SectionRange{i, end};
    }
    return std::nullopt;
}

std::optional<size_t> IniFile::findKey(const SectionRange& range, std::string_view key) const {
    for (size_t i = range.header + 1; i < range.end; ++i) {
        const auto k = keyOf(m_lines[i].text);
        if (k && SameText(*k, trimBlanks(key)))
            return i;
    }
    return std::nullopt;
}

std::optional<std::string> IniFile::Read(std::string_view section, std::string_view key) const {
    const auto range = findSection(section);
    if (!range)
        return std::nullopt;
    const auto at = findKey(*range, key);
    if (!at)
        return std::nullopt;
    std::string_view value = valueOf(m_lines[*at].text);
    return std::string(value.substr(0, kMaxValueLength));
}

std::string IniFile::ReadString(std::string_view section, std::string_view key,
                                std::string_view defaultValue) const {
    auto value = Read(section, key);
    return value ? *value : std::string(defaultValue);
}

int32_t IniFile::ReadInteger(std::string_view section, std::string_view key,
                             int32_t defaultValue) const {
    const auto value = Read(section, key);
    return value ? ParseIniInteger(*value, defaultValue) : defaultValue;
}

void IniFile::insertLine(size_t at, std::string text) {
    if (at > 0 && m_lines[at - 1].eol.empty())
        m_lines[at - 1].eol = m_newLineEol;
    m_lines.insert(m_lines.begin() + static_cast<std::ptrdiff_t>(at),
                   Line{std::move(text), m_newLineEol});
}

void IniFile::Write(std::string_view section, std::string_view key, std::string_view value) {
    std::string line = std::string(key) + "=" + std::string(value);
    const auto range = findSection(section);
    if (!range) {
        insertLine(m_lines.size(), "[" + std::string(section) + "]");
        insertLine(m_lines.size(), std::move(line));
        return;
    }
    if (const auto at = findKey(*range, key)) {
        m_lines[*at].text = std::move(line);
        return;
    }
    size_t at = range->end;
    while (at > range->header + 1 && isBlankLine(m_lines[at - 1].text))
        --at;
    insertLine(at, std::move(line));
}

std::string IniFile::ToBytes() const {
    std::string out;
    for (const Line& line : m_lines) {
        out += line.text;
        out += line.eol;
    }
    return out;
}
