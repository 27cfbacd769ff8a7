#include "script/SymbolTable.h"

#include "script/TClException.h"

#include <algorithm>

namespace tessellon {

void SymbolTable::reset()
{
    m_count = 0;
    m_dataPointer = 0;
}

void SymbolTable::CsubDeclare(std::string_view name)
{
    if (name.size() > nameCapacity) {
        CsubError(CompileErrorCode::NameTooLong, name);
    }
    if (m_count == symbolTableSize) {
        CsubError(CompileErrorCode::TooManyVariables, name);
    }
    SymbolEntry& entry = m_entries[m_count];
    entry.dataOffset = allocateData(4, name);
    entry.typeTag = 1;
    entry.name.fill('\0');
    std::copy(name.begin(), name.end(), entry.name.begin());
    ++m_count;
}

std::uint32_t SymbolTable::CsubLookup(std::string_view name) const
{
    for (std::uint32_t index = 0; index < m_count; ++index) {
        if (m_entries[index].nameText() == name) {
            return index;
        }
    }
    CsubError(CompileErrorCode::UnknownSymbol, name);
}

std::uint32_t SymbolTable::allocateData(std::uint32_t size, std::string_view token)
{
    if (size > dataAreaSize - m_dataPointer) {
        CsubError(CompileErrorCode::DataAreaFull, token);
    }
    const std::uint32_t offset = m_dataPointer;
    m_dataPointer += size;
    return offset;
}

} // namespace tessellon
