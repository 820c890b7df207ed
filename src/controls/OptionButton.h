#pragma once

#include "PropertyBag.h"
#include "StatePictureControl.h"

// The option button of the launcher. A click selects it and clears every other option button of
// the same Group in the same container; assigning Value from code clears nothing.
class KeyHold;

class OptionButton : public StatePictureControl
{
    Q_OBJECT

public:
    explicit OptionButton(QWidget* parent = nullptr);

    void load(const PropertyBag& bag);
    PropertyBag save() const;

    bool Value() const { return m_value; }
    void setValue(bool value);
    bool Group() const { return m_group; }
    bool Enabled() const;
    void setEnabledState(bool enabled);
    // What a completed click does: selects this option within its group.
    void click() { clickStep(); }

protected:
    void refreshLook() override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    int index(Look look) const { return 4 * (m_value ? 1 : 0) + look; }
    void showRestingPicture();
    void clickStep();
    void pressStep(int button, int shift, float x, float y);
    void hoverStep(int button, int shift, float x, float y);
    void pointerLeft();

    bool m_value = false;
    bool m_group = false;
    mutable bool m_enabledFlag = true;
    bool m_pressed = false;
    KeyHold* m_keys;
    int m_lastHoverIndex = 1;
    bool m_watchingPointer = false; // stands for the design's poll, which runs after a hover step
};
