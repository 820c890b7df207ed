#include "MoreOptions.h"

#include "controls/TypedText.h"

#include <QSettings>

using ClientOptions::Choice;
using ClientOptions::Kind;

namespace {

const QString True = QStringLiteral("true");
const QString False = QStringLiteral("false");

QString settingsKey(const QString& key)
{
    return QStringLiteral("options/") + key;
}

// The default text of a key: a flag's "false", the first alternative's word, nothing typed.
QString defaultOf(const ClientOptions::Option& row)
{
    return row.kind == Kind::Flag ? False : row.kind == Kind::Alternative ? QLatin1String(row.kept) : QString();
}

// The key whose text a typed choice's value is: its own, or the field beside its flag.
QString valueKeyOf(const ClientOptions::Option& row)
{
    return QLatin1String(row.valueKey ? row.valueKey : row.kind == Kind::Typed ? row.key : "");
}

// A typed value and how it is named, read and done without.
struct Field
{
    QString key;
    QString name;
    TypedValue::Rule rule;
    const char* without;
};

QList<Field> typedFields()
{
    QList<Field> fields;
    for (const ClientOptions::Option& row : ClientOptions::table()) {
        const QString key = valueKeyOf(row);
        if (!key.isEmpty()) {
            const char* name = row.valueName ? row.valueName : row.name;
            fields.append({key, QCoreApplication::translate("ClientOptions", name), row.rule, row.without});
        }
    }
    return fields;
}

} // namespace

MoreOptions::MoreOptions()
{
    for (const ClientOptions::Option& row : ClientOptions::table()) {
        if (row.kind == Kind::Launch)
            continue;
        if (!m_kept.contains(QLatin1String(row.key)))
            m_kept.insert(QLatin1String(row.key), defaultOf(row));
        if (row.valueKey)
            m_kept.insert(QLatin1String(row.valueKey), QString());
    }
}

bool MoreOptions::isChosen(Choice choice) const
{
    const ClientOptions::Option& row = ClientOptions::option(choice);
    const QString kept = m_kept.value(QLatin1String(row.key));
    switch (row.kind) {
    case Kind::Flag:
        return kept == True;
    case Kind::Alternative:
        return kept == QLatin1String(row.kept);
    case Kind::Typed:
        return !kept.isEmpty();
    case Kind::Launch:
        break;
    }
    return false;
}

void MoreOptions::choose(Choice choice)
{
    const ClientOptions::Option& row = ClientOptions::option(choice);
    if (row.kind == Kind::Flag)
        m_kept[QLatin1String(row.key)] = True;
    else if (row.kind == Kind::Alternative)
        m_kept[QLatin1String(row.key)] = QLatin1String(row.kept);
}

void MoreOptions::type(Choice choice, const QString& text)
{
    const QString key = valueKeyOf(ClientOptions::option(choice));
    if (!key.isEmpty())
        m_kept[key] = text;
}

QString MoreOptions::typed(Choice choice) const
{
    const QString key = valueKeyOf(ClientOptions::option(choice));
    return key.isEmpty() ? QString() : m_kept.value(key);
}

void MoreOptions::drop(Choice choice)
{
    const ClientOptions::Option& row = ClientOptions::option(choice);
    if (row.kind == Kind::Alternative)
        m_kept[QLatin1String(row.key)] = defaultOf(ClientOptions::option(ClientOptions::underKey(row.key).first()));
    else if (row.kind != Kind::Launch)
        m_kept[QLatin1String(row.key)] = defaultOf(row);
}

QList<Choice> MoreOptions::chosen() const
{
    QList<Choice> choices;
    for (const ClientOptions::Option& row : ClientOptions::table()) {
        if (row.kind != Kind::Launch && isChosen(row.choice) && (!row.needs || isChosen(*row.needs)))
            choices << row.choice;
    }
    return choices;
}

QStringList MoreOptions::refusals(MoreOptions* kept) const
{
    *kept = *this;
    QStringList messages;
    for (const Field& field : typedFields()) {
        QString& value = kept->m_kept[field.key];
        if (value.isEmpty())
            continue;
        if (const QString refusal = TypedText::controlCharacterRefusal(value, field.name); !refusal.isEmpty()) {
            messages << refusal;
            value.clear();
            continue;
        }
        const TypedValue::Reading reading = TypedValue::read(field.rule, value);
        if (!reading.fault.isEmpty()) {
            messages << tr("“%1”：%2。应为 %3，%4！")
                            .arg(field.name, reading.fault, TypedValue::described(field.rule),
                                QCoreApplication::translate("ClientOptions", field.without));
        }
        value = reading.value;
    }
    return messages;
}

MoreOptions MoreOptions::read(QSettings& settings, const MoreOptions& given)
{
    // Nothing read back is shown that a launch would refuse: it is dropped to its default.
    MoreOptions shown = readAsTyped(settings, given);
    MoreOptions kept;
    shown.refusals(&kept);
    // The window shows a value as it was typed, once it can be read.
    for (const Field& field : typedFields()) {
        if (kept.m_kept.value(field.key).isEmpty())
            shown.m_kept[field.key].clear();
    }
    return shown;
}

MoreOptions MoreOptions::readAsTyped(QSettings& settings, const MoreOptions& given)
{
    MoreOptions options = given;
    for (auto entry = options.m_kept.begin(); entry != options.m_kept.end(); ++entry) {
        const QVariant value = settings.value(settingsKey(entry.key()));
        if (!value.isValid())
            continue;
        const QString text = value.toString();
        const QList<Choice> alternatives = ClientOptions::underKey(entry.key());
        const ClientOptions::Option* row = alternatives.isEmpty() ? nullptr : &ClientOptions::option(alternatives[0]);
        if (row && row->kind == Kind::Flag)
            *entry = text == True ? True : False;
        else if (row && row->kind == Kind::Alternative) {
            // A word read back that names none of the choices keeps the default.
            for (const Choice choice : alternatives) {
                if (text == QLatin1String(ClientOptions::option(choice).kept))
                    *entry = text;
            }
        } else {
            *entry = text;
        }
    }
    return options;
}

void MoreOptions::write(QSettings& settings) const
{
    for (auto entry = m_kept.cbegin(); entry != m_kept.cend(); ++entry)
        settings.setValue(settingsKey(entry.key()), entry.value());
}

void MoreOptions::writeDifferences(QSettings& settings, const MoreOptions& shared) const
{
    for (auto entry = m_kept.cbegin(); entry != m_kept.cend(); ++entry) {
        if (entry.value() == shared.m_kept.value(entry.key()))
            settings.remove(settingsKey(entry.key()));
        else
            settings.setValue(settingsKey(entry.key()), entry.value());
    }
}

// How a key's text reads: an alternative's name, a flag's "选中" or "未选", a value or "未填".
QString MoreOptions::describe(const QString& key) const
{
    const QList<Choice> choices = ClientOptions::underKey(key);
    const QString text = m_kept.value(key);
    if (choices.isEmpty()) // the value typed beside a flag
        return text.isEmpty() ? tr("未填") : text;
    const ClientOptions::Option& row = ClientOptions::option(choices.first());
    if (row.kind == Kind::Alternative) {
        for (const Choice choice : choices) {
            if (isChosen(choice))
                return ClientOptions::name(choice);
        }
    }
    if (row.kind == Kind::Flag)
        return text == True ? tr("选中") : tr("未选");
    return text.isEmpty() ? tr("未填") : text;
}

QStringList MoreOptions::differencesFrom(const MoreOptions& shared) const
{
    QStringList named;
    for (const ClientOptions::Option& row : ClientOptions::table()) {
        for (const char* key : {row.key, row.valueKey}) {
            const QString name = QLatin1String(key);
            // An alternative's key is told once, at its first row.
            if (!key || row.kind == Kind::Launch || m_kept.value(name) == shared.m_kept.value(name)
                || (row.kind == Kind::Alternative && ClientOptions::underKey(name).first() != row.choice))
                continue;
            const QString mine = describe(name);
            const QString theirs = shared.describe(name);
            const QString label = key == row.valueKey ? QCoreApplication::translate("ClientOptions", row.valueName)
                                                      : ClientOptions::name(row.choice);
            named << (row.kind == Kind::Alternative && key == row.key
                    ? tr("%1（所有手机：%2）").arg(mine, theirs)
                    : tr("%1：%2（所有手机：%3）").arg(label, mine, theirs));
        }
    }
    return named;
}
