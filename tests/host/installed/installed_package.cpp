#include "installed_package.h"

#include "host/plugin_library.h"
#include "host/utf8_text.h"

#include <cstdio>

namespace marlow::test {

using host::PackageArchitecture;

InstalledPackage& Installed() {
    static InstalledPackage installed;
    return installed;
}

PackageArchitecture OtherArchitecture() {
    return host::ProcessArchitecture() == PackageArchitecture::kX64 ? PackageArchitecture::kX86
                                                                     : PackageArchitecture::kX64;
}

const wchar_t* FolderOf(PackageArchitecture architecture) {
    return architecture == PackageArchitecture::kX64 ? L"amd64" : L"i386";
}

WORD MachineOf(PackageArchitecture architecture) {
    return architecture == PackageArchitecture::kX64 ? IMAGE_FILE_MACHINE_AMD64 : IMAGE_FILE_MACHINE_I386;
}

std::wstring DirectoryOf(const std::wstring& path) {
    const std::wstring::size_type slash = path.find_last_of(L"\\/");
    return slash == std::wstring::npos ? std::wstring() : path.substr(0, slash + 1);
}

std::wstring FileNameOf(const std::wstring& path) {
    const std::wstring::size_type slash = path.find_last_of(L"\\/");
    return slash == std::wstring::npos ? path : path.substr(slash + 1);
}

void InstalledPackageEnvironment::SetUp() {
    InstalledPackage& run = Installed();
    ASSERT_FALSE(run.packageDir.empty()) << "the test program wants --package DIR";
    ASSERT_FALSE(run.peerDir.empty()) << "the test program wants --peer DIR";
    const PackageArchitecture own = host::ProcessArchitecture();
    run.printerName = std::wstring(L"Vantor Marlow C (installed, ") + FolderOf(own) + L")";
    const std::wstring infPath = run.packageDir + L"\\marlowc.inf";
    run.inf = host::ReadPackageInf(infPath, own);
    run.otherInf = host::ReadPackageInf(infPath, OtherArchitecture());
    ASSERT_EQ(L"", run.inf.problem);
    ASSERT_EQ(L"", run.otherInf.problem);

    // Whatever an earlier run that stopped early left behind.
    static_cast<void>(host::RemoveInstalledPackage(run.printerName, run.inf.modelName, {}));

    run.copy = host::CopyPackageFiles(run.packageDir, run.inf);
    run.copiedTargets = run.copy.copied;
    const std::wstring driverDir = host::GetDriverDirectory(nullptr) + L"\\";

    // The driver and configuration module: the class installer copies the
    // PostScript driver's files (PSCRIPT_DATA) beside the package's; this
    // stand-in takes their place.
    const std::wstring moduleName = L"marlowdrvui.dll";
    ASSERT_TRUE(CopyFileW((host::GetProgramDirectory() + moduleName).c_str(), (driverDir + moduleName).c_str(), FALSE));
    run.copiedTargets.push_back(driverDir + moduleName);

    host::DriverRegistration own_driver;
    own_driver.architecture = own;
    own_driver.modelName = run.inf.modelName;
    own_driver.uiModule = driverDir + moduleName;
    own_driver.dataFile = driverDir + run.inf.dataFile;
    for (const std::wstring& file : run.inf.copyFiles) {
        if (file != run.inf.dataFile) own_driver.dependentFiles.push_back(driverDir + file);
    }
    if (!host::RegisterDriver(own_driver, &run.ownDriverProblem) && run.ownDriverProblem.empty()) {
        run.ownDriverProblem = L"failed";
    }

    // The other architecture, as an additional driver of this print server.
    // Its files go into its own driver directory first, from the package's
    // other folder: this process's setupapi knows dirid 66000 only as the
    // driver directory of its own architecture.
    const std::wstring otherDir = host::GetDriverDirectory(host::EnvironmentOf(OtherArchitecture())) + L"\\";
    const std::wstring otherFolder = run.packageDir + L"\\" + run.otherInf.sourceFolder + L"\\";
    host::DriverRegistration other;
    other.architecture = OtherArchitecture();
    other.modelName = run.otherInf.modelName;
    other.uiModule = otherDir + moduleName;
    other.dataFile = otherDir + run.otherInf.dataFile;
    ASSERT_TRUE(CopyFileW((run.peerDir + L"\\" + moduleName).c_str(), other.uiModule.c_str(), FALSE));
    run.copiedTargets.push_back(other.uiModule);
    for (const std::wstring& file : run.otherInf.copyFiles) {
        ASSERT_TRUE(CopyFileW((otherFolder + file).c_str(), (otherDir + file).c_str(), FALSE)) << host::ToUtf8(file);
        run.copiedTargets.push_back(otherDir + file);
        if (file != run.otherInf.dataFile) other.dependentFiles.push_back(otherDir + file);
    }
    static_cast<void>(host::RegisterDriver(other, &run.otherDriverProblem));

    run.bPrinterAdded = host::AddInstalledPrinter(run.printerName, run.inf.modelName, &run.printerProblem);
}

void InstalledPackageEnvironment::TearDown() {
    InstalledPackage& run = Installed();
    if (run.inf.modelName.empty()) return;
    const host::PackageRemoval removal =
        host::RemoveInstalledPackage(run.printerName, run.inf.modelName, run.copiedTargets);
    EXPECT_TRUE(removal.bPrinterDeleted);
    EXPECT_EQ(2u, removal.driversDeleted.size());
    for (const std::wstring& left : removal.leftOver) {
        ADD_FAILURE() << "left after the removal: " << host::ToUtf8(left);
    }
    for (const std::wstring& note : removal.notes) {
        std::printf("note: %s\n", host::ToUtf8(note).c_str());
    }
    for (const std::wstring& file : removal.removedByHand) {
        std::printf("note: the spooler's removal left %s; deleted by the test\n", host::ToUtf8(file).c_str());
    }
}

int PrintDriverReadBack(const std::wstring& printerName) {
    const host::InstalledDriver driver = host::ReadInstalledDriver(printerName);
    std::printf("found %d\nerror %lu\n", driver.bFound ? 1 : 0, static_cast<unsigned long>(driver.error));
    if (!driver.bFound) return 1;
    std::printf("name %s\nenvironment %s\nversion %lu\n", host::ToUtf8(driver.name).c_str(),
                host::ToUtf8(driver.environment).c_str(), static_cast<unsigned long>(driver.version));
    const auto printFile = [](const char* role, const std::wstring& path) {
        std::printf("file %s %04x %d %s\n", role, host::ReadMachineType(path), host::FileExists(path) ? 1 : 0,
                    host::ToUtf8(path).c_str());
    };
    printFile("driver", driver.driverPath);
    printFile("config", driver.configFile);
    printFile("data", driver.dataFile);
    for (const std::wstring& file : driver.dependentFiles) printFile("dependent", file);
    return 0;
}

}  // namespace marlow::test
