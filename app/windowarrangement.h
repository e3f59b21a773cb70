#pragma once

#include <QRect>

class QMdiArea;
class QMdiSubWindow;

// How the frame's "Janelas" commands lay out its child windows.
namespace arrangement {

// Gives a child window a new outer geometry; its form's client size follows.
void place(QMdiSubWindow* window, const QRect& geometry);

// Each child window, one after another, shifted down and right by its title bar's height.
void cascade(QMdiArea* area);
// One above another (horizontal) or side by side (vertical), sharing the client area.
void tile(QMdiArea* area, bool horizontal);
// The minimised child windows in a row along the bottom of the client area.
void arrangeIcons(QMdiArea* area);

}  // namespace arrangement
