#pragma once

#include <QString>

class QLineEdit;

// What the user types into a field that reaches a tool as an argument. A control character (a
// pasted NUL, tab or line break) would cut the argument short or change it unseen, so such text
// is refused with a message naming the field; and a field never cuts a paste short silently.
namespace TypedText {

// C0 and C1 controls, DEL, and the line and paragraph separators.
bool holdsControlCharacter(const QString& text);

// True, after telling the user, when the field's text holds a control character.
bool refuseControlCharacters(const QLineEdit& field, const QString& fieldName);

// The user is told when an edit reaches the field's length limit, so a paste that was cut there
// does not go unnoticed.
void sayWhenFull(QLineEdit& field, const QString& fieldName);

} // namespace TypedText
