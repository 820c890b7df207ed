#pragma once

#include "ProgramFolder.h"
#include "RecordingOutside.h"
#include "TestSupport.h"
#include "app/AppWindows.h"
#include "bridge/Deployment.h"
#include "bridge/DeviceModel.h"
#include "bridge/Remembered.h"
#include "controls/CheckButton.h"
#include "controls/N_Shape.h"
#include "info/About.h"
#include "launcher/Form1.h"
#include "startup/Start.h"
#include "state/ProgramState.h"

#include <QLabel>
#include <QTest>
#include <QTimer>

#include <algorithm>

// One run of the program: a program folder with a stand-in bridge tool, a recorder in place of
// everything that leaves the process, and the windows.
// A deployment with every value configured (test addresses, never the built ones).
struct TestDeployment
{
    Deployment::Values values {QStringLiteral("https://pages.test/help"), QStringLiteral("https://pages.test/home"),
        QStringLiteral("https://pages.test/works"), QStringLiteral("10001"), QStringLiteral("https://pages.test/join"),
        QStringLiteral("com.store.test"), QStringLiteral("wxp://f2f0test"),
        QStringLiteral("https://qr.alipay.test/fkx1")};
    TestDeployment() { Deployment::setForTests(&values); }
    ~TestDeployment() { Deployment::setForTests(nullptr); }
};

struct Fixture
{
    TestDeployment deployment;
    ProgramFolder program;
    RecordingOutside outside;
    AppWindows windows;

    // keepChoices: the program starts again, with the more options an earlier run left.
    explicit Fixture(const QStringList& standIns = {QStringLiteral("adb")}, bool keepChoices = false)
        : program(standIns)
    {
        // The more options chosen in an earlier test are not this one's.
        if (!keepChoices) {
            Remembered::settings()->remove(QStringLiteral("options"));
            Remembered::settings()->remove(QStringLiteral("phones"));
            Remembered::settings()->remove(QStringLiteral("phoneOptions"));
        }
    }

    Start& start() { return windows.start(); }
    Form1& launcher() { return windows.form1(); }

    // Runs the opening animation to its end (the maker query and its answer included) and shows
    // the start window; the recorder then starts empty.
    Start& grownStart()
    {
        Start& window = start();
        window.show();
        while (window.Timerst->isActive())
            window.tickTimerst();
        outside.settle();
        outside.clear();
        return window;
    }

    // What a called tool answers, by subcommand.
    void answer(const QString& subcommand, const QByteArray& output, int exitCode = 0, const QByteArray& errors = {})
    {
        outside.answers[subcommand] = ToolAnswer::exited(exitCode, output, errors);
    }

    template <typename Widget = N_Shape>
    static Widget* find(QWidget& window, const char* name)
    {
        auto* widget = window.findChild<Widget*>(QLatin1String(name));
        if (!widget)
            qFatal("no control %s in %s", name, qPrintable(window.objectName()));
        return widget;
    }

    static void click(QWidget* widget) { QTest::mouseClick(widget, Qt::LeftButton); }

    // Ticks or unticks a slot's box with a click, as the user does.
    void tick(int slot, bool ticked)
    {
        CheckButton* box = launcher().slotBox(slot);
        if ((box->Value() == 1) != ticked)
            click(box);
    }

    // Three phones listed, SER1 to SER3 in slots 1 to 3, and the slot boxes ticked as given.
    void selectSlots(std::initializer_list<int> chosen)
    {
        listPhones({QStringLiteral("SER1"), QStringLiteral("SER2"), QStringLiteral("SER3")});
        for (int slot = 1; slot <= 3; ++slot)
            tick(slot, std::find(chosen.begin(), chosen.end(), slot) != chosen.end());
    }

    // The phones the bridge lists now, each ready ("device").
    void listPhones(const QStringList& serials)
    {
        QList<DeviceList::Entry> listed;
        for (const QString& serial : serials)
            listed.append({serial, QStringLiteral("\t"), QStringLiteral("device")});
        launcher(); // the launcher observes the list from its creation
        // The makers the model asks each new phone for are not what the tests look at.
        const qsizetype starts = outside.starts.size();
        const qsizetype pending = outside.pending.size();
        windows.state().devices().setListed(listed);
        outside.forgetSince(starts, pending);
    }
};
