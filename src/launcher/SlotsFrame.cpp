#include "SlotsFrame.h"

#include "Form1.h"
#include "bridge/DeviceModel.h"
#include "bridge/PhoneReconnect.h"
#include "controls/CaptionFont.h"
#include "controls/CheckButton.h"
#include "controls/Twips.h"
#include "controls/WindowParts.h"
#include "state/ChosenOptions.h"
#include "state/ProgramState.h"

#include <QLabel>

#include <tuple>

using WindowParts::check;

namespace {
constexpr int RowHeight = 255;
}

SlotsFrame::SlotsFrame(ProgramState& state, Form1& form)
    : QObject(&form)
    , m_state(state)
    , m_form(form)
{
    auto* frame = WindowParts::frame(
        &m_form, QStringLiteral("frameDevices"), tr("多设备启动"), Twips::rect(6120, 3480, 2535, 1575));
    m_form.devfc = check(frame, QStringLiteral("devfc"), QString(), 1, Twips::rect(240, 360, 1935, RowHeight + 60));
    m_form.devsc = check(frame, QStringLiteral("devsc"), QString(), 0, Twips::rect(240, 720, 1935, RowHeight + 60));
    m_form.devtc = check(frame, QStringLiteral("devtc"), QString(), 0, Twips::rect(240, 1080, 1935, RowHeight + 60));
    for (auto [mark, name, top] : {std::tuple {&m_form.devfOwn, "devfOwn", 360}, {&m_form.devsOwn, "devsOwn", 720},
             {&m_form.devtOwn, "devtOwn", 1080}}) {
        *mark = WindowParts::label(frame, QLatin1String(name), QStringLiteral("★"), Twips::rect(2205, top, 240, 300));
        (*mark)->setAlignment(Qt::AlignCenter);
        (*mark)->setStyleSheet(QStringLiteral("color: #1e6fd9;"));
        (*mark)->setAccessibleName(tr("自己的选项"));
        (*mark)->hide();
    }
    connect(&m_state.chosenOptions(), &ChosenOptions::changed, this, &SlotsFrame::showOwnOptions);
    // A phone's own options are found by who it is, once it has told.
    connect(&m_state.devices().identities(), &PhoneIdentities::learnt, this, &SlotsFrame::showOwnOptions);
    m_form.devicesMore = new QLabel(frame);
    m_form.devicesMore->setObjectName(QStringLiteral("devicesMore"));
    m_form.devicesMore->setGeometry(Twips::rect(240, 1335, 2175, 225));
    m_form.devicesMore->setFont(captionFont(8));
    // The boxes show which slots the device model has ticked, and a click ticks or unticks there.
    for (int slot = 1; slot <= 3; ++slot) {
        CheckButton* box = m_form.slotBox(slot);
        connect(box, &CheckButton::Click, this,
            [this, box, slot] { m_state.devices().setTicked(slot, box->Value() == 1); });
    }
    DeviceModel& model = m_state.devices();
    connect(&m_state.reconnect(), &PhoneReconnect::givenUp, this,
        [this](const QString& serial) { m_form.say(tr("%1 在 10 分钟内没能重新连接，已不再尝试。").arg(serial)); });
    connect(&model, &DeviceModel::changed, this, &SlotsFrame::showDevices);
    connect(&model, &DeviceModel::selectionChanged, this, &SlotsFrame::showSelection);
    connect(&model, &DeviceModel::makerKnown, this, &SlotsFrame::describeSlots);
    connect(&model, &DeviceModel::modelKnown, this, &SlotsFrame::describeSlots);
    showSelection();
}

// The slots show the phones listed now. A slot without a phone looks as it looks at start-up when
// no phone is there for it; a lone phone is always the one the launch and the panels address.
void SlotsFrame::showDevices()
{
    const DeviceModel& devices = m_state.devices();
    int slotted = 0;
    for (int slot = 1; slot <= 3; ++slot)
        slotted += devices.phoneAt(slot) || devices.awayAt(slot) ? 1 : 0;
    for (int slot = 1; slot <= 3; ++slot) {
        CheckButton* box = m_form.slotBox(slot);
        m_form.serial(slot) = devices.fieldAt(slot);
        // A phone being connected again keeps its slot, shown by its serial but out of reach.
        const DeviceModel::Phone* away = devices.awayAt(slot);
        box->setCaption(devices.phoneAt(slot) ? m_form.serial(slot)
                : away                        ? away->entry.serial
                                              : QStringLiteral("N/A"));
        box->setEnabledState(devices.phoneAt(slot) && slotted > 1);
    }
    showSelection();
    describeSlots();
    m_form.showNotice();
    showOwnOptions();
    const int listed = devices.count();
    if (listed == 0)
        m_form.showNoPhone();
    else
        m_form.setWindowTitle(Form1::Title() + tr(" 【已连接 %1 台设备】").arg(listed));
    const QStringList more = devices.withoutSlot();
    const QString named
        = more.isEmpty() ? QString() : tr("另有 %1 台设备没有位置：%2").arg(more.size()).arg(more.join(tr("、")));
    // The line under the slots shows the serials first; the tooltip says it in full.
    const QString line = more.isEmpty() ? QString() : tr("另有设备：") + more.join(tr("、"));
    m_form.devicesMore->setText(
        m_form.devicesMore->fontMetrics().elidedText(line, Qt::ElideRight, m_form.devicesMore->width()));
    m_form.devicesMore->setToolTip(named);
    m_form.devicesMore->parentWidget()->setToolTip(named);
}

// A phone whose own more options differ from the shared ones is marked; the mark's tooltip lists how.
void SlotsFrame::showOwnOptions()
{
    const ChosenOptions& chosen = m_state.chosenOptions();
    for (int slot = 1; slot <= 3; ++slot) {
        QLabel* mark = slot == 1 ? m_form.devfOwn : slot == 2 ? m_form.devsOwn : m_form.devtOwn;
        const QStringList differences
            = m_state.devices().phoneAt(slot) ? chosen.differences(m_state.devices().identityAt(slot)) : QStringList();
        mark->setVisible(!differences.isEmpty());
        mark->setToolTip(differences.isEmpty()
                ? QString()
                : tr("这台手机有自己的投屏选项：\n%1").arg(differences.join(QLatin1Char('\n'))));
    }
}

void SlotsFrame::showSelection()
{
    for (int slot = 1; slot <= 3; ++slot)
        m_form.slotBox(slot)->setValue(m_state.devices().isTicked(slot) ? 1 : 0);
}

// Each slot's phone by its maker and model, as far as it has told them.
void SlotsFrame::describeSlots()
{
    for (int slot = 1; slot <= 3; ++slot) {
        const DeviceModel::Phone* phone = m_state.devices().phoneAt(slot);
        QString described
            = phone ? QStringList {phone->maker, phone->model}.join(QLatin1Char(' ')).trimmed() : QString();
        if (m_state.devices().awayAt(slot)) {
            const int tries = m_state.devices().awayTries(slot);
            described = tries == 0 ? tr("连接已断开，正在等待重新连接…")
                                   : tr("连接已断开，正在重新连接（已尝试 %1 次）…").arg(tries);
        }
        m_form.slotBox(slot)->setToolTip(described);
        m_form.slotBox(slot)->setAccessibleDescription(described);
    }
}
