#pragma once

#include "ClientOptions.h"

#include <QCoreApplication>
#include <QList>
#include <QMap>
#include <QString>
#include <QStringList>

class QSettings;

// The choices of the window of more mirroring options, as plain data: what a client of the next
// launches is told beyond the launcher's own options, the shared set or its phone's own. Each key of
// the client's option table holds its text as the settings file keeps it (a flag's "true" or "false",
// an alternative's word, a typed value as typed). Kept between runs in the settings file, which the
// window writes and each launch reads; a typed value that would be refused is never used.
struct MoreOptions
{
    Q_DECLARE_TR_FUNCTIONS(MoreOptions)

public:
    // Every choice at its default: no flag, each alternative's first, nothing typed.
    MoreOptions();

    friend bool operator==(const MoreOptions&, const MoreOptions&) = default;

    // A flag ticked, an alternative picked, a value typed.
    bool isChosen(ClientOptions::Choice choice) const;
    // A flag ticks, an alternative is picked among those of its key.
    void choose(ClientOptions::Choice choice);
    // The value of a typed choice, or of a flag's value typed beside it (the virtual display's size).
    void type(ClientOptions::Choice choice, const QString& text);
    QString typed(ClientOptions::Choice choice) const;
    // Back to the default for that choice.
    void drop(ClientOptions::Choice choice);

    // The choices made, in the table's order, each only beside the one it needs.
    QList<ClientOptions::Choice> chosen() const;
    // The value given with a choice that takes one ("60" for the frame rate), else empty.
    QString valueOf(ClientOptions::Choice choice) const { return typed(choice); }

    // What a launch refuses of these choices, each message naming its field and what is at fault;
    // kept receives the choices without what was refused and each value read as the client takes it,
    // and the launch goes on with them.
    QStringList refusals(MoreOptions* kept) const;

    // Each choice that differs from the other's, named with the other's in brackets:
    // "旋转 90°（所有手机：不旋转）", "最高帧率：60（所有手机：未填）".
    QStringList differencesFrom(const MoreOptions& shared) const;

    // The choices kept over those given (the defaults, or the shared ones a phone's own differ from),
    // less what a launch would refuse: what the window shows.
    static MoreOptions read(QSettings& settings, const MoreOptions& given = MoreOptions());
    // The same, the typed fields as they were typed: what a launch checks and tells.
    static MoreOptions readAsTyped(QSettings& settings, const MoreOptions& given = MoreOptions());
    void write(QSettings& settings) const;
    // Only what differs from the shared choices is kept; what equals them is removed.
    void writeDifferences(QSettings& settings, const MoreOptions& shared) const;

private:
    QString describe(const QString& key) const;

    QMap<QString, QString> m_kept; // the table's keys under "options/", and the texts kept there
};
