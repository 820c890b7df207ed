#pragma once

#include "bridge/Outside.h"
#include "bridge/ToolAnswer.h"
#include "bridge/ToolCommand.h"

#include <QSet>
#include <QStringList>
#include <QWidget>

#include <optional>

class ProgramState;
class LinkLabel;
class N_Shape;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QTimer;

// The first window: checks for the bridge tool, grows into view, asks the phone for its maker,
// and on "连接并启动" lists the devices into the launcher's slots and opens the launcher (or the
// Meizu warning). Its lower part, uncovered by "设置与帮助", connects phones over the network.
class Start : public QWidget
{
    Q_OBJECT

public:
    explicit Start(ProgramState& state);

    bool toolCheckPassed() const { return m_toolCheckPassed; }

    // The maker field, read from line 1 of the maker query's answer.
    QString ttts = QStringLiteral("Text5");

    qint16 growSize = 0;
    qint16 startTicks = 0;
    qint16 expandSize = 0;

    // One tick of each timer, as the timers deliver them.
    void tickTimerst();
    void tickTimer1();
    void tickTimerexpa();

    QTimer* Timerst = nullptr;
    QTimer* Timer1 = nullptr;
    QTimer* Timerexpa = nullptr;

    // The window's outer size in twips, title bar and borders included.
    void setOuterSize(int widthTwips, int heightTwips);

    // Step 1, once the window is wired: the start-up begins, or the tools are asked for first.
    void load();
    // The tools asked for at step 1 are installed: the start-up goes on as if they had been there.
    void toolsInstalled();
    // Closed without installing: the program ends as it always has without the bridge tool.
    void toolsDeclined();

signals:
    // The user asks for the pairing window, or the tools window.
    void pairingWanted();
    void toolsWanted();
    // Step 1 found no bridge tool: the tools are offered before anything else.
    void bridgeToolMissing();
    // The window has grown: the launcher is made ready, hidden, before the maker query goes out.
    void openingGrown();
    // The list came back without any phone.
    void noPhoneFound();
    // The start-up is over with phones listed: the launcher takes over, behind the Meizu warning
    // when one of them is a Meizu.
    void phonesFound(bool warnMeizu);
    // A Meizu phone showed up after the start-up.
    void meizuWarningWanted();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void beginStartUp();
    void buildStartPart();
    void buildWirelessPart();
    void setWirelessPartReachable(bool reachable);
    void cableClick();
    void askMaker();
    void startServer();
    void askDevices();
    void decideSoon();
    void maybeDecide();
    void warnAboutLateMeizu(const QString& serial, const QString& maker);
    void reportStartFailure(const QString& why);
    void wirelessClick();
    void decide();
    void devtectClick();
    void wxtsClick();
    void connfClick();
    void disconnfClick();
    // True, after telling the user, when a typed field was refused.
    bool refused(const QString& refusal);
    void runIntoStatusBox(const ToolCommand& command, N_Shape* pressed = nullptr, const QString& during = QString(),
        Outside::AnswerHandler then = nullptr);
    QSize frameAllowance() const;

    ProgramState& m_state;
    bool m_toolCheckPassed = false;

    // The start-up's answers: the maker query runs from the end of the opening animation, and the
    // server is started only after it, so that two commands never race to start the server.
    bool m_makerPending = false;
    bool m_serverWanted = false;
    QStringList m_makerLines;
    std::optional<ToolAnswer> m_deviceAnswer;
    QStringList m_deviceLines;
    // The launcher has been opened; Meizu phones already warned about.
    bool m_started = false;
    QSet<QString> m_meizuWarned;
    // A button of the wireless section is waiting for its answer; the others take no click.
    bool m_wirelessBusy = false;

    N_Shape* cable = nullptr;
    N_Shape* wireless = nullptr;
    QLabel* Labelstart = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* Label1nofo = nullptr;
    LinkLabel* Label3 = nullptr;
    LinkLabel* pairLink = nullptr;
    LinkLabel* toolsLink = nullptr;

    N_Shape* wxts = nullptr;
    QLineEdit* Textport = nullptr;
    N_Shape* devtect = nullptr;
    QLabel* Label2 = nullptr;
    QGroupBox* addressFrame = nullptr;
    QLineEdit* connft = nullptr;
    N_Shape* connf = nullptr;
    N_Shape* disconnf = nullptr;
    QPlainTextEdit* ssxx = nullptr;
};
