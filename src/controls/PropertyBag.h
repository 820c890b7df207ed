#pragma once

#include <QMap>
#include <QString>
#include <QVariant>

#include <initializer_list>
#include <utility>

// The stored properties of one control in a window's definition. Names are matched without
// regard to case; a control loads each property with its load default where the bag holds none,
// and saves only the values that differ from its save default.
class PropertyBag
{
public:
    PropertyBag() = default;
    PropertyBag(std::initializer_list<std::pair<QString, QVariant>> values);

    bool contains(const QString& name) const;
    QVariant read(const QString& name, const QVariant& loadDefault) const;
    void write(const QString& name, const QVariant& value, const QVariant& saveDefault);
    void set(const QString& name, const QVariant& value);

    // This bag with the other's values added, the other's winning.
    PropertyBag with(const PropertyBag& other) const;
    int size() const { return static_cast<int>(m_values.size()); }

private:
    QMap<QString, QVariant> m_values; // keys in lower case
};
