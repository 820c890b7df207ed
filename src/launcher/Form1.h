#pragma once

#include "bridge/Language.h"
#include "bridge/ToolCommand.h"
#include "client/LaunchCommandBuilder.h"
#include "client/LaunchPlanner.h"
#include "state/ProgramState.h"

#include <QCoreApplication>
#include <QString>
#include <QWidget>

#include <array>

class ClientVersion;
class MirrorClients;
class DeviceModel;
class CheckButton;
class LinkLabel;
class N_Shape;
class OptionButton;
class QLabel;
class QLineEdit;
class QTimer;
class SlotsFrame;

// The launcher: which devices take part and how they are mirrored. Its slot boxes show and change
// which phones the device model has ticked; it owns the scratch fields and every launch setting.
class Form1 : public QWidget
{
    Q_OBJECT

public:
    explicit Form1(ProgramState& state);

    static QString Title() { return Language::programTitle(); }

    // The phones listed now, which the slots show.
    DeviceModel& devices() const { return m_state.devices(); }
    // The installed client's version, which the launch follows.
    ClientVersion& clientVersion() const { return m_state.clientVersion(); }

    // Slot k (1 to 3): its check box, serial field and device selector.
    CheckButton* slotBox(int slot) const;
    QString& serial(int slot);
    QString& selector(int slot);
    const QString& selector(int slot) const { return const_cast<Form1*>(this)->selector(slot); }
    const QString& serial(int slot) const { return const_cast<Form1*>(this)->serial(slot); }

    // Device slots.
    CheckButton* devfc = nullptr;
    CheckButton* devsc = nullptr;
    CheckButton* devtc = nullptr;
    QString devft, devst, devtt;
    QString devfst, devsst, devtst;

    // Scratch fields: the text of the last command each one was written with. INTERTEXT is every
    // window's, so the program keeps it and the launcher shows it.
    QString& INTERTEXT;
    QString INTERTEXTS = QStringLiteral("Text1");
    QString INTERTEXTT = QStringLiteral("Text1");

    // Option fragments of the last launch.
    QString TRES, TBIT, FS, TS, STT, HPT, RECO;

    // Option check boxes and the record name.
    CheckButton* topshow = nullptr;
    CheckButton* fmenux = nullptr;
    CheckButton* HP = nullptr;
    CheckButton* recor = nullptr;
    CheckButton* ST = nullptr;
    CheckButton* fulls = nullptr;
    QLineEdit* scrtext = nullptr;
    // The record name's field as messages name it.
    static QString RecordNameField() { return tr("录屏文件名"); }

    // Bit rate and size.
    OptionButton *BH = nullptr, *BM = nullptr, *BTW = nullptr, *Bdefa = nullptr, *BL = nullptr, *BZDY = nullptr;
    OptionButton *defa = nullptr, *QHD = nullptr, *FHD = nullptr, *HD = nullptr;

    // Names the phones listed beyond the three slots.
    QLabel* devicesMore = nullptr;
    // Beside a slot whose phone has more options of its own, unlike the shared ones.
    QLabel *devfOwn = nullptr, *devsOwn = nullptr, *devtOwn = nullptr;

    N_Shape* QSNUM = nullptr;
    N_Shape* helpp = nullptr;
    N_Shape* N_Shape1hjj = nullptr;
    N_Shape* N_Shape1about = nullptr;
    LinkLabel* toolsLink = nullptr;
    LinkLabel* optionsLink = nullptr;
    LinkLabel* sendLink = nullptr;
    QLabel* launchStatus = nullptr;

    // The clients of the launches: started, watched, told and opened again.
    MirrorClients& mirrors() const { return m_state.mirrors(); }
    // No phone is listed: the title says so.
    void showNoPhone();
    // The notice frame's first line, for the phones listed now.
    void showNotice();
    // What happened to the phones and their mirrors since, in the status line.
    void say(const QString& status);

    QTimer* TimerTOT = nullptr;
    qint16 launchTicks = 0;

    void tickTimerTOT();

signals:
    // The user asks for another window; the launch asks for the panels.
    void shortcutKeysWanted();
    void aboutWanted();
    void toolsWanted();
    void moreOptionsWanted();
    void panelsWanted();
    // Files are on their way to the phones: their window is wanted.
    void sendingWanted();

public:
    // Sends the files to the phone of slot 1 to 3, or with slot 0 to every ticked phone.
    void sendFiles(const QStringList& files, int slot);

protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dragLeaveEvent(QDragLeaveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void buildResolutionFrame();
    void buildOptionsFrame();
    void buildBitRateFrame();
    void buildRecordFrame();
    void buildButtons();
    void buildNoticeFrame();
    void buildLinks();
    void load();

    void launchClick();
    LaunchSettings settings() const;
    std::array<LaunchPlanner::SlotChoices, 3> slotChoices() const;
    void readSizeAndBitRate();
    void composeLines(const std::array<LaunchPlanner::ClientChoices, 3>& given, const QVersionNumber& version);
    void runLaunchLine(const ToolCommand& command, int slot);
    std::array<ClientWindow, 3> clientWindows() const;
    void fullscreenHint();
    void helpClick();
    void chooseFilesToSend();
    void followSending();
    int slotRowAt(const QPoint& place) const;
    QString phoneLabel(int slot) const;

    ProgramState& m_state;
    QLabel* m_noticeUsb = nullptr;
    SlotsFrame* m_slots = nullptr;
    // Each slot's launch line as its words, kept apart from the scratch fields so that a panel
    // click in the first 900 ms cannot replace slot 1's line before the first tick.
    std::array<ToolCommand, 3> m_launchCommands;
    QString m_recordFile;
    QString m_statusBeforeDrag; // the status line a drag over the window borrows
};
