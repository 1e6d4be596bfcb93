#include "reported_platform.h"

#include <cstdlib>

namespace marlow::test {

ReportedPlatform QueryReportedPlatform() {
    OSVERSIONINFOEXW version = {};
    version.dwOSVersionInfoSize = sizeof(version);
#if defined(_MSC_VER)
#pragma warning(suppress : 4996)  // deprecated for new code; we need the service pack
#endif
    if (!GetVersionExW(reinterpret_cast<OSVERSIONINFOW*>(&version))) {
        return ReportedPlatform{false, 0, 0, 0};
    }
    return ReportedPlatform{true, version.dwMajorVersion, version.dwMinorVersion,
                            version.wServicePackMajor};
}

std::string DescribePlatform(const ReportedPlatform& platform) {
    if (!platform.bQueried) return "unknown";
    return std::to_string(platform.dwMajorVersion) + "." + std::to_string(platform.dwMinorVersion) +
           "." + std::to_string(platform.wServicePackMajor);
}

std::string PlatformThePrefixReports() {
    const char* text = std::getenv("MARLOW_WINE_REPORTS");
    return text != nullptr ? text : "";
}

bool IsLegacyPlatform(const ReportedPlatform& platform) {
    if (!platform.bQueried) return false;
    if (platform.dwMajorVersion != 5) return platform.dwMajorVersion < 5;
    return platform.dwMinorVersion == 0 ||
           (platform.dwMinorVersion == 1 && platform.wServicePackMajor < 3);
}

bool RunsOnLegacyPlatform() { return IsLegacyPlatform(QueryReportedPlatform()); }

}  // namespace marlow::test
