#include "shell/ProcessSignals.h"

#include <csignal>

namespace tessellon {

void ignoreFileSizeSignal()
{
#ifdef SIGXFSZ
    std::signal(SIGXFSZ, SIG_IGN);
#endif
}

} // namespace tessellon
