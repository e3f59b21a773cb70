// The navigator, the lookup list and the list box against real table files.
#include <QAbstractButton>
#include <QAbstractItemView>
#include <QSignalSpy>

#include "controlsfixture.h"
#include "platform/controls/dbedit.h"
#include "platform/controls/dblistbox.h"
#include "platform/controls/dblookupcombobox.h"
#include "platform/controls/dbnavigator.h"
#include "platform/tables/field.h"

using tables::TableState;

namespace {

QString nome(tables::Table& table) { return table.FieldByName(QStringLiteral("nome")).AsString(); }

QString cidade(tables::Table& table) {
    return table.FieldByName(QStringLiteral("cidade")).AsString();
}

// The enabled state of First, Prior, Next and Last as "0011".
QString enabledButtons(const controls::DBNavigator& navigator) {
    QString state;
    for (const char* name : {"First", "Prior", "Next", "Last"})
        state += navigator.findChild<QAbstractButton*>(QLatin1String(name))->isEnabled()
                     ? QLatin1Char('1')
                     : QLatin1Char('0');
    return state;
}

void click(controls::DBNavigator& navigator, const char* name) {
    QTest::mouseClick(navigator.findChild<QAbstractButton*>(QLatin1String(name)), Qt::LeftButton);
}

QStringList items(const QComboBox& combo) {
    QStringList texts;
    for (int i = 0; i < combo.count(); ++i) texts << combo.itemText(i);
    return texts;
}

// People living in the cities of a list of cities, shown through a lookup in a window.
struct LookupWindow {
    explicit LookupWindow(const QStringList& cities) {
        pessoas = ControlsFixture::pessoas({{"Ana", "Santos", ""}, {"Bia", "Recife", ""}});
        cidades = ControlsFixture::cidades(cities);
        source.SetDataSet(pessoas.get());
        listSource.SetDataSet(cidades.get());
        listSource.SetAutoEdit(false);
        lookup = new controls::DBLookupComboBox(&window);
        lookup->setDataSource(&source);
        lookup->setDataField(QStringLiteral("cidade"));
        lookup->setListSource(&listSource);
        lookup->setListField(QStringLiteral("cidade"));
        lookup->setKeyField(QStringLiteral("cidade"));
    }
    ~LookupWindow() { lookup->hidePopup(); }

    std::unique_ptr<tables::Table> pessoas;
    std::unique_ptr<tables::Table> cidades;
    tables::DataSource source;
    tables::DataSource listSource;
    TestWindow window;
    controls::DBLookupComboBox* lookup;
};

}  // namespace

class DataControlsTest : public QObject {
    Q_OBJECT
  private slots:
    void navigatorButtons();
    void navigatorMovesTheTable();
    void navigatorEnabledState_data();
    void navigatorEnabledState();
    void navigatorReportsWhatTheTableRefuses();
    void disabledNavigatorStaysDisabled();

    void lookupListsInTheListTablesOrder();
    void lookupLeavesTheListTableAlone_data();
    void lookupLeavesTheListTableAlone();
    void lookupShowsTheCurrentRecordsValue();
    void lookupChoice_data();
    void lookupChoice();
    void lookupReadsANewEntryWhenNeeded();

    void listBoxPick_data();
    void listBoxPick();
    void listBoxHighlightFollowsTheRecord();
    void listBoxFocusPicksNothing();
};

void DataControlsTest::navigatorButtons() {
    controls::DBNavigator navigator;
    const QList<QAbstractButton*> buttons = navigator.findChildren<QAbstractButton*>();
    QCOMPARE(buttons.size(), 4);
    const QStringList names{"First", "Prior", "Next", "Last"};
    const QStringList tips{"Primeiro", "Anterior", "Próximo", "Último"};
    for (qsizetype i = 0; i < names.size(); ++i) {
        auto* button = navigator.findChild<QAbstractButton*>(names[i]);
        QVERIFY2(button, qPrintable(names[i]));
        QCOMPARE(button->toolTip(), tips[i]);
        QVERIFY(!button->icon().isNull());
    }
}

void DataControlsTest::navigatorMovesTheTable() {
    ControlsFixture fixture;
    auto table = ControlsFixture::pessoas({{"Ana", "", ""}, {"Bia", "", ""}, {"Caio", "", ""}});
    tables::DataSource source;
    source.SetDataSet(table.get());
    controls::DBNavigator navigator;
    navigator.setDataSource(&source);
    navigator.show();
    click(navigator, "Last");
    QCOMPARE(nome(*table), QStringLiteral("Caio"));
    click(navigator, "Prior");
    QCOMPARE(nome(*table), QStringLiteral("Bia"));
    click(navigator, "First");
    QCOMPARE(nome(*table), QStringLiteral("Ana"));
    click(navigator, "Next");
    QCOMPARE(nome(*table), QStringLiteral("Bia"));
}

void DataControlsTest::navigatorEnabledState_data() {
    QTest::addColumn<int>("records");
    QTest::addColumn<QString>("clicks");   // F, P, N, L; C closes the table
    QTest::addColumn<QString>("enabled");  // First, Prior, Next, Last
    QTest::addRow("closed") << 3 << "C"
                            << "0000";
    QTest::addRow("empty") << 0 << ""
                           << "0000";
    QTest::addRow("on the first record") << 3 << ""
                                         << "0011";
    QTest::addRow("in the middle") << 3 << "N"
                                   << "1111";
    QTest::addRow("stepped past the end") << 3 << "NNN"
                                          << "1100";
    QTest::addRow("last, then next") << 3 << "LN"
                                     << "1100";
    QTest::addRow("stepped before the start") << 3 << "NPP"
                                              << "0011";
    QTest::addRow("back to first") << 3 << "NNF"
                                   << "0011";
    QTest::addRow("one record, next") << 1 << "N"
                                      << "0000";
}

void DataControlsTest::navigatorEnabledState() {
    QFETCH(int, records);
    QFETCH(QString, clicks);
    QFETCH(QString, enabled);
    ControlsFixture fixture;
    auto table = ControlsFixture::pessoas({});
    for (int i = 0; i < records; ++i) {
        table->Append();
        table->FieldByName(QStringLiteral("nome")).SetAsString(QString::number(i));
        table->Post();
    }
    table->First();
    tables::DataSource source;
    source.SetDataSet(table.get());
    controls::DBNavigator navigator;
    navigator.setDataSource(&source);
    navigator.show();
    for (QChar c : clicks) {
        switch (c.toLatin1()) {
            case 'F':
                click(navigator, "First");
                break;
            case 'P':
                click(navigator, "Prior");
                break;
            case 'N':
                click(navigator, "Next");
                break;
            case 'L':
                click(navigator, "Last");
                break;
            case 'C':
                table->Close();
                break;
        }
    }
    QCOMPARE(enabledButtons(navigator), enabled);
}

void DataControlsTest::navigatorReportsWhatTheTableRefuses() {
    ControlsFixture fixture;
    auto table = ControlsFixture::pessoas({{"Ana", "", ""}, {"Bia", "", ""}});
    tables::DataSource source;
    source.SetDataSet(table.get());
    controls::DBEdit edit;
    edit.setDataSource(&source);
    edit.setDataField(QStringLiteral("nascimento"));
    controls::DBNavigator navigator;
    navigator.setDataSource(&source);
    navigator.show();
    CapturedErrors errors;
    QTest::keyClick(&edit, Qt::Key_Home);
    QTest::keyClicks(&edit, QStringLiteral("310297"));
    click(navigator, "Next");
    QCOMPARE(errors.messages, QStringList{"'31/02/97' is not a valid date"});
    QCOMPARE(table->State(), TableState::Edit);
    QCOMPARE(nome(*table), QStringLiteral("Ana"));
}

void DataControlsTest::disabledNavigatorStaysDisabled() {
    ControlsFixture fixture;
    auto table = ControlsFixture::pessoas({{"Ana", "", ""}, {"Bia", "", ""}, {"Caio", "", ""}});
    tables::DataSource source;
    source.SetDataSet(table.get());
    controls::DBNavigator navigator;
    navigator.setDataSource(&source);
    navigator.setEnabled(false);
    table->Next();
    QCOMPARE(enabledButtons(navigator), QStringLiteral("0000"));
    navigator.setEnabled(true);
    QCOMPARE(enabledButtons(navigator), QStringLiteral("1111"));
    navigator.setEnabled(false);
    table->First();
    navigator.setEnabled(true);
    QCOMPARE(enabledButtons(navigator), QStringLiteral("0011"));
}

void DataControlsTest::lookupListsInTheListTablesOrder() {
    ControlsFixture fixture;
    LookupWindow w({"Santos", "Bauru", "Recife"});
    QVERIFY(w.window.showActive());
    QCOMPARE(items(*w.lookup), (QStringList{"Santos", "Bauru", "Recife"}));
    w.cidades->SetIndexName(QStringLiteral("icidade"));
    w.lookup->showPopup();
    QCOMPARE(items(*w.lookup), (QStringList{"Bauru", "Recife", "Santos"}));
    w.lookup->hidePopup();
    w.cidades->SetIndexName(QString());
    w.lookup->showPopup();
    QCOMPARE(items(*w.lookup), (QStringList{"Santos", "Bauru", "Recife"}));
}

void DataControlsTest::lookupLeavesTheListTableAlone_data() {
    QTest::addColumn<bool>("inserting");
    QTest::addRow("browsing its second record") << false;
    QTest::addRow("inserting a record") << true;
}

void DataControlsTest::lookupLeavesTheListTableAlone() {
    QFETCH(bool, inserting);
    ControlsFixture fixture;
    LookupWindow w({"Santos", "Bauru", "Recife"});
    w.cidades->SetIndexName(QStringLiteral("icidade"));
    w.cidades->First();
    w.cidades->Next();
    if (inserting) {
        w.cidades->Append();
        w.cidades->FieldByName(QStringLiteral("cidade")).SetAsString(QStringLiteral("Natal"));
    }
    QVERIFY(w.window.showActive());
    w.lookup->showPopup();
    QCOMPARE(items(*w.lookup), (QStringList{"Bauru", "Recife", "Santos"}));
    QCOMPARE(w.cidades->State(), inserting ? TableState::Insert : TableState::Browse);
    QCOMPARE(cidade(*w.cidades), inserting ? QStringLiteral("Natal") : QStringLiteral("Recife"));
    QCOMPARE(w.cidades->RecordCount(), 3);
}

void DataControlsTest::lookupShowsTheCurrentRecordsValue() {
    ControlsFixture fixture;
    LookupWindow w({"Santos", "Bauru", "Recife"});
    QVERIFY(w.window.showActive());
    QCOMPARE(w.lookup->Text(), QStringLiteral("Santos"));
    QCOMPARE(w.lookup->currentIndex(), 0);
    w.pessoas->Next();
    QCOMPARE(w.lookup->Text(), QStringLiteral("Recife"));
    QCOMPARE(w.lookup->currentIndex(), 2);
    w.pessoas->Append();
    QCOMPARE(w.lookup->currentIndex(), -1);
    QCOMPARE(w.lookup->Text(), QString());
    w.pessoas->FieldByName(QStringLiteral("cidade")).SetAsString(QStringLiteral("Natal"));
    QCOMPARE(w.lookup->currentIndex(), -1);
    QCOMPARE(w.lookup->Text(), QString());
    w.pessoas->FieldByName(QStringLiteral("cidade")).SetAsString(QStringLiteral("Bauru"));
    QCOMPARE(w.lookup->Text(), QStringLiteral("Bauru"));
}

void DataControlsTest::lookupChoice_data() {
    QTest::addColumn<bool>("autoEdit");
    QTest::addColumn<bool>("editFirst");
    QTest::addColumn<bool>("byMouse");
    QTest::addColumn<bool>("stored");
    QTest::addRow("AutoEdit on, keyboard") << true << false << false << true;
    QTest::addRow("AutoEdit on, mouse") << true << false << true << true;
    QTest::addRow("AutoEdit off, browsing, keyboard") << false << false << false << false;
    QTest::addRow("AutoEdit off, browsing, mouse") << false << false << true << false;
    QTest::addRow("AutoEdit off, editing, mouse") << false << true << true << true;
}

void DataControlsTest::lookupChoice() {
    QFETCH(bool, autoEdit);
    QFETCH(bool, editFirst);
    QFETCH(bool, byMouse);
    QFETCH(bool, stored);
    ControlsFixture fixture;
    LookupWindow w({"Santos", "Bauru", "Recife"});
    w.source.SetAutoEdit(autoEdit);
    if (editFirst) w.pessoas->Edit();
    QVERIFY(w.window.showActive());
    w.lookup->setFocus();
    QStringList valueWhenChosen;
    QObject::connect(w.lookup, &controls::DBLookupComboBox::chosen,
                     [&] { valueWhenChosen << cidade(*w.pessoas); });

    // Santos is shown; the choice is the next entry, Bauru.
    if (byMouse) {
        w.lookup->showPopup();
        QAbstractItemView* view = w.lookup->view();
        QTRY_VERIFY(view->isVisible());
        const QRect entry = view->visualRect(view->model()->index(1, 0));
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, entry.center());
        QTRY_VERIFY(!view->isVisible());
    } else {
        QTest::keyClick(w.lookup, Qt::Key_Down);
    }
    const QString expected = stored ? QStringLiteral("Bauru") : QStringLiteral("Santos");
    QCOMPARE(cidade(*w.pessoas), expected);
    QCOMPARE(w.lookup->Text(), expected);
    QCOMPARE(valueWhenChosen, stored ? QStringList{expected} : QStringList());
    QCOMPARE(w.pessoas->State(), stored ? TableState::Edit : TableState::Browse);
    if (stored) {
        w.pessoas->Post();
        w.pessoas->First();
        QCOMPARE(cidade(*w.pessoas), QStringLiteral("Bauru"));
    }
}

void DataControlsTest::lookupReadsANewEntryWhenNeeded() {
    ControlsFixture fixture;
    LookupWindow w({"Santos", "Recife"});
    QVERIFY(w.window.showActive());
    w.cidades->Append();
    w.cidades->FieldByName(QStringLiteral("cidade")).SetAsString(QStringLiteral("Natal"));
    w.cidades->Post();
    w.pessoas->Edit();
    w.pessoas->FieldByName(QStringLiteral("cidade")).SetAsString(QStringLiteral("Natal"));
    QCOMPARE(w.lookup->Text(), QStringLiteral("Natal"));
    QCOMPARE(items(*w.lookup), (QStringList{"Santos", "Recife", "Natal"}));
}

void DataControlsTest::listBoxPick_data() {
    QTest::addColumn<bool>("autoEdit");
    QTest::addColumn<bool>("byMouse");
    QTest::addColumn<QString>("stored");
    QTest::addRow("AutoEdit on, mouse") << true << true << "Natal";
    QTest::addRow("AutoEdit on, keyboard") << true << false << "Natal";
    QTest::addRow("AutoEdit off, mouse") << false << true << "Recife";
    QTest::addRow("AutoEdit off, keyboard") << false << false << "Recife";
}

void DataControlsTest::listBoxPick() {
    QFETCH(bool, autoEdit);
    QFETCH(bool, byMouse);
    QFETCH(QString, stored);
    ControlsFixture fixture;
    auto table = ControlsFixture::pessoas({{"Bia", "Recife", ""}});
    tables::DataSource source;
    source.SetAutoEdit(autoEdit);
    source.SetDataSet(table.get());
    TestWindow window;
    auto* list = new controls::DBListBox(&window);
    list->addItems({"Santos", "Recife", "Natal"});
    list->setDataSource(&source);
    list->setDataField(QStringLiteral("cidade"));
    QVERIFY(window.showActive());
    list->setFocus();
    QCOMPARE(list->currentRow(), 1);

    if (byMouse)
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                          list->visualItemRect(list->item(2)).center());
    else
        QTest::keyClick(list, Qt::Key_Down);
    QCOMPARE(cidade(*table), stored);
    QCOMPARE(list->currentItem()->text(), stored);
    QVERIFY(list->currentItem()->isSelected());
    QCOMPARE(table->State(), autoEdit ? TableState::Edit : TableState::Browse);
}

void DataControlsTest::listBoxHighlightFollowsTheRecord() {
    ControlsFixture fixture;
    auto table = ControlsFixture::pessoas(
        {{"Ana", "Santos", ""}, {"Bia", "Recife", ""}, {"Caio", "Manaus", ""}});
    tables::DataSource source;
    source.SetDataSet(table.get());
    controls::DBListBox list;
    list.addItems({"Santos", "Recife", "Natal"});
    list.setDataSource(&source);
    list.setDataField(QStringLiteral("cidade"));
    QCOMPARE(list.currentRow(), 0);
    table->Next();
    QCOMPARE(list.currentRow(), 1);
    QVERIFY(list.item(1)->isSelected());
    table->Next();
    QCOMPARE(list.currentItem(), nullptr);
    QVERIFY(list.selectedItems().isEmpty());
}

void DataControlsTest::listBoxFocusPicksNothing() {
    ControlsFixture fixture;
    auto table = ControlsFixture::pessoas({{"Ana", "", ""}});
    tables::DataSource source;
    source.SetDataSet(table.get());
    TestWindow window;
    auto* before = new QLineEdit(&window);
    auto* list = new controls::DBListBox(&window);
    list->move(0, 40);
    list->addItems({"Santos", "Recife"});
    list->setDataSource(&source);
    list->setDataField(QStringLiteral("cidade"));
    QVERIFY(window.showActive());
    before->setFocus();
    QTest::keyClick(before, Qt::Key_Tab);
    QVERIFY(list->hasFocus());
    QCOMPARE(table->State(), TableState::Browse);
    QCOMPARE(cidade(*table), QString());
    QTest::keyClick(list, Qt::Key_Down);
    QCOMPARE(cidade(*table), QStringLiteral("Santos"));
}

QTEST_MAIN(DataControlsTest)
#include "tst_datacontrols.moc"
