#pragma once

#include "CheckButton.h"
#include "OptionButton.h"
#include "PropertyBag.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>

// The windows build their frames, labels, fields, check boxes and option buttons the same way: each
// control named and placed where it is created, from its stored properties.
namespace WindowParts {

inline QGroupBox* frame(QWidget* parent, const QString& name, const QString& caption, const QRect& place)
{
    auto* frame = new QGroupBox(caption, parent);
    frame->setObjectName(name);
    frame->setGeometry(place);
    return frame;
}

inline QLabel* label(QWidget* parent, const QString& name, const QString& text, const QRect& place)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setGeometry(place);
    return label;
}

// A field as screen readers name it.
inline QLineEdit* field(
    QWidget* parent, const QString& name, const QString& text, const QRect& place, const QString& accessibleName)
{
    auto* field = new QLineEdit(text, parent);
    field->setObjectName(name);
    field->setGeometry(place);
    field->setAccessibleName(accessibleName);
    return field;
}

template <typename Control>
Control* control(QWidget* parent, const QString& name, const PropertyBag& bag, const QRect& place)
{
    auto* control = new Control(parent);
    control->setObjectName(name);
    control->setGeometry(place);
    control->load(bag);
    return control;
}

inline CheckButton* check(QWidget* parent, const QString& name, const QString& caption, int value, const QRect& place)
{
    return control<CheckButton>(
        parent, name, {{QStringLiteral("caption"), caption}, {QStringLiteral("value"), value}}, place);
}

inline OptionButton* option(QWidget* parent, const QString& name, const QString& caption, const QRect& place)
{
    return control<OptionButton>(parent, name, {{QStringLiteral("caption"), caption}}, place);
}

} // namespace WindowParts
