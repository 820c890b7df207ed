#pragma once

#include <QWidget>

class AppWindows;

// Shown instead of the launcher when the phone's maker is Meizu, whose phones often show no
// mirrored picture.
class meizu : public QWidget
{
    Q_OBJECT

public:
    explicit meizu(AppWindows& windows);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void continueClick();

    AppWindows& m_windows;
};
