// Installing the driver package into the (Wine) spooler the way the
// platform's printer class installer does, as far as Wine carries it: the
// INF read through setupapi, the install section's files copied into the
// printer driver directory (dirid 66000) by SetupInstallFromInfSectionW, the
// driver registered with AddPrinterDriverExW level 3 (the configuration file
// and the plug-in as dependent files, the PPD as data file) - for this
// process's architecture and, from the package's other folder, the other one
// as additional driver - and a printer on port FILE:. The driver and
// configuration module is a UI module given by the caller, since Wine has no
// PostScript driver. Removal takes all of it away again.
#pragma once

#include "platform/windows_sdk.h"

#include <string>
#include <vector>

namespace marlow::host {

enum class PackageArchitecture { kX86, kX64 };

// "Windows NT x86" or "Windows x64".
const wchar_t* EnvironmentOf(PackageArchitecture architecture);
// The architecture of this process.
PackageArchitecture ProcessArchitecture();

// What setupapi reads from the package's INF for one architecture.
struct PackageInfReading {
    std::wstring modelsSection;   // the decorated models section chosen
    std::wstring modelName;       // its first model
    std::wstring hardwareId;
    std::wstring installSection;
    std::wstring dataFile;        // DataFile= (default: the install section's name)
    std::wstring dataSection;     // DataSection=
    std::vector<std::wstring> copyFiles;        // the files the install section copies
    std::wstring sourceFolder;    // SourceDisksNames.<arch>'s path, without leading backslash
    std::vector<std::wstring> sourceDiskFiles;  // SourceDisksFiles.<arch>'s names
    std::wstring destinationDirId;  // DefaultDestDir=
    std::wstring problem;           // empty when every part was found
};

PackageInfReading ReadPackageInf(const std::wstring& infPath, PackageArchitecture architecture);

// One thing the copy queue told its callback.
struct CopyQueueEvent {
    UINT notification;       // SPFILENOTIFY_*
    std::wstring source;     // file or media path named
    std::wstring target;
    UINT win32Error = 0;
    UINT answer = 0;         // what the callback answered
};

struct PackageCopyResult {
    BOOL bInstallReturned = FALSE;
    DWORD installError = 0;
    std::vector<CopyQueueEvent> events;
    std::vector<std::wstring> copied;   // targets whose copy ended without error
    std::vector<std::wstring> missing;  // source files the queue asked for that the package lacks
    std::vector<std::wstring> failed;   // copies that ended with an error
    int mediaRequests = 0;
};

// SetupInstallFromInfSectionW(SPINST_FILES) on the install section, with a
// queue callback that answers the request for the source media with the
// architecture's folder of the package (Wine reads only the undecorated
// SourceDisksFiles and so looks for the files beside the INF), refuses a
// file that is not there (instead of asking again, which Wine does for
// ever), and notes every copy.
PackageCopyResult CopyPackageFiles(const std::wstring& packageDir, const PackageInfReading& inf);

// The printer driver directory of an environment (null: this process's).
std::wstring GetDriverDirectory(const wchar_t* environment);

struct DriverRegistration {
    PackageArchitecture architecture;
    std::wstring modelName;
    std::wstring uiModule;        // source path of the driver and configuration module
    std::wstring dataFile;        // source path of the PPD
    std::vector<std::wstring> dependentFiles;  // source paths
};

// AddPrinterDriverExW level 3 with APD_COPY_NEW_FILES. False with the error
// in problem.
[[nodiscard]] bool RegisterDriver(const DriverRegistration& registration, std::wstring* problem);

// AddPrinterW level 2 on port FILE:, then closes the handle.
[[nodiscard]] bool AddInstalledPrinter(const std::wstring& printerName, const std::wstring& driverName,
                                       std::wstring* problem);

// GetPrinterDriverW level 3 of a printer, for this process's environment.
struct InstalledDriver {
    bool bFound = false;
    DWORD error = 0;
    DWORD version = 0;
    std::wstring name, environment, driverPath, dataFile, configFile;
    std::vector<std::wstring> dependentFiles;
};
InstalledDriver ReadInstalledDriver(const std::wstring& printerName);

// The machine type in a PE file's header (IMAGE_FILE_MACHINE_*); 0 when the
// file is missing or no PE file.
WORD ReadMachineType(const std::wstring& path);

bool FileExists(const std::wstring& path);

struct PackageRemoval {
    bool bPrinterDeleted = false;
    std::vector<std::wstring> driversDeleted;   // environments whose driver went
    // Files the spooler's deletion left behind, deleted here instead.
    std::vector<std::wstring> removedByHand;
    std::vector<std::wstring> notes;  // calls that failed on the way
    // What is there still afterwards: a printer, a driver, a file.
    std::vector<std::wstring> leftOver;
};

// Deletes the printer, the driver of both environments with its files
// (DPD_DELETE_ALL_FILES), and the files the copy put into the driver
// directory, then checks that none of it is left.
PackageRemoval RemoveInstalledPackage(const std::wstring& printerName, const std::wstring& driverName,
                                      const std::vector<std::wstring>& copiedFiles);

}  // namespace marlow::host
