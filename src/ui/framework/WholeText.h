#pragma once
// A field's length limit is a typing limit: typing stops at it, while a text the program puts in
// (a value chosen from a value menu, a remembered value, a result handed on by another
// calculator) goes in whole, so that the field's own check sees the number as it is and takes it
// or refuses it with its message. QLineEdit cuts every text to its maximum length, so a longer
// text lifts the maximum to its own length; as the text is then edited the maximum follows it
// back down, never below the typing limit, so typing can never lengthen such a text.

class QLineEdit;
class QString;

// Puts `text` into the field uncut. Nothing happens without a field.
void SetWholeText(QLineEdit* edit, const QString& text);

// Sets the limit that typing obeys (QLineEdit::setMaxLength would cut a longer text in the field).
void SetTypingLimit(QLineEdit* edit, int limit);

// The limit that typing obeys: the field's maximum length, or the limit it had before a longer
// text lifted it.
int TypingLimit(const QLineEdit* edit);
