#pragma once

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QTimer>
#include <QtTest>
#include <functional>
#include <memory>

// What a modal box showed.
struct SeenBox {
    QString objectName;
    QString caption;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QStringList buttons;
    QString defaultButton;
    QString escapeButton;
};

// Watches for modal boxes from a timer and answers each one with `answer` (which gets the
// box); records what each showed. Keep it alive while the code under test runs.
class BoxAnswerer {
public:
    using Answer = std::function<void(QMessageBox*)>;

    explicit BoxAnswerer(Answer answer = pressEnter()) : answer_(std::move(answer)) {
        timer_.setInterval(5);
        QObject::connect(&timer_, &QTimer::timeout, [this] { poll(); });
        timer_.start();
    }

    static Answer pressEnter() {
        return [](QMessageBox* box) { QTest::keyClick(box, Qt::Key_Return); };
    }
    static Answer pressKey(Qt::Key key) {
        return [key](QMessageBox* box) { QTest::keyClick(box, key); };
    }
    static Answer click(QMessageBox::StandardButton which) {
        return [which](QMessageBox* box) { box->button(which)->click(); };
    }

    const QList<SeenBox>& seen() const { return seen_; }
    QStringList texts() const {
        QStringList all;
        for (const SeenBox& box : seen_) all << box.text;
        return all;
    }

private:
    void poll() {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box || box == last_) return;
        last_ = box;
        SeenBox s;
        s.objectName = box->objectName();
        s.caption = box->windowTitle();
        s.text = box->text();
        s.icon = box->icon();
        for (QAbstractButton* button : box->buttons()) s.buttons << button->text().remove('&');
        if (box->defaultButton()) s.defaultButton = box->defaultButton()->text().remove('&');
        if (box->escapeButton()) s.escapeButton = box->escapeButton()->text().remove('&');
        seen_ << s;
        answer_(box);
    }

    Answer answer_;
    QTimer timer_;
    QPointer<QMessageBox> last_;
    QList<SeenBox> seen_;
};

// Processes events until the condition holds or the time runs out.
inline bool waitUntil(const std::function<bool()>& condition, int timeoutMs = 10000) {
    QElapsedTimer timer;
    timer.start();
    while (!condition()) {
        if (timer.elapsed() > timeoutMs) return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        QTest::qWait(5);
    }
    return true;
}
