#include "ProgramState.h"

#include "ChosenOptions.h"
#include "bridge/DeviceModel.h"
#include "bridge/DeviceTracker.h"
#include "bridge/PhoneDrops.h"
#include "bridge/PhoneReconnect.h"
#include "client/ClientVersion.h"
#include "client/MirrorClients.h"
#include "transfer/Sending.h"

ProgramState::ProgramState()
    : m_devices(std::make_unique<DeviceModel>())
    , m_tracker(std::make_unique<DeviceTracker>(*m_devices))
    , m_reconnect(std::make_unique<PhoneReconnect>(*m_devices))
    , m_drops(std::make_unique<PhoneDrops>(*m_devices))
    , m_clientVersion(std::make_unique<ClientVersion>())
    , m_chosenOptions(std::make_unique<ChosenOptions>())
    , m_mirrors(std::make_unique<MirrorClients>(*m_devices, *m_clientVersion, *m_drops))
    , m_sending(std::make_unique<Sending>())
{
    // Whether a phone tried again is back is the bridge's list to say.
    QObject::connect(m_reconnect.get(), &PhoneReconnect::tried, m_drops.get(), &PhoneDrops::askList);
    // A phone's own options follow it to who it is.
    QObject::connect(&m_devices->identities(), &PhoneIdentities::learnt, m_chosenOptions.get(), &ChosenOptions::adopt);
}

ProgramState::~ProgramState() = default;
