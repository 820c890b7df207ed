// The settings file as the user, another program or a half-written disk may have left it: the
// shared choices, a phone's own, and the remembered connection read from it.
#include "FuzzInput.h"

#include "bridge/Remembered.h"
#include "state/ChosenOptions.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

namespace {
QString settingsFile;
}

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    // A settings folder of its own, as the suites give theirs.
    static QTemporaryDir folder;
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, folder.path());
    settingsFile = Remembered::settings()->fileName();
    QDir().mkpath(QFileInfo(settingsFile).path());
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    {
        QFile file(settingsFile);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
            return 0;
        file.write(fuzzBytes(data, size));
    }
    ChosenOptions chosen;
    for (const QString& phone : {QString(), QStringLiteral("R58M123456"), QStringLiteral("192.168.1.20:5555")}) {
        chosen.shown(phone);
        chosen.asTyped(phone);
        chosen.differs(phone);
    }
    const auto remembered = Remembered::settings();
    remembered->value(Remembered::Address).toString();
    remembered->value(Remembered::Port).toString();
    return 0;
}
