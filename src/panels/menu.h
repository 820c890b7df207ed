#pragma once

#include <QWidget>

class ProgramState;
class N_Shape;
class QLabel;
class ScreenshotSequence;

// The floating key panel: lock, volume, mute and media keys for every selected phone, and the
// screenshot, which lands as "screen.png" in the output folder (one picture per phone when several
// are selected).
class menu : public QWidget
{
    Q_OBJECT

public:
    explicit menu(ProgramState& state);

    ScreenshotSequence* screenshots = nullptr;

private:
    N_Shape* keyButton(const QString& name, const QString& caption, int top, int keyCode);
    void screenshotClick();
    void showNote(const QString& lead);

    ProgramState& m_state;
    QLabel* m_note = nullptr;
};
