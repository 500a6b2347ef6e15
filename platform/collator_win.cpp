#include "platform/collator_win.h"

#include <windows.h>

int WinCollator::Compare(std::string_view a, std::string_view b) const {
    int r = ::CompareStringA(LOCALE_USER_DEFAULT, NORM_IGNORECASE, a.data(),
                             static_cast<int>(a.size()), b.data(), static_cast<int>(b.size()));
    if (r == 0) {  // the call failed: fall back to the byte order rather than "equal"
        int c = a.compare(b);
        return c < 0 ? -1 : (c > 0 ? 1 : 0);
    }
    return r - CSTR_EQUAL;
}
