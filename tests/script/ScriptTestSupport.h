#pragma once

#include "script/Csub.h"

#include <string>
#include <vector>

namespace tessellon::test {

// A Csub whose lines are kept in a vector.
struct RecordingCsub {
    std::vector<std::string> lines;
    Csub csub { [this](const std::string& line) { lines.push_back(line); } };

    // A script that a fault turns into an endless loop ends after about ten million
    // instructions with the stop lines, so the test fails instead of hanging.
    RecordingCsub()
    {
        csub.setStopCheck([this] { return ++safetyPolls > 2500; });
    }

    int safetyPolls = 0;
    RecordingCsub(const RecordingCsub&) = delete;
    RecordingCsub& operator=(const RecordingCsub&) = delete;

    // The error line of a failed compilation, "" on success.
    std::string compileError(const std::string& text)
    {
        lines.clear();
        return csub.CsubCompile(text) == 0 ? std::string() : lines.back();
    }
};

// "0 LDA 0\n1 LDC 0\n..." from instruction texts without their indices.
inline std::string listing(const std::vector<std::string>& instructions)
{
    std::string text;
    for (std::size_t i = 0; i < instructions.size(); ++i) {
        text += std::to_string(i) + ' ' + instructions[i] + '\n';
    }
    return text;
}

} // namespace tessellon::test
