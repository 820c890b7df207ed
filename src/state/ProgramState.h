#pragma once

#include <QString>

#include <memory>

class ChosenOptions;
class ClientVersion;
class DeviceModel;
class DeviceTracker;
class MirrorClients;
class PhoneDrops;
class PhoneReconnect;
class Sending;

// What the program knows and keeps whichever window is open: the phones listed and their tracking,
// their reconnection and drops, the installed client's version, the more options chosen, the mirrors
// started, and the scratch fields every window writes its last command into. The windows show and
// edit it; none of them owns it, and it outlives them all.
class ProgramState
{
public:
    ProgramState();
    ~ProgramState();
    ProgramState(const ProgramState&) = delete;
    ProgramState& operator=(const ProgramState&) = delete;

    DeviceModel& devices() { return *m_devices; }
    DeviceTracker& tracker() { return *m_tracker; }
    PhoneReconnect& reconnect() { return *m_reconnect; }
    PhoneDrops& drops() { return *m_drops; }
    // The installed mirroring client's version, which the launch, the options and the shortcut keys
    // follow; asked for when the launcher first shows, and again after the tools were installed.
    ClientVersion& clientVersion() { return *m_clientVersion; }
    // The more options, shared and each phone's own, as the settings file keeps them.
    ChosenOptions& chosenOptions() { return *m_chosenOptions; }
    // The clients of the launches: started, watched, told and opened again.
    MirrorClients& mirrors() { return *m_mirrors; }
    // Files and apps on their way to the phones.
    Sending& sending() { return *m_sending; }

    // The launcher's scratch field INTERTEXT: the last command any window sent, and slot 1's launch line.
    QString& scratchField() { return m_scratch; }
    // The about window's hidden field, which composes the help page's lines too.
    QString& aboutField() { return m_aboutField; }

private:
    QString m_scratch = QStringLiteral("Text1");
    QString m_aboutField;
    std::unique_ptr<DeviceModel> m_devices;
    std::unique_ptr<DeviceTracker> m_tracker;
    std::unique_ptr<PhoneReconnect> m_reconnect;
    std::unique_ptr<PhoneDrops> m_drops;
    std::unique_ptr<ClientVersion> m_clientVersion;
    std::unique_ptr<ChosenOptions> m_chosenOptions;
    std::unique_ptr<MirrorClients> m_mirrors;
    std::unique_ptr<Sending> m_sending;
};
