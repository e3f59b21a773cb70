// The Enter key walks a window's tab stops and lands on its action button; the date edits
// check their date first.
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include "common/childform.h"
#include "common/entrykeys.h"
#include "common/errorreport.h"
#include "data/datamodule.h"
#include "platform/controls/dbedit.h"
#include "platform/controls/errorhook.h"
#include "platform/controls/keypress.h"
#include "platform/tables/shortdate.h"
#include "support/boxes.h"
#include "support/collectionfolder.h"

namespace {

// A window laid out in tab order: edits (one disabled, one hidden), a group box, a page control
// whose second page is not shown, and the action button.
struct Window {
    common::ChildForm form;
    QLineEdit* e1;
    QLineEdit* disabled;
    QLineEdit* inGroup;
    QLineEdit* hidden;
    QLineEdit* onPage1;
    QLineEdit* onPage2;
    QLineEdit* last;
    QPushButton* ok;
    int presses = 0;

    Window() {
        auto* layout = new QVBoxLayout(&form);
        e1 = add(new QLineEdit, layout, "e1");
        disabled = add(new QLineEdit, layout, "disabled");
        disabled->setEnabled(false);
        auto* group = new QGroupBox(QStringLiteral("Ordem"));
        auto* groupLayout = new QVBoxLayout(group);
        layout->addWidget(group);
        inGroup = add(new QLineEdit, groupLayout, "inGroup");
        hidden = add(new QLineEdit, groupLayout, "hidden");
        auto* pages = new QTabWidget;
        layout->addWidget(pages);
        onPage1 = new QLineEdit;
        onPage1->setObjectName(QStringLiteral("onPage1"));
        onPage2 = new QLineEdit;
        onPage2->setObjectName(QStringLiteral("onPage2"));
        pages->addTab(onPage1, QStringLiteral("CD"));
        pages->addTab(onPage2, QStringLiteral("Músicas"));
        last = add(new QLineEdit, layout, "last");
        ok = new QPushButton(QStringLiteral("Ok"));
        ok->setObjectName(QStringLiteral("ok"));
        ok->setAutoDefault(true);
        layout->addWidget(ok);
        QObject::connect(ok, &QPushButton::clicked, [this] { ++presses; });
        form.show();
        hidden->hide();
        QApplication::setActiveWindow(&form);
        for (QLineEdit* edit : {e1, disabled, inGroup, hidden, onPage1, onPage2, last})
            controls::setKeyPressHandler(edit, [edit](QChar& key) { common::enterToNext(edit, key); });
    }

    QLineEdit* add(QLineEdit* edit, QVBoxLayout* layout, const char* name) {
        edit->setObjectName(QLatin1String(name));
        layout->addWidget(edit);
        return edit;
    }
};

QString focused() {
    QWidget* w = QApplication::focusWidget();
    return w ? w->objectName() : QString();
}

}  // namespace

class EntryKeys : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void enterWalksToTheButtonAndPressesIt();
    void enterGoesWhereTabGoes();
    void walkWrapsAndSkipsWhatCannotTakeFocus();
    void otherKeysReachTheControl();
    void dateCheck_data();
    void dateCheck();
};

void EntryKeys::initTestCase() {
    QCoreApplication::setApplicationName(QStringLiteral("Sonorelo"));
    controls::setErrorHandler([](const std::exception& error) { common::showError(error); });
    tables::ShortDateFormat::setProgramFormat(tables::ShortDateFormat{});
}

void EntryKeys::enterWalksToTheButtonAndPressesIt() {
    Window w;
    QVERIFY(QTest::qWaitForWindowActive(&w.form));
    w.e1->setFocus();
    QStringList walk;
    const auto press = [&walk](Qt::Key key) {
        QTest::keyClick(QApplication::focusWidget(), key);
        walk << focused();
    };
    press(Qt::Key_Return);
    press(Qt::Key_Return);
    press(Qt::Key_Tab);  // the page control's tabs take no Enter of their own
    press(Qt::Key_Return);
    press(Qt::Key_Return);
    // The page control's tabs are a tab stop of their own, as Tab shows.
    QCOMPARE(walk, (QStringList{"inGroup", "qt_tabwidget_tabbar", "onPage1", "last", "ok"}));
    QCOMPARE(w.presses, 0);
    QTest::keyClick(w.ok, Qt::Key_Return);
    QCOMPARE(w.presses, 1);
    QVERIFY(w.e1->text().isEmpty());  // the Enter never reached the edits
}

void EntryKeys::enterGoesWhereTabGoes() {
    Window w;
    QVERIFY(QTest::qWaitForWindowActive(&w.form));
    for (QLineEdit* start : {w.e1, w.inGroup, w.onPage1, w.last}) {
        start->setFocus();
        QTest::keyClick(start, Qt::Key_Tab);
        const QString byTab = focused();
        start->setFocus();
        QTest::keyClick(start, Qt::Key_Return);
        QCOMPARE(focused(), byTab);
    }
}

void EntryKeys::walkWrapsAndSkipsWhatCannotTakeFocus() {
    Window w;
    QVERIFY(QTest::qWaitForWindowActive(&w.form));
    QCOMPARE(common::nextTabStop(&w.form, w.ok), w.e1);  // from the end back to the beginning
    w.ok->setEnabled(false);
    QCOMPARE(common::nextTabStop(&w.form, w.last), w.e1);
    w.disabled->setEnabled(true);
    QCOMPARE(common::nextTabStop(&w.form, w.e1), w.disabled);
    for (QWidget* other : w.form.findChildren<QWidget*>())
        if (other != w.e1) other->setEnabled(false);
    QCOMPARE(common::nextTabStop(&w.form, w.e1), nullptr);  // nothing else can take it
}

void EntryKeys::otherKeysReachTheControl() {
    Window w;
    QVERIFY(QTest::qWaitForWindowActive(&w.form));
    w.e1->setFocus();
    QTest::keyClicks(w.e1, QStringLiteral("Zeca"));
    QCOMPARE(w.e1->text(), QStringLiteral("Zeca"));
    QCOMPARE(focused(), QStringLiteral("e1"));
}

void EntryKeys::dateCheck_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QStringList>("boxes");
    QTest::addColumn<bool>("movesOn");
    QTest::newRow("valid date") << "050197" << QStringList{} << true;
    QTest::newRow("no such date") << "310297" << QStringList{"Data Inválida"} << false;
    QTest::newRow("all places empty") << "" << QStringList{"Data Inválida"} << false;
    QTest::newRow("year left blank")
        << "1203" << QStringList{"Data Inválida", "Invalid input value.  Use escape key to abandon changes."}
        << false;
}

void EntryKeys::dateCheck() {
    QFETCH(QString, typed);
    QFETCH(QStringList, boxes);
    QFETCH(bool, movesOn);
    CollectionFolder folder;
    TDataModule1 module;
    module.DataModuleCreate();
    common::ChildForm form;
    auto* layout = new QVBoxLayout(&form);
    auto* date = new controls::DBEdit;
    date->setObjectName(QStringLiteral("DBEdit1"));
    date->setDataSource(module.RetiradaSource);
    date->setDataField(QStringLiteral("Data_Retirada"));
    auto* next = new QLineEdit;
    next->setObjectName(QStringLiteral("DBEdit2"));
    layout->addWidget(date);
    layout->addWidget(next);
    controls::setKeyPressHandler(date, [date](QChar& key) { common::dateEnter(date, key); });
    form.show();
    QApplication::setActiveWindow(&form);
    QVERIFY(QTest::qWaitForWindowActive(&form));
    date->setFocus();
    date->setCursorPosition(0);
    if (!typed.isEmpty()) QTest::keyClicks(date, typed);

    BoxAnswerer answerer;
    QTest::keyClick(date, Qt::Key_Return);
    waitUntil([&] { return answerer.seen().size() >= boxes.size(); }, 3000);
    QTest::qWait(50);
    QCOMPARE(answerer.texts(), boxes);
    if (!boxes.isEmpty()) QCOMPARE(answerer.seen().value(0).caption, QStringLiteral("Sonorelo"));
    // The window's focus, which it gets back when the box has closed.
    QCOMPARE(form.focusWidget()->objectName(),
             movesOn ? QStringLiteral("DBEdit2") : QStringLiteral("DBEdit1"));
    if (movesOn) QCOMPARE(module.RetiradaData_Retirada->AsString(), QStringLiteral("05/01/97"));
}

int main(int argc, char** argv) {
    common::Application app(argc, argv);
    EntryKeys test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_entrykeys.moc"
