#pragma once

#include <QString>
#include <exception>
#include <functional>

namespace controls {

// What a control does with an error raised by its own event handling: exceptions never leave a
// Qt event handler, they are handed to the handler the application installed.
using ErrorHandler = std::function<void(const std::exception&)>;

// Installs the handler (an empty one restores the default, a warning) and returns the previous.
ErrorHandler setErrorHandler(ErrorHandler handler);
void reportError(const std::exception& error);

// Runs `work`, reporting whatever it raises; answers whether it ran to its end.
bool runReporting(const std::function<void()>& work);

namespace messages {
inline const QString invalidInput =
    QStringLiteral("Invalid input value.  Use escape key to abandon changes");
}  // namespace messages

}  // namespace controls
