#pragma once

#include <QString>
#include <QStringList>

// Everything that leaves the process passes through here: starting a tool, opening a web
// address, showing a modal message box and ending the program. The program uses the system's
// services; tests install a recorder so that nothing blocks and every word can be checked.
class Outside
{
public:
    enum class Icon { Stop, Warning, Information };

    struct ToolStart
    {
        QStringList words; // the tool's name as written, then its arguments
        QString workingFolder;
        QString standardOutputFile; // empty: standard output is dropped
    };

    virtual ~Outside() = default;

    // Starts the tool detached and returns at once; false when it could not be started at all.
    virtual bool startTool(const ToolStart& start) = 0;
    virtual void openWebAddress(const QString& address) = 0;
    virtual void showMessage(const QString& text, const QString& title, Icon icon) = 0;
    virtual void endProgram() = 0;

    static Outside& current();
    // Installs a replacement (not owned); nullptr restores the system's services.
    static void install(Outside* replacement);
};

class SystemOutside : public Outside
{
public:
    bool startTool(const ToolStart& start) override;
    void openWebAddress(const QString& address) override;
    void showMessage(const QString& text, const QString& title, Icon icon) override;
    void endProgram() override;
};
