#pragma once

#include "client/MoreOptions.h"

#include <QMap>
#include <QWidget>

#include <optional>

class ProgramState;
class CheckButton;
class N_Shape;
class OptionButton;
class QComboBox;
class QLabel;
class QLineEdit;

// "更多投屏选项": what today's mirroring client can do beyond the launcher's own options (codec,
// frame rate, sound, keyboard, a virtual display and an app started in it, the camera, the picture's
// crop and turn, staying awake...), for the clients of the next launches. Its first choice says whose
// options it edits: every phone's (the shared ones), or one phone's own, which start as a copy of the
// shared ones. Each choice is kept as it is made; the launch reads it there. A control whose option
// the installed client does not know, or that the client refuses beside a choice already made, is
// disabled and says why; while the client's version is not known, the window says that none of them
// applies yet.
class options : public QWidget
{
    Q_OBJECT

public:
    explicit options(ProgramState& state);

    // The choices of the page shown, as they stand now.
    const MoreOptions& choices() const { return m_choices; }
    // The phone whose own options the page edits; empty for the shared ones.
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
    void buildPicture();
    void showPhones();
    void showPage();
    void showPageNote();
    void chooseApp();
    void showAppChoice();
    QString appsPhone() const;
    void buildCodecAndFrameRate();
    void buildSound();
    void buildDisplayAndCamera();
    void buildOthers();
    // A control that stands for a choice of the client's table, named as the table names it; it
    // follows the rules of needs (the camera's facings follow the camera's).
    OptionButton* choiceOption(QWidget* parent, const QString& name, ClientOptions::Choice choice, const QRect& place,
        std::optional<ClientOptions::Choice> needs = {});
    CheckButton* choiceCheck(QWidget* parent, const QString& name, ClientOptions::Choice choice, const QRect& place);
    void showChoices(const MoreOptions& choices);
    void take();
    void restoreDefaults();
    void followClientRules();

    ProgramState& m_state;
    QString m_phone;
    MoreOptions m_choices;
    bool m_showing = false; // the controls are being set from the choices, not by the user

    OptionButton *codecH264 = nullptr, *codecH265 = nullptr, *codecAV1 = nullptr;
    QLineEdit* maxFps = nullptr;
    OptionButton *soundComputer = nullptr, *soundPhone = nullptr, *soundBoth = nullptr, *soundMic = nullptr;
    OptionButton *keyboardDefault = nullptr, *keyboardPhysical = nullptr;
    CheckButton* newDisplay = nullptr;
    QLineEdit* displaySize = nullptr;
    QComboBox* editedPhone = nullptr;
    QLabel* pageNote = nullptr;
    QLineEdit* startApp = nullptr;
    N_Shape* chooseAppButton = nullptr;
    QLineEdit* crop = nullptr;
    OptionButton *turn0 = nullptr, *turn90 = nullptr, *turn180 = nullptr, *turn270 = nullptr;
    CheckButton* camera = nullptr;
    OptionButton *facingBack = nullptr, *facingFront = nullptr;
    CheckButton *stayAwake = nullptr, *powerOffOnClose = nullptr, *borderless = nullptr, *noControl = nullptr;
    QLabel* versionNote = nullptr;
    N_Shape* restore = nullptr;
    // Each control that adds a word, with the choice it stands for in the client's table.
    QMap<QWidget*, ClientOptions::Choice> m_needs;
};
