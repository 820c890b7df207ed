#pragma once

#include "bridge/ToolCommand.h"
#include "bridge/WirelessDebugging.h"

#include <QWidget>

#include <optional>

class ProgramState;
class N_Shape;
class DrawnPicture;
class QLabel;
class QLineEdit;
class QTimer;
struct ToolAnswer;

// Pairing a phone of Android 11 or later over Wi-Fi, with no cable: the phone scans a QR code that
// names this window's pairing (its wireless debugging announces it on the network, and the window
// pairs when discovery lists it), or the user types the address and six-digit code the phone
// shows. Once paired, the phone is connected and then tracked like any other. Needs adb 30 or
// later, whose version is asked once; discovery is asked about once a second while the window is
// open, and never while it is closed.
class pair : public QWidget
{
    Q_OBJECT

public:
    explicit pair(ProgramState& state);

    // The pairing's name and password change each time the window opens and after each failure.
    QString qrText() const;

    QTimer* discoveryTimer = nullptr;
    void tickDiscovery();

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void buildCodeFrame();
    void buildConnectFrame();
    void askBridgeVersion();
    void becomeReady();
    void renewPairing();
    void pairClick();
    void connectClick();
    void takeServices(const ToolAnswer& answer);
    void pairWith(const QString& address, const QString& secret);
    void takePairing(const ToolAnswer& answer);
    void connectTo(const QString& address);
    void say(const QString& text);
    bool refused(const QString& refusal);
    void setPartsEnabled(bool enabled);

    ProgramState& m_state;
    DrawnPicture* m_code = nullptr;
    QLabel* m_qrStatus = nullptr;
    QLabel* m_status = nullptr;
    QLineEdit* m_pairAddress = nullptr;
    QLineEdit* m_pairCode = nullptr;
    QLineEdit* m_connectAddress = nullptr;
    N_Shape* m_pairButton = nullptr;
    N_Shape* m_connectButton = nullptr;

    bool m_versionAsked = false;
    std::optional<bool> m_bridgeCanPair; // unknown until the tool has told its version
    bool m_discoveryRuns = false;
    bool m_servicesAsked = false; // an "adb mdns services" is on its way
    bool m_busy = false; // a pairing or a connection is on its way
    QString m_name;
    QString m_password;
    QString m_pairedName; // the QR pairing already tried, never tried twice
    QString m_awaitedGuid; // paired, waiting for discovery to list the phone's connection
    QList<WirelessDebugging::Service> m_services;
};
