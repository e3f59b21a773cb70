#pragma once

#include "progresswindow.h"

// The reinitialise window: deletes every record of the four tables one by one, the bar
// advancing after each deletion, then enables its menu item and closes itself.
class Tbarraform2 : public MaintenanceWindow {
    Q_OBJECT
public:
    explicit Tbarraform2(QWidget* parent = nullptr);

protected:
    void FormPaint() override;
};
