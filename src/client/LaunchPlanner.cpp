#include "LaunchPlanner.h"

#include "bridge/ThisSystem.h"

#include <QCoreApplication>
#include <QDir>
#include <QRegularExpression>

#include <algorithm>

namespace LaunchPlanner {

namespace {

const char* const NoDevice = QT_TRANSLATE_NOOP("LaunchPlanner", "需要至少选择一个设备！");
const char* const NoMultiRecording = QT_TRANSLATE_NOOP("LaunchPlanner", "多设备下不支持录屏！");
const char* const NoMultiFullscreen = QT_TRANSLATE_NOOP("LaunchPlanner", "多设备下不支持全屏！");
const char* const NoMultiPanels = QT_TRANSLATE_NOOP("LaunchPlanner", "多设备下不支持工具栏！");
const char* const NoMultiPanelsOneAndThree = QT_TRANSLATE_NOOP("LaunchPlanner", "多设备下不支持工具栏");
const char* const NoRecordName = QT_TRANSLATE_NOOP("LaunchPlanner", "请填写录屏文件名！");
const char* const RecordNameWithPath
    = QT_TRANSLATE_NOOP("LaunchPlanner", "录屏文件名不能含有路径（“/”、“\\”或“..”）！");

// A refusal in the language shown.
QString said(const char* text)
{
    return QCoreApplication::translate("LaunchPlanner", text);
}

// A record name is a file name: one holding a path could write anywhere. Windows refuses more:
// a colon (a drive, or another stream of a file), its reserved characters, a name ending with a dot
// or a blank (it would be cut there), and the names of devices. The message names the rule.
QString recordNameProblem(const QString& name)
{
    if (name.isEmpty())
        return said(NoRecordName);
    if (name.contains(QLatin1Char('/')) || name.contains(QLatin1Char('\\')) || name.contains(QLatin1String("..")))
        return said(RecordNameWithPath);
    return ThisSystem::fileNameProblem(name);
}

// "<name>.mp4", or the first of "<name>-2.mp4", "<name>-3.mp4"... that is not there yet, so an
// earlier recording is never replaced.
QString freeRecordFile(const LaunchSettings& s)
{
    QString file = LaunchCommandBuilder::recordFile(s.recordName);
    for (int number = 2; s.fileExists && s.fileExists(file); ++number)
        file = LaunchCommandBuilder::recordFile(s.recordName + QStringLiteral("-%1").arg(number));
    return file;
}

struct Pair
{
    int a, b;
};
constexpr std::array<Pair, 3> PairOrder {{{0, 1}, {0, 2}, {1, 2}}};

// The recording of a launch that records: refused for a name that cannot be a file, else told
// where the file lands, a free name taken.
void planRecording(const LaunchSettings& s, LaunchPlan& p)
{
    if (const QString problem = recordNameProblem(s.recordName); !problem.isEmpty()) {
        p.messages.append({problem, Outside::Icon::Warning});
        p.clearRecor = true;
        return;
    }
    p.recordFile = freeRecordFile(s);
    const QString landsAt = s.outputFolder.isEmpty()
        ? p.recordFile
        : QDir::toNativeSeparators(QDir(s.outputFolder).filePath(p.recordFile));
    p.messages.append({QCoreApplication::translate(
                           "LaunchPlanner", "启动后则自动开始录屏，关闭窗口或断开设备即可停止！\r\n录屏文件将保存为：")
            + landsAt + QCoreApplication::translate("LaunchPlanner", "！"),
        Outside::Icon::Warning});
    p.RECO = LaunchCommandBuilder::recordPiece(p.recordFile);
}

} // namespace

LaunchPlan plan(const LaunchSettings& s)
{
    LaunchPlan p;
    int selectedCount = 0;
    for (int slot = 0; slot < 3; ++slot) {
        p.selectors[slot] = LaunchCommandBuilder::selector(s.selected[slot], s.serials[slot]);
        selectedCount += s.selected[slot] ? 1 : 0;
    }
    auto refuse = [&p](const QString& text) { p.messages.append({text, Outside::Icon::Stop}); };
    auto pairSelected = [&s](const Pair& pair) { return s.selected[pair.a] && s.selected[pair.b]; };

    bool recor = s.recor;
    bool fmenux = s.fmenux;
    bool fullscreenRefused = false;
    bool skipToFullscreen = false;

    if (selectedCount == 0) {
        refuse(said(NoDevice));
        if (fmenux) {
            fmenux = false;
            p.clearFmenux = true;
            skipToFullscreen = true;
        }
    }
    if (!skipToFullscreen && recor && selectedCount >= 2) {
        recor = false;
        p.clearRecor = true;
        refuse(said(NoMultiRecording));
        skipToFullscreen = true;
        // No fullscreen message on this path, but several clients still cannot share fullscreen.
        fullscreenRefused = s.fulls;
    }
    if (!skipToFullscreen) {
        for (const Pair& pair : PairOrder) {
            if (s.fulls && pairSelected(pair)) {
                refuse(said(NoMultiFullscreen));
                fullscreenRefused = true;
            }
        }
        if (fmenux) {
            if (pairSelected(PairOrder[0]))
                refuse(said(NoMultiPanels));
            else if (pairSelected(PairOrder[1]))
                refuse(said(NoMultiPanelsOneAndThree));
            else if (pairSelected(PairOrder[2]))
                refuse(said(NoMultiPanels));
            skipToFullscreen = selectedCount >= 2;
        }
    }
    if (!skipToFullscreen && recor)
        planRecording(s, p);
    // The flags follow the boxes on every path, so no line carries an option from an earlier launch.
    using ClientOptions::word;
    using Choice = ClientOptions::Choice;
    p.TS = s.topshow ? word(Choice::AlwaysOnTop) : QString();
    p.STT = s.ST ? word(Choice::ShowTouches) : QString();
    p.HPT = s.HP ? word(Choice::TurnScreenOff) : QString();
    p.showPanels = !skipToFullscreen && fmenux;
    p.FS = s.fulls && !fullscreenRefused ? word(Choice::Fullscreen) : QString();
    return p;
}

ClientChoices checkClient(
    const LaunchPlan& plan, const MoreOptions& asTyped, const QVersionNumber& client, QList<LaunchPlan::Message>* told)
{
    using Choice = ClientOptions::Choice;
    ClientChoices given {{}, plan.FS, plan.TS, plan.STT, plan.HPT};
    told->clear();
    for (const QString& refusal : asTyped.refusals(&given.more))
        told->append({refusal, Outside::Icon::Stop});

    // The launcher's flags as the plan gives them, and the more options this client knows.
    const std::pair<QString ClientChoices::*, Choice> flags[] {{&ClientChoices::FS, Choice::Fullscreen},
        {&ClientChoices::TS, Choice::AlwaysOnTop}, {&ClientChoices::STT, Choice::ShowTouches},
        {&ClientChoices::HPT, Choice::TurnScreenOff}};
    QList<Choice> offered;
    for (const auto& [fragment, choice] : flags) {
        if (!(given.*fragment).isEmpty())
            offered << choice;
    }
    for (const Choice choice : given.more.chosen()) {
        if (ClientOptions::knows(client, choice))
            offered << choice;
    }
    QStringList pairs;
    const QList<Choice> kept = ClientOptions::withoutRefusedPairs(offered, client, &pairs);
    for (const QString& message : pairs)
        told->append({message, Outside::Icon::Stop});
    for (const Choice choice : offered) {
        if (kept.contains(choice))
            continue;
        given.more.drop(choice);
        for (const auto& [fragment, flag] : flags) {
            if (flag == choice)
                (given.*fragment).clear();
        }
    }
    return given;
}

std::array<ClientChoices, 3> checkClients(
    LaunchPlan& plan, const std::array<SlotChoices, 3>& phones, const QVersionNumber& client)
{
    std::array<ClientChoices, 3> given;
    QList<LaunchPlan::Message> told;
    for (int slot = 0; slot < 3; ++slot) {
        const SlotChoices& phone = phones[slot];
        QList<LaunchPlan::Message> refused;
        given[slot] = checkClient(plan, phone.asTyped, client, &refused);
        for (LaunchPlan::Message& message : refused) {
            if (phone.own) // named, as it is this phone's alone
                message.text = QCoreApplication::translate("Form1", "%1 的选项：").arg(phone.phone) + message.text;
            const auto same = [&message](const LaunchPlan::Message& m) { return m.text == message.text; };
            if (phone.launched && std::none_of(told.cbegin(), told.cend(), same))
                told.append(message);
        }
    }
    plan.messages << told;
    return given;
}

} // namespace LaunchPlanner
