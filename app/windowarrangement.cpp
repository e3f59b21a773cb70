#include "windowarrangement.h"

#include <QMdiArea>
#include <QMdiSubWindow>
#include <QStyle>

namespace arrangement {

namespace {
QList<QMdiSubWindow*> openWindows(QMdiArea* area, bool minimised) {
    QList<QMdiSubWindow*> windows;
    for (QMdiSubWindow* window : area->subWindowList(QMdiArea::CreationOrder))
        if (window->isVisible() && window->isMinimized() == minimised) windows << window;
    return windows;
}
}  // namespace

void place(QMdiSubWindow* window, const QRect& geometry) {
    if (QWidget* form = window->widget()) {
        const QSize frame = window->size() - form->size();
        form->setFixedSize((geometry.size() - frame).expandedTo(QSize(1, 1)));
    }
    window->setGeometry(geometry);
}

void cascade(QMdiArea* area) {
    const int step = area->style()->pixelMetric(QStyle::PM_TitleBarHeight) + 4;
    int offset = 0;
    for (QMdiSubWindow* window : openWindows(area, false)) {
        window->move(offset, offset);
        window->raise();
        offset += step;
    }
}

void tile(QMdiArea* area, bool horizontal) {
    const QList<QMdiSubWindow*> windows = openWindows(area, false);
    if (windows.isEmpty()) return;
    const QRect client = area->viewport()->rect();
    const int n = int(windows.size());
    for (int i = 0; i < n; ++i) {
        QRect cell;
        if (horizontal) {
            const int height = client.height() / n;
            cell = QRect(0, i * height, client.width(), height);
        } else {
            const int width = client.width() / n;
            cell = QRect(i * width, 0, width, client.height());
        }
        place(windows[i], cell);
    }
}

void arrangeIcons(QMdiArea* area) {
    const QRect client = area->viewport()->rect();
    int x = 0;
    for (QMdiSubWindow* window : openWindows(area, true)) {
        window->move(x, client.height() - window->height());
        x += window->width();
    }
}

}  // namespace arrangement
