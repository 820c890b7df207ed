#pragma once

#include <QWidget>

class AppWindows;
class DrawnPicture;

// The mirroring client's shortcut keys, one picture filling the window.
class KJJ : public QWidget
{
    Q_OBJECT

public:
    explicit KJJ(AppWindows& windows);

private:
    static QSize designSize();
    void draw();

    AppWindows& m_windows;
    DrawnPicture* m_picture = nullptr;
};
