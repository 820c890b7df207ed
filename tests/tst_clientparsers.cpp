// Every launch's words against the mirroring client's own argument parser, release by release:
// each single choice and each pair of choices, the launcher's and the window of more options', with
// one phone and with three. What a client receives is accepted by its release's parser, and a pair
// the parser refuses is refused by the program first, with one message naming both choices.
#include "Fixture.h"
#include "client/MoreOptions.h"
#include "controls/OptionButton.h"
#include "state/ChosenOptions.h"

#include <QDir>
#include <QProcess>

#include <memory>
#include <vector>

using namespace TestSupport;

namespace {

// Beside the repository, as the project's shared folder is laid out for CI too.
const QString ParsersFolder = QStringLiteral(CLIENT_PARSERS_DIR);

struct Choice
{
    const char* key;
    const char* name; // as the window shows it, and messages name it
    const char* group; // two choices of one group cannot both be made
    std::function<void(Form1&, MoreOptions&)> make;
    const char* needs = nullptr; // the name of the choice it is made beside, which a message may name instead
};

using O = MoreOptions;
using C = ClientOptions::Choice;

// Choices of the window of more options, made as the window makes them; the last takes the value.
std::function<void(Form1&, O&)> more(QList<C> made, const QString& value = {})
{
    return [made, value](Form1&, O& o) {
        for (const C choice : made)
            o.choose(choice);
        o.type(made.last(), value);
    };
}

const QList<Choice>& choices()
{
    static const QList<Choice> all {
        {"fullscreen", "全屏启动", "fullscreen", [](Form1& f, O&) { f.fulls->setValue(1); }},
        {"screen off", "黑屏启动", "screen off", [](Form1& f, O&) { f.HP->setValue(1); }},
        {"touches", "显示触摸", "touches", [](Form1& f, O&) { f.ST->setValue(1); }},
        {"record", "启动时录屏", "record", [](Form1& f, O&) { f.recor->setValue(1); }},
        {"panels", "悬浮工具栏", "panels", [](Form1& f, O&) { f.fmenux->setValue(1); }},
        {"1920", "1920", "size", [](Form1& f, O&) { f.QHD->setValue(true), f.defa->setValue(false); }},
        {"30M", "30Mbps", "bit rate", [](Form1& f, O&) { f.BH->setValue(true), f.Bdefa->setValue(false); }},
        {"h265", "H.265", "codec", more({C::VideoCodecH265})},
        {"av1", "AV1", "codec", more({C::VideoCodecAV1})},
        {"60 fps", "最高帧率", "fps", more({C::MaxFps}, "60")},
        {"sound on phone", "仍在手机播放", "sound", more({C::SoundOnPhoneOnly})},
        {"sound on both", "电脑和手机同时播放", "sound", more({C::SoundOnBoth})},
        {"microphone", "麦克风", "sound", more({C::SoundFromMicrophone})},
        {"keyboard", "模拟物理键盘", "keyboard", more({C::PhysicalKeyboard})},
        {"mouse uhid", "模拟物理鼠标", "mouse", more({C::MouseUhid})},
        {"mouse aoa", "AOA 鼠标（USB）", "mouse", more({C::MouseAoa})},
        {"gamepad uhid", "模拟手柄", "gamepad", more({C::GamepadUhid})},
        {"gamepad aoa", "AOA 手柄（USB）", "gamepad", more({C::GamepadAoa})},
        {"display", "虚拟显示器", "display", more({C::NewDisplay})},
        {"display 1080x1920", "虚拟显示器", "display", more({C::NewDisplay}, "1080×1920")},
        {"flex display", "随窗口大小变化", "flex", more({C::NewDisplay, C::FlexDisplay}), "虚拟显示器"},
        {"keep content", "关闭后保留其上的应用", "keep", more({C::NewDisplay, C::KeepDisplayContent}), "虚拟显示器"},
        {"ime local", "在虚拟显示器上", "ime", more({C::NewDisplay, C::ImeOnDisplay}), "虚拟显示器"},
        {"ime hidden", "不显示", "ime", more({C::NewDisplay, C::ImeHidden}), "虚拟显示器"},
        {"app", "启动应用", "app", more({C::StartApp}, "com.android.settings")},
        {"camera", "摄像头画面", "camera", more({C::Camera})},
        {"front camera", "摄像头画面", "camera", more({C::Camera, C::CameraFacingFront})},
        {"torch", "打开闪光灯", "torch", more({C::Camera, C::CameraTorch}), "摄像头画面"},
        {"zoom", "变焦倍数", "zoom", more({C::Camera, C::CameraZoom}, "2.5"), "摄像头画面"},
        {"crop", "裁剪画面", "crop", more({C::Crop}, "1080：1200：0：0")},
        {"turn 90", "旋转 90°", "turn", more({C::Turn90})},
        {"turn 270", "旋转 270°", "turn", more({C::Turn270})},
        {"awake", "保持唤醒", "awake", more({C::StayAwake})},
        {"keep active", "保持运行但不亮屏", "active", more({C::KeepActive})},
        {"screen off after", "无操作后关屏（秒）", "timeout", more({C::ScreenOffTimeout}, " 300 ")},
        {"lock on close", "关闭窗口时锁屏", "lock", more({C::PowerOffOnClose})},
        {"borderless", "无边框窗口", "borderless", more({C::Borderless})},
        {"view only", "只看不控", "view only", more({C::NoControl})},
    };
    return all;
}

// The words of the window of more options: none of them reaches a client whose version is unknown.
const QStringList WindowOptionWords {"--video-codec", "--max-fps", "--no-audio", "--audio-dup", "--audio-source",
    "--keyboard", "--mouse", "--gamepad", "--new-display", "--flex-display", "--no-vd-destroy-content",
    "--display-ime-policy", "--start-app", "--video-source", "--camera-facing", "--camera-torch", "--camera-zoom",
    "--stay-awake", "--keep-active", "--screen-off-timeout", "--power-off-on-close", "--window-borderless",
    "--no-control", "--crop", "--orientation"};

// One launch of a set of choices, and what came of it.
struct Launched
{
    QList<const Choice*> made;
    int phones = 1;
    QList<QStringList> clients; // each client's words, the program's name left out
    QStringList messages;
};

using Asked = std::pair<QString, QStringList>; // a release and the words it is handed

// What each release's parser says of each list of words, four at a time: empty when it accepts them,
// else the client's own error.
QHash<Asked, QString> parse(const QSet<Asked>& asked)
{
    QHash<Asked, QString> said;
    std::vector<std::pair<Asked, std::unique_ptr<QProcess>>> running;
    const auto finishFirst = [&] {
        auto [words, process] = std::move(running.front());
        running.erase(running.begin());
        process->waitForFinished(10000);
        const bool accepted = process->exitStatus() == QProcess::NormalExit && process->exitCode() == 0;
        said.insert(words, accepted ? QString() : QString::fromUtf8(process->readAllStandardError()) + "(refused)");
    };
    for (const Asked& words : asked) {
        running.emplace_back(words, std::make_unique<QProcess>());
        running.back().second->start(ParsersFolder + QStringLiteral("/parse-v") + words.first, words.second);
        if (running.size() >= 4)
            finishFirst();
    }
    while (!running.empty())
        finishFirst();
    return said;
}

QStringList releases()
{
    return QDir(ParsersFolder).entryList({QStringLiteral("parse-v*")}, QDir::Files).replaceInStrings("parse-v", "");
}

// Every set of none, one or two choices of different groups, launched with one phone and with three
// through the real launcher, the more options left in the settings file as the window leaves them.
QList<Launched> launchAll(Fixture& f, const QByteArray& versionAnswer)
{
    f.outside.answerer = [versionAnswer](const Outside::ToolStart& start) {
        return ToolAnswer::exited(0, start.words.contains("--version") ? versionAnswer : QByteArray());
    };
    Form1& form = f.launcher();
    form.show();
    f.outside.settle();
    QList<QList<const Choice*>> sets {{}};
    for (const Choice& a : choices()) {
        sets.append(QList<const Choice*> {&a});
        for (const Choice* b = &a + 1; b != choices().cend(); ++b) {
            if (qstrcmp(a.group, b->group) != 0)
                sets.append(QList<const Choice*> {&a, b});
        }
    }
    QList<Launched> launches;
    for (const int phones : {1, 3}) {
        f.selectSlots(phones == 1 ? std::initializer_list<int> {1} : std::initializer_list<int> {1, 2, 3});
        for (const QList<const Choice*>& made : sets) {
            for (CheckButton* box : {form.fulls, form.HP, form.ST, form.recor, form.fmenux, form.topshow})
                box->setValue(box == form.topshow ? 1 : 0);
            for (OptionButton* option : form.findChildren<OptionButton*>())
                option->setValue(option == form.defa || option == form.Bdefa);
            MoreOptions more;
            for (const Choice* choice : made)
                choice->make(form, more);
            more.write(*Remembered::settings());
            f.outside.clear();
            Fixture::click(form.QSNUM);
            for (int tick = 0; tick < 5; ++tick)
                form.tickTimerTOT();
            Launched launched {made, phones, {}, f.outside.messageTexts()};
            for (const Outside::ToolStart& start : f.outside.starts) {
                if (start.words.value(0) == "scrcpy")
                    launched.clients.append(start.words.mid(1));
            }
            launches.append(launched);
        }
    }
    return launches;
}

} // namespace

class TestClientParsers : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        useTestFolders();
        QVERIFY2(releases().size() >= 14, qPrintable("the client's parsers are missing from " + ParsersFolder));
    }
    void everyLaunchIsAcceptedOrRefusedFirst_data()
    {
        QTest::addColumn<QString>("release"); // empty: a client whose version could not be read
        for (const QString& release : releases())
            QTest::newRow(qPrintable(release)) << release;
        QTest::newRow("unknown") << QString();
    }
    void everyLaunchIsAcceptedOrRefusedFirst();
    void threePhonesEachTheirOwnWords_data();
    void threePhonesEachTheirOwnWords();
};

// For one release: every list of words handed to a client is accepted by that release's parser; a
// pair of choices is told in a message naming both exactly when the parser refuses the two together
// (their words as each alone gives them); no other choice is dropped unsaid.
void TestClientParsers::everyLaunchIsAcceptedOrRefusedFirst()
{
    QFETCH(QString, release);
    Fixture f;
    const QList<Launched> launches = launchAll(
        f, release.isEmpty() ? QByteArray("usage: scrcpy [options]\n") : "scrcpy " + release.toLatin1() + "\n");
    // A client of unknown version may be any release: its words must suit every one.
    const QStringList judges = release.isEmpty() ? releases() : QStringList {release};

    // Each choice's own words with one phone, beyond those of no choice at all.
    QHash<const Choice*, QStringList> own;
    const QStringList base = launches.first().clients.value(0);
    for (const Launched& launched : launches) {
        if (launched.phones == 1 && launched.made.size() == 1) {
            QStringList words = launched.clients.value(0);
            for (const QString& word : base)
                words.removeOne(word);
            own.insert(launched.made[0], words);
        }
    }
    // Two choices that both set an option (the camera's facing, a virtual display beside what needs one)
    // give it once, as the first sets it.
    const auto together = [&](const Launched& l) {
        const QStringList first = own[l.made.value(0)];
        QStringList words = base + first;
        for (const QString& word : own[l.made.value(1)]) {
            const QString option = word.section('=', 0, 0);
            if (std::none_of(
                    first.cbegin(), first.cend(), [&](const QString& w) { return w.section('=', 0, 0) == option; }))
                words << word;
        }
        return words;
    };
    QSet<Asked> asked;
    for (const QString& judge : judges) {
        for (const Launched& launched : launches) {
            for (const QStringList& words : launched.clients)
                asked.insert({judge, words});
            asked.insert({judge, together(launched)});
        }
    }
    const QHash<Asked, QString> parsers = parse(asked);

    int refusedPairs = 0;
    for (const Launched& launched : launches) {
        QString what = QStringLiteral("%1 phone(s):").arg(launched.phones);
        for (const Choice* choice : launched.made)
            what += QLatin1Char(' ') + QString::fromLatin1(choice->key);
        QCOMPARE(launched.clients.size(), launched.phones);
        for (const QStringList& words : launched.clients) {
            for (const QString& judge : judges) {
                const QString refused = parsers.value({judge, words});
                QVERIFY2(refused.isEmpty(),
                    qPrintable(what + ": " + judge + " refuses " + words.join(' ') + ": " + refused));
            }
            for (const QString& word : words)
                QVERIFY2(!release.isEmpty() || !WindowOptionWords.contains(word.section('=', 0, 0)), qPrintable(what));
        }
        // Two choices whose words are options of their own (not a value replacing the launcher's) are
        // what the parser is asked of together.
        const auto ownOptions = [&](const Choice* c) { return own[c].isEmpty() || own[c].first().startsWith("--"); };
        if (launched.made.size() != 2 || launched.phones != 1 || !ownOptions(launched.made[0])
            || !ownOptions(launched.made[1]))
            continue;
        const bool parserRefuses = !parsers.value({judges.first(), together(launched)}).isEmpty();
        const auto names = [](const QString& m, const Choice* c) {
            return m.contains(QString::fromUtf8(c->name)) || (c->needs && m.contains(QString::fromUtf8(c->needs)));
        };
        const bool told = std::any_of(launched.messages.cbegin(), launched.messages.cend(),
            [&](const QString& m) { return names(m, launched.made[0]) && names(m, launched.made[1]); });
        QVERIFY2(told == parserRefuses,
            qPrintable(what + (told ? ": told, though the parser accepts " : ": not told, though the parser refuses ")
                + together(launched).join(' ') + " / " + launched.messages.join(" | ")));
        const QStringList both = together(launched);
        if (!told) // and nothing of either choice is dropped unsaid
            QCOMPARE(QSet<QString>(launched.clients[0].cbegin(), launched.clients[0].cend()),
                QSet<QString>(both.cbegin(), both.cend()));
        refusedPairs += told ? 1 : 0;
    }
    // The rules bite where the client has them: "view only" beside "screen off" from 1.10 on.
    QCOMPARE(refusedPairs > 0, !release.isEmpty());
}

void TestClientParsers::threePhonesEachTheirOwnWords_data()
{
    QTest::addColumn<QString>("release");
    QTest::newRow("3.0") << "3.0";
    QTest::newRow("4.1") << "4.1";
}

// Three phones, each with choices of its own: each client gets exactly its phone's words (the sound
// on the phone for all but the first), and the installed release's parser accepts every client's.
void TestClientParsers::threePhonesEachTheirOwnWords()
{
    QFETCH(QString, release);
    Fixture f;
    f.outside.answerer = [release](const Outside::ToolStart& start) {
        return ToolAnswer::exited(0, start.words.contains("--version") ? "scrcpy " + release.toLatin1() + "\n" : "");
    };
    Form1& form = f.launcher();
    form.show();
    f.outside.settle();
    f.selectSlots({1, 2, 3});
    const struct
    {
        std::function<void(Form1&, O&)> make;
        QStringList words;
    } phones[] {
        {more({C::VideoCodecH265, C::Crop}, "1080:1200:0:0"), {"--video-codec=h265", "--crop=1080:1200:0:0"}},
        {more({C::Camera, C::CameraFacingFront, C::Turn90}),
            {"--no-audio", "--video-source=camera", "--camera-facing=front", "--orientation=90"}},
        {[](Form1& f, O& o) {
             more({C::StayAwake, C::NewDisplay}, "1080x1920")(f, o), o.type(C::StartApp, "com.android.settings");
         },
            {"--no-audio", "--new-display=1080x1920", "--start-app=com.android.settings", "--stay-awake"}},
    };
    for (int slot = 1; slot <= 3; ++slot) {
        MoreOptions own;
        phones[slot - 1].make(form, own);
        f.windows.state().chosenOptions().set(QStringLiteral("SER%1").arg(slot), own);
    }
    f.outside.clear();
    Fixture::click(form.QSNUM);
    for (int tick = 0; tick < 5; ++tick)
        form.tickTimerTOT();
    QCOMPARE(f.outside.messageTexts(), QStringList());
    QSet<Asked> asked;
    QList<QStringList> clients;
    for (const Outside::ToolStart& start : f.outside.starts) {
        if (start.words.value(0) == "scrcpy")
            clients << start.words.mid(1), asked.insert({release, start.words.mid(1)});
    }
    QCOMPARE(clients.size(), 3);
    const QHash<Asked, QString> parsers = parse(asked);
    for (int i = 0; i < 3; ++i) {
        QCOMPARE(clients[i].mid(0, 2), QStringList({"-s", QStringLiteral("SER%1").arg(i + 1)}));
        QCOMPARE(clients[i].mid(clients[i].indexOf("--window-height") + 2), phones[i].words);
        QVERIFY2(parsers.value({release, clients[i]}).isEmpty(), qPrintable(parsers.value({release, clients[i]})));
    }
}

QTEST_MAIN(TestClientParsers)
#include "tst_clientparsers.moc"
