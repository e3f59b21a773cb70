#include "foldaz.h"

QString foldAZ(const QString& text) {
    QString folded = text;
    for (QChar& c : folded)
        if (c >= QLatin1Char('A') && c <= QLatin1Char('Z')) c = QChar(c.unicode() + ('a' - 'A'));
    return folded;
}

bool equalFoldedAZ(const QString& a, const QString& b) {
    if (a.size() != b.size()) return false;
    return foldAZ(a) == foldAZ(b);
}
