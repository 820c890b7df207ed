#include "PropertyBag.h"

PropertyBag::PropertyBag(std::initializer_list<std::pair<QString, QVariant>> values)
{
    for (const auto& [name, value] : values)
        set(name, value);
}

bool PropertyBag::contains(const QString& name) const
{
    return m_values.contains(name.toLower());
}

QVariant PropertyBag::read(const QString& name, const QVariant& loadDefault) const
{
    return m_values.value(name.toLower(), loadDefault);
}

void PropertyBag::write(const QString& name, const QVariant& value, const QVariant& saveDefault)
{
    if (value == saveDefault)
        m_values.remove(name.toLower());
    else
        m_values.insert(name.toLower(), value);
}

void PropertyBag::set(const QString& name, const QVariant& value)
{
    m_values.insert(name.toLower(), value);
}

PropertyBag PropertyBag::with(const PropertyBag& other) const
{
    PropertyBag merged = *this;
    for (auto it = other.m_values.cbegin(); it != other.m_values.cend(); ++it)
        merged.m_values.insert(it.key(), it.value());
    return merged;
}
