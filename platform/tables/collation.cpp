#include "collation.h"

#include <sqlite3.h>

#include "collation_icu.h"
#include "tableerror.h"

namespace tables {

namespace {
void* sharedCollator() {
    static void* collator = sonorelo_collator_open();
    return collator;
}
}  // namespace

int compareText(const char* a, int lengthA, const char* b, int lengthB) {
    return sonorelo_collator_compare(sharedCollator(), lengthA, a, lengthB, b);
}

int compareText(const QString& a, const QString& b) {
    const QByteArray ua = a.toUtf8();
    const QByteArray ub = b.toUtf8();
    return compareText(ua.constData(), int(ua.size()), ub.constData(), int(ub.size()));
}

void registerCollation(sqlite3* db) {
    void* collator = sharedCollator();
    if (!collator) throw TableError(QStringLiteral("The ICU collator for pt_BR could not be opened"));
    const int rc = sqlite3_create_collation_v2(db, kCollationName, SQLITE_UTF8, collator,
                                               sonorelo_collator_compare, nullptr);
    if (rc != SQLITE_OK) throw TableError(QString::fromUtf8(sqlite3_errmsg(db)));
}

}  // namespace tables
