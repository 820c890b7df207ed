#include "PhoneSending.h"

#include "PhoneFileNames.h"
#include "SendAnswers.h"
#include "SplitAppUnpack.h"

#include "bridge/AdbCommands.h"
#include "bridge/BridgeProblems.h"
#include "bridge/CommandRunner.h"

#include <QFileInfo>

#include <limits>

namespace {

int progressEveryMs = PhoneSending::ProgressEveryMs;
int stallLimitMs = PhoneSending::StallLimitMs;
int installLimitMs = PhoneSending::InstallLimitMs;

// The tool's answer when it did not run to its end by itself: why, in words.
QString notRun(const ToolAnswer& answer)
{
    return BridgeProblems::describe(answer, QStringLiteral("adb"));
}

} // namespace

void PhoneSending::setTimesForTests(int progressEvery, int stallLimit, int installLimit)
{
    progressEveryMs = progressEvery > 0 ? progressEvery : ProgressEveryMs;
    stallLimitMs = stallLimit > 0 ? stallLimit : StallLimitMs;
    installLimitMs = installLimit > 0 ? installLimit : InstallLimitMs;
}

PhoneSending::PhoneSending(const QString& phone, const QString& label, QObject* parent)
    : QObject(parent)
    , m_phone(phone)
    , m_label(label)
{
    connect(&m_progressTimer, &QTimer::timeout, this, &PhoneSending::askProgress);
    m_installLimit.setSingleShot(true);
    connect(&m_installLimit, &QTimer::timeout, this, [this] {
        stopTool();
        finish(SendRow::State::Failed, tr("安装超过 %1 分钟没有结束，已停止").arg(m_installLimit.interval() / 60000));
    });
}

void PhoneSending::add(const SendItem& item, SplitAppUnpack* split)
{
    m_queue.append({item, split});
    SendRow row;
    row.file = item.name();
    row.phone = m_phone;
    row.phoneLabel = m_label;
    row.size = item.size;
    row.result = tr("等待中");
    m_rows.append(row);
    emit rowChanged(int(m_rows.size()) - 1);
    if (m_current < 0)
        runNext();
}

void PhoneSending::runNext()
{
    m_current = -1;
    for (int i = 0; i < m_rows.size(); ++i) {
        if (m_rows[i].state == SendRow::State::Waiting) {
            m_current = i;
            break;
        }
    }
    if (m_current < 0) {
        emit idle();
        return;
    }
    const SendItem& item = m_queue[m_current].item;
    switch (item.kind) {
    case SendItem::Kind::File:
        saveFile();
        return;
    case SendItem::Kind::App:
        installApp({item.path});
        return;
    case SendItem::Kind::SplitApp:
        installSplitApp();
        return;
    }
}

// The phone is asked which names its download folder holds, and the file goes under one it lacks.
void PhoneSending::saveFile()
{
    update(SendRow::State::Preparing, tr("正在查看手机上的下载文件夹…"));
    const int current = m_current;
    CommandRunner::call(
        AdbCommands::toPhone(m_phone, AdbCommands::listFolderTail(DownloadFolder)), this,
        [this, current](const ToolAnswer& answer) {
            if (current != m_current || row().ended())
                return;
            if (!answer.ranToEnd())
                return finish(SendRow::State::Failed, notRun(answer));
            if (const QString phone = SendAnswers::phoneProblem(answer.output + answer.errors); !phone.isEmpty())
                return finish(SendRow::State::Failed, phone);
            const SendItem& item = m_queue[m_current].item;
            const QString name
                = PhoneFileNames::free(PhoneFileNames::storable(item.name()), PhoneFileNames::listed(answer.output));
            const QString target = DownloadFolder + QLatin1Char('/') + name;
            pushTo(item.path, item.size, target,
                [this, target] { finish(SendRow::State::Done, tr("已保存到 %1").arg(target)); });
        },
        CommandRunner::Streams::Separate);
}

void PhoneSending::pushTo(const QString& file, qint64 size, const QString& target, std::function<void()> then)
{
    m_target = target;
    row().size = size;
    row().sent = 0;
    row().bytesPerSecond = -1;
    update(SendRow::State::Sending, tr("正在发送到 %1").arg(target));
    m_sinceProgress.start();
    m_sinceAsked.start();
    m_progressAsked = false;
    m_progressKnown = false;
    m_progressTimer.start(progressEveryMs);
    m_onToolEnd = [this, then = std::move(then)](const ToolAnswer& answer) {
        m_progressTimer.stop();
        if (!answer.ranToEnd())
            return finish(SendRow::State::Failed, notRun(answer));
        if (const QString problem = SendAnswers::pushProblem(m_output, answer.succeeded()); !problem.isEmpty())
            return finish(SendRow::State::Failed, problem);
        m_target.clear();
        row().sent = row().size;
        then();
    };
    m_output.clear();
    m_tool = CommandRunner::stream(
        AdbCommands::toPhone(m_phone, AdbCommands::pushTail(file, target)), this,
        [this](const QByteArray& output) { m_output = (m_output + output).right(64 * 1024); },
        [this](const ToolAnswer& answer) { toolEnded(answer); }, CommandRunner::Streams::Merged);
}

// How much of the file the phone holds: its growth is the progress and the speed. One question
// at a time; a push that gains nothing for the stall limit is given up.
void PhoneSending::askProgress()
{
    if (m_progressKnown && m_sinceProgress.elapsed() >= stallLimitMs) {
        stopTool();
        m_progressTimer.stop();
        const QString target = m_target;
        finish(SendRow::State::Failed, tr("手机 %1 秒没有收下任何数据，已停止").arg(stallLimitMs / 1000));
        CommandRunner::call(
            AdbCommands::toPhone(m_phone, AdbCommands::removeFileTail(target)), this, [](const ToolAnswer&) {});
        return;
    }
    if (m_progressAsked)
        return;
    m_progressAsked = true;
    const int current = m_current;
    const QString target = m_target;
    CommandRunner::call(AdbCommands::toPhone(m_phone, AdbCommands::fileSizeTail(target)), this,
        [this, current, target](const ToolAnswer& answer) {
            m_progressAsked = false;
            if (current != m_current || target != m_target || row().state != SendRow::State::Sending)
                return;
            const auto held = SendAnswers::statedSize(answer.output);
            if (held && !m_progressKnown) {
                m_progressKnown = true;
                m_sinceProgress.restart();
            }
            if (!held || *held <= row().sent)
                return;
            const qint64 ms = std::max<qint64>(1, m_sinceAsked.restart());
            row().bytesPerSecond = (*held - row().sent) * 1000 / ms;
            row().sent = std::min(*held, row().size);
            m_sinceProgress.restart();
            emit rowChanged(m_current);
        });
}

void PhoneSending::installApp(const QStringList& parts)
{
    row().sent = -1;
    row().bytesPerSecond = -1;
    update(SendRow::State::Installing, tr("正在安装…"));
    qint64 megabytes = 0;
    for (const QString& part : parts)
        megabytes += QFileInfo(part).size() / 1000000;
    m_installLimit.start(int(std::min<qint64>(installLimitMs + megabytes * 1000, std::numeric_limits<int>::max())));
    const bool split = m_queue[m_current].item.kind == SendItem::Kind::SplitApp;
    m_onToolEnd = [this, split](const ToolAnswer& answer) {
        m_installLimit.stop();
        if (!answer.ranToEnd())
            return finish(SendRow::State::Failed, notRun(answer));
        if (const QString problem = SendAnswers::installProblem(m_output); !problem.isEmpty())
            return finish(SendRow::State::Failed, problem);
        if (split)
            return pushData(0);
        finish(SendRow::State::Done, tr("已安装"));
    };
    m_output.clear();
    const QStringList tail = split ? AdbCommands::installPartsTail(parts) : AdbCommands::installTail(parts.value(0));
    m_tool = CommandRunner::stream(
        AdbCommands::toPhone(m_phone, tail), this,
        [this](const QByteArray& output) { m_output = (m_output + output).right(64 * 1024); },
        [this](const ToolAnswer& answer) { toolEnded(answer); }, CommandRunner::Streams::Merged);
}

// A split app is installed once its archive is unpacked, which every phone it goes to waits for.
void PhoneSending::installSplitApp()
{
    SplitAppUnpack* split = m_queue[m_current].split;
    if (!split)
        return finish(SendRow::State::Failed, tr("应用压缩包没有解开"));
    if (!split->done()) {
        update(SendRow::State::Preparing, tr("正在检查并解开应用压缩包…"));
        const int current = m_current;
        connect(
            split, &SplitAppUnpack::finished, this,
            [this, current] {
                if (current == m_current && !row().ended())
                    installSplitApp();
            },
            Qt::SingleShotConnection);
        return;
    }
    if (!split->problem().isEmpty())
        return finish(SendRow::State::Failed, split->problem());
    installApp(split->splits());
}

// The split app's data, one file after another, into the folder Android keeps it in for the app.
void PhoneSending::pushData(int index)
{
    SplitAppUnpack* split = m_queue[m_current].split;
    const QStringList data = split ? split->obbs() : QStringList();
    if (index >= data.size()) {
        finish(SendRow::State::Done,
            data.isEmpty()
                ? tr("已安装")
                : tr("已安装，数据文件 %1 个已复制到 /sdcard/Android/obb/%2").arg(data.size()).arg(split->package()));
        return;
    }
    const QString target
        = QStringLiteral("/sdcard/Android/obb/%1/%2").arg(split->package(), QFileInfo(data[index]).fileName());
    pushTo(data[index], QFileInfo(data[index]).size(), target, [this, index] { pushData(index + 1); });
}

void PhoneSending::toolEnded(const ToolAnswer& answer)
{
    m_tool.clear();
    if (m_current < 0 || row().ended() || !m_onToolEnd)
        return;
    const auto onEnd = std::move(m_onToolEnd);
    m_onToolEnd = nullptr;
    onEnd(answer);
}

void PhoneSending::cancel()
{
    for (SendRow& waiting : m_rows) {
        if (waiting.state == SendRow::State::Waiting) {
            waiting.state = SendRow::State::Cancelled;
            waiting.result = tr("已取消");
        }
    }
    for (int i = 0; i < m_rows.size(); ++i)
        emit rowChanged(i);
    if (m_current < 0 || row().ended())
        return;
    const SendRow::State state = row().state;
    const bool wasWriting = state == SendRow::State::Sending && !m_target.isEmpty();
    stopTool();
    m_progressTimer.stop();
    m_installLimit.stop();
    if (!wasWriting) {
        finish(SendRow::State::Cancelled,
            state == SendRow::State::Installing ? tr("已取消（安装已交给手机的，手机可能仍会装好）") : tr("已取消"));
        return;
    }
    // What the phone holds of the file is removed before the row says so.
    const QString target = m_target;
    const int current = m_current;
    update(SendRow::State::Sending, tr("正在取消，删除手机上写了一半的文件…"));
    CommandRunner::call(AdbCommands::toPhone(m_phone, AdbCommands::removeFileTail(target)), this,
        [this, current, target](const ToolAnswer& answer) {
            if (current != m_current)
                return;
            const QString phone = SendAnswers::phoneProblem(answer.output + answer.errors);
            if (answer.succeeded() && phone.isEmpty())
                finish(SendRow::State::Cancelled, tr("已取消，手机上写了一半的文件已删除"));
            else
                finish(SendRow::State::Cancelled,
                    tr("已取消；未能删除手机上写了一半的 %1：%2")
                        .arg(target, phone.isEmpty() ? notRun(answer) : phone));
        });
}

void PhoneSending::stopTool()
{
    m_onToolEnd = nullptr;
    delete m_tool.data();
}

void PhoneSending::update(SendRow::State state, const QString& result)
{
    row().state = state;
    row().result = result;
    emit rowChanged(m_current);
}

void PhoneSending::finish(SendRow::State state, const QString& result)
{
    m_progressTimer.stop();
    m_installLimit.stop();
    m_target.clear();
    update(state, result);
    runNext();
}
