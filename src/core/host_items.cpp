#include "core/host_items.h"

namespace marlow {

bool HasPpdKeyword(const OPTITEM& item, const char* keyword) {
    const auto* userData = reinterpret_cast<const USERDATA*>(item.UserData);
    if (userData == nullptr || userData->pKeyWordName == nullptr) {
        return false;
    }
    // Compared up to and including the terminating zero, stopping at the first
    // difference, so that a shorter keyword is never read past its end.
    const char* have = userData->pKeyWordName;
    for (;; ++have, ++keyword) {
        if (*have != *keyword) {
            return false;
        }
        if (*have == '\0') {
            return true;
        }
    }
}

}  // namespace marlow
