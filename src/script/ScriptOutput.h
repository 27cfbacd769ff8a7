#pragma once

#include <cstdint>
#include <span>

namespace tessellon {

// Where a script's bytes go. write and flush return false when bytes could not be written.
class ScriptOutput {
public:
    virtual ~ScriptOutput() = default;
    virtual bool write(std::span<const std::uint8_t> bytes) = 0;
    virtual bool flush() { return true; }
};

// Takes every byte and keeps none.
class NullScriptOutput final : public ScriptOutput {
public:
    bool write(std::span<const std::uint8_t>) override { return true; }
};

} // namespace tessellon
