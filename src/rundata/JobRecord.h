// A job as an ordered list of KEY=VALUE lines of 8-bit text. Keys match without regard to
// letter case and a lookup finds the first line of a key; lines without "=" have no key but
// stay in place. Records pass between windows as one text of CR LF-ended lines.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

class JobRecord {
public:
    JobRecord() = default;
    explicit JobRecord(std::vector<std::string> lines);

    // Index of the first line whose key matches, or -1.
    int FindJobKey(std::string_view key) const;
    // The first matching line's value, or an empty text.
    std::string GetJobValue(std::string_view key) const;
    // Non-empty value: replaces the first line of the key in place (spelled as passed) or
    // appends it. Empty value: removes the first line of the key, if any.
    void SetJobValue(std::string_view key, std::string_view value);

    // All lines, each followed by CR LF.
    std::string JobRecordText() const;
    // Replaces the record by the lines of a text (split at CR LF, CR or LF).
    void SetJobRecordText(std::string_view text);

    void Append(std::string line);
    void Delete(size_t index);
    void Clear();
    size_t Count() const { return m_lines.size(); }
    const std::string& Line(size_t index) const { return m_lines[index]; }
    const std::vector<std::string>& Lines() const { return m_lines; }
    // The text before the line's first "=", or empty for a line without one.
    std::string KeyAt(size_t index) const;

private:
    void indexLine(size_t index) const;
    void rebuildIndex(size_t roomForLines) const;
    // The index entry of the key: the one naming its first line, or the free one where it
    // would go.
    uint32_t* entryOf(std::string_view key, uint32_t hash) const;

    std::vector<std::string> m_lines;
    // Key index: open addressing over 32-bit entries, each the first line of a key + 1 in its
    // low bits (0 for a free entry) and bits of the key's case-folded hash above them, so that
    // most entries that do not match are passed without reading their line. Kept small so
    // that it stays in the processor's cache and whole-record work grows linearly. Appends
    // extend it; removals mark it stale and the next lookup rebuilds it.
    mutable std::vector<uint32_t> m_index;
    mutable uint32_t m_lineMask = 0;
    mutable size_t m_indexedKeys = 0;
    mutable bool m_indexValid = false;
};

// The key part of a line ("" when it holds no "=").
std::string_view LineKey(std::string_view line);
// Whether the line has a key ("=" somewhere in it) equal to `key` without regard to case.
bool LineHasKey(std::string_view line, std::string_view key);
