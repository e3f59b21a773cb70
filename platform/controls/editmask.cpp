#include "editmask.h"

#include <QStringList>
#include <algorithm>

namespace controls {

namespace {

// Characters that mean something in a Qt input mask and must be quoted to stand for themselves.
bool isQtMaskCharacter(QChar c) { return QStringLiteral("AaNnXx90Dd#HhBb><!\\;[]{}").contains(c); }

// The Qt letter of a position the field mask reserves, or QChar() for a literal.
QChar qtCode(QChar c) {
    switch (c.unicode()) {
        case 'L':
            return QLatin1Char('A');
        case 'l':
            return QLatin1Char('a');
        case 'A':
            return QLatin1Char('N');
        case 'a':
            return QLatin1Char('n');
        case 'C':
            return QLatin1Char('X');
        case 'c':
            return QLatin1Char('x');
        case '0':
            return QLatin1Char('9');
        case '9':
            return QLatin1Char('0');
        case '#':
            return QLatin1Char('#');
        default:
            return {};
    }
}

}  // namespace

EditMask::EditMask(const QString& fieldMask) {
    // The mask runs to the first unquoted ';'; then come the literals flag and the blank.
    qsizetype end = 0;
    while (end < fieldMask.size() && fieldMask[end] != QLatin1Char(';'))
        end += fieldMask[end] == QLatin1Char('\\') ? 2 : 1;
    end = std::min(end, fieldMask.size());
    const QStringList options = fieldMask.mid(end + 1).split(QLatin1Char(';'));
    if (end < fieldMask.size()) {
        if (!options.value(0).isEmpty()) keepLiterals_ = options[0] != QLatin1String("0");
        if (options.size() > 1 && !options[1].isEmpty()) blank_ = options[1].front();
    }

    QString qt;
    auto addLiteral = [&](QChar c) {
        positions_.push_back({true, false, c});
        if (isQtMaskCharacter(c)) qt += QLatin1Char('\\');
        qt += c;
    };
    for (qsizetype i = 0; i < end; ++i) {
        const QChar c = fieldMask[i];
        if (c == QLatin1Char('!')) continue;  // leading blanks are the text's business, not Qt's
        if (c == QLatin1Char('<') && i + 1 < end && fieldMask[i + 1] == QLatin1Char('>')) {
            qt += QLatin1Char('!');
            ++i;
        } else if (c == QLatin1Char('<') || c == QLatin1Char('>')) {
            qt += c;
        } else if (c == QLatin1Char('\\')) {
            if (i + 1 < end) addLiteral(fieldMask[++i]);
        } else if (c == QLatin1Char('_')) {
            addLiteral(QLatin1Char(' '));
        } else if (const QChar code = qtCode(c); !code.isNull()) {
            positions_.push_back({false, code.isUpper() || code == QLatin1Char('9'), {}});
            qt += code;
        } else {
            addLiteral(c);
        }
    }
    if (!positions_.empty()) inputMask_ = qt + QLatin1Char(';') + blank_;
}

bool EditMask::isEmptyAt(const QString& displayText, size_t position) const {
    const qsizetype i = qsizetype(position);
    return i >= displayText.size() || displayText[i] == blank_ ||
           displayText[i] == QLatin1Char(' ');
}

QString EditMask::maskedText(const QString& displayText) const {
    QString text;
    for (size_t p = 0; p < positions_.size(); ++p) {
        if (positions_[p].literal) {
            if (keepLiterals_) text += positions_[p].character;
        } else {
            text += isEmptyAt(displayText, p) ? QChar(QLatin1Char(' ')) : displayText[qsizetype(p)];
        }
    }
    return text;
}

int EditMask::firstMissing(const QString& displayText) const {
    for (size_t p = 0; p < positions_.size(); ++p)
        if (positions_[p].required && isEmptyAt(displayText, p)) return int(p);
    return -1;
}

}  // namespace controls
