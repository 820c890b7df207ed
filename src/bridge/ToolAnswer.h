#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// What a tool left behind when it ended, or why it never answered.
struct ToolAnswer
{
    enum class Outcome {
        Exited, // it ran and ended by itself with exitCode
        Crashed, // it ended abnormally
        TimedOut, // it was still running at its limit and was stopped
        Missing, // no such tool in the program's folder nor on PATH
        FailedToStart, // found, but the system could not start it
    };

    Outcome outcome = Outcome::Exited;
    int exitCode = 0;
    QByteArray output; // standard output; with merged streams, standard error too
    QByteArray errors; // standard error, unless merged into output
    QString problem; // the system's reason when it could not be started

    bool succeeded() const { return outcome == Outcome::Exited && exitCode == 0; }
    // It ran and ended by itself, successfully or not, so what it printed is its whole answer.
    bool ranToEnd() const { return outcome == Outcome::Exited; }

    static ToolAnswer exited(int exitCode, const QByteArray& output, const QByteArray& errors = {})
    {
        ToolAnswer answer;
        answer.exitCode = exitCode;
        answer.output = output;
        answer.errors = errors;
        return answer;
    }
    static ToolAnswer failed(Outcome outcome, const QString& problem = {})
    {
        ToolAnswer answer;
        answer.outcome = outcome;
        answer.exitCode = -1;
        answer.problem = problem;
        return answer;
    }
};
