#pragma once

#include <QString>

// One file on its way to one phone, as the window shows it: how far it got and how it ended.
struct SendRow
{
    enum class State { Waiting, Preparing, Sending, Installing, Done, Failed, Cancelled };

    QString file; // its name on this computer
    QString phone; // the bridge's name for the phone
    QString phoneLabel; // the phone as the user knows it
    qint64 size = 0; // of what is being sent now
    qint64 sent = -1; // on the phone so far; -1 while nothing can tell (an install under way)
    qint64 bytesPerSecond = -1; // -1 until measured
    State state = State::Waiting;
    QString result; // the step under way, or the end in words

    bool ended() const { return state == State::Done || state == State::Failed || state == State::Cancelled; }
};
