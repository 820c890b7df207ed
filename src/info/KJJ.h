#pragma once

#include <QWidget>

class AppWindows;

// The mirroring client's shortcut keys, one picture filling the window.
class KJJ : public QWidget
{
    Q_OBJECT

public:
    explicit KJJ(AppWindows& windows);
};
