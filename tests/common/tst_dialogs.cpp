// Confirma, Mensagem and the default error report, answered as a user would.
#include <QPushButton>
#include <stdexcept>

#include "common/dialogs.h"
#include "common/errorreport.h"
#include "platform/tables/tableerror.h"
#include "support/boxes.h"

Q_DECLARE_METATYPE(BoxAnswerer::Answer)

class Dialogs : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QCoreApplication::setApplicationName(QStringLiteral("Sonorelo")); }
    void confirmaAnswers_data();
    void confirmaAnswers();
    void confirmaLooks();
    void mensagemLooksAndCloses_data();
    void mensagemLooksAndCloses();
    void errorReport();
    void guardedHandlerReportsAndStops();
    void notifyIsTheLastNet();
};

void Dialogs::confirmaAnswers_data() {
    QTest::addColumn<BoxAnswerer::Answer>("answer");
    QTest::addColumn<bool>("result");
    QTest::newRow("OK") << BoxAnswerer::click(QMessageBox::Ok) << true;
    QTest::newRow("Cancel") << BoxAnswerer::click(QMessageBox::Cancel) << false;
    QTest::newRow("Esc") << BoxAnswerer::pressKey(Qt::Key_Escape) << false;
    QTest::newRow("close button") << BoxAnswerer::Answer([](QMessageBox* box) { box->close(); }) << false;
    QTest::newRow("Enter on the fresh box") << BoxAnswerer::pressEnter() << true;
}

void Dialogs::confirmaAnswers() {
    QFETCH(BoxAnswerer::Answer, answer);
    QFETCH(bool, result);
    BoxAnswerer answerer(answer);
    QCOMPARE(Confirma(QStringLiteral("Confirma exclusão?")), result);
    QCOMPARE(answerer.seen().size(), 1);
}

void Dialogs::confirmaLooks() {
    BoxAnswerer answerer(BoxAnswerer::click(QMessageBox::Cancel));
    Confirma(QStringLiteral("Confirma exclusão?"));
    const SeenBox& box = answerer.seen().value(0);
    QCOMPARE(box.caption, QStringLiteral("ATENÇÃO"));
    QCOMPARE(box.text, QStringLiteral("Confirma exclusão?"));
    QCOMPARE(box.icon, QMessageBox::Warning);
    QCOMPARE(box.buttons.size(), 2);
    QCOMPARE(box.defaultButton, QStringLiteral("OK"));
}

void Dialogs::mensagemLooksAndCloses_data() {
    QTest::addColumn<BoxAnswerer::Answer>("answer");
    QTest::newRow("Enter") << BoxAnswerer::pressEnter();
    QTest::newRow("Esc") << BoxAnswerer::pressKey(Qt::Key_Escape);
    QTest::newRow("OK") << BoxAnswerer::click(QMessageBox::Ok);
}

void Dialogs::mensagemLooksAndCloses() {
    QFETCH(BoxAnswerer::Answer, answer);
    BoxAnswerer answerer(answer);
    Mensagem(QStringLiteral("Operação Inválida"));
    const SeenBox& box = answerer.seen().value(0);
    QCOMPARE(box.caption, QStringLiteral("Sonorelo"));
    QCOMPARE(box.text, QStringLiteral("Operação Inválida"));
    QCOMPARE(box.icon, QMessageBox::NoIcon);
    QCOMPARE(box.buttons, QStringList{QStringLiteral("OK")});
    QCOMPARE(box.defaultButton, QStringLiteral("OK"));
    QCOMPARE(box.escapeButton, QStringLiteral("OK"));
}

void Dialogs::errorReport() {
    BoxAnswerer answerer;
    common::showError(tables::TableError(QStringLiteral("Cannot perform this operation on a closed dataset")));
    common::showError(std::runtime_error("disk I/O error"));
    QCOMPARE(answerer.texts(), (QStringList{"Cannot perform this operation on a closed dataset.",
                                            "disk I/O error."}));
    QCOMPARE(answerer.seen().value(0).caption, QStringLiteral("Sonorelo"));
    QCOMPARE(answerer.seen().value(0).icon, QMessageBox::Critical);
}

void Dialogs::guardedHandlerReportsAndStops() {
    BoxAnswerer answerer;
    QPushButton button;
    QStringList steps;
    QObject::connect(&button, &QPushButton::clicked, common::guarded([&](bool) {
                         steps << QStringLiteral("first");
                         throw tables::TableError(QStringLiteral("Field 'x' not found"));
                         steps << QStringLiteral("never");
                     }));
    button.show();
    QTest::mouseClick(&button, Qt::LeftButton);
    QVERIFY(waitUntil([&] { return !answerer.seen().isEmpty(); }));
    QCOMPARE(steps, QStringList{QStringLiteral("first")});
    QCOMPARE(answerer.texts(), QStringList{QStringLiteral("Field 'x' not found.")});
}

namespace {
class Thrower : public QObject {
public:
    bool event(QEvent* event) override {
        if (event->type() == QEvent::User) throw std::runtime_error("escaped");
        return QObject::event(event);
    }
};
}  // namespace

void Dialogs::notifyIsTheLastNet() {
    BoxAnswerer answerer;
    Thrower thrower;
    QCoreApplication::postEvent(&thrower, new QEvent(QEvent::User));
    QVERIFY(waitUntil([&] { return !answerer.seen().isEmpty(); }));
    QCOMPARE(answerer.texts(), QStringList{QStringLiteral("escaped.")});
}

int main(int argc, char** argv) {
    common::Application app(argc, argv);
    Dialogs test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_dialogs.moc"
