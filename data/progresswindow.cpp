#include "progresswindow.h"

#include <QTimer>

#include "common/errorreport.h"

MaintenanceWindow::MaintenanceWindow(const QString& objectName, const QString& caption,
                                     const QString& label, QWidget* parent)
    : common::ChildForm(parent) {
    setObjectName(objectName);
    setWindowTitle(caption);
    Label1 = new QLabel(label, this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->move(8, 4);
    ProgressBar1 = new QProgressBar(this);
    ProgressBar1->setObjectName(QStringLiteral("ProgressBar1"));
    ProgressBar1->setGeometry(8, 22, kWidth - 16, 18);
    ProgressBar1->setRange(0, 100);
    ProgressBar1->setValue(0);
    ProgressBar1->setTextVisible(false);
    Label2 = new QLabel(QStringLiteral("0%"), this);
    Label2->setObjectName(QStringLiteral("Label2"));
    Label2->move(8, 44);
    Label3 = new QLabel(QStringLiteral("100%"), this);
    Label3->setObjectName(QStringLiteral("Label3"));
    Label3->adjustSize();
    Label3->move(kWidth - 8 - Label3->width(), 44);
}

void MaintenanceWindow::paintEvent(QPaintEvent* event) {
    common::ChildForm::paintEvent(event);
    if (started_) return;
    started_ = true;
    // Right after this paint has reached the screen, not inside it: the bar's own redraws
    // during the work would otherwise nest in this one.
    QTimer::singleShot(0, this, [this] { common::runGuarded([this] { FormPaint(); }); });
}

void MaintenanceWindow::startBar(int maximum) {
    ProgressBar1->setMinimum(0);
    ProgressBar1->setMaximum(maximum);
    steps_ = 0;
    // The bar repaints only when told below, however often its value changes.
    ProgressBar1->setUpdatesEnabled(false);
    sinceRedraw_.start();
}

void MaintenanceWindow::stepBar() {
    ProgressBar1->setValue(ProgressBar1->value() + 1);
    ++steps_;
    if (sinceRedraw_.elapsed() >= 16 || ProgressBar1->value() == ProgressBar1->maximum())
        redrawBar();
}

void MaintenanceWindow::redrawBar() {
    ProgressBar1->setUpdatesEnabled(true);
    ProgressBar1->repaint();
    ProgressBar1->setUpdatesEnabled(false);
    sinceRedraw_.restart();
}
