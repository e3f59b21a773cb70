#pragma once

#include <QChar>
#include <QDate>
#include <QString>
#include <optional>

namespace tables {

// The short date format as the conversion needs it: the order of day, month and year, and the
// separator. Dates are shown with two digits for each part ("05/11/97").
struct ShortDateFormat {
    enum class Order { DayMonthYear, MonthDayYear, YearMonthDay };
    Order order = Order::DayMonthYear;
    QChar separator = QLatin1Char('/');

    // From a locale pattern such as "dd/MM/yyyy": the order of the first of D, M or Y (either
    // case), month-day-year when there is none; the first other character as separator, "/"
    // when there is none.
    static ShortDateFormat fromPattern(const QString& pattern);
    // The program's format: the system locale's, or day/month/year with "/" for C/POSIX.
    static ShortDateFormat program();
    // Tests and tools may fix the program's format; an empty optional goes back to the system's.
    static void setProgramFormat(std::optional<ShortDateFormat> format);

    QString format(const QDate& date) const;
};

// Turns a text into a date under the format, placing a two-digit year in today's century.
// Blanks may precede each number; the year may be left out (today's year); one trailing
// separator and trailing blanks are allowed. Returns nothing when the text is no date.
std::optional<QDate> convertShortDate(const QString& text, const ShortDateFormat& format,
                                      const QDate& today);

}  // namespace tables
