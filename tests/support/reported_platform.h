// The Windows version this test program runs on, as the system reports it.
// A test pass in a Wine prefix that reports an older version (see
// scripts/wine-run.sh) runs the plug-in on the legacy path for real: below
// 5.1 with service pack 3 the host keeps its layout items and the plug-in
// adds no Layout page.
#pragma once

#include "platform/windows_sdk.h"

#include <string>

namespace marlow::test {

struct ReportedPlatform {
    bool bQueried;  // false when GetVersionExW failed
    DWORD dwMajorVersion;
    DWORD dwMinorVersion;
    WORD wServicePackMajor;
};

ReportedPlatform QueryReportedPlatform();

// "major.minor.servicepack", e.g. "5.1.2"; "unknown" when the query failed.
std::string DescribePlatform(const ReportedPlatform& platform);

// What the Wine prefix of this pass was made to report, in the form above,
// or an empty text when the pass runs in a prefix of Wine's default version.
std::string PlatformThePrefixReports();

// Older than 5.1 with service pack 3 (a failed query counts as current).
bool IsLegacyPlatform(const ReportedPlatform& platform);

bool RunsOnLegacyPlatform();

}  // namespace marlow::test
