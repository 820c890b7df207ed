#pragma once

#include <QString>

// The program's helper, which alone opens archives and loads the network code: beside this program,
// or in the library folder a Linux package puts it in.
namespace HelperProgram {

QString path();
void setPathForTests(const QString& path);

} // namespace HelperProgram
