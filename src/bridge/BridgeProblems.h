#pragma once

#include "ToolAnswer.h"

#include <QString>

class QObject;

// What the user is told when a tool did not give the answer asked of it: each cause in words of
// its own, so a vanished tool, a time-out and a folder that cannot be written are told apart.
namespace BridgeProblems {

// The outcome in one sentence, naming the tool.
QString describe(const ToolAnswer& answer, const QString& tool);

// The line a status box shows for an answer: the tool's own last line, from either stream, when
// it ran to its end and printed one; otherwise the outcome in words.
QString statusLine(const ToolAnswer& answer, const QString& tool);

// The tool's own error lines when it failed, else nothing.
QString errorLines(const ToolAnswer& answer);

// Why a tool failed: its own error lines when it ran to its end and printed some, else the outcome.
QString cause(const ToolAnswer& answer, const QString& tool);

// The tool ran to its end but what it printed is no device list (nothing, or only the server's
// start-up lines): said with the tool's own words, so earlier serials are never shown as new.
QString notADeviceList(const ToolAnswer& answer, const QString& tool);

// Shows the text in a warning box now.
void tell(const QString& text);

// Shows the text in a warning box once the handler at work has returned, so no box opens inside
// an answer's handler (where the box's own event loop would run other handlers under it). Nothing
// is shown once context is gone.
void tellLater(QObject* context, const QString& text);

} // namespace BridgeProblems
