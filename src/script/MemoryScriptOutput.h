#pragma once

#include "script/ScriptOutput.h"

#include <cstddef>
#include <cstdint>
#include <limits>
#include <string>
#include <vector>

namespace tessellon {

// Keeps a script's bytes in memory, up to limit bytes: a write that would pass the limit
// stores nothing and fails.
class MemoryScriptOutput final : public ScriptOutput {
public:
    explicit MemoryScriptOutput(std::size_t limit = std::numeric_limits<std::size_t>::max())
        : m_limit(limit)
    {
    }

    bool write(std::span<const std::uint8_t> bytes) override
    {
        if (bytes.size() > m_limit - m_bytes.size()) {
            return false;
        }
        m_bytes.insert(m_bytes.end(), bytes.begin(), bytes.end());
        return true;
    }

    const std::vector<std::uint8_t>& bytes() const { return m_bytes; }
    std::string text() const { return { m_bytes.begin(), m_bytes.end() }; }

private:
    std::size_t m_limit;
    std::vector<std::uint8_t> m_bytes;
};

} // namespace tessellon
