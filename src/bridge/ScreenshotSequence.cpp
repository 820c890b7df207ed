#include "ScreenshotSequence.h"

#include "AdbCommands.h"
#include "BridgeProblems.h"
#include "CommandRunner.h"
#include "DeviceList.h"
#include "FileReplace.h"
#include "Outside.h"
#include "Paths.h"
#include "SendToSelectedSlots.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>
#include <QTemporaryFile>

namespace {

const QString PhoneCopy = QStringLiteral("/sdcard/screen.png");
// Longer serials are cut; the hash then keeps them apart.
constexpr qsizetype LongestKept = 64;

bool isPlain(QChar c)
{
    return (c >= QLatin1Char('a') && c <= QLatin1Char('z')) || (c >= QLatin1Char('A') && c <= QLatin1Char('Z'))
        || (c >= QLatin1Char('0') && c <= QLatin1Char('9')) || c == QLatin1Char('.') || c == QLatin1Char('-')
        || c == QLatin1Char('_');
}

// "screen-a.png", "screen-a-2.png"...: the first not yet taken in this click, compared without
// case, since the pictures may land on a file system that does not tell case apart.
QString freeName(const QString& name, const QStringList& taken)
{
    const QString stem = name.chopped(4); // ".png"
    QString candidate = name;
    for (int number = 2; taken.contains(candidate, Qt::CaseInsensitive); ++number)
        candidate = stem + QStringLiteral("-%1.png").arg(number);
    return candidate;
}

} // namespace

ScreenshotSequence::ScreenshotSequence(DeviceModel& devices, QString& scratchField, QObject* parent)
    : QObject(parent)
    , m_devices(devices)
    , m_scratchField(scratchField)
{
}

QString ScreenshotSequence::pictureNameFor(const QString& serial)
{
    QString kept;
    bool changed = false;
    for (const QChar c : serial) {
        changed = changed || !isPlain(c);
        kept += isPlain(c) ? c : QLatin1Char('_');
    }
    if (kept.size() > LongestKept) {
        kept.truncate(LongestKept);
        changed = true;
    }
    if (changed || kept.isEmpty()) {
        const QByteArray hash = QCryptographicHash::hash(serial.toUtf8(), QCryptographicHash::Sha1).toHex();
        kept += QLatin1Char('-') + QString::fromLatin1(hash.left(8));
    }
    return QStringLiteral("screen-") + kept + QStringLiteral(".png");
}

bool ScreenshotSequence::start()
{
    if (isRunning())
        return false;
    const auto targets = TargetPhones(m_devices);
    if (!targets)
        return false;
    QList<Phone> phones;
    for (const PhoneTarget& target : *targets)
        phones.append({target.selector, target.serial, QString()});
    QStringList taken;
    for (Phone& phone : phones) {
        phone.picture
            = phones.size() > 1 ? freeName(pictureNameFor(phone.serial), taken) : QStringLiteral("screen.png");
        taken.append(phone.picture);
    }
    m_folder = Paths::outputFolder();
    m_failures.clear();
    m_phones = int(phones.size());
    m_unfinished = m_phones;
    for (const Phone& phone : phones)
        capture(phone);
    return true;
}

// Each step runs the tail for the phone through the shared scratch field and, when the tool
// answers, hands the answer on.
void ScreenshotSequence::step(const Phone& phone, const ToolCommand& tail, Outside::AnswerHandler then)
{
    const ToolCommand command = AdbCommands::forSlot(phone.selector, tail);
    m_scratchField = command.text;
    CommandRunner::call(command, this, std::move(then));
}

void ScreenshotSequence::capture(const Phone& phone)
{
    step(phone, AdbCommands::screencapTail(), [this, phone](const ToolAnswer& answer) {
        if (answer.succeeded())
            copy(phone);
        else
            fail(phone, tr("手机未能截屏"), BridgeProblems::cause(answer, QStringLiteral("adb")));
    });
}

void ScreenshotSequence::copy(const Phone& phone)
{
    const QString kept = tr("它仍保留在手机的 ") + PhoneCopy;
    // The name is taken now, so two copies (of this program or another) never land on one file.
    QTemporaryFile part(QDir(m_folder).filePath(phone.picture + QStringLiteral(".XXXXXX.part")));
    if (!part.open()) {
        fail(phone, tr("无法在 %1 中写入截图，%2").arg(QDir::toNativeSeparators(m_folder), kept), part.errorString());
        return;
    }
    part.setAutoRemove(false);
    Phone copying = phone;
    copying.part = QFileInfo(part.fileName()).fileName();
    part.close();
    step(copying, AdbCommands::pullScreenshotTail(copying.part), [this, copying, kept](const ToolAnswer& answer) {
        const QDir folder(m_folder);
        if (!answer.succeeded()) {
            QFile::remove(folder.filePath(copying.part));
            const QString earlier = QFileInfo::exists(folder.filePath(copying.picture))
                ? tr("；电脑上原有的 %1 保持不变").arg(QDir::toNativeSeparators(folder.filePath(copying.picture)))
                : QString();
            fail(copying, tr("截图未能复制到电脑，") + kept + earlier,
                BridgeProblems::cause(answer, QStringLiteral("adb")));
            return;
        }
        QString reason;
        if (!FileReplace::replace(folder.filePath(copying.part), folder.filePath(copying.picture), &reason)) {
            m_failures.append(tr("%1：截图已复制为 %2，但未能替换 %3。\r\n%4")
                                  .arg(copying.serial, QDir::toNativeSeparators(folder.filePath(copying.part)),
                                      copying.picture, reason));
        }
        remove(copying);
    });
}

void ScreenshotSequence::remove(const Phone& phone)
{
    step(phone, AdbCommands::removeScreenshotTail(), [this](const ToolAnswer&) { phoneDone(); });
}

void ScreenshotSequence::fail(const Phone& phone, const QString& what, const QString& why)
{
    const QString name = phone.serial.isEmpty() ? tr("设备") : phone.serial;
    m_failures.append(name + tr("：") + what + tr("。\r\n") + why);
    phoneDone();
}

void ScreenshotSequence::phoneDone()
{
    if (--m_unfinished > 0)
        return;
    if (!m_failures.isEmpty())
        BridgeProblems::tellLater(this, tr("截屏未能保存！\r\n") + m_failures.join(QStringLiteral("\r\n")));
    emit finished();
}
