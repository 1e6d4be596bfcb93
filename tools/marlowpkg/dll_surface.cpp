#include "dll_surface.h"

#include <algorithm>
#include <cstddef>
#include <map>
#include <set>


namespace marlow {

namespace {

struct PlatformVersion {
    const char* name;
    int major;
    int minor;
};

constexpr PlatformVersion kPlatforms[] = {
    {"Windows 2000", 5, 0},  {"Windows XP", 5, 1}, {"Windows Server 2003", 5, 2},
    {"Windows Vista", 6, 0}, {"Windows 7", 6, 1},  {"Windows 8", 6, 2},
    {"Windows 10", 10, 0},
};
constexpr int kPlatformCount = static_cast<int>(sizeof(kPlatforms) / sizeof(kPlatforms[0]));

const char* const kSystemDlls[] = {"kernel32.dll", "msvcrt.dll",   "user32.dll", "gdi32.dll",
                                   "advapi32.dll", "winspool.drv", "ole32.dll",  "oleaut32.dll",
                                   "shell32.dll",  "shlwapi.dll",  "version.dll"};
const char* const kBoundAtRunTime[] = {"comctl32.dll", "msimg32.dll"};
const char* const kBoundByNameIn32Bit[] = {"CreateActCtxW", "ActivateActCtx", "DeactivateActCtx",
                                           "ReleaseActCtx"};

template <std::size_t N>
bool Contains(const char* const (&names)[N], const std::string& name) {
    return std::find_if(std::begin(names), std::end(names),
                        [&](const char* candidate) { return name == candidate; }) != std::end(names);
}

std::string LowerCase(std::string text) {
    for (char& c : text) {
        if (c >= 'A' && c <= 'Z') {
            c = static_cast<char>(c - 'A' + 'a');
        }
    }
    return text;
}

// "dll function" -> first platform; false with a problem when a row is bad.
bool ReadTable(const std::string& text, std::map<std::string, int>& table,
               std::vector<std::string>& problems) {
    std::size_t start = 0;
    bool bHeader = false;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string::npos) {
            end = text.size();
        }
        std::string row = text.substr(start, end - start);
        start = end + 1;
        if (!row.empty() && row.back() == '\r') {
            row.pop_back();
        }
        if (row.empty() || row[0] == '#') {
            continue;
        }
        if (!bHeader) {
            if (row != "dll,function,first_platform") {
                problems.push_back("the table of first platforms has the header '" + row + "'");
                return false;
            }
            bHeader = true;
            continue;
        }
        const std::size_t first = row.find(',');
        const std::size_t second = first == std::string::npos ? first : row.find(',', first + 1);
        const int platform = second == std::string::npos ? -1 : FindPlatform(row.substr(second + 1));
        if (platform < 0 || first == 0 || second == first + 1) {
            problems.push_back("the table of first platforms has the malformed row '" + row + "'");
            return false;
        }
        table[row.substr(0, first) + " " + row.substr(first + 1, second - first - 1)] = platform;
    }
    if (!bHeader) {
        problems.push_back("the table of first platforms is empty");
        return false;
    }
    return true;
}

void CheckExports(const PeImage& image, std::vector<std::string>& problems) {
    std::vector<std::string> exports = image.exports;
    std::sort(exports.begin(), exports.end());
    if (exports != std::vector<std::string>{"DllCanUnloadNow", "DllGetClassObject"}) {
        std::string list;
        for (const std::string& name : exports) {
            list += (list.empty() ? "" : ", ") + name;
        }
        problems.push_back("exports [" + list +
                           "]; a plug-in exports exactly DllCanUnloadNow and DllGetClassObject");
    }
}

void CheckImports(const PeImage& image, int oldestPlatform,
                  const std::map<std::string, int>& table, std::vector<std::string>& problems) {
    const std::string oldest = GetPlatformName(oldestPlatform);
    std::vector<std::string> tooNew;
    std::vector<std::string> unknown;
    std::vector<std::string> boundByName;
    std::size_t functionCount = 0;
    for (const PeImport& import : image.imports) {
        const std::string dll = LowerCase(import.dll);
        if (Contains(kBoundAtRunTime, dll)) {
            problems.push_back("imports " + dll +
                               ", which the plug-in binds by name at run time");
        } else if (!Contains(kSystemDlls, dll)) {
            problems.push_back("imports " + dll + ", which is not a system DLL");
        }
        for (const std::string& function : import.functions) {
            ++functionCount;
            const auto found = table.find(dll + " " + function);
            if (found == table.end()) {
                unknown.push_back(dll + " " + function);
            } else if (found->second > oldestPlatform) {
                tooNew.push_back(dll + " " + function + " (from " +
                                 GetPlatformName(found->second) + ")");
            }
            if (image.wMachine == kMachineX86 && dll == "kernel32.dll" &&
                Contains(kBoundByNameIn32Bit, function)) {
                boundByName.push_back(dll + " " + function);
            }
        }
    }
    if (image.imports.empty() || functionCount == 0) {
        problems.push_back("imports no function at all; the import table is missing or empty");
    }
    const auto addList = [&](const std::vector<std::string>& names, const std::string& heading) {
        if (!names.empty()) {
            std::string text = heading + ": ";
            for (std::size_t i = 0; i < names.size(); ++i) {
                text += (i == 0 ? "" : ", ") + names[i];
            }
            problems.push_back(text);
        }
    };
    addList(tooNew, "imports functions that " + oldest + ", its oldest platform, does not export");
    addList(unknown, "imports functions that are not in the table of first platforms");
    addList(boundByName, "imports activation context functions, which the 32-bit plug-in "
                         "looks up by name");
}

}  // namespace

int FindPlatform(const std::string& name) {
    for (int i = 0; i < kPlatformCount; ++i) {
        if (name == kPlatforms[i].name) {
            return i;
        }
    }
    return -1;
}

std::string GetPlatformName(int platform) {
    return platform >= 0 && platform < kPlatformCount ? kPlatforms[platform].name : "?";
}

int FindPlatformOfVersion(int major, int minor) {
    for (int i = 0; i < kPlatformCount; ++i) {
        if (kPlatforms[i].major == major && kPlatforms[i].minor == minor) {
            return i;
        }
    }
    return -1;
}

int FindFirstPlatformFrom(int major, int minor) {
    for (int i = 0; i < kPlatformCount; ++i) {
        if (kPlatforms[i].major > major ||
            (kPlatforms[i].major == major && kPlatforms[i].minor >= minor)) {
            return i;
        }
    }
    return -1;
}

std::vector<std::string> CheckDllSurface(const PeImage& image, int oldestPlatform,
                                         const std::string& tableText) {
    std::vector<std::string> problems;
    if (oldestPlatform < 0 || oldestPlatform >= kPlatformCount) {
        problems.push_back("no known oldest platform to check against");
        return problems;
    }
    const PlatformVersion& oldest = kPlatforms[oldestPlatform];
    if (image.nMajorSubsystemVersion > oldest.major ||
        (image.nMajorSubsystemVersion == oldest.major &&
         image.nMinorSubsystemVersion > oldest.minor)) {
        problems.push_back("asks for subsystem version " +
                           std::to_string(image.nMajorSubsystemVersion) + "." +
                           std::to_string(image.nMinorSubsystemVersion) + "; " + oldest.name +
                           ", its oldest platform, is " + std::to_string(oldest.major) + "." +
                           std::to_string(oldest.minor));
    }
    CheckExports(image, problems);
    std::map<std::string, int> table;
    if (ReadTable(tableText, table, problems)) {
        CheckImports(image, oldestPlatform, table, problems);
    }
    return problems;
}

}  // namespace marlow
