// sonorelo-tables: the installation and maintenance tool for the table files.
#include <QFile>
#include <QString>
#include <QStringList>
#include <exception>

#include "console.h"
#include "platform/tables/tableerror.h"

namespace {

const char* const kUsage =
    "Usage: sonorelo-tables COMMAND DIR\n"
    "\n"
    "Commands:\n"
    "  create DIR   make the four empty table files (Artista.DB, CD.db, Retirada.DB,\n"
    "               Musica.db) in the folder DIR; nothing is created when any of them\n"
    "               exists already, in any letter case\n"
    "  check DIR    check every table file in DIR: that it is an SQLite database in good\n"
    "               order, holds its table with the expected columns, and that each index\n"
    "               present has the expected definition; prints the record count and which\n"
    "               indexes are present (missing indexes are built by the program's first\n"
    "               start and are not a problem)\n"
    "  -h, --help   show this text\n"
    "\n"
    "Exit status: 0 success, 1 problems found (check) or files in the way (create),\n"
    "2 wrong arguments or a folder that does not exist.\n";

int usageError(const QString& why) {
    tablestool::printErr(QStringLiteral("sonorelo-tables: ") + why);
    tablestool::printErr(QString::fromLatin1(kUsage).trimmed());
    return tablestool::kUsage;
}

}  // namespace

int main(int argc, char** argv) {
    QStringList args;
    for (int i = 1; i < argc; ++i) args << QFile::decodeName(argv[i]);

    if (args.isEmpty() || args[0] == QLatin1String("-h") || args[0] == QLatin1String("--help")) {
        tablestool::printOut(QString::fromLatin1(kUsage).trimmed());
        return tablestool::kSuccess;
    }
    const QString command = args[0];
    if (command != QLatin1String("create") && command != QLatin1String("check"))
        return usageError(QStringLiteral("unknown command '%1'").arg(command));
    if (args.size() != 2)
        return usageError(QStringLiteral("%1 takes exactly one folder").arg(command));

    try {
        return command == QLatin1String("create") ? tablestool::createCommand(args[1])
                                                  : tablestool::checkCommand(args[1]);
    } catch (const tables::TableError& error) {
        tablestool::printErr(QStringLiteral("sonorelo-tables: ") + error.message());
    } catch (const std::exception& error) {
        tablestool::printErr(QStringLiteral("sonorelo-tables: ") + QString::fromUtf8(error.what()));
    }
    return tablestool::kProblems;
}
