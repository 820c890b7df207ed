#pragma once

#include <QWidget>

class ProgramState;

// The floating navigation bar: back, home and recent apps for every selected phone.
class Freeze : public QWidget
{
    Q_OBJECT

public:
    explicit Freeze(ProgramState& state);

private:
    ProgramState& m_state;
};
