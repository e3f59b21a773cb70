#pragma once

// The ICU side of the collation, free of SQLite, shared by the engine and the loadable extension.
extern "C" {
// Opens a pt_BR collator at secondary strength; returns an opaque handle or null.
void* sonorelo_collator_open(void);
void sonorelo_collator_close(void* collator);
// The comparison callback in the shape that sqlite3_create_collation_v2 expects.
int sonorelo_collator_compare(void* collator, int lengthA, const void* a, int lengthB, const void* b);
}
