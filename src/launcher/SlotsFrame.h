#pragma once

#include <QCoreApplication>
#include <QObject>

class Form1;
class ProgramState;

// The launcher's frame "多设备启动": the three slots' boxes, which show and change which phones the
// device model has ticked, each slot's phone by its serial, maker and model or its reconnection, the
// mark of a phone with options of its own, and the phones listed beyond the three slots.
class SlotsFrame : public QObject
{
    Q_OBJECT

public:
    // Builds the frame's controls in the launcher, which names them.
    SlotsFrame(ProgramState& state, Form1& form);

private:
    void showDevices();
    void showSelection();
    void describeSlots();
    void showOwnOptions();

    ProgramState& m_state;
    Form1& m_form;
};
