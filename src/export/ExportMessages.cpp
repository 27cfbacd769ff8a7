#include "export/ExportMessages.h"

#include <utility>

namespace tessellon {

void ExportMessages::add(const std::string& line)
{
    const std::lock_guard lock(m_mutex);
    if (m_taken + m_waiting.size() < shownLineLimit) {
        m_waiting.push_back(line);
        return;
    }
    m_lastLines.push_back(line);
    if (m_lastLines.size() > lastLinesKept) {
        m_lastLines.pop_front();
        ++m_leftOut;
    }
}

std::vector<std::string> ExportMessages::take()
{
    const std::lock_guard lock(m_mutex);
    m_taken += m_waiting.size();
    return std::exchange(m_waiting, {});
}

std::vector<std::string> ExportMessages::takeRest()
{
    const std::lock_guard lock(m_mutex);
    std::vector<std::string> rest = std::exchange(m_waiting, {});
    if (m_leftOut > 0) {
        rest.push_back(leftOutLine(m_leftOut));
    }
    rest.insert(rest.end(), m_lastLines.begin(), m_lastLines.end());
    m_lastLines.clear();
    m_leftOut = 0;
    m_taken = 0;
    return rest;
}

std::size_t ExportMessages::leftOutCount()
{
    const std::lock_guard lock(m_mutex);
    return m_leftOut;
}

std::string ExportMessages::leftOutLine(std::size_t count)
{
    std::string line = "(";
    line += std::to_string(count);
    line += " more lines not shown)";
    return line;
}

} // namespace tessellon
