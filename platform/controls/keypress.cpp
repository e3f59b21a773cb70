#include "keypress.h"

#include <QEvent>
#include <QKeyEvent>
#include <QWidget>

#include "errorhook.h"

namespace controls {

namespace {

// The character a key press carries, or QChar() for keys that carry none (arrows, Tab).
QChar characterOf(const QKeyEvent& event) {
    switch (event.key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
            return QLatin1Char('\r');
        case Qt::Key_Tab:
        case Qt::Key_Backtab:
            return {};
        default:
            return event.text().isEmpty() ? QChar() : event.text().front();
    }
}

class KeyPressFilter : public QObject {
  public:
    KeyPressFilter(QWidget* control, KeyPressHandler handler)
        : QObject(control), handler_(std::move(handler)) {}

    void setHandler(KeyPressHandler handler) { handler_ = std::move(handler); }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::KeyPress || !handler_)
            return QObject::eventFilter(watched, event);
        QChar key = characterOf(*static_cast<QKeyEvent*>(event));
        if (key.isNull()) return false;
        const KeyPressHandler handler = handler_;  // the handler may replace itself
        if (!runReporting([&] { handler(key); })) return false;
        return key.isNull();
    }

  private:
    KeyPressHandler handler_;
};

}  // namespace

void setKeyPressHandler(QWidget* control, KeyPressHandler handler) {
    KeyPressFilter* filter = nullptr;
    for (QObject* child : control->children())
        if (auto* found = dynamic_cast<KeyPressFilter*>(child)) filter = found;
    if (!handler) {
        if (filter) {
            control->removeEventFilter(filter);
            filter->setParent(nullptr);
            filter->deleteLater();
        }
        return;
    }
    if (filter) {
        filter->setHandler(std::move(handler));
        return;
    }
    control->installEventFilter(new KeyPressFilter(control, std::move(handler)));
}

}  // namespace controls
