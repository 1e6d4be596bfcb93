#include "driverui/hidden_layout_items.h"

namespace marlow {

// Manual duplex and staple stay in the host's tree in every build: the
// Layout page has no control for them, and hiding them would leave the user
// no way to set them.
bool IsHiddenLayoutItem(BYTE dmPubId) {
    switch (dmPubId) {
    case DMPUB_ORIENTATION:
    case DMPUB_DUPLEX:
    case DMPUB_NUP:
    case DMPUB_PAGEORDER:
#if NTDDI_VERSION >= 0x06000000
    case DMPUB_NUP_DIRECTION:
    case DMPUB_BOOKLET_EDGE:
#endif
        return true;
    default:
        return false;
    }
}

// The host sees the changes of its visible items itself; those the Layout
// page stands in for are reported.
bool IsReportedLayoutItem(BYTE dmPubId) { return IsHiddenLayoutItem(dmPubId); }

}  // namespace marlow
