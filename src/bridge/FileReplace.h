#pragma once

#include <QString>

// Puts a finished file in the place of another: renamed over it in one step, so whatever stood at
// the target's name (an earlier file, a planted link) is replaced whole and never written through,
// and a reader sees either the old file or the new one, never a part.
namespace FileReplace {

// False, with the system's reason, when the rename failed; the finished file then stays where it is.
bool replace(const QString& finished, const QString& target, QString* reason = nullptr);

} // namespace FileReplace
