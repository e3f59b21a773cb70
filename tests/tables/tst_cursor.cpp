// Orders, keyed search and reading ahead: what a walk with First/Next sees.
#include "platform/tables/cursorsql.h"
#include "platform/tables/tableerror.h"
#include "tablefixture.h"

using tables::Table;

class Cursor : public QObject {
    Q_OBJECT
private slots:
    void noIndexMeansInsertionOrder();
    void insertionOrderSurvivesVacuum();
    void equalKeysFollowInsertionOrder();
    void indexSwitchKeepsRecord();
    void findKey_data();
    void findKey();
    void findKeyNotFoundKeepsRecord();
    void priorAndLast();
    void nullDatesOrderFirstBothWays();
    void longWalkAcrossBatches();
    void writesThroughAnotherObjectReachTheWalk();
    void ownWritesDuringWalk();
    void addIndexReplacesAndKeepsOrder();
    void cursorQueriesUseTheIndex();
};

void Cursor::noIndexMeansInsertionOrder() {
    TableFixture fixture;
    auto table = fixture.open();
    TableFixture::add(*table, {{"Caio", "", ""}, {"Ana", "", ""}, {"Bia", "", ""}});
    QCOMPARE(TableFixture::walk(*table), names("Caio,Ana,Bia"));
    table->SetIndexName(QStringLiteral("inome"));
    QCOMPARE(TableFixture::walk(*table), names("Ana,Bia,Caio"));
    table->SetIndexName(QString());
    QCOMPARE(TableFixture::walk(*table), names("Caio,Ana,Bia"));
}

void Cursor::insertionOrderSurvivesVacuum() {
    TableFixture fixture;
    auto table = fixture.open();
    TableFixture::add(*table, {{"E", "", ""}, {"D", "", ""}, {"C", "", ""}, {"B", "", ""}, {"A", "", ""}});
    table->First();
    table->Delete();  // E
    table->Next();
    table->Delete();  // C
    TableFixture::add(*table, {{"F", "", ""}});
    table->Close();
    sqlite3* db = nullptr;
    sqlite3_open(fixture.path().toUtf8().constData(), &db);
    tables::registerCollation(db);
    QCOMPARE(sqlite3_exec(db, "VACUUM", nullptr, nullptr, nullptr), SQLITE_OK);
    sqlite3_close(db);
    table->Open();
    QCOMPARE(TableFixture::walk(*table), names("D,B,A,F"));
}

void Cursor::equalKeysFollowInsertionOrder() {
    TableFixture fixture;
    auto table = fixture.open();
    TableFixture::add(*table, {{"maria", "3", ""}, {"Ana", "1", ""}, {"MARIA", "1", ""},
                               {"Maria", "2", ""}, {"Zé", "", ""}});
    table->SetIndexName(QStringLiteral("inome"));
    QCOMPARE(TableFixture::walk(*table), names("Ana,maria,MARIA,Maria,Zé"));
    table->SetIndexName(QStringLiteral("inome_cidade"));
    QStringList cities;
    table->First();
    while (!table->Eof()) {
        cities << table->FieldByName(QStringLiteral("cidade")).AsString();
        table->Next();
    }
    QCOMPARE(cities, (QStringList{"1", "1", "2", "3", ""}));
}

void Cursor::indexSwitchKeepsRecord() {
    TableFixture fixture;
    auto table = fixture.open();
    TableFixture::add(*table, {{"Caio", "", ""}, {"Ana", "", ""}, {"Bia", "", ""}, {"Davi", "", ""}});
    table->First();
    table->Next();  // Ana, second in insertion order
    table->SetIndexName(QStringLiteral("inome"));
    QCOMPARE(table->FieldByName(QStringLiteral("nome")).AsString(), QStringLiteral("Ana"));
    table->Next();
    QCOMPARE(table->FieldByName(QStringLiteral("nome")).AsString(), QStringLiteral("Bia"));
    table->SetIndexName(QString());
    table->Next();
    QCOMPARE(table->FieldByName(QStringLiteral("nome")).AsString(), QStringLiteral("Davi"));
}

void Cursor::findKey_data() {
    QTest::addColumn<QString>("index");
    QTest::addColumn<QStringList>("key");
    QTest::addColumn<bool>("found");
    QTest::addColumn<QString>("city");
    QTest::newRow("small letters find capitals") << "inome" << QStringList{"JOÃO"} << true << "1";
    QTest::newRow("first of equal keys") << "inome" << QStringList{"joão"} << true << "1";
    QTest::newRow("accent matters") << "inome" << QStringList{"joao"} << false << "";
    QTest::newRow("accented capital equals small") << "inome" << QStringList{"ÉDSON"} << true << "7";
    QTest::newRow("whole value only") << "inome" << QStringList{"Jo"} << false << "";
    QTest::newRow("two fields") << "inome_cidade" << QStringList{"joão", "2"} << true << "2";
    QTest::newRow("first field of two") << "inome_cidade" << QStringList{"João"} << true << "1";
    QTest::newRow("empty text finds empty") << "inome" << QStringList{""} << true << "9";
    QTest::newRow("date") << "inascimento" << QStringList{"1/1/1990"} << true << "8";
}

void Cursor::findKey() {
    QFETCH(QString, index);
    QFETCH(QStringList, key);
    QFETCH(bool, found);
    QFETCH(QString, city);
    tables::ShortDateFormat::setProgramFormat(tables::ShortDateFormat{});
    TableFixture fixture;
    auto table = fixture.open();
    TableFixture::add(*table, {{"Ana", "0", ""}, {"João", "Rio", ""}, {"JOÃO", "Natal", ""},
                               {"édson", "7", ""}, {"Zeca", "8", " 1/ 1/1990"}, {"", "9", ""}});
    // Cities name the record a case expects: "1" the first João, "2" the one in Natal.
    table->First();
    table->Next();
    table->Edit();
    table->FieldByName(QStringLiteral("cidade")).SetAsString(QStringLiteral("1"));
    table->Next();
    table->Edit();
    table->FieldByName(QStringLiteral("cidade")).SetAsString(QStringLiteral("2"));
    table->Post();
    table->SetIndexName(index);
    table->First();
    QCOMPARE(table->FindKey(key), found);
    if (found) {
        QCOMPARE(table->FieldByName(QStringLiteral("cidade")).AsString(), city);
        QVERIFY(!table->Eof());
    }
}

void Cursor::findKeyNotFoundKeepsRecord() {
    TableFixture fixture;
    auto table = fixture.open();
    TableFixture::add(*table, {{"Ana", "", ""}, {"Bia", "", ""}, {"Caio", "", ""}});
    table->SetIndexName(QStringLiteral("inome"));
    table->First();
    table->Next();
    QVERIFY(!table->FindKey({QStringLiteral("Nenhum")}));
    QCOMPARE(table->FieldByName(QStringLiteral("nome")).AsString(), QStringLiteral("Bia"));
    table->Next();
    QCOMPARE(table->FieldByName(QStringLiteral("nome")).AsString(), QStringLiteral("Caio"));
    try {
        table->FindKey({QStringLiteral("a"), QStringLiteral("b")});
        QFAIL("more values than keys must fail");
    } catch (const tables::TableError&) {
    }
}

void Cursor::priorAndLast() {
    TableFixture fixture;
    auto table = fixture.open();
    TableFixture::add(*table, {{"Caio", "", ""}, {"Ana", "", ""}, {"Bia", "", ""}});
    table->SetIndexName(QStringLiteral("inome"));
    table->Last();
    QCOMPARE(table->FieldByName(QStringLiteral("nome")).AsString(), QStringLiteral("Caio"));
    QVERIFY(!table->Eof());
    table->Next();
    QVERIFY(table->Eof());
    table->Prior();
    QCOMPARE(table->FieldByName(QStringLiteral("nome")).AsString(), QStringLiteral("Bia"));
    table->Prior();
    table->Prior();
    QVERIFY(table->Bof());
    QCOMPARE(table->FieldByName(QStringLiteral("nome")).AsString(), QStringLiteral("Ana"));
    table->Next();
    QCOMPARE(table->FieldByName(QStringLiteral("nome")).AsString(), QStringLiteral("Bia"));
}

void Cursor::nullDatesOrderFirstBothWays() {
    TableFixture fixture;
    auto table = fixture.open();
    TableFixture::add(*table, {{"B", "", "02/02/02"}, {"N1", "", ""}, {"A", "", "01/01/01"},
                               {"N2", "", ""}, {"C", "", "03/03/03"}});
    table->SetIndexName(QStringLiteral("inascimento"));
    QCOMPARE(TableFixture::walk(*table), names("N1,N2,A,B,C"));
    QStringList backwards;
    table->Last();
    for (int i = 0; i < 5; ++i) {
        backwards << table->FieldByName(QStringLiteral("nome")).AsString();
        table->Prior();
    }
    QVERIFY(table->Bof());
    QCOMPARE(backwards, names("C,B,A,N2,N1"));
}

void Cursor::longWalkAcrossBatches() {
    TableFixture fixture;
    auto table = fixture.open();
    QStringList expected;
    for (int i = 0; i < 5000; ++i) {
        table->Append();
        const QString name = QStringLiteral("n%1").arg(4999 - i, 4, 10, QLatin1Char('0'));
        table->FieldByName(QStringLiteral("nome")).SetAsString(name);
        table->Post();
        expected.prepend(name);
    }
    table->SetIndexName(QStringLiteral("inome"));
    QCOMPARE(TableFixture::walk(*table), expected);
}

void Cursor::writesThroughAnotherObjectReachTheWalk() {
    TableFixture fixture;
    auto walker = fixture.open();
    TableFixture::add(*walker, {{"A", "", ""}, {"C", "", ""}, {"E", "", ""}, {"G", "", ""}});
    auto other = std::make_unique<Table>();
    other->SetTableName(QStringLiteral("Pessoas.db"));
    other->Open();  // shared, next to the exclusive one
    walker->SetIndexName(QStringLiteral("inome"));
    walker->First();  // has read C, E, G ahead
    TableFixture::add(*other, {{"B", "", ""}});
    other->SetIndexName(QStringLiteral("inome"));
    QVERIFY(other->FindKey({QStringLiteral("E")}));
    other->Delete();
    walker->Next();
    QCOMPARE(walker->FieldByName(QStringLiteral("nome")).AsString(), QStringLiteral("B"));
    walker->Next();
    QCOMPARE(walker->FieldByName(QStringLiteral("nome")).AsString(), QStringLiteral("C"));
    walker->Next();
    QCOMPARE(walker->FieldByName(QStringLiteral("nome")).AsString(), QStringLiteral("G"));
    QCOMPARE(other->RecordCount(), 4);
    QCOMPARE(walker->RecordCount(), 4);
}

void Cursor::ownWritesDuringWalk() {
    // The cascades: walk in one order, rewrite a field that is not in it, or delete and look
    // at the record that took the deleted one's place.
    TableFixture fixture;
    auto table = fixture.open();
    for (int i = 0; i < 300; ++i)
        TableFixture::add(*table, {{i % 3 ? "outro" : "alvo", "", ""}});
    table->SetIndexName(QStringLiteral("inascimento"));
    table->First();
    int rewritten = 0;
    while (!table->Eof()) {
        if (table->FieldByName(QStringLiteral("nome")).AsString() == QStringLiteral("alvo")) {
            table->Edit();
            table->FieldByName(QStringLiteral("cidade")).SetAsString(QStringLiteral("feito"));
            ++rewritten;
        }
        table->Next();
    }
    QCOMPARE(rewritten, 100);
    table->SetIndexName(QStringLiteral("inome"));
    table->First();
    int deleted = 0;
    while (!table->Eof()) {
        if (table->FieldByName(QStringLiteral("cidade")).AsString() == QStringLiteral("feito")) {
            table->Delete();
            ++deleted;
            if (table->RecordCount() == 200 && deleted == 100) break;
        } else {
            table->Next();
        }
    }
    QCOMPARE(deleted, 100);
    QCOMPARE(table->RecordCount(), 200);
    QCOMPARE(TableFixture::walk(*table).count(QStringLiteral("outro")), 200);
}

void Cursor::addIndexReplacesAndKeepsOrder() {
    TableFixture fixture;
    auto table = fixture.open();
    TableFixture::add(*table, {{"b", "2", ""}, {"A", "1", ""}});
    table->SetIndexName(QStringLiteral("inome"));
    table->AddIndex(QStringLiteral("inome"), QStringLiteral("nome"), tables::IndexOption::CaseInsensitive);
    QVERIFY(table->IndexPresent(QStringLiteral("INOME")));
    QCOMPARE(TableFixture::walk(*table), names("A,b"));
    // Without the case-insensitive option the order is by code point: capitals first.
    table->AddIndex(QStringLiteral("inome"), QStringLiteral("nome"), {});
    QCOMPARE(table->IndexDefinition(QStringLiteral("inome"))->collations, QStringList{"BINARY"});
    QVERIFY(!table->IndexPresent(QStringLiteral("inada")));
}

void Cursor::cursorQueriesUseTheIndex() {
    TableFixture fixture;
    auto table = fixture.open();
    sqlite3* db = nullptr;
    sqlite3_open(fixture.path().toUtf8().constData(), &db);
    // The exclusive lock keeps even this connection out: close the table, then look.
    table->Close();
    tables::registerCollation(db);
    tables::CursorSql sql(QStringLiteral("Pessoas"), QStringLiteral("Nome, Cidade, rowid"),
                          {{QStringLiteral("Nome"), QStringLiteral("PTBR"), false},
                           {QStringLiteral("Cidade"), QStringLiteral("PTBR"), false}});
    std::vector<tables::OrderedQuery> queries = sql.continuation(true, {false, false});
    for (const auto& q : sql.continuation(false, {false, false})) queries.push_back(q);
    queries.push_back(sql.first(false));
    queries.push_back(sql.first(true));
    queries.push_back(sql.findKey({false}));
    for (const auto& query : queries) {
        sqlite3_stmt* stmt = nullptr;
        const QByteArray explain = ("EXPLAIN QUERY PLAN " + query.sql).toUtf8();
        QCOMPARE(sqlite3_prepare_v2(db, explain.constData(), -1, &stmt, nullptr), SQLITE_OK);
        QString plan;
        while (sqlite3_step(stmt) == SQLITE_ROW)
            plan += QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(stmt, 3))) + "; ";
        sqlite3_finalize(stmt);
        QVERIFY2(plan.contains(QStringLiteral("inome_cidade")), qPrintable(query.sql + " -> " + plan));
        QVERIFY2(!plan.contains(QStringLiteral("TEMP B-TREE")), qPrintable(query.sql + " -> " + plan));
    }
    sqlite3_close(db);
}

QTEST_GUILESS_MAIN(Cursor)
#include "tst_cursor.moc"
