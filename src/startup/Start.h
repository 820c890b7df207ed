#pragma once

#include "bridge/Outside.h"
#include "bridge/ToolAnswer.h"
#include "bridge/ToolCommand.h"

#include <QSet>
#include <QStringList>
#include <QWidget>

#include <optional>

class AppWindows;
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
    explicit Start(AppWindows& windows);

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

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void load();
    void beginStartUp();
    void toolsDeclined();
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

    AppWindows& m_windows;
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
