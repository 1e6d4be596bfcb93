// The DLL surface check on the surfaces of real builds of marlowui.dll,
// saved as `objdump -p` listings (listings/): the DLL built with the posix
// thread model (which imports what Windows 2000 and the x64 editions of XP
// lack), the DLL built with the win32 model, and variants of them with one
// fault each. The verdicts are those the build's check must give.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <regex>
#include <string>

#include "dll_surface.h"

namespace marlow {
namespace {

std::string ReadListing(const char* name) {
    std::ifstream stream(std::string(MARLOW_LISTINGS) + "/" + name, std::ios::binary);
    EXPECT_TRUE(stream) << name;
    return std::string(std::istreambuf_iterator<char>(stream), std::istreambuf_iterator<char>());
}

// What the listing shows of the DLL: the subsystem version, the names under
// "[Ordinal/Name Pointer] Table", and the rows under each "DLL Name:" line
// (a line that starts in the first column ends the import tables).
PeImage ReadSurface(const std::string& listing, int pointerSize) {
    PeImage image;
    image.wMachine = pointerSize == 4 ? kMachineX86 : kMachineX64;
    image.bPe32Plus = pointerSize == 8;
    std::smatch match;
    if (std::regex_search(listing, match,
                          std::regex("MajorSubsystemVersion\\t([0-9]+)\\nMinorSubsystemVersion\\t([0-9]+)"))) {
        image.nMajorSubsystemVersion = std::stoi(match[1]);
        image.nMinorSubsystemVersion = std::stoi(match[2]);
    } else {
        ADD_FAILURE() << "the listing has no subsystem version";
    }
    const std::regex dllLine("^\\tDLL Name: (.+)$");
    const std::regex functionRow("^\\t[0-9a-fA-F]+\\t +[0-9]+ +([^ ]+)");
    const std::regex exportRow("^\\t\\[ *[0-9]+\\] (.+)$");
    bool bInImports = false;
    bool bInExports = false;
    std::size_t start = 0;
    while (start < listing.size()) {
        std::size_t end = listing.find('\n', start);
        if (end == std::string::npos) {
            end = listing.size();
        }
        const std::string line = listing.substr(start, end - start);
        start = end + 1;
        if (std::regex_search(line, match, dllLine)) {
            image.imports.push_back({match[1], {}});
            bInImports = true;
        } else if (!line.empty() && line[0] != ' ' && line[0] != '\t') {
            bInImports = false;
            bInExports = line == "[Ordinal/Name Pointer] Table";
        } else if (bInImports && std::regex_search(line, match, functionRow)) {
            image.imports.back().functions.push_back(match[1]);
        } else if (bInExports && std::regex_search(line, match, exportRow)) {
            image.exports.push_back(match[1]);
        }
    }
    return image;
}

struct ListingCase {
    const char* name;
    const char* listing;
    const char* changeFrom;  // null: the listing as saved
    const char* changeTo;
    const char* platform;
    int pointerSize;
    bool bLoads;
    std::vector<const char*> names;     // each in the check's sentences
    std::vector<const char*> notNames;  // none of these in them
};

const char kPosixX86[] = "posix_thread_model_x86.dump";
const char kPosixX64[] = "posix_thread_model_x64.dump";
const char kWin32X64[] = "win32_thread_model_x64.dump";

const ListingCase kCases[] = {
    // --- the functions a build's oldest platform lacks ---
    {"x86 5.x, posix thread model", kPosixX86, nullptr, nullptr, "Windows 2000", 4, false,
     {"its oldest platform", "kernel32.dll AddVectoredExceptionHandler (from Windows XP)",
      "kernel32.dll RemoveVectoredExceptionHandler (from Windows XP)",
      "kernel32.dll GetTickCount64 (from Windows Vista)", "kernel32.dll ReleaseActCtx (from Windows XP)"},
     {"CloseHandle", "GetVersionExW", "LoadStringW", "GetPrinterDriverW", "_wfopen"}},
    {"x64 5.x, posix thread model", kPosixX64, nullptr, nullptr, "Windows Server 2003", 8, false,
     {"kernel32.dll GetTickCount64 (from Windows Vista)"},
     {"AddVectoredExceptionHandler", "ReleaseActCtx", "RtlVirtualUnwind", "___lc_codepage_func"}},
    {"x64 6.0, posix thread model", kPosixX64, nullptr, nullptr, "Windows Vista", 8, true, {}, {}},
    {"x64 5.x, win32 thread model", kWin32X64, nullptr, nullptr, "Windows Server 2003", 8, true, {}, {}},
    {"the x64 DLL on Windows 2000", kWin32X64, nullptr, nullptr, "Windows 2000", 8, false,
     {"kernel32.dll RtlCaptureContext (from Windows XP)",
      "kernel32.dll RtlVirtualUnwind (from Windows Server 2003)",
      "msvcrt.dll ___lc_codepage_func (from Windows XP)"},
     {}},
    // --- the activation context functions, which 32-bit code looks up by name ---
    {"x86 6.0, static ReleaseActCtx", kPosixX86, nullptr, nullptr, "Windows Vista", 4, false,
     {"looks up by name: kernel32.dll ReleaseActCtx"}, {"GetTickCount64", "oldest platform"}},
    // --- the subsystem version in the header ---
    {"x64 DLL for 6.0 subsystems", kWin32X64, "MajorSubsystemVersion\t5\nMinorSubsystemVersion\t2",
     "MajorSubsystemVersion\t6\nMinorSubsystemVersion\t0", "Windows Server 2003", 8, false,
     {"asks for subsystem version 6.0; Windows Server 2003, its oldest platform, is 5.2"}, {}},
    {"the same on Vista", kWin32X64, "MajorSubsystemVersion\t5\nMinorSubsystemVersion\t2",
     "MajorSubsystemVersion\t6\nMinorSubsystemVersion\t0", "Windows Vista", 8, true, {}, {}},
    // --- functions the table does not know ---
    {"function not in the table", kPosixX64, " GetVersionExW\n", " GetVersionExA\n", "Windows Vista",
     8, false, {"not in the table of first platforms: kernel32.dll GetVersionExA"}, {}},
    {"function of another DLL", kWin32X64, "DLL Name: USER32.dll", "DLL Name: SHELL32.dll",
     "Windows Vista", 8, false, {"not in the table of first platforms: shell32.dll LoadStringW"}, {}},
    // --- exports and imported DLLs ---
    {"common controls imported", kWin32X64, "DLL Name: USER32.dll", "DLL Name: COMCTL32.dll",
     "Windows Vista", 8, false, {"imports comctl32.dll, which the plug-in binds by name"}, {}},
    {"mingw runtime imported", kWin32X64, "DLL Name: msvcrt.dll", "DLL Name: libstdc++-6.dll",
     "Windows Vista", 8, false, {"imports libstdc++-6.dll, which is not a system DLL"}, {}},
    {"decorated export", kWin32X64, "DllGetClassObject\n", "DllGetClassObject@12\n", "Windows Vista",
     8, false, {"exactly DllCanUnloadNow and DllGetClassObject"}, {}},
    // --- listings without imports ---
    {"no import table", kWin32X64, "DLL Name:", "Dll name:", "Windows Vista", 8, false,
     {"the import table is missing or empty"}, {}},
};

TEST(DllSurfaceListingTest, BuildsOfThePluginGetTheirVerdicts) {
    for (const ListingCase& c : kCases) {
        SCOPED_TRACE(c.name);
        std::string listing = ReadListing(c.listing);
        if (c.changeFrom != nullptr) {
            const std::string from(c.changeFrom);
            std::size_t at = listing.find(from);
            ASSERT_NE(at, std::string::npos) << c.listing << " has no \"" << from << "\"";
            for (; at != std::string::npos; at = listing.find(from, at + 1)) {
                listing.replace(at, from.size(), c.changeTo);
            }
        }
        const std::vector<std::string> problems = CheckDllSurface(
            ReadSurface(listing, c.pointerSize), FindPlatform(c.platform), GetSystemImportsText());
        std::string text;
        for (const std::string& problem : problems) {
            text += problem + "\n";
        }
        EXPECT_EQ(problems.empty(), c.bLoads) << text;
        for (const char* name : c.names) {
            EXPECT_NE(text.find(name), std::string::npos) << "expected \"" << name << "\" in\n" << text;
        }
        for (const char* name : c.notNames) {
            EXPECT_EQ(text.find(name), std::string::npos) << "did not expect \"" << name << "\" in\n" << text;
        }
    }
}

TEST(DllSurfaceListingTest, NoFunctionRowsMeansNoImports) {
    std::string listing = ReadListing(kWin32X64);
    listing = std::regex_replace(listing, std::regex("\n\t[0-9a-f]+\t +[0-9]+ +[^\n]+"), "\n");
    const std::vector<std::string> problems =
        CheckDllSurface(ReadSurface(listing, 8), FindPlatform("Windows Vista"), GetSystemImportsText());
    ASSERT_EQ(problems.size(), 1u);
    EXPECT_EQ(problems[0], "imports no function at all; the import table is missing or empty");
}

}  // namespace
}  // namespace marlow
