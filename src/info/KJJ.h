#pragma once

#include <QWidget>

class ProgramState;
class DrawnPicture;

// The mirroring client's shortcut keys, one picture filling the window.
class KJJ : public QWidget
{
    Q_OBJECT

public:
    explicit KJJ(ProgramState& state);

private:
    static QSize designSize();
    void draw();

    ProgramState& m_state;
    DrawnPicture* m_picture = nullptr;
};
