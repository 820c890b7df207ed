#pragma once

#include "MoreOptions.h"

#include <QMap>
#include <QWidget>

#include <optional>

class AppWindows;
class CheckButton;
class N_Shape;
class OptionButton;
class QLabel;
class QLineEdit;

// "更多投屏选项": what today's mirroring client can do beyond the launcher's own options (codec,
// frame rate, sound, keyboard, a virtual display and an app started in it, the camera, staying
// awake...), for every client of the next launches. Each choice is written to the settings file as
// it is made; the launch reads it there. A control whose option the installed client does not know,
// or that the client refuses beside a choice already made, is disabled and says why; while the
// client's version is not known, the window says that none of them applies yet.
class options : public QWidget
{
    Q_OBJECT

public:
    explicit options(AppWindows& windows);

    // The choices as they stand now.
    const MoreOptions& choices() const { return m_choices; }

private:
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

    AppWindows& m_windows;
    MoreOptions m_choices;
    bool m_showing = false; // the controls are being set from the choices, not by the user

    OptionButton *codecH264 = nullptr, *codecH265 = nullptr, *codecAV1 = nullptr;
    QLineEdit* maxFps = nullptr;
    OptionButton *soundComputer = nullptr, *soundPhone = nullptr, *soundBoth = nullptr, *soundMic = nullptr;
    OptionButton *keyboardDefault = nullptr, *keyboardPhysical = nullptr;
    CheckButton* newDisplay = nullptr;
    QLineEdit* displaySize = nullptr;
    QLineEdit* startApp = nullptr;
    CheckButton* camera = nullptr;
    OptionButton *facingBack = nullptr, *facingFront = nullptr;
    CheckButton *stayAwake = nullptr, *powerOffOnClose = nullptr, *borderless = nullptr, *noControl = nullptr;
    QLabel* versionNote = nullptr;
    N_Shape* restore = nullptr;
    // Each control that adds a word, with the choice it stands for in the client's table.
    QMap<QWidget*, ClientOptions::Choice> m_needs;
};
