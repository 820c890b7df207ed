#include "OptionButton.h"

#include "KeyCodes.h"
#include "KeyHold.h"

#include <QKeyEvent>
#include <QMouseEvent>

OptionButton::OptionButton(QWidget* parent)
    : StatePictureControl(StatePictures::Kind::Option, parent)
    , m_keys(new KeyHold(this))
{
    showRestingPicture();
    m_lastHoverIndex = 1;
    m_group = false;
}

void OptionButton::load(const PropertyBag& bag)
{
    setEnabledState(bag.read(QStringLiteral("Enabled"), true).toBool());
    setValue(bag.read(QStringLiteral("Value"), false).toBool());
    m_group = bag.read(QStringLiteral("Group"), false).toBool();
    if (bag.contains(QStringLiteral("Font")))
        setControlFont(bag.read(QStringLiteral("Font"), font()).value<QFont>());
    // "Option" is the save default, so a caption saved as "Option" loads as "Option1".
    setCaption(bag.read(QStringLiteral("Caption"), QStringLiteral("Option1")).toString());
    setBackColor(bag.read(QStringLiteral("BackColor"), OleColors::ButtonFace).toUInt());
    setForeColor(bag.read(QStringLiteral("ForeColor"), OleColors::rgb(0, 0, 0)).toUInt());
}

PropertyBag OptionButton::save() const
{
    PropertyBag bag;
    bag.write(QStringLiteral("Enabled"), m_enabledFlag, true);
    bag.write(QStringLiteral("Value"), m_value, false);
    bag.write(QStringLiteral("Group"), m_group, false);
    bag.write(QStringLiteral("Font"), font(), holderFont());
    bag.write(QStringLiteral("Caption"), Caption(), QStringLiteral("Option"));
    bag.write(QStringLiteral("BackColor"), BackColor(), OleColors::ButtonFace);
    bag.write(QStringLiteral("ForeColor"), ForeColor(), OleColors::rgb(0, 0, 0));
    return bag;
}

void OptionButton::setValue(bool value)
{
    m_value = value;
    showRestingPicture();
}

// Read from the surface, which a disabled container also disables.
bool OptionButton::Enabled() const
{
    m_enabledFlag = isEnabled();
    return m_enabledFlag;
}

void OptionButton::setEnabledState(bool enabled)
{
    setEnabled(enabled);
    m_enabledFlag = enabled;
    refreshLook();
}

void OptionButton::showRestingPicture()
{
    showPicture(index(m_enabledFlag ? Resting : Disabled));
}

void OptionButton::refreshLook()
{
    if (!m_enabledFlag) {
        showPicture(index(Disabled));
        setCaptionColor(OleColors::GrayText);
        m_watchingPointer = false;
        return;
    }
    showRestingPicture();
    setCaptionColor(m_foreColor);
}

void OptionButton::clickStep()
{
    if (m_value) {
        refreshLook();
        return;
    }
    // Every option button of the window with this container and this group, this one included.
    QWidget* holder = window();
    for (OptionButton* other : holder->findChildren<OptionButton*>()) {
        if (other->parentWidget() == parentWidget() && other->m_group == m_group)
            other->setValue(false);
    }
    setValue(true);
    emit Click();
}

void OptionButton::pressStep(int button, int shift, float x, float y)
{
    if (!m_enabledFlag)
        return;
    showPicture(index(Pressed));
    m_pressed = true;
    emit MouseDown(button, shift, x, y);
}

void OptionButton::hoverStep(int button, int shift, float x, float y)
{
    if (!m_enabledFlag)
        return;
    if (pictureIndex() == m_lastHoverIndex || m_pressed)
        return;
    m_watchingPointer = true;
    showPicture(index(HoverLook));
    m_lastHoverIndex = index(HoverLook);
    emit MouseMove(button, shift, x, y);
}

void OptionButton::pointerLeft()
{
    if (!m_watchingPointer || m_pressed)
        return;
    showRestingPicture();
    m_watchingPointer = false;
    emit MouseOut();
}

void OptionButton::mousePressEvent(QMouseEvent* event)
{
    pressStep(KeyCodes::buttonMask(event->button()), KeyCodes::shiftMask(event->modifiers()),
        float(event->position().x()), float(event->position().y()));
}

void OptionButton::mouseReleaseEvent(QMouseEvent* event)
{
    emit MouseUp(KeyCodes::buttonMask(event->button()), KeyCodes::shiftMask(event->modifiers()),
        float(event->position().x()), float(event->position().y()));
    m_pressed = false;
    const bool inside = rect().contains(event->position().toPoint());
    if (event->button() == Qt::LeftButton && inside && m_enabledFlag) {
        clickStep();
        return;
    }
    // Released elsewhere: the pressed picture goes, to the focused look or, as the poll would find
    // the pointer outside, to the resting one.
    if (!inside && m_enabledFlag) {
        if (hasFocus()) {
            showPicture(index(HoverLook));
        } else {
            m_watchingPointer = true;
            pointerLeft();
        }
    }
}

void OptionButton::mouseMoveEvent(QMouseEvent* event)
{
    hoverStep(KeyCodes::buttonMask(event->buttons()), KeyCodes::shiftMask(event->modifiers()),
        float(event->position().x()), float(event->position().y()));
}

void OptionButton::leaveEvent(QEvent*)
{
    pointerLeft();
}

void OptionButton::keyPressEvent(QKeyEvent* event)
{
    emit KeyDown(KeyCodes::keyCode(event->key()), KeyCodes::shiftMask(event->modifiers()));
    if (!m_keys->beginsHold(*event) || event->key() != Qt::Key_Space)
        return;
    emit KeyPress(32);
    pressStep(1, 0, 0, 0);
}

void OptionButton::keyReleaseEvent(QKeyEvent* event)
{
    if (event->key() != Qt::Key_Space) {
        m_keys->released(*event);
        return;
    }
    m_keys->released(*event, [this, shift = KeyCodes::shiftMask(event->modifiers())] {
        emit KeyUp(32, shift);
        clickStep();
        m_pressed = false;
    });
}

// The hover picture stays while the option has the focus.
void OptionButton::focusInEvent(QFocusEvent* event)
{
    StatePictureControl::focusInEvent(event);
    hoverStep(0, 0, 0, 0);
    m_watchingPointer = false;
}

void OptionButton::focusOutEvent(QFocusEvent* event)
{
    StatePictureControl::focusOutEvent(event);
    m_lastHoverIndex = 7;
    hoverStep(0, 0, 0, 0);
    // The design's poll would find the pointer outside at its next tick.
    if (!underMouse())
        pointerLeft();
}
