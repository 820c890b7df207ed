#pragma once

#include <QString>

#include <functional>
#include <initializer_list>
#include <utility>

class QLineEdit;

// What the user types into a field that reaches a tool as an argument. A control character (a
// pasted NUL, tab or line break) would cut the argument short or change it unseen, so such text
// is refused with a message naming the field; and a field never cuts a paste short silently.
// The window that holds the field tells the user: a control shows no message of its own.
namespace TypedText {

// C0 and C1 controls, DEL, and the line and paragraph separators.
bool holdsControlCharacter(const QString& text);

// The message that refuses the first of the fields, each with its name as messages give it, whose
// text holds a control character; empty when none does.
QString controlCharacterRefusal(std::initializer_list<std::pair<const QLineEdit*, QString>> fields);

// The same for one text, named as messages give it.
QString controlCharacterRefusal(const QString& text, const QString& name);

// Hands tell the notice when an edit reaches the field's length limit, so a paste that was cut
// there does not go unnoticed.
void sayWhenFull(QLineEdit& field, const QString& fieldName, std::function<void(const QString&)> tell);

} // namespace TypedText
