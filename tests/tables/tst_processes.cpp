// Two processes on one table file: the exclusive lock, and a crash in the middle of posting.
#include <QProcess>
#include <QRandomGenerator>
#include <QSet>

#include "platform/tables/tableerror.h"
#include "tablefixture.h"

#ifndef CHILD_PATH
#error "CHILD_PATH names the helper process"
#endif

class Processes : public QObject {
    Q_OBJECT
private slots:
    void secondProcessCannotOpen();
    void crashKeepsEveryCommittedPost();

private:
    static QString readLine(QProcess& process) {
        while (!process.canReadLine())
            if (!process.waitForReadyRead(10000)) return {};
        return QString::fromUtf8(process.readLine()).trimmed();
    }
};

void Processes::secondProcessCannotOpen() {
    TableFixture fixture;
    fixture.open()->Close();  // adds the indexes, then lets go of the file
    QProcess holder;
    holder.start(QStringLiteral(CHILD_PATH), {QStringLiteral("hold"), fixture.dir(), QStringLiteral("Pessoas.db")});
    QCOMPARE(readLine(holder), QStringLiteral("ready"));

    for (bool exclusive : {true, false}) {
        tables::Table table;
        table.SetTableName(QStringLiteral("pessoas.DB"));
        table.SetExclusive(exclusive);
        try {
            table.Open();
            QFAIL("the file is held by another process");
        } catch (const tables::TableError& error) {
            QCOMPARE(error.message(), QStringLiteral("pessoas.DB: database is locked"));
        }
        QVERIFY(!table.Active());
        try {
            table.RecordCount();
            QFAIL("a table that failed to open stays closed");
        } catch (const tables::TableError& error) {
            QCOMPARE(error.message(), QStringLiteral("Cannot perform this operation on a closed dataset"));
        }
    }

    // The holder is unaffected and goes on writing.
    holder.write("post\n");
    QCOMPARE(readLine(holder), QStringLiteral("posted 1"));
    holder.write("quit\n");
    QVERIFY(holder.waitForFinished(10000));
    QCOMPARE(holder.exitCode(), 0);

    auto table = fixture.open(true, false);
    QCOMPARE(table->RecordCount(), 1);
}

void Processes::crashKeepsEveryCommittedPost() {
    for (int run = 0; run < 6; ++run) {
        TableFixture fixture;
        fixture.open()->Close();
        QProcess poster;
        poster.start(QStringLiteral(CHILD_PATH), {QStringLiteral("post"), fixture.dir(), QStringLiteral("Pessoas.db")});
        QVERIFY(poster.waitForStarted());
        QTest::qWait(100 + int(QRandomGenerator::global()->bounded(500)));
        poster.kill();  // SIGKILL
        QVERIFY(poster.waitForFinished(10000));
        QSet<int> reported;
        for (const QByteArray& line : poster.readAllStandardOutput().split('\n'))
            if (!line.trimmed().isEmpty()) reported.insert(line.trimmed().toInt());
        QVERIFY2(!reported.isEmpty(), "the child reported no post before it was killed");

        sqlite3* db = nullptr;
        QCOMPARE(sqlite3_open(fixture.path().toUtf8().constData(), &db), SQLITE_OK);
        tables::registerCollation(db);
        sqlite3_stmt* check = nullptr;
        sqlite3_prepare_v2(db, "PRAGMA integrity_check", -1, &check, nullptr);
        QCOMPARE(sqlite3_step(check), SQLITE_ROW);
        QCOMPARE(QByteArray(reinterpret_cast<const char*>(sqlite3_column_text(check, 0))), QByteArray("ok"));
        sqlite3_finalize(check);
        QSet<int> stored;
        sqlite3_stmt* rows = nullptr;
        sqlite3_prepare_v2(db, "SELECT Nome FROM Pessoas", -1, &rows, nullptr);
        while (sqlite3_step(rows) == SQLITE_ROW)
            stored.insert(QByteArray(reinterpret_cast<const char*>(sqlite3_column_text(rows, 0))).mid(1).toInt());
        sqlite3_finalize(rows);
        sqlite3_close(db);

        QVERIFY2(stored.contains(reported), qPrintable(QStringLiteral("run %1: %2 reported, %3 stored")
                                                          .arg(run).arg(reported.size()).arg(stored.size())));
        // Posts are sequential: what is stored is r0 … rN without a gap.
        for (int i = 0; i < stored.size(); ++i) QVERIFY(stored.contains(i));
    }
}

QTEST_GUILESS_MAIN(Processes)
#include "tst_processes.moc"
