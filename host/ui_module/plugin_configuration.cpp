#include "host/ui_module/plugin_configuration.h"

#include <cwctype>

namespace marlow::host {
namespace {

constexpr DWORD kMaxConfiguredPlugins = 64;

bool EndsWithIni(const std::wstring& path) {
    if (path.size() < 4) return false;
    std::wstring tail = path.substr(path.size() - 4);
    for (wchar_t& c : tail) c = static_cast<wchar_t>(std::towlower(c));
    return tail == L".ini";
}

std::wstring DirectoryOf(const std::wstring& path) {
    const std::wstring::size_type slash = path.find_last_of(L"\\/");
    return slash == std::wstring::npos ? std::wstring() : path.substr(0, slash + 1);
}

}  // namespace

std::vector<std::wstring> SplitDependentFiles(const wchar_t* list) {
    std::vector<std::wstring> files;
    for (const wchar_t* entry = list; entry != nullptr && *entry != L'\0'; entry += lstrlenW(entry) + 1) {
        files.emplace_back(entry);
    }
    return files;
}

std::vector<std::wstring> ReadOemConfigFiles(const std::wstring& configurationFile) {
    std::vector<std::wstring> names;
    for (DWORD number = 1; number <= kMaxConfiguredPlugins; ++number) {
        const std::wstring key = L"OEMConfigFile" + std::to_wstring(number);
        wchar_t value[MAX_PATH] = {};
        GetPrivateProfileStringW(L"OEMFiles", key.c_str(), L"", value, MAX_PATH, configurationFile.c_str());
        if (value[0] == L'\0') break;
        names.emplace_back(value);
    }
    return names;
}

PluginConfiguration FindPluginConfiguration(HANDLE hPrinter) {
    PluginConfiguration configuration;
    DWORD needed = 0;
    GetPrinterDriverW(hPrinter, nullptr, 3, nullptr, 0, &needed);
    std::vector<BYTE> buffer(needed);
    if (needed == 0 || !GetPrinterDriverW(hPrinter, nullptr, 3, buffer.data(), needed, &needed)) {
        configuration.problem = L"the printer's driver could not be read (error " +
                                std::to_wstring(GetLastError()) + L")";
        return configuration;
    }
    const auto* info = reinterpret_cast<const DRIVER_INFO_3W*>(buffer.data());
    if (info->pDataFile != nullptr) configuration.dataFile = info->pDataFile;
    for (const std::wstring& file : SplitDependentFiles(info->pDependentFiles)) {
        if (EndsWithIni(file)) {
            configuration.configurationFile = file;
            break;
        }
    }
    if (configuration.configurationFile.empty()) {
        configuration.problem = L"no configuration file among the driver's dependent files";
        return configuration;
    }
    const std::wstring directory = DirectoryOf(configuration.configurationFile);
    for (const std::wstring& name : ReadOemConfigFiles(configuration.configurationFile)) {
        configuration.userInterfacePlugins.push_back(directory + name);
    }
    if (configuration.userInterfacePlugins.empty()) {
        configuration.problem = L"the configuration file names no user-interface plug-in";
    }
    return configuration;
}

}  // namespace marlow::host
