#pragma once

#include <QChar>
#include <functional>

class QWidget;

namespace controls {

// The window's own handler of the characters typed into one of its controls. It runs before the
// control sees the key (Return and Enter arrive as '\r', Escape as '\x1b', Backspace as '\b');
// setting `key` to QChar() consumes the key, anything else lets it go on to the control
// unchanged. What the handler raises is reported and the key then goes on.
using KeyPressHandler = std::function<void(QChar& key)>;

// Replaces the control's handler; an empty handler removes it.
void setKeyPressHandler(QWidget* control, KeyPressHandler handler);

}  // namespace controls
