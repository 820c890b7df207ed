// The launch: a click on "启动" validates the choice and composes one mirroring line per slot;
// the launch timer starts the selected slots' clients 900 ms apart.
#include "Form1.h"
#include "bridge/DeviceList.h"
#include "bridge/DeviceModel.h"
#include "bridge/Paths.h"
#include "client/ClientVersion.h"
#include "client/LaunchPlanner.h"
#include "client/MirrorClients.h"
#include "controls/CheckButton.h"
#include "controls/N_Shape.h"
#include "controls/OptionButton.h"
#include "controls/ScreenPlace.h"
#include "controls/TypedText.h"
#include "state/ChosenOptions.h"
#include "state/ProgramState.h"

#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QScreen>
#include <QTimer>

using Choice = ClientOptions::Choice;

// One launch at a time: the ticks of an earlier launch stop before any message of this one can
// open, so none of its lines starts behind the boxes.
void Form1::launchClick()
{
    // A record name with a control character is refused before anything changes; the launch of an
    // earlier click goes on as it was.
    if (recor->Value() == 1) {
        if (const QString refusal = TypedText::controlCharacterRefusal({{scrtext, RecordNameField()}});
            !refusal.isEmpty()) {
            Outside::current().showMessage(refusal, tr("警告！"), Outside::Icon::Stop);
            return;
        }
    }
    TimerTOT->stop();
    launchTicks = 0;
    mirrors().newLaunch();

    // Each client gets its phone's own more options, or the shared ones, as the window left them in
    // the settings file; those refused are left out of its launch, each said as the launcher's own
    // are, and so is every pair the client refuses. The shared ones are told once for all phones.
    LaunchPlan plan = LaunchPlanner::plan(settings());
    for (int slot = 1; slot <= 3; ++slot)
        selector(slot) = plan.selectors[slot - 1];
    const QVersionNumber version = clientVersion().version();
    const std::array<LaunchPlanner::ClientChoices, 3> given = LaunchPlanner::checkClients(plan, slotChoices(), version);
    for (const LaunchPlan::Message& message : plan.messages)
        Outside::current().showMessage(message.text, tr("警告！"), message.icon);
    if (plan.clearRecor)
        recor->setValue(0);
    if (plan.clearFmenux)
        fmenux->setValue(0);
    TS = plan.TS;
    STT = plan.STT;
    HPT = plan.HPT;
    RECO = plan.RECO;
    m_recordFile = plan.recordFile;
    if (plan.showPanels)
        emit panelsWanted();
    FS = plan.FS;

    readSizeAndBitRate();

    launchTicks = 0;
    TimerTOT->start();
    QSNUM->setCaption(tr("正在启动..."));

    composeLines(given, version);
}

LaunchSettings Form1::settings() const
{
    LaunchSettings settings;
    for (int slot = 1; slot <= 3; ++slot) {
        settings.selected[slot - 1] = devices().isTicked(slot);
        settings.serials[slot - 1] = serial(slot);
    }
    settings.topshow = topshow->Value() == 1;
    settings.fmenux = fmenux->Value() == 1;
    settings.HP = HP->Value() == 1;
    settings.recor = recor->Value() == 1;
    settings.ST = ST->Value() == 1;
    settings.fulls = fulls->Value() == 1;
    settings.recordName = scrtext->text();
    settings.outputFolder = Paths::outputFolder();
    settings.fileExists = [folder = settings.outputFolder](
                              const QString& file) { return QFileInfo::exists(QDir(folder).filePath(file)); };

    return settings;
}

// Each slot's phone with the more options it follows at this launch.
std::array<LaunchPlanner::SlotChoices, 3> Form1::slotChoices() const
{
    const ChosenOptions& chosen = m_state.chosenOptions();
    std::array<LaunchPlanner::SlotChoices, 3> phones;
    for (int slot = 1; slot <= 3; ++slot) {
        LaunchPlanner::SlotChoices& phone = phones[slot - 1];
        phone.phone = DeviceList::serialInField(serial(slot));
        phone.launched = !selector(slot).isEmpty();
        // A phone's own choices are kept by who it is, not by the name the bridge lists it under.
        const QString identity = phone.launched ? devices().identityAt(slot) : QString();
        phone.own = chosen.differs(identity);
        phone.asTyped = chosen.asTyped(identity);
    }
    return phones;
}

void Form1::readSizeAndBitRate()
{
    // Tested in this order, not the screen's; the last selected one wins.
    using LaunchCommandBuilder::fragment;
    const std::pair<OptionButton*, const char*> bitRates[]
        = {{BH, "30M"}, {BM, "20M"}, {BTW, "12M"}, {BL, "4M"}, {Bdefa, "8M"}, {BZDY, "2M"}};
    for (const auto& [option, value] : bitRates) {
        if (option->Value())
            TBIT = fragment(Choice::BitRate, QLatin1String(value));
    }
    const std::pair<OptionButton*, const char*> sizes[] = {{QHD, "1920"}, {FHD, "1440"}, {HD, "1280"}, {defa, "0"}};
    for (const auto& [option, value] : sizes) {
        if (option->Value())
            TRES = fragment(Choice::MaxSize, QLatin1String(value));
    }
}

// Slot 3's line first, slot 1's last: the scratch field holds slot 1's until the first tick.
void Form1::composeLines(const std::array<LaunchPlanner::ClientChoices, 3>& given, const QVersionNumber& version)
{
    const std::array<ClientWindow, 3> windows = clientWindows();
    for (int slot = 3; slot >= 1; --slot) {
        const ClientWindow& window = windows[slot - 1];
        const LaunchPlanner::ClientChoices& client = given[slot - 1];
        const LaunchFragments fragments {TRES, TBIT, client.FS, client.TS, client.STT, client.HPT, RECO, m_recordFile};
        m_launchCommands[slot - 1] = LaunchCommandBuilder::line(
            selector(slot), fragments, window, LaunchCommandBuilder::moreWords(client.more, version, window.noAudio));
    }
    INTERTEXTT = m_launchCommands[2].text;
    INTERTEXTS = m_launchCommands[1].text;
    INTERTEXT = m_launchCommands[0].text;
}

// The clients of the slots selected at the click, side by side on the launcher's screen and named
// after their phones, as far as the installed client knows how.
std::array<ClientWindow, 3> Form1::clientWindows() const
{
    QList<int> launched;
    QList<ClientPhone> phones;
    for (int slot = 1; slot <= 3; ++slot) {
        if (selector(slot).isEmpty())
            continue;
        const DeviceModel::Phone* phone = devices().phoneAt(slot);
        launched.append(slot);
        phones.append({DeviceList::serialInField(serial(slot)), phone ? phone->model : QString()});
    }
    // The window's frame, as this desktop draws it around the launcher, stays inside the cell too.
    const QList<ClientWindow> placed = LaunchCommandBuilder::windows(
        clientVersion().version(), phones, screen()->availableGeometry(), ScreenPlace::frameOf(*this));
    std::array<ClientWindow, 3> windows;
    for (qsizetype i = 0; i < launched.size(); ++i)
        windows[launched[i] - 1] = placed[i];
    return windows;
}

// The slot boxes are read at the tick, not at the click.
void Form1::tickTimerTOT()
{
    launchTicks += 1;
    if (launchTicks >= 1 && launchTicks <= 3 && devices().isTicked(launchTicks))
        runLaunchLine(m_launchCommands[launchTicks - 1], launchTicks);
    if (launchTicks == 5) {
        TimerTOT->stop();
        QSNUM->setCaption(tr("应用配置并启动"));
    }
}

// Each client writes a log of its own and runs on by itself; one that fails in its first seconds is
// told, once for the launch.
void Form1::runLaunchLine(const ToolCommand& command, int slot)
{
    mirrors().start(command, DeviceList::serialInField(serial(slot)));
}

void Form1::say(const QString& status)
{
    launchStatus->setToolTip(status);
    launchStatus->setText(launchStatus->fontMetrics().elidedText(status, Qt::ElideMiddle, launchStatus->width()));
}
