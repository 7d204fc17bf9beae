// A Windows-style INI text held as its lines, so that writing a key changes that one line
// and every other byte of the file stays as it was. Sections and keys match without regard
// to letter case; the first of duplicate sections or keys wins.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

class IniFile {
public:
    static constexpr size_t kMaxValueLength = 2047;

    IniFile() = default;
    explicit IniFile(std::string_view bytes);

    // The value of the key, blanks around it removed and cut at kMaxValueLength.
    std::optional<std::string> Read(std::string_view section, std::string_view key) const;
    std::string ReadString(std::string_view section, std::string_view key,
                           std::string_view defaultValue) const;
    // "0x" followed by hex digits is hexadecimal; any other text but a whole number gives 0.
    int32_t ReadInteger(std::string_view section, std::string_view key, int32_t defaultValue) const;

    // Replaces the key's line where it stands, or appends the key (and its section).
    void Write(std::string_view section, std::string_view key, std::string_view value);

    std::string ToBytes() const;

private:
    struct Line {
        std::string text;
        std::string eol;
    };
    struct SectionRange {
        size_t header;
        size_t end; // one past the section's last line
    };

    std::optional<SectionRange> findSection(std::string_view section) const;
    std::optional<size_t> findKey(const SectionRange& range, std::string_view key) const;
    void insertLine(size_t at, std::string text);

    std::vector<Line> m_lines;
    std::string m_newLineEol = "\r\n";
};

// Reads a whole-number text the way the settings file does.
int32_t ParseIniInteger(std::string_view text, int32_t defaultValue);
