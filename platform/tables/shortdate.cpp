#include "shortdate.h"

#include <QLocale>

namespace tables {

namespace {

std::optional<ShortDateFormat>& programOverride() {
    static std::optional<ShortDateFormat> format;
    return format;
}

class Scanner {
public:
    explicit Scanner(const QString& text) : text_(text) {}

    void skipBlanks() {
        while (pos_ < text_.size() && text_[pos_] == QLatin1Char(' ')) ++pos_;
    }

    // Blanks, then one or more digits; the reading stops once the number has reached 1000.
    bool number(int& value) {
        skipBlanks();
        const qsizetype start = pos_;
        value = 0;
        while (pos_ < text_.size() && text_[pos_].isDigit() && text_[pos_].unicode() < 128 &&
               value < 1000) {
            value = value * 10 + (text_[pos_].unicode() - '0');
            ++pos_;
        }
        return pos_ > start;
    }

    // Blanks, then the character; on failure the position is left unchanged.
    bool character(QChar c) {
        const qsizetype saved = pos_;
        skipBlanks();
        if (pos_ < text_.size() && text_[pos_] == c) {
            ++pos_;
            return true;
        }
        pos_ = saved;
        return false;
    }

    bool atEnd() const { return pos_ >= text_.size(); }

private:
    const QString& text_;
    qsizetype pos_ = 0;
};

}  // namespace

ShortDateFormat ShortDateFormat::fromPattern(const QString& pattern) {
    ShortDateFormat format;
    format.order = Order::MonthDayYear;
    for (QChar c : pattern) {
        const QChar upper = c.toUpper();
        if (upper == QLatin1Char('D')) {
            format.order = Order::DayMonthYear;
            break;
        }
        if (upper == QLatin1Char('M')) {
            format.order = Order::MonthDayYear;
            break;
        }
        if (upper == QLatin1Char('Y')) {
            format.order = Order::YearMonthDay;
            break;
        }
    }
    format.separator = QLatin1Char('/');
    for (QChar c : pattern) {
        if (!c.isLetter() && !c.isSpace()) {
            format.separator = c;
            break;
        }
    }
    return format;
}

ShortDateFormat ShortDateFormat::program() {
    if (programOverride()) return *programOverride();
    static const ShortDateFormat system = [] {
        const QLocale locale = QLocale::system();
        if (locale.language() == QLocale::C) return ShortDateFormat{};
        return fromPattern(locale.dateFormat(QLocale::ShortFormat));
    }();
    return system;
}

void ShortDateFormat::setProgramFormat(std::optional<ShortDateFormat> format) {
    programOverride() = format;
}

QString ShortDateFormat::format(const QDate& date) const {
    const auto two = [](int n) { return QStringLiteral("%1").arg(n % 100, 2, 10, QLatin1Char('0')); };
    const QString d = two(date.day()), m = two(date.month()), y = two(date.year());
    switch (order) {
        case Order::DayMonthYear: return d + separator + m + separator + y;
        case Order::MonthDayYear: return m + separator + d + separator + y;
        case Order::YearMonthDay: return y + separator + m + separator + d;
    }
    return {};
}

std::optional<QDate> convertShortDate(const QString& text, const ShortDateFormat& format,
                                      const QDate& today) {
    Scanner scan(text);
    int n1 = 0, n2 = 0, n3 = 0;
    if (!scan.number(n1) || !scan.character(format.separator) || !scan.number(n2))
        return std::nullopt;

    int day = 0, month = 0, year = 0;
    if (scan.character(format.separator)) {
        if (!scan.number(n3)) return std::nullopt;
        switch (format.order) {
            case ShortDateFormat::Order::DayMonthYear: day = n1, month = n2, year = n3; break;
            case ShortDateFormat::Order::MonthDayYear: month = n1, day = n2, year = n3; break;
            case ShortDateFormat::Order::YearMonthDay: year = n1, month = n2, day = n3; break;
        }
        if (year <= 99) year += today.year() / 100 * 100;
    } else {
        if (format.order == ShortDateFormat::Order::DayMonthYear)
            day = n1, month = n2;
        else
            month = n1, day = n2;
        year = today.year();
    }

    scan.character(format.separator);
    scan.skipBlanks();
    if (!scan.atEnd()) return std::nullopt;

    if (year < 1 || year > 9999 || !QDate::isValid(year, month, day)) return std::nullopt;
    return QDate(year, month, day);
}

}  // namespace tables
