#include "shell/ProgramVersion.h"

namespace tessellon {

QString programFileVersion()
{
#ifdef TESSELLON_FILE_VERSION
    return QStringLiteral(TESSELLON_FILE_VERSION);
#else
    return {};
#endif
}

} // namespace tessellon
