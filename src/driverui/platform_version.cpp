#include "driverui/platform_version.h"

namespace marlow {

BOOL DetectLegacyPlatform() noexcept {
    OSVERSIONINFOEXW version = {};
    version.dwOSVersionInfoSize = sizeof(version);
    static_assert(sizeof(OSVERSIONINFOEXW) == 284, "OSVERSIONINFOEXW size");
#if defined(_MSC_VER)
#pragma warning(suppress : 4996)  // deprecated for new code; we need the service pack
#endif
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
