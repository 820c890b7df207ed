#include "options.h"

#include "bridge/BridgeProblems.h"
#include "bridge/DeviceModel.h"
#include "client/ClientVersion.h"
#include "controls/ButtonLooks.h"
#include "controls/CaptionFont.h"
#include "controls/N_Shape.h"
#include "controls/TypedText.h"
#include "controls/WindowParts.h"
#include "state/ChosenOptions.h"
#include "state/ProgramState.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QTabBar>
#include <QTabWidget>

#include <algorithm>

using Choice = ClientOptions::Choice;
using ClientOptions::Kind;

namespace {

// Each phone's item keeps the name it is listed under beside its identity.
constexpr int NameRole = Qt::UserRole + 1;

constexpr int Width = 540;
constexpr int Row = 22; // the height of a check box or option button
constexpr int Line = 30; // from one line of controls to the next
constexpr int Top = 40; // beneath the choice of whose options are edited
constexpr int Gap = 14; // between two controls of a line

// The window's pages and their frames, each with the choices of the client's table it offers, in
// the order they are shown. An option added to the table is offered by adding it to its frame here.
struct Section
{
    int page;
    const char* name;
    const char* title;
    QList<Choice> choices;
    const char* hint = nullptr;
};

const QList<Section>& sections()
{
    using C = Choice;
    static const QList<Section> all {
        {0, "videoFrame", QT_TRANSLATE_NOOP("options", "视频"),
            {C::VideoCodecH264, C::VideoCodecH265, C::VideoCodecAV1, C::MaxFps}},
        {0, "pictureFrame", QT_TRANSLATE_NOOP("options", "画面"),
            {C::Crop, C::TurnNone, C::Turn90, C::Turn180, C::Turn270},
            QT_TRANSLATE_NOOP("options", "裁剪以手机屏幕的像素计，X、Y 为左上角；旋转只转电脑上显示的画面。")},
        {1, "soundFrame", QT_TRANSLATE_NOOP("options", "声音"),
            {C::SoundOnComputer, C::SoundOnPhoneOnly, C::SoundOnBoth, C::SoundFromMicrophone}},
        {1, "keyboardFrame", QT_TRANSLATE_NOOP("options", "键盘"), {C::KeyboardDefault, C::PhysicalKeyboard}},
        {1, "mouseFrame", QT_TRANSLATE_NOOP("options", "鼠标"), {C::MouseDefault, C::MouseUhid, C::MouseAoa}},
        {1, "gamepadFrame", QT_TRANSLATE_NOOP("options", "游戏手柄"), {C::GamepadNone, C::GamepadUhid, C::GamepadAoa}},
        {2, "displayFrame", QT_TRANSLATE_NOOP("options", "虚拟显示器与应用"),
            {C::NewDisplay, C::FlexDisplay, C::KeepDisplayContent, C::ImeDefault, C::ImeOnDisplay, C::ImeOnPhone,
                C::ImeHidden, C::StartApp}},
        {2, "cameraFrame", QT_TRANSLATE_NOOP("options", "摄像头"),
            {C::Camera, C::CameraFacingBack, C::CameraFacingFront, C::CameraTorch, C::CameraZoom}},
        {3, "othersFrame", QT_TRANSLATE_NOOP("options", "其他"),
            {C::StayAwake, C::KeepActive, C::PowerOffOnClose, C::Borderless, C::NoControl, C::ScreenOffTimeout}},
    };
    return all;
}

const char* const PageNames[] {"picturePage", "inputPage", "displayPage", "othersPage"};
const char* const PageTitles[] {QT_TRANSLATE_NOOP("options", "画面"), QT_TRANSLATE_NOOP("options", "声音与输入"),
    QT_TRANSLATE_NOOP("options", "虚拟显示器与摄像头"), QT_TRANSLATE_NOOP("options", "其他")};

// An alternative among others of a frame is captioned on its line.
QString captionOf(const char* key)
{
    return QLatin1String(key) == QLatin1String("displayIme") ? options::tr("输入法：") : QString();
}

// A field is as wide as what it takes.
int fieldWidth(TypedValue::Shape shape)
{
    using S = TypedValue::Shape;
    return shape == S::Package ? 230 : shape == S::Crop ? 200 : shape == S::Size ? 120 : 110;
}

} // namespace

options::options(ProgramState& state)
    : m_state(state)
{
    setObjectName(QStringLiteral("options"));
    setWindowTitle(tr("更多投屏选项"));
    setFont(captionFont(9));

    buildPageChoice();
    buildPages();
    const int bottom = pages->geometry().bottom() + 8;
    versionNote = WindowParts::label(this, QStringLiteral("versionNote"), QString(), QRect(12, bottom, 380, 40));
    versionNote->setWordWrap(true);
    restore = ButtonLooks::create(this, QStringLiteral("restoreDefaults"), ButtonLooks::window(), tr("恢复默认"));
    restore->setGeometry(412, bottom + 6, 116, 28);
    connect(restore, &N_Shape::Click, this, &options::restoreDefaults);
    setFixedSize(Width, bottom + 48);

    // Every change is the user's choice, kept at once.
    for (auto* box : findChildren<CheckButton*>())
        connect(box, &CheckButton::Click, this, &options::take);
    for (auto* button : findChildren<OptionButton*>())
        connect(button, &OptionButton::Click, this, &options::take);
    for (auto* field : findChildren<QLineEdit*>())
        connect(field, &QLineEdit::textChanged, this, &options::take);

    connect(&m_state.clientVersion(), &ClientVersion::changed, this, &options::followClientRules);
    connect(&m_state.devices(), &DeviceModel::changed, this, &options::showPhones);
    // The page of a phone that has just told who it is stays its page, under its identity.
    connect(&m_state.devices().identities(), &PhoneIdentities::learnt, this,
        [this](const QString& name, const QString& identity) {
            if (m_phone != name)
                return;
            m_phone = identity;
            showPhones();
        });
    showPhones();
    showPage();
}

void options::buildPageChoice()
{
    WindowParts::label(this, QStringLiteral("editedPhoneLabel"), tr("选项用于："), QRect(12, 12, 80, 20));
    editedPhone = new QComboBox(this);
    editedPhone->setObjectName(QStringLiteral("editedPhone"));
    editedPhone->setGeometry(92, 8, 200, 26);
    editedPhone->setAccessibleName(tr("选项用于"));
    connect(editedPhone, &QComboBox::activated, this, [this] {
        m_phone = editedPhone->currentData().toString();
        m_phoneName = editedPhone->currentData(NameRole).toString();
        showPage();
    });
    pageNote = WindowParts::label(this, QStringLiteral("pageNote"), QString(), QRect(304, 4, 224, 34));
    pageNote->setWordWrap(true);
    pageNote->setFont(captionFont(8));
}

// "所有手机", then each phone in a slot by the name its slot shows, there or away. The page's own phone
// stays listed while it is away or gone, its changes kept for it: the page never turns under the
// user's typing.
void options::showPhones()
{
    const DeviceModel& devices = m_state.devices();
    editedPhone->clear();
    editedPhone->addItem(tr("所有手机"), QString());
    bool pageListed = m_phone.isEmpty();
    for (int slot = 1; slot <= DeviceModel::Slots; ++slot) {
        const DeviceModel::Phone* phone = devices.phoneAt(slot);
        const bool away = !phone;
        if (away)
            phone = devices.awayAt(slot);
        if (!phone)
            continue;
        const QString identity = devices.identityAt(slot);
        editedPhone->addItem(away ? tr("%1（已离开）").arg(phone->entry.serial) : phone->entry.serial, identity);
        editedPhone->setItemData(editedPhone->count() - 1,
            QStringList {phone->maker, phone->model}.join(QLatin1Char(' ')).trimmed(), Qt::ToolTipRole);
        editedPhone->setItemData(editedPhone->count() - 1, phone->entry.serial, NameRole);
        if (identity == m_phone) {
            pageListed = true;
            m_phoneName = phone->entry.serial;
        }
    }
    if (!pageListed) {
        editedPhone->addItem(tr("%1（已离开）").arg(m_phoneName), m_phone);
        editedPhone->setItemData(editedPhone->count() - 1, m_phoneName, NameRole);
    }
    editedPhone->setCurrentIndex(editedPhone->findData(m_phone));
    showAppChoice();
}

// The apps can be listed while a phone is there and the app to start can be chosen.
void options::showAppChoice()
{
    const bool phone = !appsPhone().isEmpty();
    chooseAppButton->setEnabledState(phone && startApp->isEnabled());
    chooseAppButton->setToolTip(!phone ? tr("没有已连接的手机") : startApp->toolTip());
}

void options::showPageNote()
{
    pageNote->setText(m_phone.isEmpty() ? tr("每台手机都用这些选项，有自己选项的手机除外。")
            : m_state.chosenOptions().differs(m_phone) ? tr("这台手机有自己的选项；“恢复默认”后它改用所有手机的选项。")
                                                       : tr("这台手机使用所有手机的选项；改动后它将有自己的选项。"));
}

// The page's choices: the shared ones, with the phone's own where it has them.
void options::showPage()
{
    const ChosenOptions& chosen = m_state.chosenOptions();
    showChoices(chosen.shown(m_phone));
    showPageNote();
    emit pageChanged(); // an app list open is another page's phone's
    followClientRules();
}

// Each page holds its frames one under another; the pages are as high as the highest.
void options::buildPages()
{
    pages = new QTabWidget(this);
    pages->setObjectName(QStringLiteral("pages"));
    QList<int> heights;
    for (int page = 0; page < int(std::size(PageNames)); ++page) {
        auto* holder = new QWidget;
        holder->setObjectName(QLatin1String(PageNames[page]));
        pages->addTab(holder, tr(PageTitles[page]));
        int top = 8;
        for (int section = 0; section < sections().size(); ++section) {
            if (sections()[section].page == page)
                top = buildSection(holder, section, top) + 6;
        }
        heights << top;
    }
    const int tabs = pages->tabBar()->sizeHint().height();
    pages->setGeometry(8, Top, Width - 16, *std::max_element(heights.cbegin(), heights.cend()) + tabs + 4);
}

// A frame of the page, its controls in lines, a typed value and an alternative of several always
// starting a line of their own; returns the frame's bottom.
int options::buildSection(QWidget* page, int index, int top)
{
    const Section& section = sections()[index];
    const int width = Width - 16 - 2 * 12;
    auto* frame = WindowParts::frame(page, QLatin1String(section.name), tr(section.title), QRect(12, top, width, 0));
    QPoint at(12, 24);
    for (qsizetype i = 0; i < section.choices.size(); ++i) {
        // An alternative follows on the line of the choice it needs (the facings the camera's).
        const std::optional<Choice> needs = ClientOptions::option(section.choices[i]).needs;
        makeControl(frame, section.choices[i], &at, width - 12, i > 0 && needs == section.choices[i - 1]);
    }
    int bottom = at.x() > 12 ? at.y() + Line : at.y(); // a typed value ends its line itself
    if (section.hint) {
        auto* hint = WindowParts::label(frame, QLatin1String(section.name).chopped(5) + QStringLiteral("Hint"),
            tr(section.hint), QRect(12, bottom - 4, width - 24, 20));
        hint->setFont(captionFont(8));
        bottom += 20;
    }
    frame->resize(width, bottom);
    return top + bottom;
}

// The control of a row of the client's table, at the place given, which then moves past it.
QWidget* options::makeControl(QWidget* frame, Choice choice, QPoint* at, int right, bool followsNeed)
{
    const ClientOptions::Option& row = ClientOptions::option(choice);
    const bool firstOfKey = ClientOptions::underKey(QLatin1String(row.key)).value(0) == choice;
    const bool newLine = row.kind == Kind::Typed || (row.kind == Kind::Alternative && firstOfKey && !followsNeed);
    if (newLine && at->x() > 12)
        *at = QPoint(12, at->y() + Line);
    QWidget* control = nullptr;
    if (row.kind == Kind::Typed) {
        WindowParts::label(frame, QLatin1String(row.key) + QStringLiteral("Label"), ClientOptions::name(choice),
            QRect(at->x(), at->y() + 2, 150, 20));
        control = makeField(frame, choice, QLatin1String(row.key), *at + QPoint(156, -2));
        *at = QPoint(12, at->y() + Line);
        m_controls.append({control, choice});
        return control;
    }
    if (row.kind == Kind::Alternative && firstOfKey && !captionOf(row.key).isEmpty()) {
        WindowParts::label(frame, QLatin1String(row.key) + QStringLiteral("Label"), captionOf(row.key),
            QRect(at->x(), at->y() + 2, 80, 20));
        at->rx() += 80;
    }
    const QString name = QLatin1String(row.control ? row.control : row.key);
    if (row.kind == Kind::Flag)
        control = WindowParts::check(frame, name, ClientOptions::name(choice), 0, QRect(*at, QSize(0, Row)));
    else
        control = WindowParts::option(frame, name, ClientOptions::name(choice), QRect(*at, QSize(0, Row)));
    control->resize(control->sizeHint().width() + 8, Row);
    if (at->x() > 12 && at->x() + control->width() > right) {
        *at = QPoint(12, at->y() + Line);
        control->move(*at);
    }
    at->rx() += control->width() + Gap;
    m_controls.append({control, choice});
    // A flag's own value is typed beside it.
    if (row.valueKey) {
        QLineEdit* field = makeField(frame, choice, QLatin1String(row.valueKey), *at + QPoint(0, -2));
        at->rx() += field->width() + Gap;
        m_controls.append({field, choice});
    }
    return control;
}

QLineEdit* options::makeField(QWidget* parent, Choice choice, const QString& name, const QPoint& at)
{
    const ClientOptions::Option& row = ClientOptions::option(choice);
    const QString named = QCoreApplication::translate("ClientOptions", row.valueName ? row.valueName : row.name);
    QLineEdit* field
        = WindowParts::field(parent, name, QString(), QRect(at, QSize(fieldWidth(row.rule.shape), 24)), named);
    field->setMaxLength(row.rule.shape == TypedValue::Shape::Package ? 255 : 32);
    field->setPlaceholderText(TypedValue::placeholder(row.rule));
    // Wide enough for its hint to be read whole.
    field->resize(qMax(field->width(), field->fontMetrics().horizontalAdvance(field->placeholderText()) + 16), 24);
    TypedText::sayWhenFull(*field, named, BridgeProblems::tell);
    if (choice == Choice::StartApp) {
        startApp = field;
        chooseAppButton = ButtonLooks::create(parent, QStringLiteral("chooseApp"), ButtonLooks::window(), tr("选择…"));
        chooseAppButton->setGeometry(field->geometry().right() + 8, at.y() - 2, 80, 28);
        connect(chooseAppButton, &N_Shape::Click, this, &options::chooseApp);
    }
    return field;
}

// The controls show the choices; setting them from here is not a choice of the user's.
void options::showChoices(const MoreOptions& choices)
{
    m_showing = true;
    m_choices = choices;
    for (const auto& [control, choice] : m_controls) {
        if (auto* field = qobject_cast<QLineEdit*>(control))
            field->setText(choices.typed(choice));
        else if (auto* box = qobject_cast<CheckButton*>(control))
            box->setValue(choices.isChosen(choice) ? 1 : 0);
        else if (auto* button = qobject_cast<OptionButton*>(control))
            button->setValue(choices.isChosen(choice));
    }
    m_showing = false;
}

// What the controls show becomes the choices, and is kept.
void options::take()
{
    if (m_showing)
        return;
    for (const auto& [control, choice] : m_controls) {
        if (auto* field = qobject_cast<QLineEdit*>(control))
            m_choices.type(choice, field->text());
        else if (auto* box = qobject_cast<CheckButton*>(control))
            box->Value() == 1 ? m_choices.choose(choice) : m_choices.drop(choice);
        else if (auto* button = qobject_cast<OptionButton*>(control); button && button->Value())
            m_choices.choose(choice);
    }
    m_state.chosenOptions().set(m_phone, m_choices);
    showPageNote(); // a phone's first change gives it options of its own
    followClientRules();
}

// On the shared page every choice goes back to its default; on a phone's, its own are dropped and
// the page shows the shared ones it follows again.
void options::restoreDefaults()
{
    m_state.chosenOptions().restoreDefaults(m_phone);
    showPage();
}

// The phone whose apps the list shows: the page's while it is there, or for the shared page the first
// phone in a slot.
QString options::appsPhone() const
{
    if (!m_phone.isEmpty()) {
        const DeviceModel::Phone* phone = m_state.devices().phoneAt(m_state.devices().slotOf(m_phone));
        return phone ? phone->entry.serial : QString();
    }
    for (int slot = 1; slot <= DeviceModel::Slots; ++slot) {
        if (const DeviceModel::Phone* phone = m_state.devices().phoneAt(slot))
            return phone->entry.serial;
    }
    return {};
}

void options::chooseApp()
{
    const QString phone = appsPhone();
    if (phone.isEmpty())
        return;
    emit appListWanted(phone);
}

// Why the choice cannot be made now: the installed client does not know it, or refuses it beside a
// choice already made; empty when it can. A choice made stays open to be undone.
QString options::whyNot(Choice choice, const QList<Choice>& chosen) const
{
    const QVersionNumber version = m_state.clientVersion().version();
    if (version.isNull())
        return {};
    const ClientOptions::Option& row = ClientOptions::option(choice);
    if (!ClientOptions::knows(version, choice)) {
        return !row.droppedIn.isNull() && version >= row.droppedIn
            ? tr("scrcpy %1 起不再支持").arg(row.droppedIn.toString())
            : tr("需要 scrcpy %1 或更高版本").arg(row.since.toString());
    }
    if (const ClientOptions::RefusedPair* pair = ClientOptions::conflict(choice, chosen, version);
        pair && !chosen.contains(choice))
        return ClientOptions::reason(*pair);
    return {};
}

// A control follows the rules of the choice it needs first (the camera's facings the camera's),
// then its own. While the version is not known, nothing is disabled and nothing applies.
void options::followClientRules()
{
    const QVersionNumber version = m_state.clientVersion().version();
    const QList<Choice> chosen = m_choices.chosen();
    for (const auto& [control, choice] : m_controls) {
        const std::optional<Choice> needs = ClientOptions::option(choice).needs;
        QString why = needs ? whyNot(*needs, chosen) : QString();
        if (why.isEmpty())
            why = whyNot(choice, chosen);
        if (auto* box = qobject_cast<CheckButton*>(control))
            box->setEnabledState(why.isEmpty());
        else
            control->setEnabled(why.isEmpty());
        control->setToolTip(why);
    }
    showAppChoice();
    versionNote->setText(version.isNull()
            ? tr("投屏客户端的版本尚未知道：知道之前，这些选项都不会加到启动命令中。")
            : tr("投屏客户端 scrcpy %1：灰色的选项需要更新的版本，或与已选的选项不能同时使用。")
                  .arg(version.toString()));
}

void options::takeApp(const QString& package)
{
    startApp->setText(package);
}
