#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

// What the bridge tool said when it pushed a file or installed an app, in the user's words: the
// phone out of reach, its storage full, each reason the package manager gives for a refusal.
namespace SendAnswers {

// Why the app was not installed; empty when the package manager said "Success". The tool's exit
// status is no guide: an older one ends with 0 whatever the phone answered.
QString installProblem(const QByteArray& output);
// Why the file was not saved; empty when the tool said it was.
QString pushProblem(const QByteArray& output, bool succeeded);
// A phone the tool could not reach (gone, offline, unauthorized), in words; empty when it answered.
QString phoneProblem(const QByteArray& output);
// The size a "stat -c %s" printed, if it printed one.
std::optional<qint64> statedSize(const QByteArray& output);

} // namespace SendAnswers
