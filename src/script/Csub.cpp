#include "script/Csub.h"

#include "script/Disassembler.h"
#include "script/TClException.h"

namespace tessellon {

namespace {

    ExecuteResult executeResultOf(RunEnd end)
    {
        switch (end) {
        case RunEnd::Finished:
            return ExecuteResult::Ran;
        case RunEnd::StackFull:
            return ExecuteResult::StackFull;
        case RunEnd::Stopped:
            return ExecuteResult::Stopped;
        case RunEnd::OutputFailed:
            break;
        }
        return ExecuteResult::OutputFailed;
    }

} // namespace

Csub::Csub(LineSink sink)
    : m_sink(std::move(sink))
    , m_memory(std::make_unique<ScriptMemory>())
    , m_compiler(m_lexer, *m_memory)
    , m_machine(std::make_unique<PcodeMachine>(*m_memory))
{
    m_machine->setLineSink([this](const std::string& line) { CsubOutput(line); });
}

void Csub::setLineSink(LineSink sink) { m_sink = std::move(sink); }

void Csub::setStopCheck(std::function<bool()> shouldStop)
{
    m_machine->setStopCheck(std::move(shouldStop));
}

void Csub::setFontNumber(std::int32_t glyphCount) { m_lexer.setFontNumber(glyphCount); }

void Csub::setOutput(ScriptOutput* output) { m_machine->setOutput(output); }

void Csub::setCallbacks(TPutItemFunc putItem, TGetUnicodeFunc getUnicode)
{
    m_machine->setCallbacks(std::move(putItem), std::move(getUnicode));
}

void Csub::setBuiltins(const ScriptBuiltins* builtins)
{
    m_lexer.setBuiltins(builtins);
    m_machine->setBuiltins(builtins);
}

ExecuteResult Csub::CsubExecute(ScriptOutput& output, const std::string& scriptText,
    TPutItemFunc putItem, TGetUnicodeFunc getUnicode, std::int32_t glyphCount)
{
    setOutput(&output);
    setCallbacks(std::move(putItem), std::move(getUnicode));
    setFontNumber(glyphCount);
    CsubOutput("Compiling...");
    ExecuteResult result = ExecuteResult::CompileError;
    if (CsubCompile(scriptText) == 0) {
        CsubOutput("No error");
        CsubOutput("Run...");
        CsubRun();
        result = executeResultOf(m_lastRunEnd);
        if (result != ExecuteResult::OutputFailed && !output.flush()) {
            CsubOutput(runErrorOutputFailed);
            CsubOutput(runErrorOutputFailed);
            result = ExecuteResult::OutputFailed;
        }
        if (result == ExecuteResult::Ran) {
            CsubOutput("OK");
        }
    }
    setOutput(nullptr);
    setCallbacks({}, {});
    return result;
}

int Csub::CsubCompile(const std::string& text)
{
    try {
        m_compiler.compile(text);
        m_compiled = true;
        return 0;
    } catch (const TClException& error) {
        m_compiled = false;
        CsubOutput(compileErrorLine(m_lexer.errorLine(), error.code(), error.token()));
        return error.code();
    }
}

void Csub::CsubRun()
{
    if (m_compiled) {
        m_lastRunEnd = m_machine->CsubRun();
    }
}

void Csub::CsubOutput(const std::string& line)
{
    if (m_sink) {
        m_sink(line);
    }
}

std::uint32_t Csub::variable(const std::string& name) const
{
    const SymbolTable& symbols = m_memory->symbols;
    for (std::uint32_t index = 0; index < symbols.count(); ++index) {
        if (symbols.entry(index).nameText() == name) {
            return m_memory->loadWord(symbols.entry(index).dataOffset);
        }
    }
    return 0;
}

std::string Csub::disassembly() const
{
    return disassemble(m_memory->program(), m_memory->symbols);
}

} // namespace tessellon
