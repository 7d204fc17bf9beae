#include "JobRecord.h"

#include "StrngLib.h"

std::string_view LineKey(std::string_view line) {
    const size_t eq = line.find('=');
    return eq == std::string_view::npos ? std::string_view() : line.substr(0, eq);
}

JobRecord::JobRecord(std::vector<std::string> lines) : m_lines(std::move(lines)) {
    m_indexValid = false;
}

void JobRecord::indexLine(size_t index) const {
    const std::string_view line = m_lines[index];
    if (line.find('=') == std::string_view::npos)
        return;
    m_firstLine.try_emplace(UpperCase(LineKey(line)), index);
}

void JobRecord::rebuildIndex() const {
    m_firstLine.clear();
    m_firstLine.reserve(m_lines.size());
    for (size_t i = 0; i < m_lines.size(); ++i)
        indexLine(i);
    m_indexValid = true;
}

int JobRecord::FindJobKey(std::string_view key) const {
    if (!m_indexValid)
        rebuildIndex();
    const auto it = m_firstLine.find(UpperCase(key));
    return it == m_firstLine.end() ? -1 : static_cast<int>(it->second);
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
        m_lines[size_t(at)] = std::move(line);
    else
        Append(std::move(line));
}

std::string JobRecord::JobRecordText() const {
    std::string text;
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
    m_firstLine.clear();
    m_indexValid = true;
}

std::string JobRecord::KeyAt(size_t index) const {
    return std::string(LineKey(m_lines[index]));
}
