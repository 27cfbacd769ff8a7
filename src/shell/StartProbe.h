#pragma once

class QWidget;

namespace tessellon {

// For measuring the program's start (bench/editor_start.sh): once the window has been
// painted for the first time, prints "shown SECONDS" (the wall clock, in seconds since the
// epoch, to the microsecond) on standard output and quits the event loop.
void quitWhenFirstPainted(QWidget& window);

} // namespace tessellon
