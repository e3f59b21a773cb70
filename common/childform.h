#pragma once

#include <QAbstractButton>
#include <QAction>
#include <QPointer>
#include <QSize>
#include <QWidget>

class QMdiArea;
class QMdiSubWindow;

namespace common {

// A function of the main frame, opened as one child window inside it. The frame hands it the
// tool-bar button and menu item that opened it, which its close steps enable again; closing
// runs those steps and destroys the window (it is never merely hidden). A step that fails is
// reported and keeps the window open.
class ChildForm : public QWidget {
    Q_OBJECT
public:
    explicit ChildForm(QWidget* parent = nullptr);

    void setCommand(QAbstractButton* button, QAction* item);
    QAbstractButton* commandButton() const { return button_; }
    QAction* commandItem() const { return item_; }
    QMdiSubWindow* subWindow() const;

    // Destroys the window as soon as the current event has been handled, without close steps.
    void release();

protected:
    // The window's show handling, once, when it is first shown.
    virtual void FormShow() {}
    // The window's close steps, in its own order.
    virtual void FormClose() {}

    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    QPointer<QAbstractButton> button_;
    QPointer<QAction> item_;
    bool shown_ = false;
};

// Opens a form as a child window of the frame's area: the form's client size fixed, a single
// non-resizable border with a system menu (and a minimise button when asked), centred in the
// area, shown at once (running its show handling).
QMdiSubWindow* openChild(QMdiArea* area, ChildForm* form, QSize clientSize, bool minimizeButton);

}  // namespace common
