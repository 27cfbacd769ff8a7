#pragma once

namespace tessellon {

// A write past the file-size limit (ulimit -f) fails with an error, which the save reports,
// instead of ending the process with SIGXFSZ and losing every open font.
void ignoreFileSizeSignal();

} // namespace tessellon
