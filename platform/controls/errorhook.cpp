#include "errorhook.h"

#include <QtGlobal>

#include "platform/tables/tableerror.h"

namespace controls {

namespace {

QString messageOf(const std::exception& error) {
    if (const auto* tableError = dynamic_cast<const tables::TableError*>(&error))
        return tableError->message();
    return QString::fromUtf8(error.what());
}

void warn(const std::exception& error) { qWarning("%s", qPrintable(messageOf(error))); }

ErrorHandler& installed() {
    static ErrorHandler handler;
    return handler;
}

}  // namespace

ErrorHandler setErrorHandler(ErrorHandler handler) {
    ErrorHandler previous = std::move(installed());
    installed() = std::move(handler);
    return previous;
}

void reportError(const std::exception& error) {
    const ErrorHandler handler = installed();  // a copy: the handler may install another
    if (!handler) {
        warn(error);
        return;
    }
    try {
        handler(error);
    } catch (const std::exception& failure) {
        warn(error);
        warn(failure);
    }
}

bool runReporting(const std::function<void()>& work) {
    try {
        work();
        return true;
    } catch (const std::exception& error) {
        reportError(error);
        return false;
    }
}

}  // namespace controls
