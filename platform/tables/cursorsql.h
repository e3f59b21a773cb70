#pragma once

#include <QString>
#include <map>
#include <vector>

namespace tables {

// One column of an order: its name, the collation it is compared under (empty: binary) and
// whether it may hold NULL (dates).
struct KeyColumn {
    QString column;
    QString collation;
    bool nullable = false;
};

// A query that reads rows in the order of an index (or rowid order when `keys` is empty).
// Its parameters are, in order: the key values of `keyParams` levels, then the rowid when
// `bindsRowid`, then the row limit.
struct OrderedQuery {
    QString sql;
    std::vector<int> keyParams;
    bool bindsRowid = false;
};

// Builds the queries by which a cursor walks a table in an order with the help of its index.
// "Rows after a position" is a list of branches run one after the other, each an index range
// that SQLite reads without sorting: same keys and a later rowid, then a greater last key, …,
// then a greater first key. (One compound query with an OR of rows would defeat the index.)
class CursorSql {
public:
    CursorSql(QString table, QString selectList, std::vector<KeyColumn> keys);

    // The first (or, descending, the last) rows of the order.
    OrderedQuery first(bool descending) const;
    // The branches of "rows after" (forward) or "rows before" (backward) a position whose key
    // values are NULL where `keyIsNull` says so.
    const std::vector<OrderedQuery>& continuation(bool forward, const std::vector<bool>& keyIsNull) const;
    // The first row in the order whose first `count` keys equal the given values.
    const OrderedQuery& findKey(const std::vector<bool>& keyIsNull) const;

    const std::vector<KeyColumn>& keys() const { return keys_; }

private:
    QString orderBy(size_t fromLevel, bool descending) const;
    QString compared(size_t level) const;  // "?" with the level's collation
    QString select(const QString& where, const QString& order) const;

    // Built once for each direction and pattern of NULL keys.
    mutable std::map<std::vector<bool>, std::vector<OrderedQuery>> forward_, backward_;
    mutable std::map<std::vector<bool>, OrderedQuery> findKey_;

    std::vector<OrderedQuery> buildContinuation(bool forward, const std::vector<bool>& keyIsNull) const;
    OrderedQuery buildFindKey(const std::vector<bool>& keyIsNull) const;

    QString table_;
    QString selectList_;
    std::vector<KeyColumn> keys_;
};

}  // namespace tables
