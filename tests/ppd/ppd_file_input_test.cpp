// Reading files the way the plug-in does: fopen in text mode and fgetc,
// byte by byte. The test inputs under data/ are also the fuzzer's seeds.
#include <gtest/gtest.h>

#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "ppd/ppd_input.h"
#include "ppd_test_support.h"

namespace marlow {
namespace {

using testing::MarksOf;
using testing::Show;

struct FileRead {
    std::unique_ptr<PpdModel> model;
    PpdReadReport report;
};

FileRead ReadPpdFile(const std::string& path) {
    FileRead result;
    const UniqueCFile file(std::fopen(path.c_str(), "r"));
    EXPECT_TRUE(file) << "cannot open " << path;
    if (file) {
        result.model = ReadPpdModel(ReadPpdFileByte, file.Get(), &result.report);
    }
    return result;
}

FileRead ReadDataFile(const char* name) {
    return ReadPpdFile(std::string(MARLOW_PPD_TEST_DATA) + "/" + name);
}

TEST(PpdFileInputTest, ReadsTheSamplePrinterFile) {
    const FileRead read = ReadPpdFile(std::string(MARLOW_SAMPLES) + "/marlow-c.ppd");
    ASSERT_NE(read.model, nullptr);
    PpdModel& model = *read.model;
    EXPECT_FALSE(read.report.StoppedEarly());
    EXPECT_EQ(model.GetFeatureCount(), 30);
    ASSERT_EQ(model.GetInstallableCount(), 5);
    EXPECT_EQ(Show(model.GetInstallableSelection(1)->keyword), "*QVTrayUnit");
    EXPECT_EQ(Show(model.GetInstallableSelection(1)->currentOption), "None");
    EXPECT_EQ(model.FindFeatureByTranslation(u"Color Mode"),
              model.FindFeatureByKeyword(u"*QVRendering"));
    EXPECT_EQ(Show(testing::FeatureNamed(model, u"*QVRotate180Degrees").translation),
              "Rotate By 180\\u00B0");

    // With the defaults: no lower cassettes, no duplex unit, no stacker,
    // 256 MB, no CompactFlash card.
    EXPECT_EQ(MarksOf(model, u"*InputSlot"), "000111");
    EXPECT_EQ(MarksOf(model, u"*Duplex"), "011");
    EXPECT_EQ(MarksOf(model, u"*OutputBin"), "0011");
    EXPECT_EQ(MarksOf(model, u"*Resolution"), "001");
    EXPECT_EQ(MarksOf(model, u"*QVSeparations"), "10");
    EXPECT_EQ(MarksOf(model, u"*QVOUTPUTID"), "011");
    EXPECT_EQ(MarksOf(model, u"*MediaType"), "000000");

    model.SetInstalledOption(u"*QVTrayUnit", u"1Tray", false);
    model.SetInstalledOption(u"*QVDuplexOption", u"True", false);
    model.SetInstalledOption(u"*InstalledMemory", u"512MB", false);
    model.EvaluateConstraints();
    EXPECT_EQ(MarksOf(model, u"*InputSlot"), "000011");
    EXPECT_EQ(MarksOf(model, u"*Duplex"), "000");
    EXPECT_EQ(MarksOf(model, u"*Resolution"), "000");
    EXPECT_EQ(MarksOf(model, u"*QVSeparations"), "10");
}

TEST(PpdFileInputTest, CarriageReturnsAreBlanks) {
    const FileRead read = ReadDataFile("crlf-lines.ppd");
    const PpdModel& model = *read.model;
    EXPECT_FALSE(read.report.StoppedEarly());
    ASSERT_EQ(model.GetFeatureCount(), 2);
    EXPECT_EQ(Show(model.GetPpdFeature(1)->translation), "Paper Source");
    EXPECT_EQ(Show(model.GetInstallableSelection(0)->currentOption), "None");
    EXPECT_EQ(MarksOf(model, u"*InputSlot"), "01");
}

TEST(PpdFileInputTest, AControlZEndsTheInputOnlyInWindowsTextMode) {
    const FileRead read = ReadDataFile("ctrl-z.ppd");
    EXPECT_FALSE(read.report.StoppedEarly());
#ifdef _WIN32
    EXPECT_EQ(read.model->GetFeatureCount(), 1);
#else
    EXPECT_EQ(read.model->GetFeatureCount(), 2);
#endif
}

// The damaged inputs are tested in detail from memory; here they come
// through the C runtime like a printer's file.
TEST(PpdFileInputTest, DamagedFilesGiveWhatWasReadBeforeTheDamage) {
    struct Case {
        const char* name;
        PpdReadStop stop;
        int features;
        int optionsOfFirst;
    };
    const Case cases[] = {
        {"empty.ppd", PpdReadStop::kNone, 0, 0},
        {"second-query.ppd", PpdReadStop::kSecondQuery, 1, 1},
        {"unterminated-quote.ppd", PpdReadStop::kInputEnded, 1, 1},
        {"unterminated-block.ppd", PpdReadStop::kInputEnded, 1, 2},
        {"nul-bytes.ppd", PpdReadStop::kNone, 1, 1},
        {"odd-hex.ppd", PpdReadStop::kNone, 1, 2},
        {"high-bytes.ppd", PpdReadStop::kNone, 1, 1},
        {"long-name.ppd", PpdReadStop::kNone, 1, 0},
        {"three-token-constraint.ppd", PpdReadStop::kNone, 0, 0},
    };
    for (const Case& c : cases) {
        const FileRead read = ReadDataFile(c.name);
        ASSERT_NE(read.model, nullptr) << c.name;
        EXPECT_EQ(read.report.stop, c.stop) << c.name;
        EXPECT_EQ(read.model->GetFeatureCount(), c.features) << c.name;
        EXPECT_EQ(read.model->GetInstallableCount(), 0) << c.name;
        if (c.features > 0) {
            EXPECT_EQ(read.model->GetPpdFeature(0)->GetOptionCount(), c.optionsOfFirst) << c.name;
        }
    }
}

// The reader calls fgetc itself when it is handed ReadPpdFileByte; any
// other read function it calls byte by byte. Both roads must give the same
// model and the same report, where reading stopped included.
TEST(PpdFileInputTest, AFileGivesWhatItsBytesGiveFromMemory) {
    const char* const names[] = {
        "crlf-lines.ppd",     "ctrl-z.ppd",        "empty.ppd",          "high-bytes.ppd",
        "long-name.ppd",      "nul-bytes.ppd",     "odd-hex.ppd",        "second-query.ppd",
        "unterminated-block.ppd", "unterminated-quote.ppd", "three-token-constraint.ppd"};
    std::vector<std::string> paths;
    for (const char* name : names) {
        paths.push_back(std::string(MARLOW_PPD_TEST_DATA) + "/" + name);
    }
    paths.push_back(std::string(MARLOW_SAMPLES) + "/marlow-c.ppd");
    for (const std::string& path : paths) {
        const FileRead fromFile = ReadPpdFile(path);
        // The bytes as fgetc delivers them, text mode and all.
        std::string bytes;
        const UniqueCFile file(std::fopen(path.c_str(), "r"));
        ASSERT_TRUE(file) << path;
        for (int c = std::fgetc(file.Get()); c != EOF; c = std::fgetc(file.Get())) {
            bytes += static_cast<char>(c);
        }
        const testing::ReadResult fromMemory = testing::ReadPpdText(bytes);
        ASSERT_NE(fromFile.model, nullptr) << path;
        EXPECT_EQ(fromFile.model->GetFeatureCount(), fromMemory.model->GetFeatureCount()) << path;
        EXPECT_EQ(fromFile.model->GetConstraintCount(), fromMemory.model->GetConstraintCount())
            << path;
        EXPECT_EQ(testing::AllMarks(*fromFile.model), testing::AllMarks(*fromMemory.model)) << path;
        EXPECT_EQ(fromFile.report.stop, fromMemory.report.stop) << path;
        EXPECT_EQ(fromFile.report.statementCode, fromMemory.report.statementCode) << path;
        EXPECT_EQ(fromFile.report.nStatementLine, fromMemory.report.nStatementLine) << path;
        EXPECT_EQ(fromFile.report.nByteOffset, fromMemory.report.nByteOffset) << path;
        EXPECT_EQ(fromFile.report.nLine, fromMemory.report.nLine) << path;
    }
}

}  // namespace
}  // namespace marlow
