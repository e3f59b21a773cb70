#include "collation_icu.h"

#include <unicode/ucol.h>
#include <unicode/uiter.h>

extern "C" void* sonorelo_collator_open(void) {
    UErrorCode status = U_ZERO_ERROR;
    UCollator* collator = ucol_open("pt_BR", &status);
    if (U_FAILURE(status)) return nullptr;
    // Secondary strength: base letters and accents count, letter case does not.
    ucol_setStrength(collator, UCOL_SECONDARY);
    return collator;
}

extern "C" void sonorelo_collator_close(void* collator) {
    if (collator) ucol_close(static_cast<UCollator*>(collator));
}

extern "C" int sonorelo_collator_compare(void* collator, int lengthA, const void* a, int lengthB,
                                         const void* b) {
    UErrorCode status = U_ZERO_ERROR;
    UCollationResult result =
        ucol_strcollUTF8(static_cast<UCollator*>(collator), static_cast<const char*>(a), lengthA,
                         static_cast<const char*>(b), lengthB, &status);
    if (U_FAILURE(status)) return 0;
    return result == UCOL_LESS ? -1 : (result == UCOL_GREATER ? 1 : 0);
}
