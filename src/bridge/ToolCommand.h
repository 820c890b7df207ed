#pragma once

#include <QString>
#include <QStringList>

// One command for a tool: the words it is started with, the tool's name first, and the text the
// windows show for it. The words are built as a list from the start and the text is never split
// back into words, so whatever a field holds reaches the tool as the one argument it was meant as.
struct ToolCommand
{
    QStringList words;
    QString text;

    friend bool operator==(const ToolCommand&, const ToolCommand&) = default;
};
