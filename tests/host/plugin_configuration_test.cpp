// How the driver UI module reads the plug-in configuration file: the
// user-interface plug-ins in load order, reading stopping at the first
// number missing, and the dependent-file list as the spooler hands it over.
#include "host/ui_module/plugin_configuration.h"

#include "temp_file.h"

#include <gtest/gtest.h>

namespace marlow::test {
namespace {

std::vector<std::wstring> ReadConfiguration(const std::string& text) {
    TempFile file(text, L".ini");
    return host::ReadOemConfigFiles(file.Path());
}

TEST(PluginConfiguration, NamesTheUserInterfacePluginsInLoadOrder) {
    EXPECT_EQ(std::vector<std::wstring>{L"marlowui.dll"}, ReadConfiguration("[OEMFiles]\r\nOEMConfigFile1=marlowui.dll\r\n"));
    EXPECT_EQ((std::vector<std::wstring>{L"first.dll", L"second.dll"}),
              ReadConfiguration("# two plug-ins\n[OEMFiles]\nOEMConfigFile2=second.dll\nOEMConfigFile1=first.dll\n"));
    // A rendering plug-in is not the UI module's to load.
    EXPECT_EQ(std::vector<std::wstring>{L"ui.dll"},
              ReadConfiguration("[OEMFiles]\nOEMDriverFile1=render.dll\nOEMConfigFile1=ui.dll\n"));
}

TEST(PluginConfiguration, StopsAtAGapAndFindsNothingWithoutTheSection) {
    EXPECT_EQ(std::vector<std::wstring>{L"one.dll"},
              ReadConfiguration("[OEMFiles]\nOEMConfigFile1=one.dll\nOEMConfigFile3=three.dll\n"));
    EXPECT_TRUE(ReadConfiguration("[OEMFiles]\nOEMConfigFile2=two.dll\n").empty());
    EXPECT_TRUE(ReadConfiguration("[Other]\nOEMConfigFile1=marlowui.dll\n").empty());
    EXPECT_TRUE(ReadConfiguration("").empty());
    EXPECT_TRUE(host::ReadOemConfigFiles(L"C:\\no such folder\\none.ini").empty());
}

TEST(PluginConfiguration, SplitsTheDependentFileListUpToItsEmptyString) {
    EXPECT_TRUE(host::SplitDependentFiles(nullptr).empty());
    EXPECT_TRUE(host::SplitDependentFiles(L"").empty());
    const wchar_t list[] = L"C:\\d\\MARLOWC.INI\0C:\\d\\marlowui.dll\0\0ignored\0";
    EXPECT_EQ((std::vector<std::wstring>{L"C:\\d\\MARLOWC.INI", L"C:\\d\\marlowui.dll"}),
              host::SplitDependentFiles(list));
}

}  // namespace
}  // namespace marlow::test
