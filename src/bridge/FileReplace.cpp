#include "FileReplace.h"

#include <filesystem>
#include <system_error>

namespace FileReplace {

bool replace(const QString& finished, const QString& target, QString* reason)
{
    std::error_code error;
    std::filesystem::rename(
        std::filesystem::path(finished.toStdWString()), std::filesystem::path(target.toStdWString()), error);
    if (!error)
        return true;
    if (reason)
        *reason = QString::fromLocal8Bit(error.message());
    return false;
}

} // namespace FileReplace
