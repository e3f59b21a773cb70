// The table object's states and results: settling, posting, cancelling, deleting, counting.
#include <functional>

#include "platform/tables/tableerror.h"
#include "tablefixture.h"

using tables::Table;
using tables::TableError;
using tables::TableState;

Q_DECLARE_METATYPE(std::function<void(tables::Table&)>)

using Step = std::function<void(Table&)>;

class TableStates : public QObject {
    Q_OBJECT
private slots:
    // Each operation that settles first: a changed edit or insert is stored, an untouched one
    // dropped.
    void settling_data();
    void settling();
    void deleteRightAfterAppendDeletesNothing();
    void editOnEmptyTableInserts();
    void nextPastEndThenDelete();
    void deleteMakesFollowingRecordCurrent();
    void cancelInsertReturnsToPreviousRecord();
    void recordCountDuringInsert();
    void widthCutCountsCharacters_data();
    void widthCutCountsCharacters();
    void fieldLookupIgnoresCase();
    void errorTexts_data();
    void errorTexts();
    void datesStoredAsIsoAndShownShort();
    void postWithoutChangesStillWrites();
    void editRereadsRecordChangedByAnotherObject();
};

void TableStates::settling_data() {
    QTest::addColumn<bool>("inserting");
    QTest::addColumn<bool>("changed");
    QTest::addColumn<Step>("trigger");

    const std::vector<std::pair<const char*, Step>> triggers = {
        {"First", [](Table& t) { t.First(); }},
        {"Next", [](Table& t) { t.Next(); }},
        {"IndexName", [](Table& t) { t.SetIndexName(QStringLiteral("inome")); }},
        {"FindKey", [](Table& t) {
             t.SetIndexName(QStringLiteral("inome"));
             t.FindKey({QStringLiteral("ana")});
         }},
        {"SetKey+Post", [](Table& t) {
             t.SetKey();
             t.Post();
         }},
        {"AddIndex", [](Table& t) {
             t.AddIndex(QStringLiteral("icidade"), QStringLiteral("cidade"),
                        tables::IndexOption::CaseInsensitive);
         }},
        {"Append", [](Table& t) {
             t.Append();
             t.Cancel();
         }},
        {"CheckBrowseMode", [](Table& t) { t.CheckBrowseMode(); }},
    };
    for (const auto& [name, step] : triggers) {
        for (bool inserting : {false, true})
            for (bool changed : {false, true})
                QTest::addRow("%s %s %s", name, inserting ? "insert" : "edit",
                              changed ? "changed" : "untouched")
                    << inserting << changed << step;
    }
}

void TableStates::settling() {
    QFETCH(bool, inserting);
    QFETCH(bool, changed);
    QFETCH(Step, trigger);
    TableFixture fixture;
    auto table = fixture.open();
    TableFixture::add(*table, {{"Ana", "Rio", ""}, {"Bia", "Recife", ""}});
    table->First();

    if (inserting)
        table->Append();
    else
        table->Edit();
    QCOMPARE(table->State(), inserting ? TableState::Insert : TableState::Edit);
    if (changed) table->FieldByName(QStringLiteral("cidade")).SetAsString(QStringLiteral("Belém"));
    QCOMPARE(table->Modified(), changed);

    trigger(*table);

    QCOMPARE(table->State(), TableState::Browse);
    QCOMPARE(table->RecordCount(), 2 + (inserting && changed ? 1 : 0));
    table->SetIndexName(QString());
    QStringList cities;
    table->First();
    while (!table->Eof()) {
        cities << table->FieldByName(QStringLiteral("cidade")).AsString();
        table->Next();
    }
    QStringList expected{QStringLiteral("Rio"), QStringLiteral("Recife")};
    if (changed && inserting) expected << QStringLiteral("Belém");
    if (changed && !inserting) expected[0] = QStringLiteral("Belém");
    QCOMPARE(cities, expected);
}

void TableStates::deleteRightAfterAppendDeletesNothing() {
    TableFixture fixture;
    auto table = fixture.open();
    TableFixture::add(*table, {{"Ana", "Rio", ""}});
    table->Append();
    table->FieldByName(QStringLiteral("nome")).SetAsString(QStringLiteral("Novo"));
    table->Delete();
    QCOMPARE(table->State(), TableState::Browse);
    QCOMPARE(table->RecordCount(), 1);
    QCOMPARE(TableFixture::walk(*table), names("Ana"));
}

void TableStates::editOnEmptyTableInserts() {
    TableFixture fixture;
    auto table = fixture.open();
    table->Edit();
    QCOMPARE(table->State(), TableState::Insert);
    QVERIFY(!table->Modified());
    table->FieldByName(QStringLiteral("nome")).SetAsString(QStringLiteral("Primeiro"));
    table->Post();
    QCOMPARE(table->RecordCount(), 1);
}

void TableStates::nextPastEndThenDelete() {
    TableFixture fixture;
    auto table = fixture.open();
    TableFixture::add(*table, {{"Ana", "", ""}, {"Bia", "", ""}, {"Caio", "", ""}});
    table->SetIndexName(QStringLiteral("inome"));
    table->First();
    table->Next();
    table->Next();
    QVERIFY(!table->Eof());
    table->Next();
    QVERIFY(table->Eof());
    QCOMPARE(table->FieldByName(QStringLiteral("nome")).AsString(), QStringLiteral("Caio"));
    table->Delete();
    QCOMPARE(table->FieldByName(QStringLiteral("nome")).AsString(), QStringLiteral("Bia"));
    QVERIFY(!table->Eof());
    QCOMPARE(TableFixture::walk(*table), names("Ana,Bia"));
}

void TableStates::deleteMakesFollowingRecordCurrent() {
    TableFixture fixture;
    auto table = fixture.open();
    TableFixture::add(*table, {{"Caio", "", ""}, {"Ana", "", ""}, {"Bia", "", ""}});
    table->SetIndexName(QStringLiteral("inome"));
    table->First();
    table->Delete();  // Ana
    QCOMPARE(table->FieldByName(QStringLiteral("nome")).AsString(), QStringLiteral("Bia"));
    table->Edit();
    table->Delete();  // Bia, while being edited: deleted with its pending change
    QCOMPARE(table->State(), TableState::Browse);
    QCOMPARE(table->FieldByName(QStringLiteral("nome")).AsString(), QStringLiteral("Caio"));
    table->Delete();
    QCOMPARE(table->RecordCount(), 0);
    QVERIFY(table->Eof());
    QCOMPARE(table->FieldByName(QStringLiteral("nome")).AsString(), QString());
    try {
        table->Delete();
        QFAIL("Delete on an empty table must fail");
    } catch (const TableError& error) {
        QCOMPARE(error.message(), QStringLiteral("Cannot perform this operation on an empty dataset"));
    }
}

void TableStates::cancelInsertReturnsToPreviousRecord() {
    TableFixture fixture;
    auto table = fixture.open();
    TableFixture::add(*table, {{"Ana", "", ""}, {"Bia", "", ""}});
    table->First();
    table->Append();
    QCOMPARE(table->FieldByName(QStringLiteral("nome")).AsString(), QString());
    table->Cancel();
    QCOMPARE(table->FieldByName(QStringLiteral("nome")).AsString(), QStringLiteral("Ana"));
    table->Next();
    QCOMPARE(table->FieldByName(QStringLiteral("nome")).AsString(), QStringLiteral("Bia"));
}

void TableStates::recordCountDuringInsert() {
    TableFixture fixture;
    auto table = fixture.open();
    TableFixture::add(*table, {{"Ana", "", ""}, {"Bia", "", ""}});
    table->Append();
    table->FieldByName(QStringLiteral("nome")).SetAsString(QStringLiteral("Caio"));
    QCOMPARE(table->RecordCount(), 2);
    table->Post();
    QCOMPARE(table->RecordCount(), 3);
}

void TableStates::widthCutCountsCharacters_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("stored");
    QTest::newRow("eleven letters") << QStringLiteral("Abcdefghijk") << QStringLiteral("Abcdefghij");
    QTest::newRow("accents count once") << QStringLiteral("ÁÉÍÓÚáéíóúç") << QStringLiteral("ÁÉÍÓÚáéíóú");
    QTest::newRow("outside the BMP") << QStringLiteral("𝄞𝄞𝄞𝄞𝄞𝄞𝄞𝄞𝄞𝄞𝄞")
                                     << QStringLiteral("𝄞𝄞𝄞𝄞𝄞𝄞𝄞𝄞𝄞𝄞");
    QTest::newRow("exactly the width") << QStringLiteral("São Paulo!") << QStringLiteral("São Paulo!");
    QTest::newRow("cyrillic kept") << QStringLiteral("Чайковский") << QStringLiteral("Чайковский");
}

void TableStates::widthCutCountsCharacters() {
    QFETCH(QString, typed);
    QFETCH(QString, stored);
    TableFixture fixture;
    auto table = fixture.open();
    table->Append();
    table->FieldByName(QStringLiteral("nome")).SetAsString(typed);
    QCOMPARE(table->FieldByName(QStringLiteral("nome")).AsString(), stored);
    table->Post();
    table->Close();
    table->Open();
    QCOMPARE(table->FieldByName(QStringLiteral("nome")).AsString(), stored);
}

void TableStates::fieldLookupIgnoresCase() {
    TableFixture fixture;
    auto table = fixture.open();
    tables::Field* field = &table->FieldByName(QStringLiteral("Nome"));
    QCOMPARE(&table->FieldByName(QStringLiteral("NOME")), field);
    QCOMPARE(&table->FieldByName(QStringLiteral("nome")), field);
    try {
        table->FieldByName(QStringLiteral("Telefone"));
        QFAIL("an unknown field must fail");
    } catch (const TableError& error) {
        QCOMPARE(error.message(), QStringLiteral("Field 'Telefone' not found"));
    }
}

void TableStates::errorTexts_data() {
    QTest::addColumn<bool>("closeFirst");
    QTest::addColumn<Step>("operation");
    QTest::addColumn<QString>("message");
    const QString closed = QStringLiteral("Cannot perform this operation on a closed dataset");
    const std::vector<std::pair<const char*, Step>> onClosed = {
        {"First", [](Table& t) { t.First(); }},
        {"Next", [](Table& t) { t.Next(); }},
        {"Append", [](Table& t) { t.Append(); }},
        {"Edit", [](Table& t) { t.Edit(); }},
        {"Post", [](Table& t) { t.Post(); }},
        {"Delete", [](Table& t) { t.Delete(); }},
        {"RecordCount", [](Table& t) { t.RecordCount(); }},
        {"IndexName", [](Table& t) { t.SetIndexName(QStringLiteral("inome")); }},
        {"FindKey", [](Table& t) { t.FindKey({QStringLiteral("x")}); }},
        {"SetKey", [](Table& t) { t.SetKey(); }},
        {"CheckBrowseMode", [](Table& t) { t.CheckBrowseMode(); }},
    };
    for (const auto& [name, step] : onClosed) QTest::addRow("closed %s", name) << true << step << closed;
    QTest::newRow("write while browsing")
        << false << Step([](Table& t) { t.FieldByName(QStringLiteral("nome")).SetAsString(QStringLiteral("x")); })
        << QStringLiteral("Dataset not in edit or insert mode");
    QTest::newRow("write in key entry") << false << Step([](Table& t) {
        t.SetKey();
        t.FieldByName(QStringLiteral("nome")).SetAsString(QStringLiteral("x"));
    }) << QStringLiteral("Dataset not in edit or insert mode");
    QTest::newRow("no such date") << false << Step([](Table& t) {
        t.Append();
        t.FieldByName(QStringLiteral("nascimento")).SetAsString(QStringLiteral("31/02/97"));
    }) << QStringLiteral("'31/02/97' is not a valid date");
    QTest::newRow("year left blank") << false << Step([](Table& t) {
        t.Append();
        t.FieldByName(QStringLiteral("nascimento")).SetAsString(QStringLiteral("12/03/  "));
    }) << QStringLiteral("'12/03/  ' is not a valid date");
    QTest::newRow("unknown index") << false
                                   << Step([](Table& t) { t.SetIndexName(QStringLiteral("inada")); })
                                   << QStringLiteral("Index does not exist. Index: inada");
    QTest::newRow("FindKey without index")
        << false << Step([](Table& t) { t.FindKey({QStringLiteral("x")}); })
        << QStringLiteral("No index currently active");
}

void TableStates::errorTexts() {
    QFETCH(bool, closeFirst);
    QFETCH(Step, operation);
    QFETCH(QString, message);
    TableFixture fixture;
    auto table = fixture.open();
    TableFixture::add(*table, {{"Ana", "", ""}});
    if (closeFirst) table->Close();
    try {
        operation(*table);
        QFAIL("the operation must fail");
    } catch (const TableError& error) {
        QCOMPARE(error.message(), message);
    }
}

void TableStates::datesStoredAsIsoAndShownShort() {
    TableFixture fixture;
    auto table = fixture.open();
    TableFixture::add(*table, {{"Ana", "", "05/11/97"}, {"Bia", "", "  /  /  "}, {"Caio", "", ""}});
    table->Close();
    sqlite3* db = nullptr;
    QCOMPARE(sqlite3_open(fixture.path().toUtf8().constData(), &db), SQLITE_OK);
    sqlite3_stmt* stmt = nullptr;
    sqlite3_prepare_v2(db, "SELECT quote(Nascimento) FROM Pessoas ORDER BY rowid", -1, &stmt, nullptr);
    QStringList stored;
    while (sqlite3_step(stmt) == SQLITE_ROW)
        stored << QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(stmt, 0)));
    sqlite3_finalize(stmt);
    sqlite3_close(db);
    // The century is today's: the test runs in the 2000s.
    QCOMPARE(stored, (QStringList{QStringLiteral("'2097-11-05'"), QStringLiteral("NULL"),
                                  QStringLiteral("NULL")}));
    table->Open();
    QCOMPARE(table->FieldByName(QStringLiteral("nascimento")).AsString(), QStringLiteral("05/11/97"));
    table->Next();
    QCOMPARE(table->FieldByName(QStringLiteral("nascimento")).AsString(), QString());
}

void TableStates::postWithoutChangesStillWrites() {
    TableFixture fixture;
    auto table = fixture.open();
    table->Append();
    table->Post();
    QCOMPARE(table->RecordCount(), 1);
    QCOMPARE(table->FieldByName(QStringLiteral("nome")).AsString(), QString());
}

void TableStates::editRereadsRecordChangedByAnotherObject() {
    TableFixture fixture;
    auto first = fixture.open();
    TableFixture::add(*first, {{"Ana", "Rio", ""}});
    auto second = std::make_unique<Table>();
    second->SetTableName(QStringLiteral("PESSOAS.DB"));
    second->Open();
    second->Edit();
    second->FieldByName(QStringLiteral("cidade")).SetAsString(QStringLiteral("Natal"));
    second->Post();
    first->Edit();
    QCOMPARE(first->FieldByName(QStringLiteral("cidade")).AsString(), QStringLiteral("Natal"));
    first->Cancel();
}

QTEST_GUILESS_MAIN(TableStates)
#include "tst_tablestates.moc"
