#pragma once

#include <QDir>
#include <QString>
#include <optional>

// What the commands share: exit codes, printing, and finding the folder they work on.
namespace tablestool {

enum ExitCode : int {
    kSuccess = 0,
    kProblems = 1,  // check found problems, or create found files in the way
    kUsage = 2,     // wrong arguments, or the folder does not exist
};

// One line on standard output or standard error, in UTF-8.
void printOut(const QString& line);
void printErr(const QString& line);

// The folder named on the command line, or nothing (after saying so on standard error) when it
// does not exist or is not a folder. The tool never creates it.
std::optional<QDir> existingFolder(const QString& path);

int createCommand(const QString& folder);
int checkCommand(const QString& folder);

}  // namespace tablestool
