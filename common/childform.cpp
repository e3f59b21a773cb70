#include "childform.h"

#include <QAbstractButton>
#include <QAction>
#include <QCloseEvent>
#include <QMdiArea>
#include <QMdiSubWindow>

#include "errorreport.h"

namespace common {

ChildForm::ChildForm(QWidget* parent) : QWidget(parent) {
    // Marks the form as the window whose controls the Enter key walks.
    setProperty("sonoreloForm", true);
}

void ChildForm::setCommand(QAbstractButton* button, QAction* item) {
    button_ = button;
    item_ = item;
}

QMdiSubWindow* ChildForm::subWindow() const { return qobject_cast<QMdiSubWindow*>(parentWidget()); }

void ChildForm::release() {
    if (QMdiSubWindow* sub = subWindow())
        sub->deleteLater();
    else
        deleteLater();
}

void ChildForm::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (shown_) return;
    shown_ = true;
    runGuarded([this] { FormShow(); });
}

void ChildForm::closeEvent(QCloseEvent* event) {
    if (runGuarded([this] { FormClose(); }))
        event->accept();
    else
        event->ignore();
}

QMdiSubWindow* openChild(QMdiArea* area, ChildForm* form, QSize clientSize, bool minimizeButton) {
    auto* sub = new QMdiSubWindow(area);
    Qt::WindowFlags flags = Qt::SubWindow | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                            Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
    if (minimizeButton) flags |= Qt::WindowMinimizeButtonHint;
    sub->setWindowFlags(flags);
    sub->setAttribute(Qt::WA_DeleteOnClose);
    sub->setOption(QMdiSubWindow::RubberBandResize, false);
    form->setFixedSize(clientSize);
    sub->setWidget(form);
    sub->setWindowTitle(form->windowTitle());
    sub->setWindowIcon(form->windowIcon());
    area->addSubWindow(sub);
    sub->adjustSize();
    const QSize outer = sub->size();
    const QRect client = area->viewport()->rect();
    sub->move(qMax(0, (client.width() - outer.width()) / 2),
              qMax(0, (client.height() - outer.height()) / 2));
    sub->show();
    return sub;
}

}  // namespace common
