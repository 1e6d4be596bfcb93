#include "host/package_install.h"

#include "host/file_port_printer.h"
#include "platform/win32_handles.h"

#include <setupapi.h>

#include <algorithm>
#include <cwctype>

namespace marlow::host {
namespace {

struct InfPolicy {
    using Handle = HINF;
    static Handle Invalid() noexcept { return INVALID_HANDLE_VALUE; }
    static void Close(Handle handle) noexcept { SetupCloseInfFile(handle); }
};
using UniqueInf = UniqueHandle<InfPolicy>;

std::wstring ReadField(INFCONTEXT& context, DWORD index) {
    wchar_t value[MAX_PATH] = {};
    DWORD needed = 0;
    if (!SetupGetStringFieldW(&context, index, value, MAX_PATH, &needed)) return std::wstring();
    return value;
}

std::wstring ReadValue(HINF inf, const wchar_t* section, const wchar_t* key) {
    INFCONTEXT context = {};
    return SetupFindFirstLineW(inf, section, key, &context) ? ReadField(context, 1) : std::wstring();
}

std::wstring Lower(std::wstring text) {
    for (wchar_t& c : text) c = static_cast<wchar_t>(std::towlower(c));
    return text;
}

bool StartsWith(const std::wstring& text, const std::wstring& start) {
    return Lower(text.substr(0, start.size())) == Lower(start);
}

// The lines of a file-list section, or the one @file entry.
void AddCopyFiles(HINF inf, const std::wstring& entry, std::vector<std::wstring>& files) {
    if (!entry.empty() && entry[0] == L'@') {
        files.push_back(entry.substr(1));
        return;
    }
    INFCONTEXT line = {};
    for (BOOL more = SetupFindFirstLineW(inf, entry.c_str(), nullptr, &line); more;
         more = SetupFindNextLine(&line, &line)) {
        files.push_back(ReadField(line, 1).empty() ? ReadField(line, 0) : ReadField(line, 1));
    }
}

std::wstring DescribeError(const wchar_t* what) {
    return std::wstring(what) + L" failed with error " + std::to_wstring(GetLastError());
}

struct CopyContext {
    std::wstring sourceFolder;  // the architecture's folder, full path
    PackageCopyResult* result;
};

UINT CALLBACK AnswerCopyQueue(PVOID context, UINT notification, UINT_PTR param1, UINT_PTR param2) {
    auto* copy = static_cast<CopyContext*>(context);
    PackageCopyResult& result = *copy->result;
    CopyQueueEvent event;
    event.notification = notification;
    UINT answer = NO_ERROR;
    switch (notification) {
    case SPFILENOTIFY_STARTQUEUE:
    case SPFILENOTIFY_STARTSUBQUEUE:
        answer = TRUE;
        break;
    case SPFILENOTIFY_NEEDMEDIA: {
        const auto* media = reinterpret_cast<const SOURCE_MEDIA_W*>(param1);
        ++result.mediaRequests;
        event.source = std::wstring(media->SourcePath != nullptr ? media->SourcePath : L"") + L"|" +
                       (media->SourceFile != nullptr ? media->SourceFile : L"");
        const std::wstring file = media->SourceFile != nullptr ? media->SourceFile : L"";
        if (!file.empty() && FileExists(copy->sourceFolder + L"\\" + file)) {
            lstrcpynW(reinterpret_cast<wchar_t*>(param2), copy->sourceFolder.c_str(), MAX_PATH);
            answer = FILEOP_NEWPATH;
        } else {
            result.missing.push_back(file);
            SetLastError(ERROR_FILE_NOT_FOUND);
            answer = FILEOP_ABORT;
        }
        break;
    }
    case SPFILENOTIFY_STARTCOPY: {
        const auto* paths = reinterpret_cast<const FILEPATHS_W*>(param1);
        event.source = paths->Source != nullptr ? paths->Source : L"";
        event.target = paths->Target != nullptr ? paths->Target : L"";
        answer = FILEOP_DOIT;
        break;
    }
    case SPFILENOTIFY_ENDCOPY: {
        const auto* paths = reinterpret_cast<const FILEPATHS_W*>(param1);
        event.source = paths->Source != nullptr ? paths->Source : L"";
        event.target = paths->Target != nullptr ? paths->Target : L"";
        event.win32Error = paths->Win32Error;
        (paths->Win32Error == NO_ERROR ? result.copied : result.failed).push_back(event.target);
        break;
    }
    case SPFILENOTIFY_COPYERROR: {
        const auto* paths = reinterpret_cast<const FILEPATHS_W*>(param1);
        event.source = paths->Source != nullptr ? paths->Source : L"";
        event.win32Error = paths->Win32Error;
        result.failed.push_back(event.source);
        answer = FILEOP_ABORT;
        break;
    }
    default:
        answer = notification >= SPFILENOTIFY_STARTDELETE && notification <= SPFILENOTIFY_RENAMEERROR
                     ? static_cast<UINT>(FILEOP_DOIT) : static_cast<UINT>(NO_ERROR);
        break;
    }
    event.answer = answer;
    result.events.push_back(event);
    return answer;
}

// The files of a driver of one environment, as the spooler lists them.
std::vector<std::wstring> ListDriverFiles(const wchar_t* environment, const std::wstring& driverName) {
    DWORD needed = 0, count = 0;
    EnumPrinterDriversW(nullptr, const_cast<LPWSTR>(environment), 3, nullptr, 0, &needed, &count);
    std::vector<BYTE> buffer(needed);
    std::vector<std::wstring> files;
    if (needed == 0 || !EnumPrinterDriversW(nullptr, const_cast<LPWSTR>(environment), 3, buffer.data(), needed,
                                            &needed, &count)) {
        return files;
    }
    const auto* drivers = reinterpret_cast<const DRIVER_INFO_3W*>(buffer.data());
    for (DWORD i = 0; i < count; ++i) {
        const DRIVER_INFO_3W& driver = drivers[i];
        if (driver.pName == nullptr || driverName != driver.pName) continue;
        for (const wchar_t* file : {driver.pDriverPath, driver.pDataFile, driver.pConfigFile, driver.pHelpFile}) {
            if (file != nullptr && *file != L'\0') files.emplace_back(file);
        }
        for (const wchar_t* entry = driver.pDependentFiles; entry != nullptr && *entry != L'\0';
             entry += lstrlenW(entry) + 1) {
            files.emplace_back(entry);
        }
    }
    return files;
}

bool HasDriver(const wchar_t* environment, const std::wstring& driverName) {
    return !ListDriverFiles(environment, driverName).empty();
}

}  // namespace

const wchar_t* EnvironmentOf(PackageArchitecture architecture) {
    return architecture == PackageArchitecture::kX86 ? L"Windows NT x86" : L"Windows x64";
}

PackageArchitecture ProcessArchitecture() {
#if defined(_WIN64)
    return PackageArchitecture::kX64;
#else
    return PackageArchitecture::kX86;
#endif
}

bool FileExists(const std::wstring& path) {
    const DWORD attributes = GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

PackageInfReading ReadPackageInf(const std::wstring& infPath, PackageArchitecture architecture) {
    PackageInfReading reading;
    UINT errorLine = 0;
    UniqueInf inf(SetupOpenInfFileW(infPath.c_str(), nullptr, INF_STYLE_WIN4, &errorLine));
    if (!inf) {
        reading.problem = DescribeError(L"SetupOpenInfFileW") + L" (line " + std::to_wstring(errorLine) + L")";
        return reading;
    }
    const bool bX86 = architecture == PackageArchitecture::kX86;
    const std::wstring decoration = bX86 ? L"NTx86" : L"NTamd64";
    INFCONTEXT line = {};
    if (!SetupFindFirstLineW(inf.Get(), L"Manufacturer", nullptr, &line)) {
        reading.problem = L"no [Manufacturer] line";
        return reading;
    }
    const std::wstring models = ReadField(line, 1);
    for (DWORD field = 2; field <= SetupGetFieldCount(&line); ++field) {
        const std::wstring candidate = ReadField(line, field);
        if (StartsWith(candidate, decoration)) {
            reading.modelsSection = models + L"." + candidate;
            break;
        }
    }
    // The undecorated section serves x86 (and the systems before decorations).
    if (reading.modelsSection.empty() && bX86) {
        reading.modelsSection = models;
    }
    if (reading.modelsSection.empty()) {
        reading.problem = L"no models section decorated for " + decoration;
        return reading;
    }
    if (!SetupFindFirstLineW(inf.Get(), reading.modelsSection.c_str(), nullptr, &line)) {
        reading.problem = L"no model in [" + reading.modelsSection + L"]";
        return reading;
    }
    reading.modelName = ReadField(line, 0);
    reading.installSection = ReadField(line, 1);
    reading.hardwareId = ReadField(line, 2);
    const wchar_t* install = reading.installSection.c_str();
    for (BOOL more = SetupFindFirstLineW(inf.Get(), install, L"CopyFiles", &line); more;
         more = SetupFindNextMatchLineW(&line, L"CopyFiles", &line)) {
        for (DWORD field = 1; field <= SetupGetFieldCount(&line); ++field) {
            AddCopyFiles(inf.Get(), ReadField(line, field), reading.copyFiles);
        }
    }
    reading.dataFile = ReadValue(inf.Get(), install, L"DataFile");
    if (reading.dataFile.empty()) reading.dataFile = reading.installSection;
    reading.dataSection = ReadValue(inf.Get(), install, L"DataSection");
    reading.destinationDirId = ReadValue(inf.Get(), L"DestinationDirs", L"DefaultDestDir");

    const std::wstring suffix = bX86 ? L".x86" : L".amd64";
    if (SetupFindFirstLineW(inf.Get(), (L"SourceDisksNames" + suffix).c_str(), nullptr, &line)) {
        reading.sourceFolder = ReadField(line, 4);
        while (!reading.sourceFolder.empty() && reading.sourceFolder[0] == L'\\') reading.sourceFolder.erase(0, 1);
    }
    for (BOOL more = SetupFindFirstLineW(inf.Get(), (L"SourceDisksFiles" + suffix).c_str(), nullptr, &line); more;
         more = SetupFindNextLine(&line, &line)) {
        reading.sourceDiskFiles.push_back(ReadField(line, 0));
    }
    if (reading.copyFiles.empty() || reading.sourceFolder.empty()) {
        reading.problem = L"the install section copies nothing, or the source folder is not named";
    }
    return reading;
}

PackageCopyResult CopyPackageFiles(const std::wstring& packageDir, const PackageInfReading& inf) {
    PackageCopyResult result;
    UINT errorLine = 0;
    const std::wstring infPath = packageDir + L"\\marlowc.inf";
    UniqueInf hinf(SetupOpenInfFileW(infPath.c_str(), nullptr, INF_STYLE_WIN4, &errorLine));
    if (!hinf) {
        result.installError = GetLastError();
        return result;
    }
    CopyContext context = {packageDir + L"\\" + inf.sourceFolder, &result};
    result.bInstallReturned = SetupInstallFromInfSectionW(nullptr, hinf.Get(), inf.installSection.c_str(), SPINST_FILES,
                                                          nullptr, packageDir.c_str(), 0, AnswerCopyQueue, &context,
                                                          nullptr, nullptr);
    if (!result.bInstallReturned) result.installError = GetLastError();
    return result;
}

std::wstring GetDriverDirectory(const wchar_t* environment) {
    DWORD needed = 0;
    GetPrinterDriverDirectoryW(nullptr, const_cast<LPWSTR>(environment), 1, nullptr, 0, &needed);
    std::vector<BYTE> buffer(needed + sizeof(WCHAR));
    if (!GetPrinterDriverDirectoryW(nullptr, const_cast<LPWSTR>(environment), 1, buffer.data(),
                                    static_cast<DWORD>(buffer.size()), &needed)) {
        return std::wstring();
    }
    return reinterpret_cast<const wchar_t*>(buffer.data());
}

bool RegisterDriver(const DriverRegistration& registration, std::wstring* problem) {
    std::wstring dependent;
    for (const std::wstring& file : registration.dependentFiles) {
        dependent += file;
        dependent.push_back(L'\0');
    }
    dependent.push_back(L'\0');
    std::wstring name = registration.modelName;
    std::wstring environment = EnvironmentOf(registration.architecture);
    std::wstring module = registration.uiModule;
    std::wstring data = registration.dataFile;
    DRIVER_INFO_3W info = {};
    info.cVersion = 3;
    info.pName = &name[0];
    info.pEnvironment = &environment[0];
    info.pDriverPath = &module[0];
    info.pDataFile = &data[0];
    info.pConfigFile = &module[0];
    info.pDependentFiles = &dependent[0];
    info.pDefaultDataType = const_cast<LPWSTR>(L"RAW");
    if (!AddPrinterDriverExW(nullptr, 3, reinterpret_cast<LPBYTE>(&info), APD_COPY_NEW_FILES)) {
        *problem = DescribeError(L"AddPrinterDriverExW");
        return false;
    }
    return true;
}

bool AddInstalledPrinter(const std::wstring& printerName, const std::wstring& driverName, std::wstring* problem) {
    const UniquePrinter printer = AddFilePortPrinter(printerName, driverName);
    if (!printer) {
        *problem = DescribeError(L"AddPrinterW");
        return false;
    }
    return true;
}

InstalledDriver ReadInstalledDriver(const std::wstring& printerName) {
    InstalledDriver installed;
    UniquePrinter printer;
    std::wstring name = printerName;
    if (!OpenPrinterW(&name[0], printer.Put(), nullptr)) {
        static_cast<void>(printer.Release());
        installed.error = GetLastError();
        return installed;
    }
    DWORD needed = 0;
    GetPrinterDriverW(printer.Get(), nullptr, 3, nullptr, 0, &needed);
    std::vector<BYTE> buffer(needed);
    if (needed == 0 || !GetPrinterDriverW(printer.Get(), nullptr, 3, buffer.data(), needed, &needed)) {
        installed.error = GetLastError();
        return installed;
    }
    const auto* info = reinterpret_cast<const DRIVER_INFO_3W*>(buffer.data());
    const auto text = [](const wchar_t* value) { return value != nullptr ? std::wstring(value) : std::wstring(); };
    installed.bFound = true;
    installed.version = info->cVersion;
    installed.name = text(info->pName);
    installed.environment = text(info->pEnvironment);
    installed.driverPath = text(info->pDriverPath);
    installed.dataFile = text(info->pDataFile);
    installed.configFile = text(info->pConfigFile);
    for (const wchar_t* entry = info->pDependentFiles; entry != nullptr && *entry != L'\0';
         entry += lstrlenW(entry) + 1) {
        installed.dependentFiles.emplace_back(entry);
    }
    return installed;
}

WORD ReadMachineType(const std::wstring& path) {
    UniqueFileHandle file(CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_DELETE, nullptr,
                                      OPEN_EXISTING, 0, nullptr));
    if (!file) return 0;
    IMAGE_DOS_HEADER dos = {};
    DWORD read = 0;
    if (!ReadFile(file.Get(), &dos, sizeof(dos), &read, nullptr) || read != sizeof(dos) ||
        dos.e_magic != IMAGE_DOS_SIGNATURE || dos.e_lfanew <= 0) {
        return 0;
    }
    if (SetFilePointer(file.Get(), dos.e_lfanew, nullptr, FILE_BEGIN) == INVALID_SET_FILE_POINTER) return 0;
    DWORD signature = 0;
    IMAGE_FILE_HEADER header = {};
    if (!ReadFile(file.Get(), &signature, sizeof(signature), &read, nullptr) || read != sizeof(signature) ||
        signature != IMAGE_NT_SIGNATURE || !ReadFile(file.Get(), &header, sizeof(header), &read, nullptr) ||
        read != sizeof(header)) {
        return 0;
    }
    return header.Machine;
}

PackageRemoval RemoveInstalledPackage(const std::wstring& printerName, const std::wstring& driverName,
                                      const std::vector<std::wstring>& copiedFiles) {
    PackageRemoval removal;
    std::wstring name = printerName;
    UniquePrinter printer;
    PRINTER_DEFAULTSW access = {nullptr, nullptr, PRINTER_ALL_ACCESS};
    if (OpenPrinterW(&name[0], printer.Put(), &access)) {
        removal.bPrinterDeleted = DeletePrinter(printer.Get()) != FALSE;
        printer.Reset();
    } else {
        static_cast<void>(printer.Release());
    }
    std::vector<std::wstring> files = copiedFiles;
    for (const PackageArchitecture architecture : {PackageArchitecture::kX64, PackageArchitecture::kX86}) {
        const wchar_t* environment = EnvironmentOf(architecture);
        const std::vector<std::wstring> driverFiles = ListDriverFiles(environment, driverName);
        files.insert(files.end(), driverFiles.begin(), driverFiles.end());
        std::wstring driver = driverName;
        if (DeletePrinterDriverExW(nullptr, const_cast<LPWSTR>(environment), &driver[0], DPD_DELETE_ALL_FILES, 0)) {
            removal.driversDeleted.emplace_back(environment);
            continue;
        }
        removal.notes.push_back(DescribeError((L"DeletePrinterDriverExW for " + std::wstring(environment)).c_str()));
        if (DeletePrinterDriverW(nullptr, const_cast<LPWSTR>(environment), &driver[0])) {
            // Without the files (see removedByHand).
            removal.driversDeleted.emplace_back(std::wstring(environment) + L" (without DPD_DELETE_ALL_FILES)");
        }
    }
    std::sort(files.begin(), files.end());
    files.erase(std::unique(files.begin(), files.end()), files.end());
    for (const std::wstring& file : files) {
        if (FileExists(file)) {
            removal.removedByHand.push_back(file);
            DeleteFileW(file.c_str());
        }
    }

    UniquePrinter check;
    if (OpenPrinterW(&name[0], check.Put(), nullptr)) {
        removal.leftOver.push_back(L"printer " + printerName);
    } else {
        static_cast<void>(check.Release());
    }
    for (const PackageArchitecture architecture : {PackageArchitecture::kX64, PackageArchitecture::kX86}) {
        if (HasDriver(EnvironmentOf(architecture), driverName)) {
            removal.leftOver.push_back(std::wstring(L"driver for ") + EnvironmentOf(architecture));
        }
    }
    for (const std::wstring& file : files) {
        if (FileExists(file)) removal.leftOver.push_back(file);
    }
    return removal;
}

}  // namespace marlow::host
