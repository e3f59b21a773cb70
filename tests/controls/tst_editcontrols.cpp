// The data-aware edit against real table files: AutoEdit, pending text, the date mask and its
// checks; the edit mask conversion; the key-press hook through which windows see keys first.
#include <QClipboard>
#include <QLineEdit>
#include <QSignalSpy>

#include "controlsfixture.h"
#include "platform/controls/dbedit.h"
#include "platform/controls/editmask.h"
#include "platform/controls/keypress.h"
#include "platform/tables/field.h"

using tables::TableState;

namespace {

const QString invalidInput =
    QStringLiteral("Invalid input value.  Use escape key to abandon changes");

enum class Typing { Letter, Backspace, DeleteKey, PasteKey, MenuPaste };

// A window with the edit under test and a plain edit after it to take the focus.
struct EditWindow {
    EditWindow(tables::DataSource& source, const QString& field) {
        edit = new controls::DBEdit(&window);
        other = new QLineEdit(&window);
        other->move(0, 40);
        edit->setDataSource(&source);
        edit->setDataField(field);
    }
    bool show() {
        if (!window.showActive()) return false;
        edit->setFocus(Qt::OtherFocusReason);
        return edit->hasFocus();
    }
    // Types into the edit from its first position.
    void typeFromStart(const QString& keys) {
        QTest::keyClick(edit, Qt::Key_Home);
        QTest::keyClicks(edit, keys);
    }

    TestWindow window;
    controls::DBEdit* edit;
    QLineEdit* other;
};

}  // namespace

class EditControlsTest : public QObject {
    Q_OBJECT
  private slots:
    void editMaskConversion_data();
    void editMaskConversion();
    void maskedTextAndMissingPosition_data();
    void maskedTextAndMissingPosition();

    void typingWhileBrowsing_data();
    void typingWhileBrowsing();
    void typingIntoClosedTableIsRefused();
    void pendingTextReachesField_data();
    void pendingTextReachesField();
    void textFieldWidthLimitsTyping();
    void followsRecordFieldAndState();

    void dateEditTypesUnderMask_data();
    void dateEditTypesUnderMask();
    void leavingDateEdit_data();
    void leavingDateEdit();
    void enterChecksTheMask_data();
    void enterChecksTheMask();
    void modalReportKeepsTheFocus_data();
    void modalReportKeepsTheFocus();
    void escapeAbandonsChanges_data();
    void escapeAbandonsChanges();
    void blankDateClearsField();
    void badPendingDateStopsThePost();

    void keyPressHandler_data();
    void keyPressHandler();
    void consumedEnterSkipsTheMaskCheck();
    void keyPressHandlerReplacedAndRemoved();
};

void EditControlsTest::editMaskConversion_data() {
    QTest::addColumn<QString>("fieldMask");
    QTest::addColumn<QString>("inputMask");
    QTest::addRow("date") << "!99/99/00;1;_"
                          << "00/00/99;_";
    QTest::addRow("letters and case") << ">LL<ll;0;*"
                                      << ">AA<aa;*";
    QTest::addRow("alphanumerics, any, sign") << "AaCc#;1; "
                                              << "NnXx#; ";
    QTest::addRow("no case conversion") << "<>cc"
                                        << "!xx;_";
    QTest::addRow("quoted mask letter") << "\\A-00"
                                        << "\\A-99;_";
    QTest::addRow("literal Qt reads as a letter") << "99h;1;_"
                                                  << "00\\h;_";
    QTest::addRow("space position") << "00_00"
                                    << "99 99;_";
    QTest::addRow("no mask") << ""
                             << "";
}

void EditControlsTest::editMaskConversion() {
    QFETCH(QString, fieldMask);
    QFETCH(QString, inputMask);
    QCOMPARE(controls::EditMask(fieldMask).inputMask(), inputMask);
}

void EditControlsTest::maskedTextAndMissingPosition_data() {
    QTest::addColumn<QString>("fieldMask");
    QTest::addColumn<QString>("displayText");
    QTest::addColumn<QString>("maskedText");
    QTest::addColumn<int>("missing");
    const QString date = QStringLiteral("!99/99/00;1;_");
    QTest::addRow("complete date") << date << "12/03/97"
                                   << "12/03/97" << -1;
    QTest::addRow("year left empty") << date << "12/03/__"
                                     << "12/03/  " << 6;
    QTest::addRow("second year digit empty") << date << "12/03/9_"
                                             << "12/03/9 " << 7;
    QTest::addRow("nothing typed") << date << "__/__/__"
                                   << "  /  /  " << 6;
    QTest::addRow("day is optional") << date << "__/03/97"
                                     << "  /03/97" << -1;
    QTest::addRow("literals not kept") << "00-00;0;_"
                                       << "12-3_"
                                       << "123 " << 4;
}

void EditControlsTest::maskedTextAndMissingPosition() {
    QFETCH(QString, fieldMask);
    QFETCH(QString, displayText);
    QFETCH(QString, maskedText);
    QFETCH(int, missing);
    const controls::EditMask mask(fieldMask);
    QCOMPARE(mask.maskedText(displayText), maskedText);
    QCOMPARE(mask.firstMissing(displayText), missing);
}

void EditControlsTest::typingWhileBrowsing_data() {
    QTest::addColumn<bool>("autoEdit");
    QTest::addColumn<Typing>("typing");
    QTest::addColumn<TableState>("state");
    QTest::addColumn<QString>("shown");
    QTest::addRow("off: a letter") << false << Typing::Letter << TableState::Browse << "Ana";
    QTest::addRow("off: backspace") << false << Typing::Backspace << TableState::Browse << "Ana";
    QTest::addRow("off: delete") << false << Typing::DeleteKey << TableState::Browse << "Ana";
    QTest::addRow("off: paste key") << false << Typing::PasteKey << TableState::Browse << "Ana";
    QTest::addRow("off: paste from the menu")
        << false << Typing::MenuPaste << TableState::Browse << "Ana";
    QTest::addRow("on: a letter") << true << Typing::Letter << TableState::Edit << "Anax";
    QTest::addRow("on: backspace") << true << Typing::Backspace << TableState::Edit << "An";
    QTest::addRow("on: delete") << true << Typing::DeleteKey << TableState::Edit << "na";
    QTest::addRow("on: paste key") << true << Typing::PasteKey << TableState::Edit << "Anazz";
    QTest::addRow("on: paste from the menu")
        << true << Typing::MenuPaste << TableState::Edit << "Anazz";
}

void EditControlsTest::typingWhileBrowsing() {
    QFETCH(bool, autoEdit);
    QFETCH(Typing, typing);
    QFETCH(TableState, state);
    QFETCH(QString, shown);
    ControlsFixture fixture;
    auto table = ControlsFixture::pessoas({{"Ana", "", ""}});
    tables::DataSource source;
    source.SetAutoEdit(autoEdit);
    source.SetDataSet(table.get());
    controls::DBEdit edit;
    edit.setDataSource(&source);
    edit.setDataField(QStringLiteral("nome"));
    QCOMPARE(edit.text(), QStringLiteral("Ana"));
    QApplication::clipboard()->setText(QStringLiteral("zz"));

    switch (typing) {
        case Typing::Letter:
            QTest::keyClick(&edit, Qt::Key_X);
            break;
        case Typing::Backspace:
            QTest::keyClick(&edit, Qt::Key_Backspace);
            break;
        case Typing::DeleteKey:
            QTest::keyClick(&edit, Qt::Key_Home);
            QTest::keyClick(&edit, Qt::Key_Delete);
            break;
        case Typing::PasteKey:
            QTest::keySequence(&edit, QKeySequence::Paste);
            break;
        case Typing::MenuPaste:
            edit.paste();
            break;
    }
    QCOMPARE(table->State(), state);
    QCOMPARE(edit.text(), shown);
    QCOMPARE(edit.isModified(), autoEdit);
    QCOMPARE(table->FieldByName(QStringLiteral("nome")).AsString(), QStringLiteral("Ana"));
}

void EditControlsTest::typingIntoClosedTableIsRefused() {
    ControlsFixture fixture;
    auto table = ControlsFixture::pessoas({{"Ana", "", ""}});
    tables::DataSource source;
    source.SetDataSet(table.get());
    controls::DBEdit edit;
    edit.setDataSource(&source);
    edit.setDataField(QStringLiteral("nome"));
    table->Close();
    QVERIFY(!edit.field());
    QCOMPARE(edit.text(), QString());
    QTest::keyClicks(&edit, QStringLiteral("abc"));
    QCOMPARE(edit.text(), QString());
    QCOMPARE(table->State(), TableState::Inactive);
}

void EditControlsTest::pendingTextReachesField_data() {
    QTest::addColumn<QString>("how");
    QTest::addRow("the table settles") << "CheckBrowseMode";
    QTest::addRow("the table posts") << "Post";
    QTest::addRow("the focus leaves") << "Tab";
}

void EditControlsTest::pendingTextReachesField() {
    QFETCH(QString, how);
    ControlsFixture fixture;
    auto table = ControlsFixture::pessoas({{"Ana", "", ""}});
    tables::DataSource source;
    source.SetDataSet(table.get());
    EditWindow w(source, QStringLiteral("nome"));
    QVERIFY(w.show());
    w.edit->selectAll();
    QTest::keyClicks(w.edit, QStringLiteral("Bia"));
    QCOMPARE(table->State(), TableState::Edit);
    QCOMPARE(table->FieldByName(QStringLiteral("nome")).AsString(), QStringLiteral("Ana"));

    if (how == QLatin1String("CheckBrowseMode")) table->CheckBrowseMode();
    if (how == QLatin1String("Post")) table->Post();
    if (how == QLatin1String("Tab")) {
        QTest::keyClick(w.edit, Qt::Key_Tab);
        QVERIFY(w.other->hasFocus());
        QCOMPARE(table->State(), TableState::Edit);
        table->Post();
    }
    QVERIFY(!w.edit->isModified());
    QCOMPARE(table->State(), TableState::Browse);
    table->First();
    QCOMPARE(table->FieldByName(QStringLiteral("nome")).AsString(), QStringLiteral("Bia"));
    QCOMPARE(table->RecordCount(), 1);
}

void EditControlsTest::textFieldWidthLimitsTyping() {
    ControlsFixture fixture;
    auto table = ControlsFixture::pessoas({{"", "", ""}});
    tables::DataSource source;
    source.SetDataSet(table.get());
    controls::DBEdit edit;
    edit.setDataSource(&source);
    edit.setDataField(QStringLiteral("nome"));
    QCOMPARE(edit.maxLength(), 10);
    QTest::keyClicks(&edit, QStringLiteral("Maria Eduarda"));
    QCOMPARE(edit.text(), QStringLiteral("Maria Edua"));
    table->Post();
    QCOMPARE(table->FieldByName(QStringLiteral("nome")).AsString(), QStringLiteral("Maria Edua"));

    edit.setDataField(QStringLiteral("cidade"));
    QCOMPARE(edit.maxLength(), 20);
}

void EditControlsTest::followsRecordFieldAndState() {
    ControlsFixture fixture;
    auto table = ControlsFixture::pessoas({{"Ana", "", ""}, {"Bia", "", ""}});
    tables::DataSource source;
    source.SetDataSet(table.get());
    controls::DBEdit edit;
    edit.setDataSource(&source);
    edit.setDataField(QStringLiteral("nome"));

    table->Next();
    QCOMPARE(edit.text(), QStringLiteral("Bia"));
    table->Edit();
    table->FieldByName(QStringLiteral("nome")).SetAsString(QStringLiteral("Bianca"));
    QCOMPARE(edit.text(), QStringLiteral("Bianca"));
    QTest::keyClicks(&edit, QStringLiteral("xy"));
    QVERIFY(edit.isModified());
    table->Cancel();
    QCOMPARE(edit.text(), QStringLiteral("Bia"));
    QVERIFY(!edit.isModified());
    table->Append();
    QCOMPARE(edit.text(), QString());
    table->Cancel();
    QCOMPARE(edit.text(), QStringLiteral("Bia"));
    table->Close();
    QCOMPARE(edit.text(), QString());
}

void EditControlsTest::dateEditTypesUnderMask_data() {
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("maskedText");
    QTest::addRow("complete") << "120397"
                              << "12/03/97";
    QTest::addRow("year left empty") << "1203"
                                     << "12/03/  ";
    QTest::addRow("nothing") << ""
                             << "  /  /  ";
}

void EditControlsTest::dateEditTypesUnderMask() {
    QFETCH(QString, keys);
    QFETCH(QString, maskedText);
    ControlsFixture fixture;
    auto table = ControlsFixture::pessoas({{"Ana", "", ""}});
    tables::DataSource source;
    source.SetDataSet(table.get());
    EditWindow w(source, QStringLiteral("nascimento"));
    QCOMPARE(w.edit->inputMask(), QStringLiteral("00/00/99;_"));
    w.typeFromStart(keys);
    QCOMPARE(w.edit->maskedText(), maskedText);
}

void EditControlsTest::leavingDateEdit_data() {
    QTest::addColumn<QString>("keys");
    QTest::addColumn<bool>("byMouse");
    QTest::addColumn<QStringList>("reported");
    QTest::addColumn<int>("cursor");  // where the cursor is put back; -1 when the focus moves on
    QTest::addColumn<QString>("stored");
    const QStringList none;
    QTest::addRow("incomplete, Tab") << "1203" << false << QStringList{invalidInput} << 6 << "";
    QTest::addRow("incomplete, mouse") << "12039" << true << QStringList{invalidInput} << 7 << "";
    QTest::addRow("no such day, Tab")
        << "310297" << false << QStringList{"'31/02/97' is not a valid date"} << 0 << "";
    QTest::addRow("no such day, mouse")
        << "310297" << true << QStringList{"'31/02/97' is not a valid date"} << 0 << "";
    QTest::addRow("valid, Tab") << "050897" << false << none << -1 << "05/08/97";
    QTest::addRow("valid, mouse") << "050897" << true << none << -1 << "05/08/97";
}

void EditControlsTest::leavingDateEdit() {
    QFETCH(QString, keys);
    QFETCH(bool, byMouse);
    QFETCH(QStringList, reported);
    QFETCH(int, cursor);
    QFETCH(QString, stored);
    ControlsFixture fixture;
    auto table = ControlsFixture::pessoas({{"Ana", "", ""}});
    tables::DataSource source;
    source.SetDataSet(table.get());
    EditWindow w(source, QStringLiteral("nascimento"));
    QVERIFY(w.show());
    CapturedErrors errors;
    w.typeFromStart(keys);

    if (byMouse)
        QTest::mouseClick(w.other, Qt::LeftButton);
    else
        QTest::keyClick(w.edit, Qt::Key_Tab);
    if (cursor < 0) {
        QTRY_VERIFY(w.other->hasFocus());
    } else {
        QTRY_VERIFY(w.edit->hasFocus());
        if (reported.front() == invalidInput)
            QCOMPARE(w.edit->cursorPosition(), cursor);
        else
            QCOMPARE(w.edit->selectedText(), w.edit->displayText());
    }
    QTest::qWait(50);  // no second report, no focus going back and forth
    QCOMPARE(errors.messages, reported);
    QCOMPARE(w.edit->hasFocus(), cursor >= 0);
    QCOMPARE(table->FieldByName(QStringLiteral("nascimento")).AsString(), stored);
}

void EditControlsTest::enterChecksTheMask_data() {
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QStringList>("reported");
    QTest::addColumn<int>("cursor");
    QTest::addRow("year left empty") << "1203" << QStringList{invalidInput} << 6;
    QTest::addRow("filled, even if no date") << "310297" << QStringList() << 8;
    QTest::addRow("unchanged") << "" << QStringList() << 8;
}

void EditControlsTest::enterChecksTheMask() {
    QFETCH(QString, keys);
    QFETCH(QStringList, reported);
    QFETCH(int, cursor);
    ControlsFixture fixture;
    auto table = ControlsFixture::pessoas({{"Ana", "", ""}});
    tables::DataSource source;
    source.SetDataSet(table.get());
    EditWindow w(source, QStringLiteral("nascimento"));
    QVERIFY(w.show());
    CapturedErrors errors;
    w.typeFromStart(keys);
    QTest::keyClick(w.edit, Qt::Key_End);
    QTest::keyClick(w.edit, Qt::Key_Return);
    QCOMPARE(errors.messages, reported);
    QCOMPARE(w.edit->cursorPosition(), cursor);
    QVERIFY(w.edit->hasFocus());
    QCOMPARE(table->FieldByName(QStringLiteral("nascimento")).AsString(), QString());
}

// The program reports in a message box: the edit losing the focus to it is not being left.
void EditControlsTest::modalReportKeepsTheFocus_data() {
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("reported");
    QTest::addRow("Enter, incomplete") << int(Qt::Key_Return) << "1203" << invalidInput;
    QTest::addRow("Tab, incomplete") << int(Qt::Key_Tab) << "1203" << invalidInput;
    QTest::addRow("Tab, no such day") << int(Qt::Key_Tab) << "310297"
                                      << "'31/02/97' is not a valid date";
}

void EditControlsTest::modalReportKeepsTheFocus() {
    QFETCH(int, key);
    QFETCH(QString, keys);
    QFETCH(QString, reported);
    ControlsFixture fixture;
    auto table = ControlsFixture::pessoas({{"Ana", "", ""}});
    tables::DataSource source;
    source.SetDataSet(table.get());
    EditWindow w(source, QStringLiteral("nascimento"));
    QVERIFY(w.show());
    CapturedErrors errors(true);
    w.typeFromStart(keys);
    QTest::keyClick(w.edit, Qt::Key(key));
    QTRY_VERIFY(QApplication::activeModalWidget() == nullptr);
    QTRY_COMPARE(w.window.focusWidget(), w.edit);
    // The offscreen platform does not give the window back its activation by itself.
    QVERIFY(w.window.showActive());
    QVERIFY(w.edit->hasFocus());
    QTest::qWait(100);
    QCOMPARE(errors.messages, QStringList{reported});
    QVERIFY(w.edit->hasFocus());
}

void EditControlsTest::escapeAbandonsChanges_data() {
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("value");
    QTest::addRow("text") << "nome"
                          << "xyz"
                          << "Ana";
    QTest::addRow("date") << "nascimento"
                          << "3112"
                          << "05/11/97";
}

void EditControlsTest::escapeAbandonsChanges() {
    QFETCH(QString, field);
    QFETCH(QString, keys);
    QFETCH(QString, value);
    ControlsFixture fixture;
    auto table = ControlsFixture::pessoas({{"Ana", "", "05/11/97"}});
    tables::DataSource source;
    source.SetDataSet(table.get());
    EditWindow w(source, field);
    QVERIFY(w.show());
    CapturedErrors errors;
    w.typeFromStart(keys);
    QVERIFY(w.edit->isModified());
    QTest::keyClick(w.edit, Qt::Key_Escape);
    QCOMPARE(w.edit->text(), value);
    QVERIFY(!w.edit->isModified());
    QTest::keyClick(w.edit, Qt::Key_Tab);
    QVERIFY(w.other->hasFocus());
    table->Post();
    QCOMPARE(table->FieldByName(field).AsString(), value);
    QCOMPARE(errors.messages, QStringList());
}

void EditControlsTest::blankDateClearsField() {
    ControlsFixture fixture;
    auto table = ControlsFixture::pessoas({{"Ana", "", "05/11/97"}});
    tables::DataSource source;
    source.SetDataSet(table.get());
    controls::DBEdit edit;
    edit.setDataSource(&source);
    edit.setDataField(QStringLiteral("nascimento"));
    QCOMPARE(edit.maskedText(), QStringLiteral("05/11/97"));
    edit.selectAll();
    QTest::keyClick(&edit, Qt::Key_Backspace);
    QCOMPARE(edit.maskedText(), QStringLiteral("  /  /  "));
    table->CheckBrowseMode();
    QCOMPARE(table->State(), TableState::Browse);
    QVERIFY(table->FieldByName(QStringLiteral("nascimento")).IsNull());
}

void EditControlsTest::badPendingDateStopsThePost() {
    ControlsFixture fixture;
    auto table = ControlsFixture::pessoas({{"Ana", "", ""}});
    tables::DataSource source;
    source.SetDataSet(table.get());
    controls::DBEdit edit;
    edit.setDataSource(&source);
    edit.setDataField(QStringLiteral("nascimento"));
    QTest::keyClick(&edit, Qt::Key_Home);
    QTest::keyClicks(&edit, QStringLiteral("310297"));
    try {
        table->Post();
        QFAIL("the post went through");
    } catch (const tables::TableError& error) {
        QCOMPARE(error.message(), QStringLiteral("'31/02/97' is not a valid date"));
    }
    QCOMPARE(table->State(), TableState::Edit);
    QVERIFY(edit.isModified());
}

enum class Handling { Consume, Leave, Raise };

void EditControlsTest::keyPressHandler_data() {
    QTest::addColumn<int>("key");
    QTest::addColumn<Handling>("handling");
    QTest::addColumn<QChar>("seen");
    QTest::addColumn<int>("returnPressed");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("reported");
    const QStringList none;
    QTest::addRow("Return consumed")
        << int(Qt::Key_Return) << Handling::Consume << QChar(QLatin1Char('\r')) << 0 << "" << none;
    QTest::addRow("Enter consumed")
        << int(Qt::Key_Enter) << Handling::Consume << QChar(QLatin1Char('\r')) << 0 << "" << none;
    QTest::addRow("Return left") << int(Qt::Key_Return) << Handling::Leave
                                 << QChar(QLatin1Char('\r')) << 1 << "" << none;
    QTest::addRow("letter consumed")
        << int(Qt::Key_A) << Handling::Consume << QChar(QLatin1Char('a')) << 0 << "" << none;
    QTest::addRow("letter left") << int(Qt::Key_A) << Handling::Leave << QChar(QLatin1Char('a'))
                                 << 0 << "a" << none;
    QTest::addRow("handler fails")
        << int(Qt::Key_Return) << Handling::Raise << QChar(QLatin1Char('\r')) << 1 << ""
        << QStringList{"Field 'x' not found"};
}

void EditControlsTest::keyPressHandler() {
    QFETCH(int, key);
    QFETCH(Handling, handling);
    QFETCH(QChar, seen);
    QFETCH(int, returnPressed);
    QFETCH(QString, text);
    QFETCH(QStringList, reported);
    CapturedErrors errors;
    QLineEdit edit;
    QList<QChar> keys;
    controls::setKeyPressHandler(&edit, [&](QChar& k) {
        keys << k;
        if (handling == Handling::Raise)
            throw tables::TableError(tables::messages::fieldNotFound.arg(QStringLiteral("x")));
        if (handling == Handling::Consume) k = QChar();
    });
    QSignalSpy pressed(&edit, &QLineEdit::returnPressed);
    QTest::keyClick(&edit, Qt::Key(key));
    QTest::keyClick(&edit, Qt::Key_Left);  // a key without a character is not handed over
    QCOMPARE(keys, QList<QChar>{seen});
    QCOMPARE(pressed.size(), returnPressed);
    QCOMPARE(edit.text(), text);
    QCOMPARE(errors.messages, reported);
}

void EditControlsTest::consumedEnterSkipsTheMaskCheck() {
    ControlsFixture fixture;
    auto table = ControlsFixture::pessoas({{"Ana", "", ""}});
    tables::DataSource source;
    source.SetDataSet(table.get());
    EditWindow w(source, QStringLiteral("nascimento"));
    QVERIFY(w.show());
    CapturedErrors errors;
    bool consume = true;
    controls::setKeyPressHandler(w.edit, [&](QChar& key) {
        if (key == QLatin1Char('\r') && consume) key = QChar();
    });
    w.typeFromStart(QStringLiteral("1203"));
    QTest::keyClick(w.edit, Qt::Key_Return);
    QCOMPARE(errors.messages, QStringList());
    consume = false;
    QTest::keyClick(w.edit, Qt::Key_Return);
    QCOMPARE(errors.messages, QStringList{invalidInput});
}

void EditControlsTest::keyPressHandlerReplacedAndRemoved() {
    QLineEdit edit;
    int first = 0;
    int second = 0;
    controls::setKeyPressHandler(&edit, [&](QChar&) { ++first; });
    controls::setKeyPressHandler(&edit, [&](QChar& key) {
        ++second;
        key = QChar();
    });
    QTest::keyClick(&edit, Qt::Key_A);
    QCOMPARE(first, 0);
    QCOMPARE(second, 1);
    QCOMPARE(edit.text(), QString());
    controls::setKeyPressHandler(&edit, {});
    QTest::keyClick(&edit, Qt::Key_A);
    QCOMPARE(second, 1);
    QCOMPARE(edit.text(), QStringLiteral("a"));
}

QTEST_MAIN(EditControlsTest)
#include "tst_editcontrols.moc"
