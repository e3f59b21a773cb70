// The table-files tool as a user runs it: a separate process on a folder, judged by its exit
// status, its words and what it leaves on disk.
#include <sqlite3.h>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>

#include "data/catalogue.h"
#include "data/datamodule.h"
#include "platform/tables/collation.h"
#include "platform/tables/sharedfile.h"
#include "platform/tables/sqlitedb.h"
#include "platform/tables/table.h"
#include "platform/tables/tableerror.h"

namespace {

struct Result {
    int exitCode = -1;
    QString out;
    QString err;
};

Result runProgram(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    Result result;
    if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit) {
        process.kill();
        process.waitForFinished();
        result.err = QStringLiteral("%1 did not finish normally").arg(program);
        return result;
    }
    result.exitCode = process.exitCode();
    result.out = QString::fromUtf8(process.readAllStandardOutput());
    result.err = QString::fromUtf8(process.readAllStandardError());
    return result;
}

Result runTool(const QStringList& arguments) {
    return runProgram(QStringLiteral(TOOL_PATH), arguments);
}

QString report(const Result& result) {
    return QStringLiteral("exit %1\n--- stdout\n%2--- stderr\n%3")
        .arg(result.exitCode)
        .arg(result.out, result.err);
}

QStringList entries(const QString& folder) {
    return QDir(folder).entryList(
        QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
}

QStringList catalogueFileNames() {
    QStringList names;
    for (const catalogue::TableEntry& table : catalogue::tableEntries()) names << table.fileName;
    return names;
}

// Runs SQL on a file over a connection that knows the program's collation.
void runSql(const QString& path, const QString& sql) {
    sqlite3* db = nullptr;
    if (sqlite3_open_v2(path.toUtf8().constData(), &db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE,
                        nullptr) != SQLITE_OK) {
        sqlite3_close(db);
        throw tables::TableError(QStringLiteral("cannot open ") + path);
    }
    try {
        tables::registerCollation(db);
        tables::execute(db, sql, path);
    } catch (...) {
        sqlite3_close(db);
        throw;
    }
    sqlite3_close(db);
}

// The working directory for the engine's table objects, which find their files there.
class WorkingDirectory {
  public:
    explicit WorkingDirectory(const QString& path) : previous_(QDir::currentPath()) {
        QDir::setCurrent(path);
    }
    ~WorkingDirectory() { QDir::setCurrent(previous_); }

  private:
    QString previous_;
};

}  // namespace

class TestTablesTool : public QObject {
    Q_OBJECT

  private:
    // A folder with the four files made by the tool itself.
    bool createIn(const QString& folder) {
        const Result result = runTool({QStringLiteral("create"), folder});
        if (result.exitCode != 0) qWarning("%s", qPrintable(report(result)));
        return result.exitCode == 0;
    }

    // The fourteen indexes, built as the program builds them (through the data module's table
    // objects), and a few records so that the indexes hold keys.
    void addIndexesAndRecords(const QString& folder) {
        WorkingDirectory cwd(folder);
        TDataModule1 module;
        module.DataModuleCreate();
        for (const catalogue::IndexEntry& index : catalogue::indexEntries())
            module.table(index.table)
                ->AddIndex(index.name, index.fields, tables::IndexOption::CaseInsensitive);
        for (const char* name : {"b", "É", "e", "a", "f"}) {
            module.Artista->Append();
            module.ArtistaArtista->SetAsString(QString::fromUtf8(name));
            module.Artista->Post();
        }
        module.CD->Append();
        module.CDArtista->SetAsString(QStringLiteral("É"));
        module.CDTitulo->SetAsString(QStringLiteral("Canções"));
        module.CD->Post();
        module.Musica->Append();
        module.MusicaArtista->SetAsString(QStringLiteral("É"));
        module.MusicaTitulo->SetAsString(QStringLiteral("Canções"));
        module.MusicaMusica->SetAsString(QStringLiteral("Ação"));
        module.Musica->Post();
        module.Retirada->Append();
        module.RetiradaResponsavel->SetAsString(QStringLiteral("Zé"));
        module.RetiradaArtista->SetAsString(QStringLiteral("É"));
        module.Retirada->Post();
        tables::commitAll();
    }

  private slots:
    void createThenCheckFreshFolder();
    void checkFindsFilesInAnyLetterCase();
    void createRefusesWhenAFileExists_data();
    void createRefusesWhenAFileExists();
    void missingFolderIsRefused_data();
    void missingFolderIsRefused();
    void checkReportsBrokenFile_data();
    void checkReportsBrokenFile();
    void checkReportsFileHeldByTheProgram_data();
    void checkReportsFileHeldByTheProgram();
    void checkAcceptsTheProgramsIndexes();
    void stockShellNeedsTheExtension();
    void checkJudgesIndexDefinitions_data();
    void checkJudgesIndexDefinitions();
    void usage_data();
    void usage();
};

void TestTablesTool::createThenCheckFreshFolder() {
    QTemporaryDir dir;
    const Result created = runTool({QStringLiteral("create"), dir.path()});
    QVERIFY2(created.exitCode == 0, qPrintable(report(created)));
    // Exactly the four files, in the catalogue's letter case, with nothing left beside them.
    QStringList expected = catalogueFileNames();
    expected.sort();
    QCOMPARE(entries(dir.path()), expected);

    const Result checked = runTool({QStringLiteral("check"), dir.path()});
    QVERIFY2(checked.exitCode == 0, qPrintable(report(checked)));
    QVERIFY2(checked.err.isEmpty(), qPrintable(report(checked)));
    QVERIFY2(checked.out.trimmed().endsWith(QLatin1String("\nOK")), qPrintable(report(checked)));
    for (const catalogue::TableEntry& table : catalogue::tableEntries())
        QVERIFY2(checked.out.contains(table.fileName + QStringLiteral(": 0 records")),
                 qPrintable(report(checked)));
    // A new folder has no secondary index yet; each is named as missing, none as a problem.
    for (const catalogue::IndexEntry& index : catalogue::indexEntries())
        QVERIFY2(checked.out.contains(index.name + QStringLiteral(" missing")),
                 qPrintable(index.name));
    QCOMPARE(checked.out.count(QLatin1String(" missing")),
             qsizetype(catalogue::indexEntries().size()));
}

void TestTablesTool::checkFindsFilesInAnyLetterCase() {
    QTemporaryDir dir;
    QVERIFY(createIn(dir.path()));
    QVERIFY(QFile::rename(dir.filePath(QStringLiteral("CD.db")),
                          dir.filePath(QStringLiteral("cd.DB"))));
    QVERIFY(QFile::rename(dir.filePath(QStringLiteral("Musica.db")),
                          dir.filePath(QStringLiteral("MUSICA.DB"))));
    const Result checked = runTool({QStringLiteral("check"), dir.path()});
    QVERIFY2(checked.exitCode == 0, qPrintable(report(checked)));
    QVERIFY2(checked.out.contains(QLatin1String("cd.DB: 0 records")), qPrintable(report(checked)));
    QVERIFY2(checked.out.contains(QLatin1String("MUSICA.DB: 0 records")),
             qPrintable(report(checked)));
}

void TestTablesTool::createRefusesWhenAFileExists_data() {
    // Names already in the folder; one ending in "/" is a folder of that name.
    QTest::addColumn<QStringList>("existing");
    QTest::newRow("one file in another letter case") << QStringList{QStringLiteral("cd.DB")};
    QTest::newRow("one file as named") << QStringList{QStringLiteral("Musica.db")};
    QTest::newRow("the first and the third")
        << QStringList{QStringLiteral("ARTISTA.DB"), QStringLiteral("retirada.db")};
    QTest::newRow("a folder of that name") << QStringList{QStringLiteral("Cd.Db/")};
}

void TestTablesTool::createRefusesWhenAFileExists() {
    QFETCH(QStringList, existing);
    QTemporaryDir dir;
    for (const QString& name : existing) {
        if (name.endsWith(QLatin1Char('/'))) {
            QVERIFY(QDir(dir.path()).mkdir(name.chopped(1)));
        } else {
            QFile file(dir.filePath(name));
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write("bytes the user wants to keep: " + name.toUtf8());
        }
    }
    const QStringList before = entries(dir.path());

    const Result result = runTool({QStringLiteral("create"), dir.path()});
    QVERIFY2(result.exitCode != 0, qPrintable(report(result)));
    for (const QString& name : existing) {
        const QString shown = name.endsWith(QLatin1Char('/')) ? name.chopped(1) : name;
        QVERIFY2(result.err.contains(shown), qPrintable(report(result)));
    }
    // None of the others was made, and what was there is as it was.
    QCOMPARE(entries(dir.path()), before);
    for (const QString& name : existing) {
        if (name.endsWith(QLatin1Char('/'))) continue;
        QFile file(dir.filePath(name));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), "bytes the user wants to keep: " + name.toUtf8());
    }
}

void TestTablesTool::missingFolderIsRefused_data() {
    QTest::addColumn<QString>("command");
    QTest::addColumn<bool>("pathIsAFile");
    QTest::addColumn<QString>("expected");
    QTest::newRow("create, no folder")
        << QStringLiteral("create") << false << QStringLiteral("does not exist");
    QTest::newRow("check, no folder")
        << QStringLiteral("check") << false << QStringLiteral("does not exist");
    QTest::newRow("create, a file")
        << QStringLiteral("create") << true << QStringLiteral("is not a folder");
    QTest::newRow("check, a file")
        << QStringLiteral("check") << true << QStringLiteral("is not a folder");
}

void TestTablesTool::missingFolderIsRefused() {
    QFETCH(QString, command);
    QFETCH(bool, pathIsAFile);
    QFETCH(QString, expected);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("colecao"));
    if (pathIsAFile) {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
    }
    const Result result = runTool({command, path});
    QCOMPARE(result.exitCode, 2);
    QVERIFY2(result.err.contains(path + QLatin1Char(' ') + expected), qPrintable(report(result)));
    // The folder is not made on the way.
    QCOMPARE(QFileInfo(path).isDir(), false);
    QCOMPARE(entries(dir.path()),
             pathIsAFile ? QStringList{QStringLiteral("colecao")} : QStringList{});
}

enum class Damage { Remove, WriteBytes, RunSql };
Q_DECLARE_METATYPE(Damage)

void TestTablesTool::checkReportsBrokenFile_data() {
    // What is done to one file of a freshly created folder, and what check must say about it.
    QTest::addColumn<QString>("file");
    QTest::addColumn<Damage>("damage");
    QTest::addColumn<QByteArray>("payload");
    QTest::addColumn<QString>("expected");

    QTest::newRow("missing file") << QStringLiteral("CD.db") << Damage::Remove << QByteArray()
                                  << QStringLiteral("CD.db: missing file");
    QTest::newRow("text instead of a database")
        << QStringLiteral("Artista.DB") << Damage::WriteBytes
        << QByteArray("Artista;Titulo\nChico Buarque;Construção\n")
        << QStringLiteral("Artista.DB: file is not a database");
    // SQLite takes an empty file for an empty database: what it lacks is the table.
    QTest::newRow("empty file") << QStringLiteral("Artista.DB") << Damage::WriteBytes
                                << QByteArray("") << QStringLiteral("Artista.DB: no table Artista");
    QTest::newRow("table under another name")
        << QStringLiteral("Retirada.DB") << Damage::RunSql
        << QByteArray("ALTER TABLE Retirada RENAME TO Emprestimo")
        << QStringLiteral("Retirada.DB: no table Retirada");
    QTest::newRow("column missing")
        << QStringLiteral("Musica.db") << Damage::RunSql
        << QByteArray("ALTER TABLE Musica DROP COLUMN Titulo")
        << QStringLiteral("Musica.db: table Musica lacks the column(s) Titulo");
    QTest::newRow("date column declared as text")
        << QStringLiteral("CD.db") << Damage::RunSql
        << QByteArray(
               "DROP TABLE CD; CREATE TABLE CD (Titulo VARCHAR(40), Aquisicao TEXT, "
               "Artista VARCHAR(40), Estilo VARCHAR(20), Retirada VARCHAR(1), Numero VARCHAR(3))")
        << QStringLiteral("Aquisicao is TEXT, expected DATE");
    // An index built in binary order but declared in the program's collation: its entries are
    // out of order for every lookup, which only the integrity check can see.
    QTest::newRow("index out of order")
        << QStringLiteral("Artista.DB") << Damage::RunSql
        << QByteArray(
               "INSERT INTO Artista VALUES ('Zeca'), ('ana'), ('Bia'), ('caio'), ('Dora'), "
               "('élcio');"
               "CREATE INDEX iartista ON Artista (Artista COLLATE BINARY);"
               "PRAGMA writable_schema = ON;"
               "UPDATE sqlite_master SET sql = 'CREATE INDEX iartista ON Artista (Artista COLLATE "
               "PTBR)'"
               " WHERE name = 'iartista';")
        << QStringLiteral("Artista.DB: integrity check failed");
}

void TestTablesTool::checkReportsBrokenFile() {
    QFETCH(QString, file);
    QFETCH(Damage, damage);
    QFETCH(QByteArray, payload);
    QFETCH(QString, expected);
    QTemporaryDir dir;
    QVERIFY(createIn(dir.path()));
    const QString path = dir.filePath(file);
    switch (damage) {
        case Damage::Remove:
            QVERIFY(QFile::remove(path));
            break;
        case Damage::WriteBytes: {
            QFile out(path);
            QVERIFY(out.open(QIODevice::WriteOnly | QIODevice::Truncate));
            QCOMPARE(out.write(payload), payload.size());
            break;
        }
        case Damage::RunSql:
            runSql(path, QString::fromUtf8(payload));
            break;
    }

    const Result result = runTool({QStringLiteral("check"), dir.path()});
    QCOMPARE(result.exitCode, 1);
    QVERIFY2(result.err.contains(expected), qPrintable(report(result)));
    // The three sound files are not blamed.
    QVERIFY2(result.err.trimmed().endsWith(QLatin1String("\n1 problem(s)")),
             qPrintable(report(result)));
}

void TestTablesTool::checkReportsFileHeldByTheProgram_data() {
    QTest::addColumn<bool>("wholeProgram");
    QTest::addColumn<QStringList>("held");
    QTest::newRow("another process holds one file")
        << false << QStringList{QStringLiteral("Artista.DB")};
    QTest::newRow("the data module holds all four") << true << catalogueFileNames();
}

void TestTablesTool::checkReportsFileHeldByTheProgram() {
    QFETCH(bool, wholeProgram);
    QFETCH(QStringList, held);
    QTemporaryDir dir;
    QVERIFY(createIn(dir.path()));

    QProcess holder;
    std::unique_ptr<TDataModule1> module;
    if (wholeProgram) {
        // The program's own tables, opened exclusively as at start-up (here in this process,
        // the tool being another one).
        WorkingDirectory cwd(dir.path());
        module = std::make_unique<TDataModule1>();
        module->DataModuleCreate();
    } else {
        holder.start(QStringLiteral(LOCK_HOLDER_PATH), {dir.filePath(held.first())});
        QVERIFY(holder.waitForStarted());
        while (!holder.canReadLine())
            QVERIFY2(holder.waitForReadyRead(10000), holder.readAllStandardError());
        QCOMPARE(holder.readLine().trimmed(), QByteArray("ready"));
    }

    const Result whileHeld = runTool({QStringLiteral("check"), dir.path()});
    QCOMPARE(whileHeld.exitCode, 1);
    for (const QString& name : held)
        QVERIFY2(whileHeld.err.contains(
                     name + QStringLiteral(": database is locked (is the program running?)")),
                 qPrintable(report(whileHeld)));
    QVERIFY2(whileHeld.err.contains(QStringLiteral("\n%1 problem(s)").arg(held.size())),
             qPrintable(report(whileHeld)));

    // Once the holder lets go, the same folder passes: the lock was the only problem.
    if (wholeProgram) {
        module.reset();
    } else {
        holder.closeWriteChannel();
        QVERIFY(holder.waitForFinished(10000));
        QCOMPARE(holder.exitCode(), 0);
    }
    const Result afterwards = runTool({QStringLiteral("check"), dir.path()});
    QVERIFY2(afterwards.exitCode == 0, qPrintable(report(afterwards)));
}

void TestTablesTool::checkAcceptsTheProgramsIndexes() {
    QTemporaryDir dir;
    QVERIFY(createIn(dir.path()));
    addIndexesAndRecords(dir.path());

    const Result checked = runTool({QStringLiteral("check"), dir.path()});
    QVERIFY2(checked.exitCode == 0, qPrintable(report(checked)));
    QVERIFY2(!checked.out.contains(QLatin1String("missing")), qPrintable(report(checked)));
    QCOMPARE(checked.out.count(QLatin1String(" present")),
             qsizetype(catalogue::indexEntries().size()));
    QVERIFY2(
        checked.out.contains(QLatin1String("Artista.DB: 5 records; indexes: iartista present\n")),
        qPrintable(report(checked)));
    QVERIFY2(checked.out.contains(
                 QLatin1String("CD.db: 1 record; indexes: iartista present, "
                               "iartista_titulo present, ititulo present, inumero present\n")),
             qPrintable(report(checked)));
}

void TestTablesTool::stockShellNeedsTheExtension() {
    const QString shell = QStandardPaths::findExecutable(QStringLiteral("sqlite3"));
    if (shell.isEmpty()) QSKIP("the sqlite3 shell is not installed");
    QTemporaryDir dir;
    QVERIFY(createIn(dir.path()));
    addIndexesAndRecords(dir.path());

    // Loaded as the installation tells users to: the folder and the name, without suffix.
    QString extension = QStringLiteral(EXTENSION_PATH);
    if (extension.endsWith(QLatin1String(".so"))) extension.chop(3);
    const QStringList load = {QStringLiteral("-cmd"), QStringLiteral(".load ") + extension};
    for (const QString& name : catalogueFileNames()) {
        const Result result = runProgram(
            shell,
            load + QStringList{dir.filePath(name), QStringLiteral("PRAGMA integrity_check")});
        QVERIFY2(result.exitCode == 0 && result.out == QLatin1String("ok\n"),
                 qPrintable(name + QLatin1Char('\n') + report(result)));
    }
    // The shell orders as the program does: case ignored, accents not.
    const Result ordered = runProgram(
        shell,
        load + QStringList{
                   dir.filePath(QStringLiteral("Artista.DB")),
                   QStringLiteral("SELECT Artista FROM Artista ORDER BY Artista COLLATE PTBR")});
    QCOMPARE(ordered.out, QStringLiteral("a\nb\ne\nÉ\nf\n"));

    const Result without =
        runProgram(shell, {dir.filePath(QStringLiteral("Artista.DB")),
                           QStringLiteral("SELECT * FROM Artista ORDER BY Artista COLLATE PTBR")});
    QVERIFY2(without.exitCode != 0, qPrintable(report(without)));
    QVERIFY2(without.err.contains(QLatin1String("no such collation sequence")),
             qPrintable(report(without)));
}

void TestTablesTool::checkJudgesIndexDefinitions_data() {
    // One index made by hand on a fresh folder; whether check must count it a problem.
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("index");
    QTest::addColumn<QString>("sql");
    QTest::addColumn<bool>("wrong");
    QTest::newRow("as the program makes it, name in another letter case")
        << QStringLiteral("CD.db") << QStringLiteral("IArtista_Titulo")
        << QStringLiteral(
               "CREATE INDEX IArtista_Titulo ON CD (artista COLLATE ptbr, titulo COLLATE PTBR)")
        << false;
    QTest::newRow("date key in binary order")
        << QStringLiteral("Retirada.DB") << QStringLiteral("idata_entrega")
        << QStringLiteral("CREATE INDEX idata_entrega ON Retirada (Data_Entrega)") << false;
    QTest::newRow("text key in binary order")
        << QStringLiteral("Artista.DB") << QStringLiteral("iartista")
        << QStringLiteral("CREATE INDEX iartista ON Artista (Artista)") << true;
    QTest::newRow("date key in the program's collation")
        << QStringLiteral("Retirada.DB") << QStringLiteral("idata_entrega")
        << QStringLiteral("CREATE INDEX idata_entrega ON Retirada (Data_Entrega COLLATE PTBR)")
        << true;
    QTest::newRow("another column")
        << QStringLiteral("CD.db") << QStringLiteral("ititulo")
        << QStringLiteral("CREATE INDEX ititulo ON CD (Artista COLLATE PTBR)") << true;
    QTest::newRow("one key column too many")
        << QStringLiteral("CD.db") << QStringLiteral("iartista")
        << QStringLiteral("CREATE INDEX iartista ON CD (Artista COLLATE PTBR, Titulo COLLATE PTBR)")
        << true;
    QTest::newRow("key columns in the wrong order")
        << QStringLiteral("Musica.db") << QStringLiteral("iartistatitulo")
        << QStringLiteral(
               "CREATE INDEX iartistatitulo ON Musica (Titulo COLLATE PTBR, Artista COLLATE PTBR)")
        << true;
    QTest::newRow("descending") << QStringLiteral("Musica.db") << QStringLiteral("imusica")
                                << QStringLiteral(
                                       "CREATE INDEX imusica ON Musica (Musica COLLATE PTBR DESC)")
                                << true;
    QTest::newRow("unique") << QStringLiteral("Artista.DB") << QStringLiteral("iartista")
                            << QStringLiteral(
                                   "CREATE UNIQUE INDEX iartista ON Artista (Artista COLLATE PTBR)")
                            << true;
    QTest::newRow("partial")
        << QStringLiteral("Musica.db") << QStringLiteral("imusica")
        << QStringLiteral("CREATE INDEX imusica ON Musica (Musica COLLATE PTBR) WHERE Musica <> ''")
        << true;
    QTest::newRow("expression")
        << QStringLiteral("Artista.DB") << QStringLiteral("iartista")
        << QStringLiteral("CREATE INDEX iartista ON Artista (lower(Artista) COLLATE PTBR)") << true;
}

void TestTablesTool::checkJudgesIndexDefinitions() {
    QFETCH(QString, file);
    QFETCH(QString, index);
    QFETCH(QString, sql);
    QFETCH(bool, wrong);
    QTemporaryDir dir;
    QVERIFY(createIn(dir.path()));
    runSql(dir.filePath(file), sql);

    const Result result = runTool({QStringLiteral("check"), dir.path()});
    if (wrong) {
        QCOMPARE(result.exitCode, 1);
        QVERIFY2(result.err.contains(file + QStringLiteral(": index ") + index +
                                     QStringLiteral(" has a wrong definition")),
                 qPrintable(report(result)));
        QVERIFY2(result.err.trimmed().endsWith(QLatin1String("\n1 problem(s)")),
                 qPrintable(report(result)));
    } else {
        QVERIFY2(result.exitCode == 0, qPrintable(report(result)));
        QVERIFY2(result.out.contains(index.toLower() + QStringLiteral(" present")),
                 qPrintable(report(result)));
    }
}

void TestTablesTool::usage_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<bool>("onStdout");
    QTest::newRow("no arguments") << QStringList{} << 0 << true;
    QTest::newRow("--help") << QStringList{QStringLiteral("--help")} << 0 << true;
    QTest::newRow("-h") << QStringList{QStringLiteral("-h")} << 0 << true;
    QTest::newRow("unknown command")
        << QStringList{QStringLiteral("repair"), QStringLiteral("/tmp")} << 2 << false;
    QTest::newRow("no folder") << QStringList{QStringLiteral("check")} << 2 << false;
    QTest::newRow("two folders") << QStringList{QStringLiteral("create"), QStringLiteral("a"),
                                                QStringLiteral("b")}
                                 << 2 << false;
}

void TestTablesTool::usage() {
    QFETCH(QStringList, arguments);
    QFETCH(int, exitCode);
    QFETCH(bool, onStdout);
    const Result result = runTool(arguments);
    QCOMPARE(result.exitCode, exitCode);
    const QString& text = onStdout ? result.out : result.err;
    QVERIFY2(text.contains(QLatin1String("Usage: sonorelo-tables COMMAND DIR")),
             qPrintable(report(result)));
    QVERIFY2((onStdout ? result.err : result.out).isEmpty(), qPrintable(report(result)));
}

QTEST_GUILESS_MAIN(TestTablesTool)
#include "tst_tablestool.moc"
