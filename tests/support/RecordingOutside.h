#pragma once

#include "bridge/Outside.h"

#include <QList>
#include <QStringList>
#include <functional>

// Stands in for everything that leaves the process: records each tool start, web address,
// message box and end of the program, so no test blocks on a box or starts a stray tool.
// With forwardTools set, tools are really started after being recorded.
class RecordingOutside : public Outside
{
public:
    struct Message
    {
        QString text;
        QString title;
        Icon icon;
    };

    RecordingOutside() { Outside::install(this); }
    ~RecordingOutside() override { Outside::install(nullptr); }

    bool startTool(const ToolStart& start) override
    {
        starts.append(start);
        if (onStart)
            onStart(start);
        if (forwardTools)
            return m_system.startTool(start);
        return toolsStart;
    }
    void openWebAddress(const QString& address) override { addresses.append(address); }
    void showMessage(const QString& text, const QString& title, Icon icon) override
    {
        messages.append({text, title, icon});
        if (onMessage)
            onMessage();
    }
    void endProgram() override { ++programEnds; }

    // The started command lines, each as its words joined by single blanks.
    QStringList lines() const
    {
        QStringList result;
        for (const ToolStart& start : starts)
            result.append(start.words.join(QLatin1Char(' ')));
        return result;
    }
    QStringList messageTexts() const
    {
        QStringList result;
        for (const Message& message : messages)
            result.append(message.text);
        return result;
    }
    void clear()
    {
        starts.clear();
        addresses.clear();
        messages.clear();
        programEnds = 0;
    }

    QList<ToolStart> starts;
    QStringList addresses;
    QList<Message> messages;
    int programEnds = 0;
    bool toolsStart = true;
    bool forwardTools = false;
    std::function<void()> onMessage;
    std::function<void(const ToolStart&)> onStart;

private:
    SystemOutside m_system;
};
