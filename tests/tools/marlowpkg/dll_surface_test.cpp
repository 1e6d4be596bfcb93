// The surface a plug-in DLL must show to load on its oldest platform, on
// images that differ from a sound plug-in in one point each, checked
// against the project's table of first platforms.
#include "dll_surface.h"

#include <gtest/gtest.h>

#include "pe_image_builder.h"

namespace marlow {
namespace {

std::vector<std::string> Check(const PeImagePlan& plan, const char* oldest) {
    PeImage image;
    std::string error;
    EXPECT_TRUE(ReadPeImage(BuildPeImage(plan), image, error)) << error;
    return CheckDllSurface(image, FindPlatform(oldest), GetSystemImportsText());
}

std::string Join(const std::vector<std::string>& problems) {
    std::string text;
    for (const std::string& problem : problems) {
        text += problem + "\n";
    }
    return text;
}

TEST(DllSurfaceTest, SoundPluginsLoadOnTheirOldestPlatforms) {
    EXPECT_EQ(Join(Check(MakePluginPlan(kMachineX86), "Windows 2000")), "");
    EXPECT_EQ(Join(Check(MakePluginPlan(kMachineX64), "Windows Server 2003")), "");
}

TEST(DllSurfaceTest, FunctionsTheOldestPlatformLacks) {
    PeImagePlan plan = MakePluginPlan(kMachineX64);
    plan.imports[0].functions.push_back("GetTickCount64");
    EXPECT_EQ(Join(Check(plan, "Windows Server 2003")),
              "imports functions that Windows Server 2003, its oldest platform, does not export: "
              "kernel32.dll GetTickCount64 (from Windows Vista)\n");
    EXPECT_EQ(Join(Check(plan, "Windows Vista")), "");
}

TEST(DllSurfaceTest, ActivationContextFunctionsIn32BitCode) {
    PeImagePlan plan = MakePluginPlan(kMachineX86);
    plan.imports[0].functions.push_back("ReleaseActCtx");
    EXPECT_EQ(Join(Check(plan, "Windows Vista")),
              "imports activation context functions, which the 32-bit plug-in looks up by name: "
              "kernel32.dll ReleaseActCtx\n");
    plan.wMachine = kMachineX64;
    EXPECT_EQ(Join(Check(plan, "Windows Vista")), "");
}

TEST(DllSurfaceTest, SubsystemVersionLaterThanTheOldestPlatform) {
    PeImagePlan plan = MakePluginPlan(kMachineX64);
    plan.nMajorSubsystemVersion = 6;
    plan.nMinorSubsystemVersion = 0;
    EXPECT_EQ(Join(Check(plan, "Windows Server 2003")),
              "asks for subsystem version 6.0; Windows Server 2003, its oldest platform, is 5.2\n");
    EXPECT_EQ(Join(Check(plan, "Windows Vista")), "");
}

TEST(DllSurfaceTest, ImportsTheTableDoesNotKnowOrFromForbiddenDlls) {
    PeImagePlan plan = MakePluginPlan(kMachineX64);
    plan.imports[0].functions[1] = "GetVersionExA";
    plan.imports.push_back({"COMCTL32.dll", {"InitCommonControlsEx"}});
    plan.imports.push_back({"libstdc++-6.dll", {"_ZSt4cout"}});
    EXPECT_EQ(Join(Check(plan, "Windows Vista")),
              "imports comctl32.dll, which the plug-in binds by name at run time\n"
              "imports libstdc++-6.dll, which is not a system DLL\n"
              "imports functions that are not in the table of first platforms: kernel32.dll "
              "GetVersionExA, comctl32.dll InitCommonControlsEx, libstdc++-6.dll _ZSt4cout\n");
}

TEST(DllSurfaceTest, ExportsOtherThanTheTwo) {
    PeImagePlan plan = MakePluginPlan(kMachineX86);
    plan.exports = {"DllCanUnloadNow", "DllGetClassObject@12"};
    EXPECT_EQ(Join(Check(plan, "Windows 2000")),
              "exports [DllCanUnloadNow, DllGetClassObject@12]; a plug-in exports exactly "
              "DllCanUnloadNow and DllGetClassObject\n");
    plan.exports = {"DllCanUnloadNow", "DllGetClassObject", "DllRegisterServer"};
    EXPECT_NE(Join(Check(plan, "Windows 2000")).find("DllRegisterServer]"), std::string::npos);
}

TEST(DllSurfaceTest, NoImportsUnknownPlatformAndBadTable) {
    PeImagePlan plan = MakePluginPlan(kMachineX64);
    plan.imports.clear();
    EXPECT_EQ(Join(Check(plan, "Windows Vista")),
              "imports no function at all; the import table is missing or empty\n");

    PeImage image;
    std::string error;
    ASSERT_TRUE(ReadPeImage(BuildPeImage(MakePluginPlan(kMachineX64)), image, error));
    EXPECT_EQ(Join(CheckDllSurface(image, FindPlatform("Windows ME"), GetSystemImportsText())),
              "no known oldest platform to check against\n");
    EXPECT_EQ(Join(CheckDllSurface(image, 3, "dll,function,first_platform\nkernel32.dll,X\n")),
              "the table of first platforms has the malformed row 'kernel32.dll,X'\n");
    EXPECT_EQ(Join(CheckDllSurface(image, 3, "# only a comment\n")),
              "the table of first platforms is empty\n");
}

TEST(DllSurfaceTest, PlatformsByNameAndVersion) {
    EXPECT_EQ(FindPlatform("Windows 2000"), 0);
    EXPECT_EQ(GetPlatformName(FindPlatformOfVersion(5, 2)), "Windows Server 2003");
    EXPECT_EQ(GetPlatformName(FindFirstPlatformFrom(6, 0)), "Windows Vista");
    EXPECT_EQ(GetPlatformName(FindFirstPlatformFrom(6, 3)), "Windows 10");
    EXPECT_EQ(FindFirstPlatformFrom(11, 0), -1);
    EXPECT_EQ(GetPlatformName(-1), "?");
}

}  // namespace
}  // namespace marlow
