#pragma once

#include "progresswindow.h"

// The index rebuild window: creates the fourteen indexes of the catalogue on the four open
// tables, the bar advancing after each, then enables its menu item and closes itself.
class Tindexaform : public MaintenanceWindow {
    Q_OBJECT
public:
    explicit Tindexaform(QWidget* parent = nullptr);

protected:
    void FormPaint() override;
};
