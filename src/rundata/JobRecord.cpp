#include "JobRecord.h"

#include "StrngLib.h"

#include <algorithm>
#include <bit>

namespace {
char upper(char c) {
    return (c >= 'a' && c <= 'z') ? char(c - 'a' + 'A') : c;
}

// FNV-1a over the upper-cased bytes, so keys that match without regard to case hash alike,
// then mixed so that keys differing in their last bytes spread over the whole index.
uint32_t keyHash(std::string_view key) {
    uint32_t h = 2166136261u;
    for (char c : key) {
        h ^= static_cast<unsigned char>(upper(c));
        h *= 16777619u;
    }
    h ^= h >> 16;
    h *= 0x85ebca6bu;
    h ^= h >> 13;
    h *= 0xc2b2ae35u;
    h ^= h >> 16;
    return h;
}
} // namespace

std::string_view LineKey(std::string_view line) {
    const size_t eq = line.find('=');
    return eq == std::string_view::npos ? std::string_view() : line.substr(0, eq);
}

bool LineHasKey(std::string_view line, std::string_view key) {
    // A key holding "=" names no line: the key of a line ends at its first "=".
    return line.size() > key.size() && line[key.size()] == '=' &&
           SameText(line.substr(0, key.size()), key) && key.find('=') == std::string_view::npos;
}

JobRecord::JobRecord(std::vector<std::string> lines) : m_lines(std::move(lines)) {}

uint32_t* JobRecord::entryOf(std::string_view key, uint32_t hash) const {
    const size_t mask = m_index.size() - 1;
    const uint32_t tag = hash & ~m_lineMask;
    for (size_t at = hash & mask;; at = (at + 1) & mask) {
        uint32_t& entry = m_index[at];
        const uint32_t linePlusOne = entry & m_lineMask;
        if (linePlusOne == 0 ||
            ((entry & ~m_lineMask) == tag && LineHasKey(m_lines[linePlusOne - 1], key)))
            return &entry;
    }
}

void JobRecord::indexLine(size_t index) const {
    const std::string_view line = m_lines[index];
    if (line.find('=') == std::string_view::npos)
        return;
    if (index + 1 > m_lineMask || 5 * (m_indexedKeys + 1) > 4 * m_index.size()) {
        rebuildIndex(2 * (index + 1)); // takes this line in as well
        return;
    }
    const std::string_view key = LineKey(line);
    const uint32_t hash = keyHash(key);
    uint32_t* entry = entryOf(key, hash);
    if (*entry != 0)
        return; // an earlier line holds the key
    *entry = (hash & ~m_lineMask) | static_cast<uint32_t>(index + 1);
    ++m_indexedKeys;
}

void JobRecord::rebuildIndex(size_t roomForLines) const {
    const int lineBits = std::min(static_cast<int>(std::bit_width(roomForLines + 1)), 32);
    m_lineMask = lineBits == 32 ? ~uint32_t(0) : (uint32_t(1) << lineBits) - 1;
    size_t size = 16;
    while (4 * size < 5 * (roomForLines + 1)) // at most four fifths full
        size *= 2;
    m_index.assign(size, 0);
    m_indexedKeys = 0;
    m_indexValid = true;
    for (size_t i = 0; i < m_lines.size(); ++i)
        indexLine(i);
}

int JobRecord::FindJobKey(std::string_view key) const {
    if (!m_indexValid)
        rebuildIndex(m_lines.size());
    const uint32_t entry = *entryOf(key, keyHash(key));
    return entry == 0 ? -1 : static_cast<int>((entry & m_lineMask) - 1);
}

std::string JobRecord::GetJobValue(std::string_view key) const {
    const int at = FindJobKey(key);
    if (at < 0)
        return {};
    const std::string& line = m_lines[size_t(at)];
    return line.substr(line.find('=') + 1);
}

void JobRecord::SetJobValue(std::string_view key, std::string_view value) {
    const int at = FindJobKey(key);
    if (value.empty()) {
        if (at >= 0)
            Delete(size_t(at));
        return;
    }
    std::string line = std::string(key) + "=" + std::string(value);
    if (at >= 0)
        m_lines[size_t(at)] = std::move(line); // same key in another spelling: index holds
    else
        Append(std::move(line));
}

std::string JobRecord::JobRecordText() const {
    size_t size = 0;
    for (const std::string& line : m_lines)
        size += line.size() + 2;
    std::string text;
    text.reserve(size);
    for (const std::string& line : m_lines) {
        text += line;
        text += "\r\n";
    }
    return text;
}

void JobRecord::SetJobRecordText(std::string_view text) {
    m_lines = SplitLines(text);
    m_indexValid = false;
}

void JobRecord::Append(std::string line) {
    m_lines.push_back(std::move(line));
    if (m_indexValid)
        indexLine(m_lines.size() - 1);
}

void JobRecord::Delete(size_t index) {
    m_lines.erase(m_lines.begin() + static_cast<std::ptrdiff_t>(index));
    m_indexValid = false;
}

void JobRecord::Clear() {
    m_lines.clear();
    m_indexValid = false;
}

std::string JobRecord::KeyAt(size_t index) const {
    return std::string(LineKey(m_lines[index]));
}
