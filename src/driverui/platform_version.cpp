#include "driverui/platform_version.h"

namespace marlow {

BOOL DetectLegacyPlatform() {
    OSVERSIONINFOEXW version = {};
    version.dwOSVersionInfoSize = sizeof(version);
    static_assert(sizeof(OSVERSIONINFOEXW) == 284, "OSVERSIONINFOEXW size");
    if (!GetVersionExW(reinterpret_cast<OSVERSIONINFOW*>(&version))) {
        return FALSE;
    }
    const bool legacy = version.dwMajorVersion < 5 ||
                        (version.dwMajorVersion == 5 && version.dwMinorVersion == 0) ||
                        (version.dwMajorVersion == 5 && version.dwMinorVersion == 1 &&
                         version.wServicePackMajor < 3);
    return legacy ? TRUE : FALSE;
}

}  // namespace marlow
