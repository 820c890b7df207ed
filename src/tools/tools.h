#pragma once

#include "install/ToolsHelper.h"
#include "install/ToolsRelease.h"

#include <QPointer>
#include <QWidget>

class ProgramState;
class N_Shape;
class QLabel;
class QProgressBar;

// "获取投屏工具": says which tools are missing (or which are in use, where and in which version) and
// offers the official release, which holds the client and a current adb: downloaded and checked
// against its published SHA-256, or taken from a file the user downloaded, then unpacked into the
// tools folder. The install itself runs in a helper program; the window shows its stage and
// progress, and stays responsive throughout.
class tools : public QWidget
{
    Q_OBJECT

public:
    explicit tools(ProgramState& state);
    ~tools() override;

    // At start-up, in place of the missing-tools message: closing the window without an install
    // is declined().
    void offerAtStartUp();

    // A transfer, a check or an unpacking is under way.
    bool busy() const;

signals:
    void installed();
    void declined();

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    ProgramState& m_state;
    void describeTools();
    void downloadClick();
    void fromFileClick();
    void cancelClick();
    void begin(N_Shape* button);
    void showStage(InstallStage stage);
    void showProgress(qint64 received, qint64 total);
    void finishInstall(const QString& problem);
    void say(const QString& text, bool problem);
    void setNote(QLabel* note, const QString& text);
    void setBusy(bool busy);

    ToolsRelease m_release;
    QLabel* m_toolsState = nullptr;
    QLabel* m_offer = nullptr;
    QProgressBar* m_progress = nullptr;
    QLabel* m_progressText = nullptr;
    QLabel* m_status = nullptr;
    N_Shape* m_download = nullptr;
    N_Shape* m_fromFile = nullptr;
    N_Shape* m_cancel = nullptr;
    N_Shape* m_lastTry = nullptr; // the button of the install under way, which tries again
    QString m_chosen; // the archive chosen last, which a note may name

    ToolsHelper* m_install = nullptr;
    bool m_atStartUp = false;
    // Versions are asked once per showing; the answers that come for an earlier one are dropped.
    int m_showing = 0;
};
