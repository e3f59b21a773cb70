// The short-date conversion: the text of a date edit to a calendar date, under a format.
#include <QtTest>

#include "platform/tables/shortdate.h"

using tables::ShortDateFormat;
using Order = ShortDateFormat::Order;

Q_DECLARE_METATYPE(ShortDateFormat)

class ShortDate : public QObject {
    Q_OBJECT
private slots:
    void convert_data();
    void convert();
    void formatFromPattern_data();
    void formatFromPattern();
    void showsTwoDigitsEach();
};

void ShortDate::convert_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<ShortDateFormat>("format");
    QTest::addColumn<QDate>("today");
    QTest::addColumn<QDate>("expected");  // invalid: refused

    const ShortDateFormat dmy{Order::DayMonthYear, QLatin1Char('/')};
    const ShortDateFormat mdy{Order::MonthDayYear, QLatin1Char('/')};
    const ShortDateFormat ymd{Order::YearMonthDay, QLatin1Char('-')};
    const QDate in2026(2026, 12, 11), in1997(1997, 6, 1);
    const QDate refused;

    QTest::newRow("day month year") << "05/11/97" << dmy << in1997 << QDate(1997, 11, 5);
    QTest::newRow("two-digit year in this century") << "05/11/97" << dmy << in2026 << QDate(2097, 11, 5);
    QTest::newRow("month day year") << "12/31/97" << mdy << in1997 << QDate(1997, 12, 31);
    QTest::newRow("month day year refuses day first") << "31/12/97" << mdy << in1997 << refused;
    QTest::newRow("year month day") << "2001-02-03" << ymd << in2026 << QDate(2001, 2, 3);
    QTest::newRow("blanks before numbers") << " 1/ 1/97" << dmy << in1997 << QDate(1997, 1, 1);
    QTest::newRow("blanks before separators") << "1 /1 /97" << dmy << in1997 << QDate(1997, 1, 1);
    QTest::newRow("29 Feb 2000 in the 2000s") << "29/02/00" << dmy << in2026 << QDate(2000, 2, 29);
    QTest::newRow("29 Feb 1900 in the 1900s") << "29/02/00" << dmy << in1997 << refused;
    QTest::newRow("31 Feb") << "31/02/97" << dmy << in1997 << refused;
    QTest::newRow("no year takes this year") << "12/03" << dmy << in2026 << QDate(2026, 3, 12);
    QTest::newRow("no year, month first") << "03/12" << mdy << in2026 << QDate(2026, 3, 12);
    QTest::newRow("no year, year-month-day takes month first") << "03-12" << ymd << in2026 << QDate(2026, 3, 12);
    QTest::newRow("trailing separator and blanks") << "12/03/97/  " << dmy << in1997 << QDate(1997, 3, 12);
    QTest::newRow("two trailing separators") << "12/03/97//" << dmy << in1997 << refused;
    QTest::newRow("year left blank under the mask") << "12/03/  " << dmy << in2026 << refused;
    QTest::newRow("all blank") << "  /  /  " << dmy << in2026 << refused;
    QTest::newRow("empty") << "" << dmy << in2026 << refused;
    QTest::newRow("four-digit year") << "01/01/1990" << dmy << in2026 << QDate(1990, 1, 1);
    QTest::newRow("small four-digit year goes to the century") << "01/01/0097" << dmy << in2026 << QDate(2097, 1, 1);
    QTest::newRow("number past 1000 stops reading") << "01/01/12345" << dmy << in2026 << refused;
    QTest::newRow("year 9999") << "31/12/9999" << dmy << in2026 << QDate(9999, 12, 31);
    QTest::newRow("month 13") << "01/13/97" << dmy << in1997 << refused;
    QTest::newRow("day 0") << "00/01/97" << dmy << in1997 << refused;
    QTest::newRow("other separator refused") << "01.01.97" << dmy << in1997 << refused;
    QTest::newRow("letters after") << "01/01/97x" << dmy << in1997 << refused;
    QTest::newRow("one number") << "12" << dmy << in1997 << refused;
}

void ShortDate::convert() {
    QFETCH(QString, text);
    QFETCH(ShortDateFormat, format);
    QFETCH(QDate, today);
    QFETCH(QDate, expected);
    const std::optional<QDate> result = tables::convertShortDate(text, format, today);
    if (!expected.isValid()) {
        QVERIFY2(!result, qPrintable(result ? result->toString(Qt::ISODate) : QString()));
    } else {
        QVERIFY(result);
        QCOMPARE(*result, expected);
    }
}

void ShortDate::formatFromPattern_data() {
    QTest::addColumn<QString>("pattern");
    QTest::addColumn<int>("order");
    QTest::addColumn<QString>("separator");
    QTest::newRow("pt_BR") << "dd/MM/yyyy" << int(Order::DayMonthYear) << "/";
    QTest::newRow("en_US") << "M/d/yy" << int(Order::MonthDayYear) << "/";
    QTest::newRow("ISO") << "yyyy-MM-dd" << int(Order::YearMonthDay) << "-";
    QTest::newRow("German") << "dd.MM.yy" << int(Order::DayMonthYear) << ".";
    QTest::newRow("no letters") << "" << int(Order::MonthDayYear) << "/";
}

void ShortDate::formatFromPattern() {
    QFETCH(QString, pattern);
    QFETCH(int, order);
    QFETCH(QString, separator);
    const ShortDateFormat format = ShortDateFormat::fromPattern(pattern);
    QCOMPARE(int(format.order), order);
    QCOMPARE(QString(format.separator), separator);
}

void ShortDate::showsTwoDigitsEach() {
    QCOMPARE((ShortDateFormat{Order::DayMonthYear, QLatin1Char('/')}).format(QDate(1997, 11, 5)),
             QStringLiteral("05/11/97"));
    QCOMPARE((ShortDateFormat{Order::MonthDayYear, QLatin1Char('/')}).format(QDate(2001, 2, 3)),
             QStringLiteral("02/03/01"));
}

QTEST_GUILESS_MAIN(ShortDate)
#include "tst_shortdate.moc"
