#pragma once

#include "LaunchCommandBuilder.h"
#include "bridge/Outside.h"

#include <QList>
#include <QString>
#include <QVersionNumber>

#include <array>
#include <functional>

// What a click on "启动" reads from the launcher.
struct LaunchSettings
{
    std::array<bool, 3> selected {};
    std::array<QString, 3> serials;
    bool topshow = false;
    bool fmenux = false;
    bool HP = false;
    bool recor = false;
    bool ST = false;
    bool fulls = false;
    QString recordName;
    // Where the recording lands, and whether a file of that name is there already.
    QString outputFolder;
    std::function<bool(const QString& fileName)> fileExists;
};

// What the launch does with them: the messages in the order they are shown, the options it
// clears, the device selectors and the option fragments (size and bit rate are the launcher's).
struct LaunchPlan
{
    struct Message
    {
        QString text;
        Outside::Icon icon;
    };
    QList<Message> messages;
    bool clearRecor = false;
    bool clearFmenux = false;
    bool showPanels = false;
    std::array<QString, 3> selectors;
    QString FS, TS, STT, HPT, RECO, recordFile;
};

namespace LaunchPlanner {

// The refusals the multi-device mode needs, each with its message, then the fragments. A refusal
// never stops the launch; it drops the refused option and goes on.
LaunchPlan plan(const LaunchSettings& settings);

// What one client is given of the launcher's flags and of its phone's more options (its own, or the
// shared ones): the typed values it would refuse left out, then, of every pair the client of this
// version refuses together, the choice that needs what the other turns off; each refusal is added to
// told with its message (a pair in one message naming both), and the launch goes on without it.
struct ClientChoices
{
    MoreOptions more;
    QString FS, TS, STT, HPT;
};
ClientChoices checkClient(
    const LaunchPlan& plan, const MoreOptions& asTyped, const QVersionNumber& client, QList<LaunchPlan::Message>* told);

// A slot's phone and the more options it follows: its own, or the shared ones.
struct SlotChoices
{
    QString phone;
    bool launched = false; // the slot has a client in this launch
    bool own = false;
    MoreOptions asTyped;
};
// Each slot's client checked as checkClient does; the refusals of the clients launched are added to
// the plan's messages once each, those of a phone's own choices named with the phone.
std::array<ClientChoices, 3> checkClients(
    LaunchPlan& plan, const std::array<SlotChoices, 3>& phones, const QVersionNumber& client);

} // namespace LaunchPlanner
