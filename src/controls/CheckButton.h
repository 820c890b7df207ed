#pragma once

#include "PropertyBag.h"
#include "StatePictureControl.h"

// The check box of the launcher: Value 0 unchecked, 1 checked, 2 third state. A click flips 0 to 1
// and 1 or 2 to 0, then raises Click; the keyboard never changes the value.
class CheckButton : public StatePictureControl
{
    Q_OBJECT

public:
    explicit CheckButton(QWidget* parent = nullptr);

    void load(const PropertyBag& bag);
    PropertyBag save() const;

    int Value() const { return m_value; }
    void setValue(int value);
    bool Enabled() const { return isEnabled(); }
    void setEnabledState(bool enabled);
    // What a completed click does: flips the value and raises Click.
    void click();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;

    void refreshLook() override;

private:
    void showRestingPicture();
    void showLook(Look look);
    void pointerLeft();

    int m_value = 0;
    bool m_watchingPointer = true; // from creation until the pointer is first found outside
};
