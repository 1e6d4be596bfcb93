// What a plug-in DLL must show the system to load on the oldest platform it
// is built for: exactly the exports DllGetClassObject and DllCanUnloadNow,
// imports from system DLLs only (not the common controls or msimg32, which
// the plug-in binds by name when it first needs them), each imported
// function exported by that platform according to the table of first
// platforms (tests/build/system_imports.csv, compiled in), no activation
// context function imported by 32-bit code (it looks those up by name), and
// a subsystem version no later than that platform's.
#pragma once

#include <string>
#include <vector>

#include "pe_image.h"

namespace marlow {

// The platforms the table knows, oldest first: "Windows 2000" (5.0),
// "Windows XP" (5.1), "Windows Server 2003" (5.2, also XP x64), "Windows
// Vista" (6.0), "Windows 7", "Windows 8", "Windows 10".
int FindPlatform(const std::string& name);  // -1 when unknown
std::string GetPlatformName(int platform);
// The platform of a Windows version, major.minor; -1 when none matches.
int FindPlatformOfVersion(int major, int minor);
// The first platform whose version is major.minor or later; -1 when none.
int FindFirstPlatformFrom(int major, int minor);

// The compiled-in table of first platforms, as its file reads.
const char* GetSystemImportsText();

// Every way the image fails the rules on that platform, one sentence each;
// empty when it loads there. tableText: rows "dll,function,first_platform"
// under that header, '#' comments.
std::vector<std::string> CheckDllSurface(const PeImage& image, int oldestPlatform,
                                         const std::string& tableText);

}  // namespace marlow
