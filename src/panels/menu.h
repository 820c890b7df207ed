#pragma once

#include <QWidget>

class AppWindows;
class N_Shape;
class QTimer;

// The floating key panel: lock, volume, mute and media keys for every selected phone, and the
// screenshot, which lands as "screen.png" in the output folder.
class menu : public QWidget
{
    Q_OBJECT

public:
    explicit menu(AppWindows& windows);

    QTimer* INTERFACETimer = nullptr;
    qint16 shotTicks = 0;

    void tickINTERFACETimer();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    N_Shape* keyButton(const QString& name, const QString& caption, int top, int keyCode);
    void screenshotClick();

    AppWindows& m_windows;
};
