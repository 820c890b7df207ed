// What the bridge tool and the phone answer a file or an app sent, and the helper's lines about a
// split app: whatever they say, a name chosen for the phone is one its storage takes and one the
// folder listed does not hold.
#include "FuzzInput.h"

#include "bridge/AppArchiveReport.h"
#include "transfer/PhoneFileNames.h"
#include "transfer/SendAnswers.h"

#include <QSet>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray text = fuzzBytes(data, size);
    SendAnswers::installProblem(text);
    SendAnswers::pushProblem(text, true);
    SendAnswers::pushProblem(text, false);
    if (const auto held = SendAnswers::statedSize(text); held && *held < 0)
        __builtin_trap();
    const QStringList listed = PhoneFileNames::listed(text);
    QSet<QString> taken;
    for (const QString& name : listed)
        taken.insert(name.toCaseFolded());
    for (const QString& name : listed.mid(0, 8)) {
        const QString stored = PhoneFileNames::storable(name);
        const QString chosen = PhoneFileNames::free(stored, listed);
        if (chosen.toUtf8().size() > PhoneFileNames::MaxBytes || chosen.contains(QLatin1Char('/'))
            || taken.contains(chosen.toCaseFolded()) || chosen.isEmpty())
            __builtin_trap();
    }
    for (const QByteArray& line : text.split('\n'))
        AppArchiveReport::read(line);
    return 0;
}
