#pragma once

#include <QWidget>

class AppWindows;

// The floating navigation bar: back, home and recent apps for every selected phone.
class Freeze : public QWidget
{
    Q_OBJECT

public:
    explicit Freeze(AppWindows& windows);

private:
    AppWindows& m_windows;
};
