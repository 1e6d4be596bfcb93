// The package installed into the Wine prefix for the whole test program, as
// the printer class installer would install it (see host/package_install.h):
// set up before the first test, taken away after the last, and the removal
// checked. The program is told where the package lies (--package DIR) and
// where the other architecture's build keeps its programs (--peer DIR): the
// other architecture's driver is installed as additional driver from the
// package's other folder, with that build's UI module, and that build's
// program reads the printer's driver back from a process of the other kind.
#pragma once

#include "host/package_install.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace marlow::test {

struct InstalledPackage {
    // From the command line.
    std::wstring packageDir;
    std::wstring peerDir;
    // What the installation did.
    std::wstring printerName;
    host::PackageInfReading inf;        // this process's architecture
    host::PackageInfReading otherInf;   // the other one
    host::PackageCopyResult copy;
    std::wstring ownDriverProblem, otherDriverProblem, printerProblem;
    bool bPrinterAdded = false;
    std::vector<std::wstring> copiedTargets;  // for the removal
};

// The one installation of this run.
InstalledPackage& Installed();

host::PackageArchitecture OtherArchitecture();
// "amd64" or "i386": the package folder of an architecture.
const wchar_t* FolderOf(host::PackageArchitecture architecture);
// IMAGE_FILE_MACHINE_AMD64 or IMAGE_FILE_MACHINE_I386.
WORD MachineOf(host::PackageArchitecture architecture);
// The directory of a path, with its trailing backslash.
std::wstring DirectoryOf(const std::wstring& path);
std::wstring FileNameOf(const std::wstring& path);

class InstalledPackageEnvironment : public ::testing::Environment {
public:
    void SetUp() override;
    void TearDown() override;
};

// The peer's side of the read-back: this process's view of the printer's
// driver, one fact a line, on standard output. Returns the exit status.
int PrintDriverReadBack(const std::wstring& printerName);

}  // namespace marlow::test
