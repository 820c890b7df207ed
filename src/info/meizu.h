#pragma once

#include <QWidget>

class ProgramState;

// Shown instead of the launcher when the phone's maker is Meizu, whose phones often show no
// mirrored picture.
class meizu : public QWidget
{
    Q_OBJECT

public:
    explicit meizu(ProgramState& state);

protected:
    void closeEvent(QCloseEvent* event) override;

signals:
    // "继续使用": the launcher takes over from the start window and this one.
    void continued();

private:
    void continueClick();
};
