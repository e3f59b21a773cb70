#pragma once

#include <QString>

// The comparison of the cascades and the search: only the letters A to Z are turned into a to z;
// every other character, accented capitals included, must be identical.
QString foldAZ(const QString& text);
bool equalFoldedAZ(const QString& a, const QString& b);
