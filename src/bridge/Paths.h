#pragma once

#include <QString>

// The folders the program works with.
namespace Paths {

// The folder that holds the program (and, on Windows, its tools).
QString programFolder();
// Where started commands run and where files they write by relative name land
// (screenshots, recordings): the program's folder when writable, else the user's folder (the home
// folder; on Windows Documents\Pannix). A program installed in the system's folders (/usr/bin,
// /opt..., Program Files) always uses the user's folder.
QString outputFolder();
// The per-user cache folder (the mirroring clients' logs), made readable and writable by the user
// only.
QString cacheFolder();

// Where fetched tools are unpacked, one folder per release: the user's own data folder + "/tools"
// (~/.local/share/Pannix/pannix/tools, %LOCALAPPDATA%\Pannix\pannix\tools).
QString toolsRoot();
// The folder of the tools release this program fetches: its archive's top folder in toolsRoot().
QString toolsFolder();
// That top folder's name ("scrcpy-linux-x86_64-v4.1"), the archive's name without its extension.
QString toolsFolderName();

// Tests place the program's folder elsewhere; an empty text restores the real one.
void setProgramFolder(const QString& folder);
// Tests place the tools' root elsewhere (a folder whose name holds Chinese, say); empty restores it.
void setToolsRoot(const QString& folder);

} // namespace Paths
