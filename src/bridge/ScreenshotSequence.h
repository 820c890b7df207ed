#pragma once

#include "Outside.h"
#include "ToolCommand.h"

#include <QList>
#include <QObject>
#include <QStringList>

class DeviceModel;

// One screenshot of each phone the click addresses: the phone captures its screen, the picture
// is copied to the output folder, and the phone's copy is removed, each step as soon as the one
// before has answered. One phone's picture lands as "screen.png"; with several, each phone's under
// a name of its own, so no picture replaces another. A copy lands under a temporary name and takes
// the place of the earlier picture only once the tool reports success, so a failed copy (a full
// disk, say) leaves that picture as it was; the phone then keeps its copy, and the failures of one
// sequence are told in one message.
class ScreenshotSequence : public QObject
{
    Q_OBJECT

public:
    ScreenshotSequence(DeviceModel& devices, QString& scratchField, QObject* parent = nullptr);

    bool isRunning() const { return m_unfinished > 0; }
    // Starts a sequence for the phones a click addresses now; false, doing nothing, while one still
    // runs or when no phone is addressed.
    bool start();
    // How many phones the last sequence started with.
    int phoneCount() const { return m_phones; }

    // The picture's name on the computer for a phone, when several take part: the serial's letters,
    // digits, dots, dashes and underscores, and a short hash of the whole serial whenever anything
    // else had to be replaced or a long serial cut, so distinct serials never share a name.
    static QString pictureNameFor(const QString& serial);

signals:
    void finished();

private:
    struct Phone
    {
        QString selector;
        QString serial;
        QString picture; // the picture's name in the output folder
        QString part = {}; // the name the copy lands under until it is complete
    };

    void step(const Phone& phone, const ToolCommand& tail, Outside::AnswerHandler then);
    void capture(const Phone& phone);
    void copy(const Phone& phone);
    void remove(const Phone& phone);
    void fail(const Phone& phone, const QString& what, const QString& why);
    void phoneDone();

    DeviceModel& m_devices;
    QString& m_scratchField;
    QString m_folder; // the output folder at the click
    int m_phones = 0;
    int m_unfinished = 0;
    QStringList m_failures;
};
