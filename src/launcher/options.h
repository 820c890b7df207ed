#pragma once

#include "client/MoreOptions.h"

#include <QList>
#include <QWidget>

#include <utility>

class ProgramState;
class N_Shape;
class QComboBox;
class QLabel;
class QLineEdit;
class QTabWidget;

// "更多投屏选项": what today's mirroring client can do beyond the launcher's own options, in pages
// a user can scan (the picture; sound and input; a virtual display and the camera; the rest), for
// the clients of the next launches. Each control is made from its row of the client's option table,
// which names it, keeps it and checks what is typed into it. Its first choice says whose options it
// edits: every phone's (the shared ones), or one phone's own, which are the shared ones but where
// that phone chooses otherwise. Each choice is kept as it is made; the launch reads it there. A control whose option
// the installed client does not know, or that the client refuses beside a choice already made, is disabled and says
// why; while the client's version is not known, the window says that none of them applies yet.
class options : public QWidget
{
    Q_OBJECT

public:
    explicit options(ProgramState& state);

    // The choices of the page shown, as they stand now.
    const MoreOptions& choices() const { return m_choices; }
    // Who the phone is whose own options the page edits; empty for the shared ones.
    const QString& phone() const { return m_phone; }

    // The app picked from the list becomes the app to start.
    void takeApp(const QString& package);

signals:
    // The user asks for the list of the phone's apps, to pick the app to start.
    void appListWanted(const QString& phone);
    // Another page shows: a list of apps open is of another phone.
    void pageChanged();

private:
    void buildPageChoice();
    void buildPages();
    int buildSection(QWidget* page, int section, int top);
    QWidget* makeControl(QWidget* frame, ClientOptions::Choice choice, QPoint* at, int right, bool followsNeed);
    QLineEdit* makeField(QWidget* parent, ClientOptions::Choice choice, const QString& name, const QPoint& at);
    void showPhones();
    void showPage();
    void showPageNote();
    void chooseApp();
    void showAppChoice();
    QString appsPhone() const;
    void showChoices(const MoreOptions& choices);
    void take();
    void restoreDefaults();
    void followClientRules();
    QString whyNot(ClientOptions::Choice choice, const QList<ClientOptions::Choice>& chosen) const;

    ProgramState& m_state;
    QString m_phone; // the page's phone's identity
    QString m_phoneName; // the name it was last listed under
    MoreOptions m_choices;
    bool m_showing = false; // the controls are being set from the choices, not by the user

    QComboBox* editedPhone = nullptr;
    QLabel* pageNote = nullptr;
    QTabWidget* pages = nullptr;
    QLineEdit* startApp = nullptr;
    N_Shape* chooseAppButton = nullptr;
    QLabel* versionNote = nullptr;
    N_Shape* restore = nullptr;
    // Each control, with the choice of the client's table it stands for, in the order made.
    QList<std::pair<QWidget*, ClientOptions::Choice>> m_controls;
};
