#include "CheckButton.h"

#include "KeyCodes.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QTimer>

namespace {
constexpr OleColor DisabledCaption = OleColors::rgb(161, 161, 146);
constexpr int FirstPollMs = 50;
} // namespace

CheckButton::CheckButton(QWidget* parent)
    : StatePictureControl(StatePictures::Kind::Check, parent)
{
    showRestingPicture();
    // The design polls from creation, so a box without the pointer over it reports MouseOut once
    // shortly after its window opens; after that only Qt's leave events are needed.
    QTimer::singleShot(FirstPollMs, this, [this] {
        if (m_watchingPointer && !underMouse())
            pointerLeft();
    });
}

void CheckButton::load(const PropertyBag& bag)
{
    setValue(bag.read(QStringLiteral("Value"), 0).toInt());
    setCaption(bag.read(QStringLiteral("Caption"), objectName()).toString());
    setEnabledState(bag.read(QStringLiteral("Enabled"), true).toBool());
    if (bag.contains(QStringLiteral("Font")))
        setControlFont(bag.read(QStringLiteral("Font"), font()).value<QFont>());
    setBackColor(bag.read(QStringLiteral("BackColor"), OleColors::ButtonFace).toUInt());
    setForeColor(bag.read(QStringLiteral("ForeColor"), OleColors::rgb(0, 0, 0)).toUInt());
}

PropertyBag CheckButton::save() const
{
    PropertyBag bag;
    bag.write(QStringLiteral("Font"), font(), holderFont());
    bag.write(QStringLiteral("Value"), m_value, 0);
    bag.write(QStringLiteral("Caption"), Caption(), objectName());
    bag.write(QStringLiteral("Enabled"), Enabled(), true);
    bag.write(QStringLiteral("BackColor"), BackColor(), OleColors::ButtonFace);
    bag.write(QStringLiteral("ForeColor"), ForeColor(), OleColors::rgb(0, 0, 0));
    return bag;
}

void CheckButton::setValue(int value)
{
    m_value = value;
    showRestingPicture();
}

void CheckButton::setEnabledState(bool enabled)
{
    setEnabled(enabled);
    refreshLook();
}

void CheckButton::refreshLook()
{
    showRestingPicture();
    setCaptionColor(Enabled() ? m_foreColor : DisabledCaption);
}

// Values outside 0 to 2 have no picture; the box keeps what it shows.
void CheckButton::showLook(Look look)
{
    if (m_value >= 0 && m_value <= 2)
        showPicture(4 * m_value + look);
}

void CheckButton::showRestingPicture()
{
    showLook(Enabled() ? Resting : Disabled);
}

void CheckButton::pointerLeft()
{
    m_watchingPointer = false;
    showRestingPicture();
    emit MouseOut();
}

void CheckButton::mousePressEvent(QMouseEvent* event)
{
    if (Enabled())
        showLook(Pressed);
    emit MouseDown(KeyCodes::buttonMask(event->button()), KeyCodes::shiftMask(event->modifiers()),
        float(event->position().x()), float(event->position().y()));
}

void CheckButton::mouseReleaseEvent(QMouseEvent* event)
{
    emit MouseUp(KeyCodes::buttonMask(event->button()), KeyCodes::shiftMask(event->modifiers()),
        float(event->position().x()), float(event->position().y()));
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        click();
}

void CheckButton::click()
{
    if (m_value == 0)
        m_value = 1;
    else if (m_value == 1 || m_value == 2)
        m_value = 0;
    showRestingPicture();
    emit Click();
}

void CheckButton::mouseMoveEvent(QMouseEvent* event)
{
    const QPointF at = event->position();
    if (at.x() < 0 || at.y() < 0 || at.x() > width() || at.y() > height()) {
        // Dragged out with the button held: the window system keeps sending moves but no leave, so
        // this does what the poll would, once.
        if (m_watchingPointer)
            pointerLeft();
        return;
    }
    m_watchingPointer = true;
    const int button = KeyCodes::buttonMask(event->buttons());
    emit MouseMove(button, KeyCodes::shiftMask(event->modifiers()), float(at.x()), float(at.y()));
    if (Enabled())
        showLook(button == 1 ? Pressed : HoverLook);
}

void CheckButton::leaveEvent(QEvent*)
{
    if (m_watchingPointer)
        pointerLeft();
}

void CheckButton::keyPressEvent(QKeyEvent* event)
{
    emit KeyDown(KeyCodes::keyCode(event->key()), KeyCodes::shiftMask(event->modifiers()));
    if (!event->text().isEmpty())
        emit KeyPress(event->text().at(0).unicode());
}

void CheckButton::keyReleaseEvent(QKeyEvent* event)
{
    emit KeyUp(KeyCodes::keyCode(event->key()), KeyCodes::shiftMask(event->modifiers()));
}
