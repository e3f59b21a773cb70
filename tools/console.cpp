#include "console.h"

#include <QFileInfo>
#include <iostream>

namespace tablestool {

void printOut(const QString& line) { std::cout << line.toStdString() << '\n' << std::flush; }

void printErr(const QString& line) { std::cerr << line.toStdString() << '\n' << std::flush; }

std::optional<QDir> existingFolder(const QString& path) {
    const QFileInfo info(path);
    if (!info.exists()) {
        printErr(QStringLiteral("sonorelo-tables: the folder %1 does not exist").arg(path));
        return std::nullopt;
    }
    if (!info.isDir()) {
        printErr(QStringLiteral("sonorelo-tables: %1 is not a folder").arg(path));
        return std::nullopt;
    }
    return QDir(info.absoluteFilePath());
}

}  // namespace tablestool
