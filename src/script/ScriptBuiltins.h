#pragma once

#include "script/Service.h"

#include <cstdint>
#include <functional>
#include <span>

namespace tessellon {

// What the built-ins of export targets (the services marked builtin) ask of the font being
// exported, beyond the PUTITEM and GETUNICODE callbacks. A run without them gives constants
// and values of 0 and empty items.
class ScriptBuiltins {
public:
    // Takes the bytes of an item, in as many pieces as the item needs.
    using ItemWriter = std::function<void(std::span<const std::uint8_t> bytes)>;

    virtual ~ScriptBuiltins() = default;

    // The value the lexer puts in place of a constant's name.
    virtual std::int32_t constant(Service service) const = 0;
    // What a value built-in gives for its argument, whatever the argument.
    virtual std::uint32_t value(Service service, std::uint32_t argument) const = 0;
    // Writes the item of an item built-in for its argument (0 for one without argument).
    virtual void item(Service service, std::uint32_t argument, const ItemWriter& write) const = 0;
};

} // namespace tessellon
