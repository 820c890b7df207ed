#pragma once

#include "ToolAnswer.h"
#include "ToolCommand.h"

#include <QList>
#include <QMap>
#include <QObject>
#include <QString>
#include <QStringList>

#include <functional>

// How a tool is started, and the running tool a stream hands back: what the seam to the outside
// and the processes that carry it out share.
struct ToolStart
{
    QStringList words; // the tool's name as written, then its arguments
    QString workingFolder;
    bool mergeErrors = false; // standard error joins standard output, in the order printed
    int timeLimitMs = 0; // a called tool still running after this long is stopped
    QString logFile; // a detached tool's standard output and error are appended here
    QMap<QString, QString> environment; // set for the tool beside the program's own
    QList<qsizetype> secretWords = {}; // never logged
    // A streamed tool's standard input stays open until closeInput(); when it is stopped, the tool
    // is given half a second to end on its own after its input closed.
    bool inputOpen = false;

    QStringList loggedWords() const { return maskedWords(words, secretWords); }
};

using ToolAnswerHandler = std::function<void(const ToolAnswer&)>;
using ToolOutputHandler = std::function<void(const QByteArray&)>;

// A tool started by Outside::streamTool, running on: deleting it stops the tool.
class RunningTool : public QObject
{
public:
    using QObject::QObject;
    // Ends the tool's standard input, kept open with ToolStart::inputOpen: a tool that reads it takes
    // its end as the word to stop.
    virtual void closeInput() { }
};
