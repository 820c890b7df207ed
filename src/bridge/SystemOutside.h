#pragma once

#include "Outside.h"

// The system's own services: tools started as processes, the desktop's browser, Qt's message boxes
// and file dialog, and the program's end.
class SystemOutside : public Outside
{
public:
    bool startTool(const ToolStart& start, QString* problem, AnswerHandler onEnd = nullptr) override;
    void callTool(const ToolStart& start, QObject* receiver, AnswerHandler onAnswer) override;
    RunningTool* streamTool(
        const ToolStart& start, QObject* receiver, OutputHandler onOutput, AnswerHandler onEnd) override;
    void probe(const QString& host, quint16 port, int timeoutMs, QObject* receiver,
        std::function<void(bool listening)> onAnswer) override;
    void openWebAddress(const QString& address) override;
    void showMessage(const QString& text, const QString& title, Icon icon) override;
    QString chooseFile(const QString& title, const QString& filter) override;
    QStringList chooseFiles(const QString& title) override;
    void endProgram(int exitStatus = 0) override;
};
