#pragma once

#include <QString>

// The folder that holds the installed tools, and what installs leave in it while they run: a
// download's or a copy's part (".download-*"), an unpacking (".unpack-*"), an earlier folder put aside
// (".old-*"). Both the install helper and the window that runs it keep it tidy.
namespace ToolsRoot {

// Makes the tools' root, the user's alone whatever the umask; false when it cannot be made.
bool make(const QString& root);
// Removes what an install cut short (a crash, the power, a helper killed) left in the root: it is
// never used. True when something was removed.
bool sweepLeftovers(const QString& root);

} // namespace ToolsRoot
