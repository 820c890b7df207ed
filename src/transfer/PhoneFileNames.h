#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// A file's name as the phone's shared storage takes it, and how it is said to the phone's shell.
namespace PhoneFileNames {

// The storage's limit on a name, in bytes of UTF-8.
constexpr int MaxBytes = 255;

// The name the storage accepts: each character it refuses (control characters and " * / : < > ? \ |)
// becomes "_", and a name longer than it takes is shortened before its extension.
QString storable(const QString& name);
// The name itself when the folder holds none like it, else the first of "name (1).ext",
// "name (2).ext"… that it does not hold. The storage tells names apart without their case.
QString free(const QString& name, const QStringList& taken);
// The names a listing of a folder ("ls -1a") gave, without "." and "..".
QStringList listed(const QByteArray& output);

} // namespace PhoneFileNames
