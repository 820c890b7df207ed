#pragma once

#include <QByteArray>

#include <cstddef>
#include <cstdint>

// The bytes libFuzzer hands a target, as the program's readers take them (a tool's answer arrives as
// bytes), read in place: libFuzzer owns them for the call.
inline QByteArray fuzzBytes(const uint8_t* data, size_t size)
{
    return QByteArray::fromRawData(reinterpret_cast<const char*>(data), qsizetype(size));
}
