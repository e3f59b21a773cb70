#pragma once

#include <QString>
#include <QStringList>

class QWidget;

// Our own help viewer, in place of the platform's: the program asks it to show the contents of
// its help file and, when it ends, to quit.
namespace help {

// Shows the contents page of the help file `helpFile` (a bare name such as "sonor95.hlp", or an
// absolute path) in the one help viewer, owned by `owner`. A viewer already open is raised and
// goes back to the contents. A file found in none of helpFolders() is reported in a warning box
// and no viewer opens. The viewer is the top-level window "HelpViewer" with the browser
// "HelpBrowser"; closed by the user it is only hidden, and the next call shows it again. The help
// file's pictures (qrc:/icons/...) come from the program's resources (resources/icons.h).
void showContents(QWidget* owner, const QString& helpFile);

// Closes and destroys the help viewer; does nothing when none is open.
void quit();

// The folders searched for the help file, in order: the working directory, the program's folder,
// and ../share/sonorelo beside the program's folder, where the installation puts it.
QStringList helpFolders();

// The path of the file `name` in the first of `folders` that holds it, the letter case of the
// name ignored when no exact match exists; empty when no folder holds it. An absolute `name` is
// looked for only where it points.
QString locateHelpFile(const QString& name, const QStringList& folders);

}  // namespace help
