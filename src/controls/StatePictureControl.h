#pragma once

#include "OleColor.h"
#include "StatePictures.h"

#include <QWidget>

#include <optional>

// What the check box and the option button share: a 13 × 13 state picture at the left edge,
// chosen from a drawn set by value and look, and a caption 16 pixels in.
class StatePictureControl : public QWidget
{
    Q_OBJECT

public:
    enum Look { Resting = 0, HoverLook = 1, Pressed = 2, Disabled = 3 };

    QString Caption() const { return m_caption; }
    void setCaption(const QString& caption);
    OleColor BackColor() const { return m_backColor; }
    void setBackColor(OleColor color);
    OleColor ForeColor() const { return m_foreColor; }
    void setForeColor(OleColor color);
    void setControlFont(const QFont& font);

    // Which picture the control shows now; -1 before any.
    int pictureIndex() const { return m_pictureIndex; }
    QColor captionColor() const { return OleColors::toQColor(m_captionColor); }
    // Halves with the remainder dropped, as the design places the picture and the caption.
    QRect pictureRect() const;
    QPoint captionPosition() const;

    QSize sizeHint() const override;

signals:
    // The events both controls raise, in the order the windows' definitions list them.
    void Click();
    void KeyDown(int keyCode, int shift);
    void KeyPress(int keyAscii);
    void KeyUp(int keyCode, int shift);
    void MouseOut();
    void MouseDown(int button, int shift, float x, float y);
    void MouseMove(int button, int shift, float x, float y);
    void MouseUp(int button, int shift, float x, float y);

protected:
    StatePictureControl(StatePictures::Kind pictures, QWidget* parent);

    // The font a definition that holds none gives the control: its holding window's.
    QFont holderFont() const { return parentWidget() ? parentWidget()->font() : QFont(); }
    // Shows the picture and caption colour for the current value, enabled state and fore colour.
    virtual void refreshLook() = 0;

    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void showPicture(int index);
    void setCaptionColor(OleColor color);
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;

    OleColor m_foreColor = OleColors::rgb(0, 0, 0);

private:
    StatePictures::Kind m_pictures;
    int m_pictureIndex = -1;
    QString m_caption;
    OleColor m_backColor = OleColors::ButtonFace;
    OleColor m_captionColor = OleColors::rgb(0, 0, 0);
    // Measuring text loads fonts, so it waits until the caption is first placed.
    int captionHeight() const;
    QRectF focusMarkPlace(const QRect& caption) const;
    mutable std::optional<int> m_captionHeight;
};
