#pragma once

#include "script/ScriptLimits.h"

#include <array>
#include <cstdint>
#include <string_view>

namespace tessellon {

struct SymbolEntry {
    std::uint32_t dataOffset = 0;
    std::uint32_t typeTag = 0; // 1: integer, the language's only type
    std::array<char, nameCapacity + 1> name {};

    std::string_view nameText() const { return name.data(); }
};

// The declared variables and the data pointer, the next free byte of the data area.
// Variables take 4-byte slots from offset 0; WRITE formats are placed after them.
class SymbolTable {
public:
    void reset();

    // Appends name without looking for an earlier entry of the same name. Raises
    // NameTooLong, TooManyVariables or DataAreaFull instead of overflowing a table.
    void CsubDeclare(std::string_view name);

    // Index of the first entry named name; raises UnknownSymbol when there is none.
    std::uint32_t CsubLookup(std::string_view name) const;

    // Takes size bytes of the data area at the data pointer; raises DataAreaFull quoting
    // token when they do not fit.
    std::uint32_t allocateData(std::uint32_t size, std::string_view token);

    std::uint32_t count() const { return m_count; }
    std::uint32_t dataPointer() const { return m_dataPointer; }
    const SymbolEntry& entry(std::uint32_t index) const { return m_entries[index]; }

private:
    std::array<SymbolEntry, symbolTableSize> m_entries {};
    std::uint32_t m_count = 0;
    std::uint32_t m_dataPointer = 0;
};

} // namespace tessellon
