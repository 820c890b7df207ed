#pragma once

#include <QLabel>
#include <QPointer>
#include <QWindow>

#include <functional>

// A picture the program draws for itself, drawn for the device pixel ratio of the screen it is shown
// on and drawn again when the window moves to a screen of another ratio: sharp at 150 % and 200 %,
// never a picture of 100 % stretched.
class DrawnPicture : public QLabel
{
    Q_OBJECT

public:
    using Drawing = std::function<QPixmap(qreal devicePixelRatio)>;

    DrawnPicture(Drawing drawing, QWidget* parent);

    // Draws it again, for a change of what it shows.
    void redraw();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void redrawIfNeeded();

    Drawing m_drawing;
    QPointer<QWindow> m_followed; // the window whose screen it is drawn for
};
