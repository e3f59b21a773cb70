#pragma once

#include <QElapsedTimer>
#include <QLabel>
#include <QProgressBar>

#include "common/childform.h"

// The look and rhythm the two maintenance windows share: a caption, a label over a progress
// bar with "0%" and "100%" under its ends, and work that starts once the window has been shown
// and painted with its empty bar, holding the event loop until it ends.
class MaintenanceWindow : public common::ChildForm {
    Q_OBJECT
public:
    static constexpr int kWidth = 284;
    static constexpr int kHeight = 65;

    // How many times the bar has advanced since the work began.
    int steps() const { return steps_; }

protected:
    MaintenanceWindow(const QString& objectName, const QString& caption, const QString& label,
                      QWidget* parent);

    // The work; it runs once, after the first paint.
    virtual void FormPaint() = 0;

    void startBar(int maximum);
    // The bar advances by one; it is redrawn at most about 60 times a second.
    void stepBar();

    void paintEvent(QPaintEvent* event) override;

    QLabel* Label1;
    QProgressBar* ProgressBar1;
    QLabel* Label2;
    QLabel* Label3;

private:
    void redrawBar();

    bool started_ = false;
    int steps_ = 0;
    QElapsedTimer sinceRedraw_;
};
