#pragma once

#include <QByteArray>
#include <QFile>

#include <cstddef>
#include <cstdint>

// The bytes libFuzzer hands a target, as the program's readers take them (a tool's answer arrives as
// bytes), read in place: libFuzzer owns them for the call.
inline QByteArray fuzzBytes(const uint8_t* data, size_t size)
{
    return QByteArray::fromRawData(reinterpret_cast<const char*>(data), qsizetype(size));
}

// The bytes written whole to a file, as an archive on disk is read; false when it cannot be written.
inline bool writeFuzzFile(const QString& path, const uint8_t* data, size_t size)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(fuzzBytes(data, size)) == qint64(size);
}
