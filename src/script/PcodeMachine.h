#pragma once

#include "script/ScriptBuiltins.h"
#include "script/ScriptCallbacks.h"
#include "script/ScriptMemory.h"
#include "script/ScriptOutput.h"
#include "script/Service.h"

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace tessellon {

// How a run ended: at STP, or cut short by a run error that ends it.
enum class RunEnd { Finished, StackFull, Stopped, OutputFailed };

// Run-error lines; each is written twice.
inline constexpr const char* runErrorDividedByZero = "run error: divided by 0";
inline constexpr const char* runErrorUnknownInstruction = "run error: unknow ins";
inline constexpr const char* runErrorStackFull
    = "run error: stack full, run ended (a statement whose value nothing takes, such as "
      "GETUNICODE(i); alone, fills it in a loop)";
inline constexpr const char* runErrorStoreOutside = "run error: store outside the data area";
inline constexpr const char* runErrorStopped = "run error: stopped on request";
inline constexpr const char* runErrorOutputFailed = "run error: cannot write the output file";

// The stack machine that runs the code area over 32-bit words.
class PcodeMachine {
public:
    explicit PcodeMachine(ScriptMemory& memory);

    void setOutput(ScriptOutput* output);
    void setCallbacks(TPutItemFunc putItem, TGetUnicodeFunc getUnicode);
    void setBuiltins(const ScriptBuiltins* builtins) { m_builtins = builtins; }
    void setStopCheck(std::function<bool()> shouldStop) { m_shouldStop = std::move(shouldStop); }
    void setLineSink(LineSink sink) { m_lines = std::move(sink); }

    RunEnd CsubRun();

    std::uint64_t executedInstructions() const { return m_executed; }
    std::uint32_t stackDepth() const { return m_sp; }
    std::uint32_t stackWord(std::uint32_t slot) const { return m_stack[slot]; }

private:
    // A push onto a full stack ends the run: the words below would no longer be what the
    // code expects, and a loop computing from them may never end. False then.
    [[nodiscard]] bool push(std::uint32_t value)
    {
        if (m_sp == stackSize) {
            endRun(RunEnd::StackFull, runErrorStackFull);
            return false;
        }
        m_stack[m_sp++] = value;
        return true;
    }

    std::uint32_t pop() { return m_sp == 0 ? 0 : m_stack[--m_sp]; }

    std::uint32_t symbolOffset(std::uint32_t symbol) const
    {
        return m_memory.symbols.entry(symbol).dataOffset;
    }

    bool stopRequested();
    // Each returns false when it ended the run.
    [[nodiscard]] bool divide();
    [[nodiscard]] bool store(bool pushValue);
    [[nodiscard]] bool call(const Instruction& instruction);
    void callWrite(std::uint8_t argCount);
    void callPutItem(const ItemFlags& flags);
    [[nodiscard]] bool callGetUnicode();
    [[nodiscard]] bool callBuiltin(const ServiceInfo& service);
    void writeOutput(std::span<const std::uint8_t> bytes);
    void runError(const char* line);
    void endRun(RunEnd end, const char* line);

    ScriptMemory& m_memory;
    std::array<std::uint32_t, stackSize> m_stack {};
    std::uint32_t m_sp = 0;
    std::vector<std::uint8_t> m_itemBuffer;
    std::array<char, writeTextCapacity> m_text {};
    ScriptOutput* m_output;
    NullScriptOutput m_nullOutput;
    TPutItemFunc m_putItem;
    TGetUnicodeFunc m_getUnicode;
    const ScriptBuiltins* m_builtins = nullptr;
    std::function<bool()> m_shouldStop;
    LineSink m_lines;
    RunEnd m_end = RunEnd::Finished;
    std::uint64_t m_executed = 0;
};

} // namespace tessellon
