#include "ScreenshotSequence.h"

#include "bridge/AdbCommands.h"
#include "bridge/BridgeProblems.h"
#include "bridge/CommandRunner.h"
#include "bridge/DeviceList.h"
#include "bridge/Outside.h"
#include "controls/CheckButton.h"
#include "launcher/Form1.h"

#include <QRegularExpression>

ScreenshotSequence::ScreenshotSequence(Form1& launcher, QObject* parent)
    : QObject(parent)
    , m_launcher(launcher)
{
}

QString ScreenshotSequence::pictureNameFor(const QString& serial)
{
    // A network phone's serial holds a colon; anything but letters, digits, dots and dashes
    // becomes an underscore, so the name is a plain file name on every system.
    QString safe = serial;
    safe.replace(QRegularExpression(QStringLiteral("[^A-Za-z0-9._-]")), QStringLiteral("_"));
    return QStringLiteral("screen-") + safe + QStringLiteral(".png");
}

bool ScreenshotSequence::start()
{
    if (isRunning())
        return false;
    QList<Phone> phones;
    for (int slot = 1; slot <= 3; ++slot) {
        if (m_launcher.slotBox(slot)->Value() != 1)
            continue;
        phones.append({m_launcher.selector(slot), DeviceList::serialInField(m_launcher.serial(slot)), QString()});
    }
    if (phones.size() > 1) {
        for (Phone& phone : phones)
            phone.target = pictureNameFor(phone.serial);
    }
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
    m_launcher.INTERTEXT = command.text;
    CommandRunner::call(command, this, std::move(then));
}

void ScreenshotSequence::capture(const Phone& phone)
{
    step(phone, AdbCommands::screencapTail(), [this, phone](const ToolAnswer& answer) {
        if (answer.succeeded())
            copy(phone);
        else
            fail(phone, QStringLiteral("手机未能截屏"), answer);
    });
}

void ScreenshotSequence::copy(const Phone& phone)
{
    step(phone, AdbCommands::pullScreenshotTail(phone.target), [this, phone](const ToolAnswer& answer) {
        if (answer.succeeded())
            remove(phone);
        else
            fail(phone, QStringLiteral("截图未能复制到电脑，它仍保留在手机的 /sdcard/screen.png"), answer);
    });
}

void ScreenshotSequence::remove(const Phone& phone)
{
    step(phone, AdbCommands::removeScreenshotTail(), [this](const ToolAnswer&) { phoneDone(); });
}

void ScreenshotSequence::fail(const Phone& phone, const QString& what, const ToolAnswer& answer)
{
    const QString why = BridgeProblems::cause(answer, QStringLiteral("adb"));
    const QString name = phone.serial.isEmpty() ? QStringLiteral("设备") : phone.serial;
    m_failures.append(name + QStringLiteral("：") + what + QStringLiteral("。\r\n") + why);
    phoneDone();
}

void ScreenshotSequence::phoneDone()
{
    if (--m_unfinished > 0)
        return;
    if (!m_failures.isEmpty()) {
        Outside::current().showMessage(QStringLiteral("截屏未能保存！\r\n") + m_failures.join(QStringLiteral("\r\n")),
            QStringLiteral("警告！"), Outside::Icon::Warning);
    }
    emit finished();
}
