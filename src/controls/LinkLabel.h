#pragma once

#include <QLabel>

// A label that opens something when clicked, with the pointing hand over it. Reached by Tab, it
// shows the focus mark the buttons show, and a key acts once per press, never on its repeats.
class KeyHold;

class LinkLabel : public QLabel
{
    Q_OBJECT

public:
    explicit LinkLabel(const QString& text, QWidget* parent = nullptr);

    // Gives the window's keyboard focus to the first control in its Tab order that is not a link, so
    // it opens there: the user's first Enter must never open a page no one asked for.
    static void focusFirstControl(QWidget& window);

signals:
    void Click();

protected:
    void changeEvent(QEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void keepUnderlined();

    KeyHold* m_keys;
};
