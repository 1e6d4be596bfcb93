// The package as Wine's setupapi and spooler see it: the INF read for both
// architectures, the install section's files copied into the driver
// directory, the driver registered for this architecture and the other one,
// and the printer's driver read back from a process of each kind. Wine
// answers success in several places where nothing happened, so every test
// looks at the files and records themselves.
#include "installed_package.h"

#include "host/ui_module/plugin_configuration.h"
#include "host/utf8_text.h"
#include "platform/win32_handles.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <sstream>

namespace marlow::test {
namespace {

using host::PackageArchitecture;

// The files the package carries in each architecture's folder.
const std::vector<std::wstring> kPackageFiles = {L"MARLOWC.INI", L"MARLOWC.PPD", L"marlowui.dll"};

std::vector<std::wstring> Sorted(std::vector<std::wstring> names) {
    std::sort(names.begin(), names.end());
    return names;
}

std::vector<std::wstring> FileNames(const std::vector<std::wstring>& paths) {
    std::vector<std::wstring> names;
    for (const std::wstring& path : paths) names.push_back(FileNameOf(path));
    return Sorted(names);
}

LONGLONG FileSize(const std::wstring& path) {
    WIN32_FILE_ATTRIBUTE_DATA data = {};
    if (!GetFileAttributesExW(path.c_str(), GetFileExInfoStandard, &data)) return -1;
    return (static_cast<LONGLONG>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
}

bool EqualsIgnoringCase(const std::wstring& a, const std::wstring& b) {
    return lstrcmpiW(a.c_str(), b.c_str()) == 0;
}

void ExpectReadingMatchesFolder(const host::PackageInfReading& reading, PackageArchitecture architecture) {
    SCOPED_TRACE(host::ToUtf8(FolderOf(architecture)));
    const std::wstring folder = Installed().packageDir + L"\\" + reading.sourceFolder + L"\\";
    EXPECT_TRUE(EqualsIgnoringCase(FolderOf(architecture), reading.sourceFolder))
        << host::ToUtf8(reading.sourceFolder);
    EXPECT_EQ(L"Vantor Marlow C PS", reading.modelName);
    EXPECT_EQ(L"MARLOWC.PPD", reading.installSection);
    EXPECT_EQ(L"MARLOWC.PPD", reading.dataFile);
    EXPECT_EQ(L"PSCRIPT_DATA", reading.dataSection);
    EXPECT_EQ(L"66000", reading.destinationDirId);
    EXPECT_EQ(Sorted(kPackageFiles), Sorted(reading.copyFiles));
    EXPECT_EQ(Sorted(reading.copyFiles), Sorted(reading.sourceDiskFiles));
    for (const std::wstring& file : reading.copyFiles) {
        EXPECT_TRUE(host::FileExists(folder + file)) << host::ToUtf8(folder + file);
    }
    EXPECT_EQ(std::vector<std::wstring>{L"marlowui.dll"}, host::ReadOemConfigFiles(folder + L"MARLOWC.INI"));
    EXPECT_EQ(MachineOf(architecture), host::ReadMachineType(folder + L"marlowui.dll"));
}

TEST(PackageInf, SetupapiReadsTheSameModelAndFilesForEachArchitecture) {
    ExpectReadingMatchesFolder(Installed().inf, host::ProcessArchitecture());
    ExpectReadingMatchesFolder(Installed().otherInf, OtherArchitecture());
    EXPECT_EQ(Installed().inf.hardwareId, Installed().otherInf.hardwareId);
    EXPECT_NE(Installed().inf.modelsSection, Installed().otherInf.modelsSection);
}

TEST(PackageInstall, CopiesEveryFileOfTheInstallSectionIntoTheDriverDirectory) {
    const InstalledPackage& run = Installed();
    EXPECT_TRUE(run.copy.bInstallReturned) << run.copy.installError;
    EXPECT_TRUE(run.copy.missing.empty()) << host::ToUtf8(run.copy.missing.empty() ? L"" : run.copy.missing[0]);
    EXPECT_TRUE(run.copy.failed.empty()) << host::ToUtf8(run.copy.failed.empty() ? L"" : run.copy.failed[0]);
    // Nothing skipped: a copy ended without error for every file.
    EXPECT_EQ(Sorted(run.inf.copyFiles), FileNames(run.copy.copied));
    const std::wstring driverDir = host::GetDriverDirectory(nullptr) + L"\\";
    const std::wstring folder = run.packageDir + L"\\" + run.inf.sourceFolder + L"\\";
    for (const std::wstring& file : run.inf.copyFiles) {
        EXPECT_TRUE(host::FileExists(driverDir + file)) << host::ToUtf8(driverDir + file);
        EXPECT_EQ(FileSize(folder + file), FileSize(driverDir + file)) << host::ToUtf8(file);
    }
    RecordProperty("media_requests", run.copy.mediaRequests);
}

TEST(PackageInstall, RegistersTheDriverAsTheClassInstallerWould) {
    const InstalledPackage& run = Installed();
    ASSERT_EQ(L"", run.ownDriverProblem);
    ASSERT_EQ(L"", run.otherDriverProblem);
    ASSERT_TRUE(run.bPrinterAdded) << host::ToUtf8(run.printerProblem);
    const host::InstalledDriver driver = host::ReadInstalledDriver(run.printerName);
    ASSERT_TRUE(driver.bFound) << driver.error;
    EXPECT_EQ(3u, driver.version);
    EXPECT_EQ(run.inf.modelName, driver.name);
    EXPECT_EQ(host::EnvironmentOf(host::ProcessArchitecture()), driver.environment);
    const std::wstring versionDir = host::GetDriverDirectory(nullptr) + L"\\3\\";
    EXPECT_TRUE(EqualsIgnoringCase(versionDir + L"marlowdrvui.dll", driver.driverPath)) << host::ToUtf8(driver.driverPath);
    EXPECT_EQ(driver.driverPath, driver.configFile);
    EXPECT_TRUE(EqualsIgnoringCase(versionDir + run.inf.dataFile, driver.dataFile)) << host::ToUtf8(driver.dataFile);
    EXPECT_EQ((std::vector<std::wstring>{L"MARLOWC.INI", L"marlowui.dll"}), FileNames(driver.dependentFiles));
    for (const std::wstring& file : driver.dependentFiles) {
        EXPECT_TRUE(EqualsIgnoringCase(versionDir, DirectoryOf(file))) << host::ToUtf8(file);
    }
    for (const std::wstring& file : {driver.driverPath, driver.dataFile}) {
        EXPECT_TRUE(host::FileExists(file)) << host::ToUtf8(file);
    }
    for (const std::wstring& file : driver.dependentFiles) {
        EXPECT_TRUE(host::FileExists(file)) << host::ToUtf8(file);
    }
    // The machine types, which the spooler does not look at under Wine.
    EXPECT_EQ(MachineOf(host::ProcessArchitecture()), host::ReadMachineType(driver.driverPath));
    EXPECT_EQ(MachineOf(host::ProcessArchitecture()), host::ReadMachineType(versionDir + L"marlowui.dll"));
}

struct ProgramRun {
    DWORD exitCode = static_cast<DWORD>(-1);
    std::string output;
};

ProgramRun RunProgram(std::wstring commandLine) {
    ProgramRun run;
    SECURITY_ATTRIBUTES inherit = {sizeof(inherit), nullptr, TRUE};
    UniqueKernelHandle readEnd, writeEnd;
    HANDLE read = nullptr, write = nullptr;
    if (!CreatePipe(&read, &write, &inherit, 0)) return run;
    readEnd.Reset(read);
    writeEnd.Reset(write);
    SetHandleInformation(read, HANDLE_FLAG_INHERIT, 0);
    STARTUPINFOW startup = {};
    startup.cb = sizeof(startup);
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdOutput = write;
    startup.hStdError = write;
    PROCESS_INFORMATION process = {};
    if (!CreateProcessW(nullptr, &commandLine[0], nullptr, nullptr, TRUE, 0, nullptr, nullptr, &startup, &process)) {
        return run;
    }
    UniqueKernelHandle processHandle(process.hProcess), thread(process.hThread);
    writeEnd.Reset();
    char buffer[4096];
    DWORD got = 0;
    while (ReadFile(read, buffer, sizeof(buffer), &got, nullptr) && got > 0) run.output.append(buffer, got);
    WaitForSingleObject(process.hProcess, INFINITE);
    GetExitCodeProcess(process.hProcess, &run.exitCode);
    return run;
}

TEST(PackageInstall, AProcessOfTheOtherArchitectureReadsItsOwnDriverOfThePrinter) {
    const InstalledPackage& run = Installed();
    ASSERT_TRUE(run.bPrinterAdded);
    const ProgramRun peer = RunProgram(L"\"" + run.peerDir + L"\\installed_driver_test.exe\" --read-back \"" +
                                       run.printerName + L"\"");
    ASSERT_EQ(0u, peer.exitCode) << peer.output;
    std::map<std::string, std::string> facts;
    std::vector<std::string> files;
    std::istringstream lines(peer.output);
    for (std::string line; std::getline(lines, line);) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        const std::string::size_type space = line.find(' ');
        if (space == std::string::npos) continue;
        if (line.compare(0, space, "file") == 0) files.push_back(line.substr(space + 1));
        else facts[line.substr(0, space)] = line.substr(space + 1);
    }
    EXPECT_EQ("1", facts["found"]);
    EXPECT_EQ(host::ToUtf8(host::EnvironmentOf(OtherArchitecture())), facts["environment"]);
    EXPECT_EQ(host::ToUtf8(run.inf.modelName), facts["name"]);
    const std::string versionDir =
        host::ToUtf8(host::GetDriverDirectory(host::EnvironmentOf(OtherArchitecture())) + L"\\3\\");
    char machine[8];
    std::snprintf(machine, sizeof(machine), "%04x", MachineOf(OtherArchitecture()));
    ASSERT_EQ(5u, files.size()) << peer.output;  // driver, config, data, two dependent files
    for (const std::string& file : files) {
        // role machine exists path
        std::istringstream fields(file);
        std::string role, type, exists, path;
        fields >> role >> type >> exists;
        std::getline(fields, path);
        path.erase(0, 1);
        EXPECT_EQ("1", exists) << file;
        EXPECT_EQ(0, lstrcmpiA(versionDir.c_str(), path.substr(0, versionDir.size()).c_str())) << file;
        if (path.size() > 4 && lstrcmpiA(path.substr(path.size() - 4).c_str(), ".dll") == 0) {
            EXPECT_EQ(machine, type) << file;
        }
    }
}

}  // namespace
}  // namespace marlow::test
