// The driver package installed into Wine's spooler, and an application on
// the installed printer. Run by scripts/test-packages.sh once the packages
// are made:
//   installed_driver_test.exe --package DIR --peer DIR [gtest options]
//   installed_driver_test.exe --read-back PRINTER   (the peer's side)
#include "installed_package.h"

#include "host/utf8_text.h"

#include <gtest/gtest.h>
#include <shellapi.h>

#include <string>
#include <vector>

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    int count = 0;
    LPWSTR* wide = CommandLineToArgvW(GetCommandLineW(), &count);
    std::vector<std::wstring> arguments;
    for (int i = 1; wide != nullptr && i < count; ++i) arguments.emplace_back(wide[i]);
    LocalFree(wide);

    marlow::test::InstalledPackage& installed = marlow::test::Installed();
    for (std::size_t i = 0; i + 1 < arguments.size(); ++i) {
        if (arguments[i] == L"--read-back") {
            return marlow::test::PrintDriverReadBack(arguments[i + 1]);
        }
        if (arguments[i] == L"--package") installed.packageDir = arguments[++i];
        else if (arguments[i] == L"--peer") installed.peerDir = arguments[++i];
    }
    ::testing::AddGlobalTestEnvironment(new marlow::test::InstalledPackageEnvironment);
    return RUN_ALL_TESTS();
}
