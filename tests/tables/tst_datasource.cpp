// A data source tells its controls what changed and collects their pending text when the table
// settles or posts. The control here is a fake that records what it was told.
#include "platform/tables/datasource.h"
#include "platform/tables/tableerror.h"
#include "tablefixture.h"

using tables::TableState;

namespace {

struct FakeEdit : tables::DataLink {
    FakeEdit(tables::DataSource& source, const QString& fieldName)
        : source(source), fieldName(fieldName) {
        source.addLink(this);
    }
    ~FakeEdit() override { source.removeLink(this); }

    void dataSetChanged() override {
        ++redisplays;
        shown = source.DataSet()->Active()
                    ? source.DataSet()->FieldByName(fieldName).AsString()
                    : QString();
    }
    void fieldChanged(tables::Field* field) override {
        if (field->FieldName().compare(fieldName, Qt::CaseInsensitive) == 0) ++fieldEchoes;
    }
    void stateChanged() override { states << source.DataSet()->State(); }
    void updateData() override {
        if (!pending) return;
        const QString text = *pending;
        pending.reset();
        source.DataSet()->FieldByName(fieldName).SetAsString(text);
    }
    // What typing does: ask the source for editing, then keep the text until it is written.
    bool type(const QString& text) {
        if (!source.Edit()) return false;
        pending = text;
        return true;
    }

    tables::DataSource& source;
    QString fieldName;
    std::optional<QString> pending;
    QString shown;
    int redisplays = 0;
    int fieldEchoes = 0;
    QList<TableState> states;
};

}  // namespace

class DataSourceTest : public QObject {
    Q_OBJECT
private slots:
    void autoEditOffRefusesTyping();
    void autoEditOnStartsEditing();
    void pendingTextReachesFieldOnSettleAndPost_data();
    void pendingTextReachesFieldOnSettleAndPost();
    void badPendingDateStopsThePost();
    void controlsFollowMovesAndState();
};

void DataSourceTest::autoEditOffRefusesTyping() {
    TableFixture fixture;
    auto table = fixture.open();
    TableFixture::add(*table, {{"Ana", "", ""}});
    tables::DataSource source;
    source.SetAutoEdit(false);
    source.SetDataSet(table.get());
    FakeEdit edit(source, QStringLiteral("nome"));
    QVERIFY(!edit.type(QStringLiteral("x")));
    QCOMPARE(table->State(), TableState::Browse);
    table->Edit();
    QVERIFY(edit.type(QStringLiteral("x")));
}

void DataSourceTest::autoEditOnStartsEditing() {
    TableFixture fixture;
    auto table = fixture.open();
    TableFixture::add(*table, {{"Ana", "", ""}});
    tables::DataSource source;
    source.SetDataSet(table.get());
    QVERIFY(source.AutoEdit());
    FakeEdit edit(source, QStringLiteral("nome"));
    QVERIFY(edit.type(QStringLiteral("Ana Maria")));
    QCOMPARE(table->State(), TableState::Edit);
}

void DataSourceTest::pendingTextReachesFieldOnSettleAndPost_data() {
    QTest::addColumn<int>("way");
    QTest::newRow("Post") << 0;
    QTest::newRow("CheckBrowseMode") << 1;
    QTest::newRow("Next") << 2;
    QTest::newRow("SetKey then Post") << 3;
}

void DataSourceTest::pendingTextReachesFieldOnSettleAndPost() {
    QFETCH(int, way);
    TableFixture fixture;
    auto table = fixture.open();
    TableFixture::add(*table, {{"Ana", "", ""}});
    tables::DataSource source;
    source.SetDataSet(table.get());
    FakeEdit edit(source, QStringLiteral("nome"));
    QVERIFY(edit.type(QStringLiteral("Beatriz")));
    QVERIFY(!table->Modified());  // the text is still in the control
    switch (way) {
        case 0: table->Post(); break;
        case 1: table->CheckBrowseMode(); break;
        case 2: table->Next(); break;
        case 3: table->SetKey(); table->Post(); break;
    }
    QCOMPARE(table->State(), TableState::Browse);
    QCOMPARE(TableFixture::walk(*table), names("Beatriz"));
    QCOMPARE(edit.shown, QStringLiteral("Beatriz"));
}

void DataSourceTest::badPendingDateStopsThePost() {
    TableFixture fixture;
    auto table = fixture.open();
    tables::DataSource source;
    source.SetDataSet(table.get());
    FakeEdit date(source, QStringLiteral("nascimento"));
    table->Append();
    table->FieldByName(QStringLiteral("nome")).SetAsString(QStringLiteral("Ana"));
    QVERIFY(date.type(QStringLiteral("31/02/97")));
    try {
        table->Post();
        QFAIL("the post must fail");
    } catch (const tables::TableError& error) {
        QCOMPARE(error.message(), QStringLiteral("'31/02/97' is not a valid date"));
    }
    QCOMPARE(table->State(), TableState::Insert);
    QCOMPARE(table->RecordCount(), 0);
    QVERIFY(date.type(QStringLiteral("28/02/97")));
    table->Post();
    QCOMPARE(table->RecordCount(), 1);
}

void DataSourceTest::controlsFollowMovesAndState() {
    TableFixture fixture;
    auto table = fixture.open();
    TableFixture::add(*table, {{"Ana", "", ""}, {"Bia", "", ""}});
    tables::DataSource source;
    source.SetDataSet(table.get());
    FakeEdit edit(source, QStringLiteral("nome"));
    table->First();
    QCOMPARE(edit.shown, QStringLiteral("Ana"));
    table->Next();
    QCOMPARE(edit.shown, QStringLiteral("Bia"));
    table->Edit();
    table->FieldByName(QStringLiteral("nome")).SetAsString(QStringLiteral("Bela"));
    QCOMPARE(edit.fieldEchoes, 1);
    table->Cancel();
    QCOMPARE(edit.shown, QStringLiteral("Bia"));
    table->Close();
    QCOMPARE(edit.shown, QString());
    QCOMPARE(edit.states, (QList<TableState>{TableState::Edit, TableState::Browse, TableState::Inactive}));
}

QTEST_GUILESS_MAIN(DataSourceTest)
#include "tst_datasource.moc"
