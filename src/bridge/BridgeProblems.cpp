#include "BridgeProblems.h"

#include "CommandRunner.h"
#include "Outside.h"
#include "ToolText.h"

#include <QCoreApplication>
#include <QTimer>

namespace BridgeProblems {

QString describe(const ToolAnswer& answer, const QString& tool)
{
    switch (answer.outcome) {
    case ToolAnswer::Outcome::Missing:
        return QCoreApplication::translate(
            "BridgeProblems", "找不到 %1！它已不在本程序目录下，也不在系统路径(PATH)中，请放回后重试。")
            .arg(tool);
    case ToolAnswer::Outcome::FailedToStart:
        return QCoreApplication::translate("BridgeProblems", "无法启动 %1：%2").arg(tool, answer.problem);
    case ToolAnswer::Outcome::TimedOut:
        return QCoreApplication::translate("BridgeProblems", "%1 在 %2 秒内没有应答，已被停止。")
            .arg(tool)
            .arg(CommandRunner::timeLimitMs() / 1000.0);
    case ToolAnswer::Outcome::Crashed:
        return QCoreApplication::translate("BridgeProblems", "%1 意外退出，没有完成。").arg(tool);
    case ToolAnswer::Outcome::Exited:
        break;
    }
    if (answer.exitCode != 0)
        return QCoreApplication::translate("BridgeProblems", "%1 执行失败（退出码 %2）。")
            .arg(tool)
            .arg(answer.exitCode);
    return QCoreApplication::translate("BridgeProblems", "%1 已完成，没有返回任何信息。").arg(tool);
}

QString statusLine(const ToolAnswer& answer, const QString& tool)
{
    if (!answer.ranToEnd())
        return describe(answer, tool);
    // A failing tool's last word is usually on standard error, a succeeding one's on standard
    // output; with merged streams everything is in the output, in the order printed.
    const QByteArray& first = answer.exitCode == 0 ? answer.errors : answer.output;
    const QByteArray& last = answer.exitCode == 0 ? answer.output : answer.errors;
    QStringList lines = ToolText::lines(first) + ToolText::lines(last);
    while (!lines.isEmpty() && lines.last().trimmed().isEmpty())
        lines.removeLast();
    return lines.isEmpty() ? describe(answer, tool) : lines.last();
}

QString errorLines(const ToolAnswer& answer)
{
    if (answer.succeeded())
        return {};
    QStringList lines = ToolText::lines(answer.errors + '\n' + answer.output);
    lines.removeAll(QString());
    return lines.join(QLatin1Char('\n'));
}

QString cause(const ToolAnswer& answer, const QString& tool)
{
    const QString toolWords = errorLines(answer);
    return answer.ranToEnd() && !toolWords.isEmpty() ? toolWords : describe(answer, tool);
}

QString notADeviceList(const ToolAnswer& answer, const QString& tool)
{
    QStringList lines = ToolText::lines(answer.errors + '\n' + answer.output);
    lines.removeAll(QString());
    if (lines.isEmpty())
        return QCoreApplication::translate("BridgeProblems", "%1 没有给出设备列表：它的回答是空的。").arg(tool);
    // The first lines say what went wrong; a flood of output is not a message.
    constexpr qsizetype ShownLines = 6;
    if (lines.size() > ShownLines)
        lines = lines.mid(0, ShownLines) << QCoreApplication::translate("BridgeProblems", "…");
    return QCoreApplication::translate("BridgeProblems", "%1 没有给出设备列表，它的回答是：\r\n%2")
        .arg(tool, lines.join(QStringLiteral("\r\n")));
}

} // namespace BridgeProblems

namespace BridgeProblems {

void tell(const QString& text)
{
    Outside::current().showMessage(
        text, QCoreApplication::translate("BridgeProblems", "警告！"), Outside::Icon::Warning);
}

void tellLater(QObject* context, const QString& text)
{
    QTimer::singleShot(0, context, [text] { tell(text); });
}

} // namespace BridgeProblems
