#pragma once

#include "OleColor.h"
#include "PropertyBag.h"

#include <QPixmap>
#include <QPointF>
#include <QWidget>

#include <optional>

// The push button of every window: a filled face, a caption, an optional picture, three colour
// looks (normal, hover, down) and three pictures. Windows set Caption and handle Click.
class QPainter;
class KeyHold;

class N_Shape : public QWidget
{
    Q_OBJECT

public:
    enum ButtonState { Normal = 0, Hover = 1, Down = 2 };
    enum Shape { Rectangle = 0, Square = 1, Oval = 2, Circle = 3, RoundedRectangle = 4, RoundedSquare = 5 };

    // Windows create their buttons from stored properties with load().
    explicit N_Shape(QWidget* parent = nullptr);
    // A new instance placed on a window, given the values the designer gives it.
    void initNew(const QString& name);

    // Assigns every stored property in load order, the load default where the bag holds none.
    void load(const PropertyBag& bag);
    // Writes every property in save order, leaving out values equal to their save default.
    PropertyBag save() const;

    QString Caption() const { return m_caption; }
    void setCaption(const QString& caption);

    OleColor BackGround() const { return m_background; }
    void setBackGround(OleColor color);
    OleColor BackColorNormal() const { return m_faceFill; } // the face on screen
    void setBackColorNormal(OleColor color);
    OleColor BackColorHover() const { return m_backHover; }
    void setBackColorHover(OleColor color) { m_backHover = color; }
    OleColor BackColorDown() const { return m_backDown; }
    void setBackColorDown(OleColor color) { m_backDown = color; }
    OleColor BorderColorNormal() const { return m_faceBorder; } // the border on screen
    void setBorderColorNormal(OleColor color);
    OleColor BorderColorHover() const { return m_borderHover; }
    void setBorderColorHover(OleColor color) { m_borderHover = color; }
    OleColor BorderColorDown() const { return m_borderDown; }
    void setBorderColorDown(OleColor color) { m_borderDown = color; }
    OleColor ForeColorNormal() const { return m_captionColor; } // the caption on screen
    void setForeColorNormal(OleColor color);
    OleColor ForeColorHover() const { return m_foreHover; }
    void setForeColorHover(OleColor color) { m_foreHover = color; }
    OleColor ForeColorDown() const { return m_foreDown; }
    void setForeColorDown(OleColor color) { m_foreDown = color; }
    OleColor BorderCustom() const { return m_borderCustom; }
    void setBorderCustom(OleColor color) { m_borderCustom = color; }

    int FontSize() const;
    void setFontSize(int points);
    bool FontBold() const { return m_captionFont.bold(); }
    void setFontBold(bool bold);
    QString FontName() const { return font().family(); }
    void setFontName(const QString& face);

    bool Enabled() const { return isEnabled(); }
    void setEnabledState(bool enabled);
    bool BorderGotFocus() const { return m_borderGotFocus; }
    void setBorderGotFocus(bool on) { m_borderGotFocus = on; }
    int Style() const { return m_style; }
    void setStyle(int style);
    bool Graphical() const { return m_graphical; }
    void setGraphical(bool on);
    bool Text_Visible() const { return m_textVisible; }
    void setText_Visible(bool on);
    bool StretchToText() const { return m_stretchToText; }
    void setStretchToText(bool on);
    bool Stretch() const { return m_stretch; }
    void setStretch(bool on);

    QPixmap Picture_Normal() const { return m_pictureNormal; }
    void setPicture_Normal(const QPixmap& picture);
    QPixmap Picture_Down() const { return m_pictureDown; }
    void setPicture_Down(const QPixmap& picture) { m_pictureDown = picture; }
    QPixmap Picture_Hover() const { return m_pictureHover; }
    void setPicture_Hover(const QPixmap& picture) { m_pictureHover = picture; }

    // 0 no picture shown, 3 the normal, 1 the down, 2 the hover picture.
    int CurPicture() const;
    bool MouseInside() const { return m_mouseInside; }
    ButtonState state() const { return m_state; }
    void Ajustar_Botao();
    // What a completed click does, for keyboard and assistive activation.
    void click() { emit Click(); }

    // What the caption and the face look like now, for painting and for tests.
    QColor faceColor() const { return OleColors::toQColor(m_faceFill); }
    QColor borderColor() const { return OleColors::toQColor(m_faceBorder); }
    QColor captionColor() const { return OleColors::toQColor(m_captionColor); }
    QPointF captionPosition() const;
    QFont labelFont() const { return m_captionFont; }

    QSize sizeHint() const override;

signals:
    void Click();
    void DblClick();
    void MouseMove(int button, int shift, float x, float y);
    void MouseUp(int button, int shift, float x, float y);
    void MouseDown(int button, int shift, float x, float y);
    void MouseEnter();
    void MouseLeave();
    void MouseOut();
    void Resize();
    void KeyPress(int keyAscii);
    void KeyDown(int keyCode, int shift);
    void KeyUp(int keyCode, int shift);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void changeEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    void drawCrispRectangle(QPainter& painter) const;
    enum class Part { Surface, Caption, Picture };

    Part partAt(const QPointF& point) const;
    QSizeF captionSize() const;
    QSize pictureSize() const;
    QRectF pictureRect() const;
    void applyStateColors();
    void showPicture(const QPixmap& picture);
    void trackPicture(Part part, const QPointF& point);
    void requestRepaint();

    QString m_caption;
    QFont m_captionFont;
    KeyHold* m_keys; // Enter acts on the press that begins a hold, Space on the release that ends it
    ButtonState m_state = Normal;
    bool m_hovering = false;
    bool m_mouseInside = false;
    bool m_holdsPointer = false; // stands for the mouse capture of the picture tracking

    QPixmap m_pictureNormal, m_pictureHover, m_pictureDown, m_shownPicture;
    QSize m_imageSize;

    OleColor m_background = OleColors::rgb(242, 241, 239);
    OleColor m_backNormal = OleColors::rgb(242, 241, 239), m_backHover = OleColors::rgb(224, 224, 224),
             m_backDown = OleColors::rgb(255, 255, 255);
    OleColor m_borderNormal = OleColors::rgb(179, 179, 179), m_borderHover = OleColors::rgb(179, 179, 179),
             m_borderDown = OleColors::rgb(179, 179, 179);
    OleColor m_foreNormal = OleColors::rgb(0, 0, 0), m_foreHover = OleColors::rgb(0, 0, 0),
             m_foreDown = OleColors::rgb(0, 0, 0);
    OleColor m_borderCustom = OleColors::rgb(179, 179, 179);
    // What the face, its border and the caption show now.
    OleColor m_faceFill = OleColors::rgb(242, 241, 239);
    OleColor m_faceBorder = OleColors::rgb(179, 179, 179);
    OleColor m_captionColor = OleColors::rgb(0, 0, 0);

    int m_style = Rectangle;
    bool m_graphical = false;
    // Until loaded or set up as new, as a definition that holds no value would leave them.
    bool m_textVisible = false;
    bool m_stretchToText = false;
    bool m_stretch = false;
    bool m_borderGotFocus = false;
    // Measuring text loads fonts, so the caption is placed when first needed, not while the
    // window is built.
    mutable std::optional<QSizeF> m_captionSize;
};
