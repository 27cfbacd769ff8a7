#include "script/PcodeMachine.h"

#include "script/WriteFormatter.h"

#include <algorithm>

namespace tessellon {

PcodeMachine::PcodeMachine(ScriptMemory& memory)
    : m_memory(memory)
    , m_itemBuffer(itemBufferSize)
    , m_output(&m_nullOutput)
{
}

void PcodeMachine::setOutput(ScriptOutput* output) { m_output = output ? output : &m_nullOutput; }

void PcodeMachine::setCallbacks(TPutItemFunc putItem, TGetUnicodeFunc getUnicode)
{
    m_putItem = std::move(putItem);
    m_getUnicode = std::move(getUnicode);
}

// An instruction whose operand names no symbol or label of the tables counts as an unknown
// instruction; the compiler never emits one.
RunEnd PcodeMachine::CsubRun()
{
    m_sp = 0;
    m_stack.fill(0);
    m_end = RunEnd::Finished;
    const Instruction* const code = m_memory.code.data();
    const std::uint32_t* const labels = m_memory.labels.data();
    std::uint32_t pc = 0;
    std::uint32_t countdown = stopPollInterval;
    std::uint64_t polls = 0;
    bool running = true;
    while (running) {
        if (--countdown == 0) {
            countdown = stopPollInterval;
            ++polls;
            if (stopRequested()) {
                endRun(RunEnd::Stopped, runErrorStopped);
                break;
            }
        }
        const Instruction instruction = code[pc++];
        const std::uint32_t operand = instruction.operand;
        switch (instruction.op) {
        case Opcode::STP:
            running = false;
            break;
        case Opcode::LDA:
            if (operand >= symbolTableSize) {
                runError(runErrorUnknownInstruction);
                break;
            }
            running = push(symbolOffset(operand));
            break;
        case Opcode::LDC:
            running = push(operand);
            break;
        case Opcode::LOD:
            if (operand >= symbolTableSize) {
                runError(runErrorUnknownInstruction);
                break;
            }
            running = push(m_memory.loadWord(symbolOffset(operand)));
            break;
        case Opcode::MPI: {
            const std::uint32_t b = pop();
            running = push(pop() * b);
            break;
        }
        case Opcode::DVI:
            running = divide();
            break;
        case Opcode::SBI: {
            const std::uint32_t b = pop();
            running = push(pop() - b);
            break;
        }
        case Opcode::ADI: {
            const std::uint32_t b = pop();
            running = push(pop() + b);
            break;
        }
        case Opcode::STO:
            running = store(false);
            break;
        case Opcode::STN:
            running = store(true);
            break;
        case Opcode::GRT: {
            const std::uint32_t b = pop();
            running = push(pop() > b ? 1 : 0);
            break;
        }
        case Opcode::LOW: {
            const std::uint32_t b = pop();
            running = push(pop() < b ? 1 : 0);
            break;
        }
        case Opcode::GTE: {
            const std::uint32_t b = pop();
            running = push(pop() >= b ? 1 : 0);
            break;
        }
        case Opcode::LWE: {
            const std::uint32_t b = pop();
            running = push(pop() <= b ? 1 : 0);
            break;
        }
        case Opcode::EQU: {
            const std::uint32_t b = pop();
            running = push(pop() == b ? 1 : 0);
            break;
        }
        case Opcode::NEQ: {
            const std::uint32_t b = pop();
            running = push(pop() != b ? 1 : 0);
            break;
        }
        case Opcode::LAB:
        case Opcode::ENT:
        case Opcode::RET:
            break;
        case Opcode::FJP:
            if (operand >= labelTableSize) {
                runError(runErrorUnknownInstruction);
                break;
            }
            if (pop() == 0) {
                pc = std::min<std::uint32_t>(labels[operand], codeAreaSize);
            }
            break;
        case Opcode::UJP:
            if (operand >= labelTableSize) {
                runError(runErrorUnknownInstruction);
                break;
            }
            pc = std::min<std::uint32_t>(labels[operand], codeAreaSize);
            break;
        case Opcode::MST:
            running = push(markValue);
            break;
        case Opcode::CAL:
            running = call(instruction);
            break;
        default:
            runError(runErrorUnknownInstruction);
            break;
        }
    }
    const std::uint64_t sinceLastPoll = stopPollInterval - countdown;
    m_executed = polls * stopPollInterval + sinceLastPoll - (m_end == RunEnd::Stopped ? 1 : 0);
    return m_end;
}

bool PcodeMachine::stopRequested() { return m_shouldStop && m_shouldStop(); }

// A division by zero pushes 0 in place of the quotient, so that the words below stay what
// the code expects (an assignment x = 5 / 0 would otherwise store x's offset into
// whatever variable the empty stack's 0 names).
bool PcodeMachine::divide()
{
    const std::uint32_t b = pop();
    const std::uint32_t a = pop();
    if (b == 0) {
        runError(runErrorDividedByZero);
        return push(0);
    }
    return push(a / b);
}

// A store outside the data area is refused, as a run error; STN pushes its value either way.
bool PcodeMachine::store(bool pushValue)
{
    const std::uint32_t value = pop();
    const std::uint32_t offset = pop();
    if (offset > dataAreaSize - 4) {
        runError(runErrorStoreOutside);
    } else {
        m_memory.storeWord(offset, value);
    }
    return !pushValue || push(value);
}

// Service numbers without a service do nothing.
bool PcodeMachine::call(const Instruction& instruction)
{
    const ServiceInfo* service = serviceInfo(instruction.operand);
    if (!service) {
        return true;
    }
    if (service->argument == ServiceArgument::Format) {
        callWrite(instruction.argCount);
    } else if (service->argument == ServiceArgument::Constant) {
        return true;
    } else if (service->builtin) {
        return callBuiltin(*service);
    } else if (service->givesValue) {
        return callGetUnicode();
    } else {
        callPutItem(service->item);
    }
    return m_end == RunEnd::Finished;
}

// The compiler notes the argument count in the instruction, so an argument that holds the
// mark value is printed like any other word. The format is read up to its NUL, never past
// the data area; an offset outside it gives an empty format.
void PcodeMachine::callWrite(std::uint8_t argCount)
{
    std::array<std::uint32_t, 256> args;
    for (int k = argCount - 1; k >= 0; --k) {
        args[static_cast<std::size_t>(k)] = pop();
    }
    const std::uint32_t formatOffset = pop();
    pop(); // the mark
    std::string_view format;
    if (formatOffset < dataAreaSize) {
        const auto* start = reinterpret_cast<const char*>(m_memory.data.data()) + formatOffset;
        format = std::string_view(start, dataAreaSize - formatOffset);
    }
    const std::size_t size = formatWrite(format, { args.data(), argCount }, m_text);
    writeOutput({ reinterpret_cast<const std::uint8_t*>(m_text.data()), size });
}

// A count below 0 writes nothing; one above the buffer writes the whole buffer.
void PcodeMachine::callPutItem(const ItemFlags& flags)
{
    const std::uint32_t index = pop();
    std::int32_t count = 0;
    if (m_putItem) {
        count = m_putItem(m_itemBuffer, index, flags.zip, flags.bin, flags.col);
    }
    const std::size_t size = std::min<std::size_t>(std::max(count, 0), itemBufferSize);
    writeOutput({ m_itemBuffer.data(), size });
    pop(); // the mark
}

bool PcodeMachine::callGetUnicode()
{
    const std::uint32_t index = pop();
    pop(); // the mark
    return push(m_getUnicode ? m_getUnicode(index) : 0);
}

// A value built-in pushes its value; an item built-in writes its item, which may be of any
// length: it goes to the output piece by piece, not through the item buffer.
bool PcodeMachine::callBuiltin(const ServiceInfo& service)
{
    const std::uint32_t argument = service.argument == ServiceArgument::None ? 0 : pop();
    if (service.givesValue) {
        pop(); // the mark
        return push(m_builtins ? m_builtins->value(service.service, argument) : 0);
    }
    if (m_builtins) {
        m_builtins->item(service.service, argument,
            [this](std::span<const std::uint8_t> bytes) { writeOutput(bytes); });
    }
    pop(); // the mark
    return m_end == RunEnd::Finished;
}

void PcodeMachine::writeOutput(std::span<const std::uint8_t> bytes)
{
    if (bytes.empty() || m_end != RunEnd::Finished) {
        return;
    }
    if (!m_output->write(bytes)) {
        endRun(RunEnd::OutputFailed, runErrorOutputFailed);
    }
}

void PcodeMachine::runError(const char* line)
{
    if (m_lines) {
        const std::string text(line);
        m_lines(text);
        m_lines(text);
    }
}

void PcodeMachine::endRun(RunEnd end, const char* line)
{
    runError(line);
    m_end = end;
}

} // namespace tessellon
