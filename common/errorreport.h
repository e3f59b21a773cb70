#pragma once

#include <QApplication>
#include <QString>
#include <exception>
#include <utility>

namespace common {

// The application title: the caption of the error box and of Mensagem.
QString applicationTitle();

// The text the default error report shows: the error's message followed by ".".
QString errorText(const std::exception& error);

// The default error report: a modal critical box captioned with the application title.
void showError(const std::exception& error);

// Wraps a handler so that an error it raises ends it at that point and is reported, and never
// crosses Qt's own frames. Every handler of every window is connected through this.
template <typename Handler>
auto guarded(Handler handler) {
    return [handler = std::move(handler)](auto&&... args) {
        try {
            handler(std::forward<decltype(args)>(args)...);
        } catch (const std::exception& error) {
            showError(error);
        }
    };
}

// Runs a step now, reporting what it raises; answers whether it ran through.
template <typename Step>
bool runGuarded(Step&& step) {
    try {
        step();
        return true;
    } catch (const std::exception& error) {
        showError(error);
        return false;
    }
}

// The application object: its notify is the last net for an error that escaped a handler.
class Application : public QApplication {
public:
    Application(int& argc, char** argv) : QApplication(argc, argv) {}
    bool notify(QObject* receiver, QEvent* event) override;
};

}  // namespace common
