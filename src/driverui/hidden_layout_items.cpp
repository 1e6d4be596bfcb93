#include "driverui/hidden_layout_items.h"

namespace marlow {

bool IsHiddenLayoutItem(BYTE dmPubId) {
    switch (dmPubId) {
    case DMPUB_ORIENTATION:
    case DMPUB_DUPLEX:
    case DMPUB_NUP:
    case DMPUB_PAGEORDER:
#if NTDDI_VERSION >= 0x06000000
    case DMPUB_NUP_DIRECTION:
    case DMPUB_MANUAL_DUPLEX:
    case DMPUB_STAPLE:
    case DMPUB_BOOKLET_EDGE:
#endif
        return true;
    default:
        return false;
    }
}

// Manual duplex and staple are hidden but never reported: the Layout page
// offers no control for them, so nothing of the plug-in changes them. The
// printer family has a duplex unit and no stapler.
bool IsReportedLayoutItem(BYTE dmPubId) {
#if NTDDI_VERSION >= 0x06000000
    if (dmPubId == DMPUB_MANUAL_DUPLEX || dmPubId == DMPUB_STAPLE) {
        return false;
    }
#endif
    return IsHiddenLayoutItem(dmPubId);
}

}  // namespace marlow
