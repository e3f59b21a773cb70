// create DIR: the installation step that makes the four empty table files.
#include <QFile>
#include <QFileInfo>
#include <QStringList>

#include "console.h"
#include "data/catalogue.h"
#include "platform/tables/tableerror.h"
#include "platform/tables/tablefile.h"

namespace tablestool {

namespace {

// The entry of the folder that stands where the table file would go, whatever its letter case.
// findTableFile sees regular files only; a folder, a dangling link or a pipe of that name is in
// the way as well, so every kind of entry is looked at.
std::optional<QString> entryInTheWay(const QDir& folder, const QString& fileName) {
    const QFileInfo file(tables::findTableFile(folder, fileName));
    if (file.exists() || file.isSymLink()) return file.fileName();
    const QStringList entries =
        folder.entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    for (const QString& entry : entries)
        if (entry.compare(fileName, Qt::CaseInsensitive) == 0) return entry;
    return std::nullopt;
}

}  // namespace

int createCommand(const QString& folderPath) {
    const std::optional<QDir> folder = existingFolder(folderPath);
    if (!folder) return kUsage;

    // Every name is looked at before anything is made, so that a refusal leaves the folder as
    // it was.
    QStringList inTheWay;
    for (const catalogue::TableEntry& table : catalogue::tableEntries()) {
        if (const std::optional<QString> entry = entryInTheWay(*folder, table.fileName)) {
            inTheWay << (entry->compare(table.fileName) == 0
                             ? *entry
                             : QStringLiteral("%1 (for %2)").arg(*entry, table.fileName));
        }
    }
    if (!inTheWay.isEmpty()) {
        printErr(QStringLiteral("sonorelo-tables: %1 %2 in %3; nothing was created")
                     .arg(inTheWay.join(QStringLiteral(", ")),
                          inTheWay.size() == 1 ? QStringLiteral("exists already")
                                               : QStringLiteral("exist already"),
                          folder->path()));
        return kProblems;
    }

    QStringList created;
    for (const catalogue::TableEntry& table : catalogue::tableEntries()) {
        const QString path = folder->filePath(table.fileName);
        try {
            tables::createTableFile(path, table.name, table.fieldDefs());
        } catch (const tables::TableError& error) {
            // All or nothing: the files this run made are empty, so taking them back loses
            // nothing and lets the next attempt start clean.
            for (const QString& done : created) QFile::remove(folder->filePath(done));
            printErr(QStringLiteral("sonorelo-tables: ") + error.message() +
                     QStringLiteral("; nothing was created"));
            return kProblems;
        }
        created << table.fileName;
    }
    for (const QString& name : created)
        printOut(QStringLiteral("created ") + folder->filePath(name));
    return kSuccess;
}

}  // namespace tablestool
