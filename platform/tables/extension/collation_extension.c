/* The project's collation as a loadable SQLite extension, so that the stock sqlite3 shell can
 * ".load" it and then query, change and check the table files. */
#include <sqlite3ext.h>
SQLITE_EXTENSION_INIT1

void* sonorelo_collator_open(void);
void sonorelo_collator_close(void* collator);
int sonorelo_collator_compare(void* collator, int lengthA, const void* a, int lengthB, const void* b);

static int register_collation(sqlite3* db, char** error, const sqlite3_api_routines* api) {
    SQLITE_EXTENSION_INIT2(api);
    void* collator = sonorelo_collator_open();
    if (!collator) {
        *error = sqlite3_mprintf("the ICU collator for pt_BR could not be opened");
        return SQLITE_ERROR;
    }
    return sqlite3_create_collation_v2(db, "PTBR", SQLITE_UTF8, collator, sonorelo_collator_compare,
                                       sonorelo_collator_close);
}

#ifdef _WIN32
__declspec(dllexport)
#endif
int sqlite3_extension_init(sqlite3* db, char** error, const sqlite3_api_routines* api) {
    return register_collation(db, error, api);
}

int sqlite3_sonorelocollation_init(sqlite3* db, char** error, const sqlite3_api_routines* api) {
    return register_collation(db, error, api);
}
