#pragma once

#include "Outside.h"
#include "ToolCommand.h"

#include <functional>

// Starts the tools from their words, never through a command interpreter, in the output folder.
// A called tool's answer is awaited while the window goes on; every called tool is stopped at the
// time limit. Only the mirroring clients start detached and run on by themselves.
namespace CommandRunner {

// How long a called tool may run before it is stopped.
constexpr int TimeLimitMs = 15000;

enum class Streams { Separate, Merged };

// Calls the tool; onAnswer receives its answer on the window thread, unless receiver is gone.
void call(const ToolCommand& command, QObject* receiver, Outside::AnswerHandler onAnswer,
    Streams streams = Streams::Separate);

// Calls the mirroring client for what it prints and ends (a list), its streams merged and ADB naming
// the bridge tool the program uses, as for a client that mirrors.
void callClient(const ToolCommand& command, QObject* receiver, Outside::AnswerHandler onAnswer);

// Starts a tool that runs on and reports as it goes; deleting the returned object stops it.
QObject* stream(const ToolCommand& command, QObject* receiver, Outside::OutputHandler onOutput,
    Outside::AnswerHandler onEnd, Streams streams = Streams::Separate);

// Starts a mirroring client to run on by itself, its output appended to logFile and ADB naming the
// bridge tool the program uses; false, with the system's reason in problem, when it could not be
// started. onEnd, when given, hears how it ended.
bool startClient(
    const ToolCommand& command, const QString& logFile, QString* problem, Outside::AnswerHandler onEnd = nullptr);

// Every call for one phone ("adb -s <serial> …") that the bridge answered with the phone offline or
// not found is told to witness while hearer lives; the last one set hears them.
void setDropWitness(QObject* hearer, std::function<void(const QString& serial)> witness);

// Tests shorten the limit; 0 restores it.
void setTimeLimitForTests(int ms);
int timeLimitMs();

} // namespace CommandRunner
