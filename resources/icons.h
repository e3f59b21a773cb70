#pragma once

#include <QtGlobal>

// The program's pictures (tool bar, buttons, the program's icon) live in the resource file
// icons.qrc, under ":/icons/" with their file names: ":/icons/cd.svg", ":/icons/sonorelo.svg".
// They are built into the static library sonorelo_resources, whose resources the linker keeps
// only if the program registers them: call initIcons() once after constructing the application
// object and before the first picture is loaded. Kept outside any namespace, as
// Q_INIT_RESOURCE requires.
inline void initIcons() { Q_INIT_RESOURCE(icons); }
