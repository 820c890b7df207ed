#pragma once

class QProcess;

namespace ProcessRelease {

// Lets go of a tool whose owner is going, without the window thread waiting for it: a process that
// has ended is deleted; one still running is stopped and its object kept until the system says it
// ended. With graceMs, its input is closed first and it has that long to end on its own (a tool that
// must not be cut off halfway, such as one renaming a folder into place).
void release(QProcess* process, int graceMs = 0);

} // namespace ProcessRelease
