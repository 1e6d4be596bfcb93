// marlowpkg check on whole packages: the sound packages pass, and a copy of
// a sound package with one fault fails with the finding that names that
// fault, for each kind of fault the check knows.
//
// The sound packages are the real ones when --packages=DIR names the folder
// that scripts/make-packages.sh writes (scripts/test-packages.sh does);
// otherwise they are composed here from the same INF templates, the
// configuration file and the sample PPD, with DLL images of a plug-in's
// surface built by the test. --work=DIR: where the damaged copies go.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "package_check.h"
#include "package_folder.h"
#include "pe_image_builder.h"
#include "run_marlowpkg.h"

namespace marlow {
namespace {

namespace fs = std::filesystem;

struct TestFolders {
    fs::path packages;  // empty: compose them
    fs::path work;
};

TestFolders& GetTestFolders() {
    static TestFolders folders;
    return folders;
}

std::string ReadText(const fs::path& file) {
    std::ifstream stream(file, std::ios::binary);
    std::string text((std::istreambuf_iterator<char>(stream)), std::istreambuf_iterator<char>());
    std::string lf;
    for (char c : text) {
        if (c != '\r') {
            lf += c;
        }
    }
    return lf;
}

// Writes text with CR LF line ends, as the packages have them.
void WriteText(const fs::path& file, const std::string& text) {
    std::ofstream stream(file, std::ios::binary);
    for (char c : text) {
        if (c == '\n') {
            stream << '\r';
        }
        stream << c;
    }
}

void WriteBytes(const fs::path& file, const std::vector<unsigned char>& bytes) {
    std::ofstream stream(file, std::ios::binary);
    stream.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

std::vector<unsigned char> ReadBytes(const fs::path& file) {
    std::vector<unsigned char> bytes;
    EXPECT_TRUE(PackageFolder::ReadBytes(file, bytes)) << file.u8string();
    return bytes;
}

// Copies a file over another (mingw's copy_file fails to overwrite).
void ReplaceFile(const fs::path& from, const fs::path& to) {
    fs::remove(to);
    fs::copy_file(from, to);
}

// Replaces the first occurrence of what in the file's text; fails the test
// when it is not there.
void Edit(const fs::path& file, const std::string& what, const std::string& with) {
    std::string text = ReadText(file);
    const std::size_t at = text.find(what);
    ASSERT_NE(at, std::string::npos) << file.u8string() << " has no \"" << what << "\"";
    text.replace(at, what.size(), with);
    WriteText(file, text);
}

// The line of the file on which text first appears; 0 when it does not.
int LineOf(const fs::path& file, const std::string& text) {
    const std::string content = ReadText(file);
    const std::size_t at = content.find(text);
    if (at == std::string::npos) {
        return 0;
    }
    return 1 + static_cast<int>(std::count(content.begin(), content.begin() + static_cast<std::ptrdiff_t>(at), '\n'));
}

// Composes a package as make-packages.sh does, with built DLL images.
void ComposePackage(const fs::path& folder, const char* generation) {
    fs::create_directories(folder);
    const fs::path source(MARLOW_SOURCE_DIR);
    std::string inf = ReadText(source / "packaging" / (std::string("marlowc-") + generation + ".inf"));
    const std::string placeholder = "@DRIVER_VERSION@";
    inf.replace(inf.find(placeholder), placeholder.size(), "1.1.0.5");
    WriteText(folder / "marlowc.inf", inf);
    const bool bNewer = std::string(generation) == "6.0";
    for (const char* architecture : {"i386", "amd64"}) {
        const fs::path target = folder / architecture;
        fs::create_directories(target);
        fs::copy_file(source / "samples" / "marlow-c.ppd", target / "MARLOWC.PPD");
        WriteText(target / "MARLOWC.INI", ReadText(source / "packaging" / "MARLOWC.INI"));
        PeImagePlan plan =
            MakePluginPlan(std::string(architecture) == "i386" ? kMachineX86 : kMachineX64);
        if (bNewer) {
            plan.nMajorSubsystemVersion = 6;
            plan.nMinorSubsystemVersion = 0;
        }
        WriteBytes(target / "marlowui.dll", BuildPeImage(plan));
    }
}

class PackageCheckTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        TestFolders& folders = GetTestFolders();
        sound_ = folders.work / "sound";
        fs::remove_all(folders.work);
        fs::create_directories(sound_);
        if (folders.packages.empty()) {
            ComposePackage(sound_ / "marlowui-v5", "5.x");
            ComposePackage(sound_ / "marlowui-v6", "6.0");
        } else {
            for (const char* name : {"marlowui-v5", "marlowui-v6"}) {
                fs::copy(folders.packages / name, sound_ / name, fs::copy_options::recursive);
            }
        }
    }

    // A fresh copy of a sound package to damage; variant: a folder of its
    // own for each case of a test.
    fs::path CopyPackage(const char* name = "marlowui-v5", const std::string& variant = "") {
        const ::testing::TestInfo* test = ::testing::UnitTest::GetInstance()->current_test_info();
        const fs::path copy =
            GetTestFolders().work / (std::string(test->name()) + variant) / name;
        fs::remove_all(copy);
        fs::create_directories(copy.parent_path());
        fs::copy(sound_ / name, copy, fs::copy_options::recursive);
        return copy;
    }

    static PackageCheckResult Check(const std::vector<fs::path>& folders) {
        std::vector<PackageArgument> arguments;
        for (const fs::path& folder : folders) {
            arguments.push_back({folder, folder.u8string()});
        }
        return CheckPackages(arguments);
    }

    // Expects the check of the folders to fail with a finding of that
    // category in the file (a path ending), on that line (0: the file as a
    // whole; -1: any), whose sentence contains the text.
    static void ExpectFinding(const std::vector<fs::path>& folders, const std::string& category,
                              const std::string& fileEnding, int nLine, const std::string& text) {
        const PackageCheckResult result = Check(folders);
        ASSERT_TRUE(result.bReadable) << result.error;
        std::string all;
        bool bFound = false;
        for (const PackageFinding& finding : result.findings) {
            all += "  " + finding.file + ":" + std::to_string(finding.nLine) + ": " +
                   finding.category + ": " + finding.message + "\n";
            const std::string& file = finding.file;
            bFound = bFound ||
                     (finding.category == category && file.size() >= fileEnding.size() &&
                      file.compare(file.size() - fileEnding.size(), fileEnding.size(), fileEnding) == 0 &&
                      (nLine < 0 || finding.nLine == nLine) &&
                      finding.message.find(text) != std::string::npos);
        }
        EXPECT_TRUE(bFound) << "expected " << fileEnding << ":" << nLine << ": " << category
                            << ": ..." << text << "...\nfindings:\n" << all;
    }
    static void ExpectFinding(const fs::path& folder, const std::string& category,
                              const std::string& fileEnding, int nLine, const std::string& text) {
        ExpectFinding(std::vector<fs::path>{folder}, category, fileEnding, nLine, text);
    }

    static fs::path sound_;
};

fs::path PackageCheckTest::sound_;

std::string Describe(const PackageCheckResult& result) {
    std::string all = result.error;
    for (const PackageFinding& finding : result.findings) {
        all += "\n  " + finding.file + ":" + std::to_string(finding.nLine) + ": " + finding.category +
               ": " + finding.message;
    }
    return all;
}

TEST_F(PackageCheckTest, SoundPackagesPassAloneAndTogether) {
    for (const char* name : {"marlowui-v5", "marlowui-v6"}) {
        const PackageCheckResult result = Check({sound_ / name});
        EXPECT_TRUE(result.bReadable && result.findings.empty()) << name << Describe(result);
        EXPECT_EQ(result.nPackages, 1);
    }
    const PackageCheckResult both = Check({sound_});
    EXPECT_TRUE(both.bReadable && both.findings.empty()) << Describe(both);
    EXPECT_EQ(both.nPackages, 2);
}

// --- [Version] and strings ---

TEST_F(PackageCheckTest, VersionSectionFaults) {
    const fs::path package = CopyPackage();
    const fs::path inf = package / "marlowc.inf";
    Edit(inf, "Signature=\"$Windows NT$\"", "Signature=\"$Chicago$\"");
    Edit(inf, "ClassGUID={4D36E979-E325-11CE-BFC1-08002BE10318}", "ClassGUID={4D36E967-E325-11CE-BFC1-08002BE10318}");
    Edit(inf, "DriverVer=12/09/2026,", "DriverVer=13/09/2026,");
    Edit(inf, "CatalogFile=marlowc.cat\n", "");
    ExpectFinding(package, "version", "marlowc.inf", LineOf(inf, "Signature="), "Signature is \"$Chicago$\"");
    ExpectFinding(package, "version", "marlowc.inf", LineOf(inf, "ClassGUID="), "the printer class is {4D36E979");
    ExpectFinding(package, "version", "marlowc.inf", LineOf(inf, "DriverVer="), "mm/dd/yyyy,w.x.y.z");
    ExpectFinding(package, "version", "marlowc.inf", LineOf(inf, "[Version]"), "names no CatalogFile");
}

TEST_F(PackageCheckTest, UndefinedString) {
    const fs::path package = CopyPackage();
    const fs::path inf = package / "marlowc.inf";
    Edit(inf, "Provider=%Vantor%", "Provider=%Vendor%");
    ExpectFinding(package, "undefined-string", "marlowc.inf", LineOf(inf, "Provider="),
                  "%Vendor% is not defined in [Strings]");
}

// --- manufacturer, models, install sections ---

TEST_F(PackageCheckTest, DecoratedModelsSectionMissing) {
    const fs::path package = CopyPackage();
    const fs::path inf = package / "marlowc.inf";
    Edit(inf, "[Vantor.NTamd64]", "[Vantor.NTx64]");
    ExpectFinding(package, "manufacturer", "marlowc.inf", LineOf(inf, "%Vantor%=Vantor"),
                  "the models section [Vantor.NTamd64] that this line names does not exist");
}

TEST_F(PackageCheckTest, NoModelsSectionForX64) {
    const fs::path package = CopyPackage();
    const fs::path inf = package / "marlowc.inf";
    Edit(inf, "%Vantor%=Vantor,NTamd64", "%Vantor%=Vantor");
    ExpectFinding(package, "manufacturer", "marlowc.inf", LineOf(inf, "[Manufacturer]"),
                  "carries files for x64 but no models section serves it; x64 Windows reads only "
                  "a models section decorated NTamd64");
}

TEST_F(PackageCheckTest, InstallSectionMissing) {
    const fs::path package = CopyPackage("marlowui-v6");
    const fs::path inf = package / "marlowc.inf";
    Edit(inf, "[Vantor.NTamd64.6.0]\n\"Vantor Marlow C PS\" = MARLOWC.PPD,",
         "[Vantor.NTamd64.6.0]\n\"Vantor Marlow C PS\" = MARLOWC2.PPD,");
    ExpectFinding(package, "install-section", "marlowc.inf", LineOf(inf, "MARLOWC2.PPD"),
                  "the install section [MARLOWC2.PPD] of \"Vantor Marlow C PS\" does not exist");
}

TEST_F(PackageCheckTest, HardwareIdOfTwoModels) {
    const fs::path package = CopyPackage();
    const fs::path inf = package / "marlowc.inf";
    Edit(inf, "[Vantor.NTamd64]\n", "[Vantor.NTamd64]\n\"Vantor Marlow D PS\" = MARLOWC.PPD, VantorMarlow_C_PS\n");
    ExpectFinding(package, "hardware-id", "marlowc.inf", LineOf(inf, "Marlow D PS"),
                  "the hardware id VantorMarlow_C_PS stands for \"Vantor Marlow D PS\" here and for "
                  "\"Vantor Marlow C PS\"");
}

TEST_F(PackageCheckTest, PostScriptDriverNotPulledIn) {
    const fs::path package = CopyPackage();
    const fs::path inf = package / "marlowc.inf";
    Edit(inf, "Needs=PSCRIPT.OEM", "Needs=UNIDRV.OEM");
    Edit(inf, "Include=NTPRINT.INF\n", "");
    ExpectFinding(package, "install-section", "marlowc.inf", LineOf(inf, "Needs="),
                  "Needs is UNIDRV.OEM, not PSCRIPT.OEM");
    ExpectFinding(package, "install-section", "marlowc.inf", LineOf(inf, "[MARLOWC.PPD]"),
                  "lacks Include=NTPRINT.INF");
}

// --- the files copied ---

TEST_F(PackageCheckTest, SourceFileMissingForOneArchitecture) {
    const fs::path package = CopyPackage();
    fs::remove(package / "amd64" / "MARLOWC.INI");
    ExpectFinding(package, "source-files", "marlowc.inf", -1,
                  "amd64/MARLOWC.INI, the x64 source of MARLOWC.INI, is not in the package");
}

TEST_F(PackageCheckTest, SourceFileNotListedForOneArchitecture) {
    const fs::path package = CopyPackage();
    const fs::path inf = package / "marlowc.inf";
    Edit(inf, "[SourceDisksFiles.amd64]\nMARLOWC.PPD=1\nMARLOWC.INI=1\nmarlowui.dll=1\n",
         "[SourceDisksFiles.amd64]\nMARLOWC.PPD=1\nMARLOWC.INI=1\n");
    ExpectFinding(package, "source-files", "marlowc.inf", LineOf(inf, "\nmarlowui.dll\n") + 1,
                  "marlowui.dll is copied, but neither [SourceDisksFiles.amd64] nor "
                  "[SourceDisksFiles] lists it");
}

TEST_F(PackageCheckTest, FileListSectionMissing) {
    const fs::path package = CopyPackage();
    const fs::path inf = package / "marlowc.inf";
    Edit(inf, "CopyFiles=MARLOWC_FILES", "CopyFiles=MARLOWC_FILEZ");
    ExpectFinding(package, "copy-files", "marlowc.inf", LineOf(inf, "CopyFiles="),
                  "CopyFiles names the section [MARLOWC_FILEZ], which does not exist");
}

TEST_F(PackageCheckTest, NoDestinationDirectory) {
    const fs::path package = CopyPackage();
    const fs::path inf = package / "marlowc.inf";
    Edit(inf, "DefaultDestDir=66000\n", "");
    ExpectFinding(package, "destination", "marlowc.inf", LineOf(inf, "CopyFiles="),
                  "[DestinationDirs] gives no directory for these files");
}

TEST_F(PackageCheckTest, SourceNameInFileList) {
    const fs::path package = CopyPackage();
    const fs::path inf = package / "marlowc.inf";
    Edit(inf, "\nmarlowui.dll\n", "\nmarlowui.dll,oemui.dll\n");
    ExpectFinding(package, "file-list", "marlowc.inf", LineOf(inf, "marlowui.dll,oemui.dll"),
                  "name[,,flag] only");
}

TEST_F(PackageCheckTest, DestinationOtherThanPrinterDriverDirectory) {
    const fs::path package = CopyPackage();
    const fs::path inf = package / "marlowc.inf";
    Edit(inf, "DefaultDestDir=66000", "DefaultDestDir=11");
    ExpectFinding(package, "destination", "marlowc.inf", LineOf(inf, "DefaultDestDir="),
                  "files go to directory 11; printer driver files belong in 66000");
}

TEST_F(PackageCheckTest, TooManyDependentFiles) {
    const fs::path package = CopyPackage();
    const fs::path inf = package / "marlowc.inf";
    std::string list;
    std::string sources;
    for (int i = 1; i <= 63; ++i) {
        const std::string name = "EXTRA" + std::to_string(i) + ".BIN";
        list += name + "\n";
        sources += name + "=1\n";
        for (const char* architecture : {"i386", "amd64"}) {
            WriteText(package / architecture / name, "x");
        }
    }
    Edit(inf, "\nmarlowui.dll\n", "\nmarlowui.dll\n" + list);
    Edit(inf, "[SourceDisksFiles.x86]\n", "[SourceDisksFiles.x86]\n" + sources);
    Edit(inf, "[SourceDisksFiles.amd64]\n", "[SourceDisksFiles.amd64]\n" + sources);
    ExpectFinding(package, "dependent-files", "marlowc.inf", LineOf(inf, "[MARLOWC.PPD]"),
                  "[MARLOWC.PPD] has 65 dependent files; a printer driver may have at most 64");
}

// --- the data file ---

TEST_F(PackageCheckTest, DataFileNotCopied) {
    const fs::path package = CopyPackage();
    const fs::path inf = package / "marlowc.inf";
    Edit(inf, "DataFile=MARLOWC.PPD", "DataFile=MARLOWD.PPD");
    ExpectFinding(package, "data-file", "marlowc.inf", LineOf(inf, "DataFile="),
                  "the data file MARLOWD.PPD of [MARLOWC.PPD] is not among the files it copies");
}

TEST_F(PackageCheckTest, PpdGivesAnotherFileName) {
    const fs::path package = CopyPackage();
    for (const char* architecture : {"i386", "amd64"}) {
        Edit(package / architecture / "MARLOWC.PPD", "*PCFileName: \"MARLOWC.PPD\"",
             "*PCFileName: \"MARLOW.PPD\"");
    }
    ExpectFinding(package, "ppd-file-name", "i386/MARLOWC.PPD",
                  LineOf(package / "i386" / "MARLOWC.PPD", "*PCFileName"),
                  "*PCFileName is \"MARLOW.PPD\", but the INF installs the PPD as MARLOWC.PPD");
}

TEST_F(PackageCheckTest, ModelNameDiffersFromThePpd) {
    const fs::path package = CopyPackage();
    const fs::path inf = package / "marlowc.inf";
    Edit(inf, "[Vantor]\n\"Vantor Marlow C PS\"", "[Vantor]\n\"Vantor Marlow C\"");
    ExpectFinding(package, "ppd-model-name", "marlowc.inf", LineOf(inf, "\"Vantor Marlow C\" ="),
                  "the model \"Vantor Marlow C\" differs from *ShortNickName \"Vantor Marlow C PS\"");
}

TEST_F(PackageCheckTest, PpdLintFindingsShown) {
    const fs::path package = CopyPackage();
    for (const char* architecture : {"i386", "amd64"}) {
        const fs::path ppd = package / architecture / "MARLOWC.PPD";
        WriteText(ppd, ReadText(ppd) + "*UIConstraints: *QVTrayUnit None *InputSlot LC9\n");
    }
    ExpectFinding(package, "ppd-lint", "i386/MARLOWC.PPD",
                  LineOf(package / "i386" / "MARLOWC.PPD", "*InputSlot LC9"),
                  "undefined-option: the constraint names option \"LC9\"");
}

TEST_F(PackageCheckTest, PpdDiffersBetweenArchitectures) {
    const fs::path package = CopyPackage();
    const fs::path ppd = package / "amd64" / "MARLOWC.PPD";
    WriteText(ppd, ReadText(ppd) + "*% changed on one side\n");
    ExpectFinding(package, "data-file", "amd64/MARLOWC.PPD", 0, "differs from i386/MARLOWC.PPD");
}

// --- the configuration file and the plug-ins it names ---

TEST_F(PackageCheckTest, NoConfigurationFile) {
    const fs::path package = CopyPackage();
    const fs::path inf = package / "marlowc.inf";
    Edit(inf, "\nMARLOWC.INI\n", "\n");
    ExpectFinding(package, "config-file", "marlowc.inf", LineOf(inf, "[MARLOWC.PPD]"),
                  "has 0 plug-in configuration files among its dependent files");
}

TEST_F(PackageCheckTest, TwoConfigurationFiles) {
    const fs::path package = CopyPackage();
    const fs::path inf = package / "marlowc.inf";
    Edit(inf, "\nMARLOWC.INI\n", "\nMARLOWC.INI\nMARLOWD.INI\n");
    Edit(inf, "[SourceDisksFiles.x86]\n", "[SourceDisksFiles.x86]\nMARLOWD.INI=1\n");
    Edit(inf, "[SourceDisksFiles.amd64]\n", "[SourceDisksFiles.amd64]\nMARLOWD.INI=1\n");
    for (const char* architecture : {"i386", "amd64"}) {
        fs::copy_file(package / architecture / "MARLOWC.INI", package / architecture / "MARLOWD.INI");
    }
    ExpectFinding(package, "config-file", "marlowc.inf", LineOf(inf, "[MARLOWC.PPD]"),
                  "has 2 plug-in configuration files among its dependent files (MARLOWC.INI, "
                  "MARLOWD.INI)");
}

TEST_F(PackageCheckTest, OemFilesNumberingBlanksAndPaths) {
    struct Case {
        const char* line;
        const char* text;
    };
    const Case cases[] = {
        {"OEMConfigFile2=marlowui.dll", "numbers must run from 1 without gaps; OEMConfigFile1 is missing"},
        {"OEMConfigFile1 = marlowui.dll", "blanks around '='"},
        {"OEMConfigFile1=C:\\drivers\\marlowui.dll", "must be a plain file name"},
        {"OEMPluginFile1=marlowui.dll", "is neither OEMConfigFileN nor OEMDriverFileN"},
    };
    int variant = 0;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.line);
        const fs::path package = CopyPackage("marlowui-v5", "-" + std::to_string(++variant));
        for (const char* architecture : {"i386", "amd64"}) {
            WriteText(package / architecture / "MARLOWC.INI", std::string("[OEMFiles]\n") + c.line + "\n");
        }
        ExpectFinding(package, "oem-files", "amd64/MARLOWC.INI", 2, c.text);
    }
}

TEST_F(PackageCheckTest, PluginNotCopied) {
    const fs::path package = CopyPackage();
    for (const char* architecture : {"i386", "amd64"}) {
        Edit(package / architecture / "MARLOWC.INI", "=marlowui.dll", "=marlowui2.dll");
    }
    ExpectFinding(package, "plugin-role", "i386/MARLOWC.INI", 2,
                  "marlowui2.dll is not among the files [MARLOWC.PPD] copies");
}

TEST_F(PackageCheckTest, PluginAsDriverFile) {
    const fs::path package = CopyPackage();
    Edit(package / "marlowc.inf", "DataFile=MARLOWC.PPD\n", "DataFile=MARLOWC.PPD\nDriverFile=marlowui.dll\n");
    ExpectFinding(package, "plugin-role", "i386/MARLOWC.INI", 2,
                  "marlowui.dll is the driver's DriverFile in [MARLOWC.PPD]");
}

// --- the DLLs ---

TEST_F(PackageCheckTest, DllOfTheOtherArchitecture) {
    const fs::path package = CopyPackage();
    ReplaceFile(package / "i386" / "marlowui.dll", package / "amd64" / "marlowui.dll");
    ExpectFinding(package, "dll-machine", "amd64/marlowui.dll", 0,
                  "the DLL is built for x86, but x64 Windows needs one built for x64 and refuses to load it");
}

// The optional header's subsystem version, at e_lfanew + 24 + 48.
void SetSubsystemVersion(const fs::path& dll, int major, int minor) {
    std::vector<unsigned char> bytes = ReadBytes(dll);
    ASSERT_GT(bytes.size(), 0x40u);
    const std::size_t pe = bytes[0x3C] | bytes[0x3D] << 8 | bytes[0x3E] << 16;
    ASSERT_LT(pe + 24 + 52, bytes.size());
    bytes[pe + 24 + 48] = static_cast<unsigned char>(major);
    bytes[pe + 24 + 49] = 0;
    bytes[pe + 24 + 50] = static_cast<unsigned char>(minor);
    bytes[pe + 24 + 51] = 0;
    WriteBytes(dll, bytes);
}

TEST_F(PackageCheckTest, DllAsksForALaterSubsystem) {
    const fs::path package = CopyPackage();
    SetSubsystemVersion(package / "amd64" / "marlowui.dll", 6, 0);
    ExpectFinding(package, "dll-surface", "amd64/marlowui.dll", 0,
                  "asks for subsystem version 6.0; Windows Server 2003, its oldest platform, is 5.2");
}

TEST_F(PackageCheckTest, DllExportsAnotherName) {
    const fs::path package = CopyPackage("marlowui-v6");
    const fs::path dll = package / "i386" / "marlowui.dll";
    std::vector<unsigned char> bytes = ReadBytes(dll);
    const std::string name("DllCanUnloadNow");
    std::size_t replaced = 0;
    for (std::size_t i = 1; i + name.size() < bytes.size(); ++i) {
        if (bytes[i - 1] == 0 && bytes[i + name.size()] == 0 &&
            std::equal(name.begin(), name.end(), bytes.begin() + static_cast<std::ptrdiff_t>(i))) {
            bytes[i + name.size() - 1] = 'X';
            ++replaced;
        }
    }
    ASSERT_GT(replaced, 0u);
    WriteBytes(dll, bytes);
    ExpectFinding(package, "dll-surface", "i386/marlowui.dll", 0,
                  "exports [DllCanUnloadNoX, DllGetClassObject]; a plug-in exports exactly");
}

TEST_F(PackageCheckTest, FileThatIsNoDll) {
    const fs::path package = CopyPackage();
    ReplaceFile(package / "amd64" / "MARLOWC.PPD", package / "amd64" / "marlowui.dll");
    ExpectFinding(package, "dll-unreadable", "amd64/marlowui.dll", 0,
                  "not a DLL Windows can load: no MZ header");
}

// --- the two packages ---

TEST_F(PackageCheckTest, PackagesThatDisagree) {
    const fs::path v5 = CopyPackage("marlowui-v5");
    const fs::path v6 = CopyPackage("marlowui-v6");
    for (const char* architecture : {"i386", "amd64"}) {
        const fs::path ppd = v6 / architecture / "MARLOWC.PPD";
        WriteText(ppd, ReadText(ppd) + "*% another revision\n");
        WriteText(v6 / architecture / "MARLOWC.INI", "[OEMFiles]\nOEMConfigFile1=marlowui.dll\n\n");
    }
    ExpectFinding({v5, v6}, "packages-differ", "marlowui-v6/marlowc.inf", 0,
                  "its PPD MARLOWC.PPD differs from the one in");
    ExpectFinding({v5, v6}, "packages-differ", "marlowui-v6/marlowc.inf", 0,
                  "its plug-in configuration file MARLOWC.INI differs from the one in");
    // The folder of both finds the same.
    ExpectFinding({v5.parent_path()}, "packages-differ", "marlowui-v6/marlowc.inf", 0,
                  "its PPD MARLOWC.PPD differs");
}

// --- what cannot be read, and the command line ---

TEST_F(PackageCheckTest, FoldersThatCannotBeReadAsPackages) {
    const fs::path work = GetTestFolders().work / "unreadable";
    fs::create_directories(work / "empty");
    fs::create_directories(work / "two");
    WriteText(work / "two" / "a.inf", "[Version]\n");
    WriteText(work / "two" / "b.INF", "[Version]\n");
    EXPECT_EQ(Check({work / "missing"}).error, (work / "missing").u8string() +
                                                   " is not a folder that can be read");
    EXPECT_EQ(Check({work / "empty"}).error,
              (work / "empty").u8string() + " holds no INF file, nor folders that each hold one");
    EXPECT_EQ(Check({work / "two"}).error,
              (work / "two").u8string() + " holds 2 INF files; a package has exactly one");
}

int RunCommand(const std::vector<std::string>& words, std::string& output) {
    std::vector<CommandArgument> arguments;
    for (const std::string& word : words) {
        arguments.push_back({word, fs::u8path(word)});
    }
    std::FILE* out = std::tmpfile();
    std::FILE* err = std::tmpfile();
    const int status = RunMarlowpkg(arguments, out, err);
    output.clear();
    for (std::FILE* file : {out, err}) {
        std::rewind(file);
        for (int c = std::fgetc(file); c != EOF; c = std::fgetc(file)) {
            output += static_cast<char>(c);
        }
        std::fclose(file);
    }
    return status;
}

TEST_F(PackageCheckTest, CommandLineStatusesAndOutputs) {
    std::string output;
    const std::string sound = (sound_ / "marlowui-v5").u8string();
    EXPECT_EQ(RunCommand({"marlowpkg", "check", sound}, output), kExitSound);
    EXPECT_EQ(output, "marlowpkg: 1 package checked, 0 findings\n");
    EXPECT_EQ(RunCommand({"marlowpkg", "check", sound, "--json"}, output), kExitSound);
    EXPECT_EQ(output, "{\n  \"packages\": 1,\n  \"findings\": []\n}\n");

    const fs::path package = CopyPackage();
    Edit(package / "marlowc.inf", "DefaultDestDir=66000", "DefaultDestDir=11");
    const std::string damaged = package.u8string();
    const int line = LineOf(package / "marlowc.inf", "DefaultDestDir");
    EXPECT_EQ(RunCommand({"marlowpkg", "check", damaged}, output), kExitFindings);
    EXPECT_EQ(output, damaged + "/marlowc.inf:" + std::to_string(line) +
                          ": destination: files go to directory 11; printer driver files belong "
                          "in 66000, the printer driver directory\n"
                          "marlowpkg: 1 package checked, 1 finding\n");
    EXPECT_EQ(RunCommand({"marlowpkg", "check", "--json", damaged}, output), kExitFindings);
    EXPECT_NE(output.find("\"line\": " + std::to_string(line) + ", \"category\": \"destination\""),
              std::string::npos)
        << output;

    EXPECT_EQ(RunCommand({"marlowpkg", "check"}, output), kExitCannotRead);
    EXPECT_NE(output.find("no package folder given"), std::string::npos);
    EXPECT_EQ(RunCommand({"marlowpkg", "verify", sound}, output), kExitCannotRead);
    EXPECT_EQ(RunCommand({"marlowpkg", "check", sound, "--xml"}, output), kExitCannotRead);
    EXPECT_EQ(RunCommand({"marlowpkg", "check", damaged + "/no-such"}, output), kExitCannotRead);
    EXPECT_EQ(RunCommand({"marlowpkg", "--help"}, output), kExitSound);
}

}  // namespace
}  // namespace marlow

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    marlow::TestFolders& folders = marlow::GetTestFolders();
    folders.work = std::filesystem::u8path(MARLOW_TEST_WORK);
    for (int i = 1; i < argc; ++i) {
        const std::string argument = argv[i];
        if (argument.rfind("--packages=", 0) == 0) {
            folders.packages = std::filesystem::u8path(argument.substr(11));
        } else if (argument.rfind("--work=", 0) == 0) {
            folders.work = std::filesystem::u8path(argument.substr(7));
        } else {
            std::fprintf(stderr, "unknown argument %s; use --packages=DIR, --work=DIR\n", argv[i]);
            return 2;
        }
    }
    if (!folders.packages.empty() && !std::filesystem::exists(folders.packages / "marlowui-v5")) {
        std::fprintf(stderr, "no packages in %s: run scripts/make-packages.sh first\n",
                     folders.packages.u8string().c_str());
        return 2;
    }
    return RUN_ALL_TESTS();
}
