#pragma once

#include <QChar>

class QLineEdit;
class QWidget;

namespace common {

// The form (window) a control belongs to: the nearest ancestor marked as a form.
QWidget* formOf(QWidget* control);

// The control that Tab would move to from `from` inside `form`: the next one in the focus
// chain that is a tab stop and can take the focus (it and its containers visible and enabled),
// wrapping from the end to the beginning; none when there is no other.
QWidget* nextTabStop(QWidget* form, QWidget* from);

// The Enter handler: Enter moves the focus to the next tab stop of the window and is consumed.
void enterToNext(QWidget* sender, QChar& key);

// The text of a masked date edit as the mask presents it, a blank for each empty position.
QString maskedDateText(const QLineEdit* edit);

// The date handler: on Enter the text must convert to a date; then it is the Enter handler.
// Otherwise "Data Inválida" is shown, the focus stays in the edit, and the Enter goes on to the
// edit itself (which checks its mask).
void dateEnter(QLineEdit* sender, QChar& key);

}  // namespace common
