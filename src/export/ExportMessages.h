#pragma once

#include <cstddef>
#include <deque>
#include <mutex>
#include <string>
#include <vector>

namespace tessellon {

// The script unit's lines on their way from the thread that runs an export to the thread
// that shows them, taken in batches. A run may write lines without end (a run error inside
// an endless loop), so one run keeps at most shownLineLimit lines in full; past that it
// counts the lines it leaves out and keeps only the last few, which say how the run ended.
class ExportMessages {
public:
    static constexpr std::size_t shownLineLimit = 10000;
    static constexpr std::size_t lastLinesKept = 4;

    // Any thread.
    void add(const std::string& line);
    // Every line waiting, in order, while the run goes on.
    std::vector<std::string> take();
    // Once the run has ended: every line waiting, then, if lines were left out, a line that
    // counts them and the last lines of the run. Ready for the next run after it.
    std::vector<std::string> takeRest();
    // The lines of the run left out so far.
    std::size_t leftOutCount();

    // "(12345 more lines not shown)"
    static std::string leftOutLine(std::size_t count);

private:
    std::mutex m_mutex;
    std::vector<std::string> m_waiting;
    std::size_t m_taken = 0;
    std::deque<std::string> m_lastLines;
    std::size_t m_leftOut = 0;
};

} // namespace tessellon
