#pragma once

#include "script/PcodeMachine.h"
#include "script/ScriptCallbacks.h"
#include "script/ScriptCompiler.h"
#include "script/ScriptLexer.h"
#include "script/ScriptMemory.h"
#include "script/ScriptOutput.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

namespace tessellon {

// How CsubExecute ended. Ran: at the program's end, run errors that let the run go on
// included. StackFull, Stopped and OutputFailed: a run error ended the run early.
enum class ExecuteResult { Ran, CompileError, StackFull, Stopped, OutputFailed };

// The export script unit: lexer, compiler and p-code machine over one set of tables (code
// area, data area, symbols, labels, stack, item buffer). The program keeps one for its
// whole run, so variables keep their values from one run to the next.
class Csub {
public:
    explicit Csub(LineSink sink = {});
    Csub(const Csub&) = delete;
    Csub& operator=(const Csub&) = delete;

    void setLineSink(LineSink sink);
    // Polled by CsubRun every few thousand instructions; true means stop now.
    void setStopCheck(std::function<bool()> shouldStop);

    // Compile, report, run, report; returns how it ended. "OK" is written only after a run
    // that ended at STP and whose output was flushed. What the run wrote before a run error
    // ended it is flushed too.
    ExecuteResult CsubExecute(ScriptOutput& output, const std::string& scriptText,
        TPutItemFunc putItem, TGetUnicodeFunc getUnicode, std::int32_t glyphCount);

    // 0, or the code of the first error after writing its line.
    int CsubCompile(const std::string& text);
    // Runs the last compiled program; does nothing when the last compilation failed.
    void CsubRun();
    void CsubOutput(const std::string& line);

    // What CsubExecute sets before compiling and running; for callers that compile and run
    // step by step.
    void setFontNumber(std::int32_t glyphCount);
    void setOutput(ScriptOutput* output);
    void setCallbacks(TPutItemFunc putItem, TGetUnicodeFunc getUnicode);
    // What the export targets' built-ins and constants ask of the font; kept until set
    // again. Null (the start) gives constants and values of 0 and empty items.
    void setBuiltins(const ScriptBuiltins* builtins);

    RunEnd lastRunEnd() const { return m_lastRunEnd; }
    std::uint64_t lastRunInstructions() const { return m_machine->executedInstructions(); }
    std::uint32_t stackDepth() const { return m_machine->stackDepth(); }
    const ScriptMemory& memory() const { return *m_memory; }
    // The current value of a declared variable, as the data area holds it.
    std::uint32_t variable(const std::string& name) const;
    std::string disassembly() const;

private:
    void outputLine(const std::string& line) const;

    LineSink m_sink;
    std::unique_ptr<ScriptMemory> m_memory;
    ScriptLexer m_lexer;
    ScriptCompiler m_compiler;
    std::unique_ptr<PcodeMachine> m_machine;
    bool m_compiled = false;
    RunEnd m_lastRunEnd = RunEnd::Finished;
};

} // namespace tessellon
