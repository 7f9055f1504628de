#include "platform/FakeWin32.h"

#include <cctype>
#include <cstring>

int CompareStringA(LCID, DWORD flags, LPCSTR a, int na, LPCSTR b, int nb) {
    if (na < 0) na = static_cast<int>(std::strlen(a));
    if (nb < 0) nb = static_cast<int>(std::strlen(b));
    for (int i = 0; i < na && i < nb; ++i) {
        int ca = static_cast<unsigned char>(a[i]), cb = static_cast<unsigned char>(b[i]);
        if (flags & NORM_IGNORECASE) { ca = std::tolower(ca); cb = std::tolower(cb); }
        if (ca != cb) return ca < cb ? CSTR_LESS_THAN : CSTR_GREATER_THAN;
    }
    return na == nb ? CSTR_EQUAL : (na < nb ? CSTR_LESS_THAN : CSTR_GREATER_THAN);
}
