// The feature name table and its two lookups, reading the display names from
// the built library's string tables.
#include "driverui/feature_name_table.h"

#include <gtest/gtest.h>

#include <string>

#include "plugin_module.h"
#include "thread_language.h"

namespace marlow {
namespace {

struct ExpectedRow {
    LONG dmPubId, featureId, stringId;
    const wchar_t* keyword;
};

const ExpectedRow kRows[kFeatureNameRowCount] = {
    {4, 1, 10001, L"*InputSlot"},
    {5, 2, 10002, L"*Resolution"},
    {12, 3, 10003, L"*MediaType"},
    {9, 4, 10007, L"*PageSize"},
    {7, 5, 10025, L"*Duplex"},
    {0, 32, 10004, L"*InstalledMemory"},
    {0, 33, 10005, L"*QVTrayUnit"},
    {0, 34, 10006, L"*QVDuplexOption"},
    {0, 35, 10024, L"*QVStackerOption"},
    {0, 36, 10028, L"*QVCompactFlash"},
    {0, 64, 10008, L"*QVScreens"},
    {0, 65, 10009, L"*QVPureBlack"},
    {0, 66, 10010, L"*QVSharpline"},
    {0, 67, 10011, L"*QVToner"},
    {0, 68, 10012, L"*QVImageProtect"},
    {0, 69, 10013, L"*QVRendering"},
    {0, 70, 10014, L"*QVPressSimulation"},
    {0, 71, 10017, L"*QVCMYKMethod"},
    {0, 72, 10015, L"*QVRGBSource"},
    {0, 73, 10016, L"*QVRGBIntent"},
    {0, 74, 10018, L"*QVSeparations"},
    {0, 75, 10019, L"*OutputBin"},
    {0, 76, 10020, L"*QVDensity"},
    {0, 77, 10021, L"*QVRotate180Degrees"},
    {0, 78, 10022, L"*QVRotate90Degrees"},
    {0, 79, 10023, L"*QVStartSide"},
    {0, 80, 10026, L"*QVAutoMonoMode"},
    {0, 81, 10027, L"*QVOUTPUTID"},
};

TEST(FeatureNameTableTest, HoldsTheTwentyEightRowsInOrderThenAnAllZeroRow) {
    for (int i = 0; i < kFeatureNameRowCount; ++i) {
        SCOPED_TRACE(testing::Message() << "row " << i + 1);
        const FeatureNameRow& row = FeatureNameTable[i];
        EXPECT_EQ(row.lDmPubId, kRows[i].dmPubId);
        EXPECT_EQ(row.lFeatureId, kRows[i].featureId);
        EXPECT_EQ(row.lStringId, kRows[i].stringId);
        ASSERT_NE(row.pwszKeyword, nullptr);
        EXPECT_STREQ(row.pwszKeyword, kRows[i].keyword);
    }
    const FeatureNameRow& end = FeatureNameTable[kFeatureNameRowCount];
    EXPECT_EQ(end.lDmPubId, 0);
    EXPECT_EQ(end.lFeatureId, 0);
    EXPECT_EQ(end.lStringId, 0);
    EXPECT_EQ(end.pwszKeyword, nullptr);
}

class LookUpFeatureNameTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_NE(m_plugin.Handle(), nullptr) << "marlowui.dll did not load"; }

    HRESULT LookUp(const wchar_t* keyword, LONG dmPubId, LONG* pFeatureId) {
        return LookUpFeatureName(m_plugin.Handle(), keyword, dmPubId, pFeatureId);
    }

    test::PluginModule m_plugin;
};

TEST_F(LookUpFeatureNameTest, StandardItemIsFoundByItsIdAloneWhateverTheKeyword) {
    const wchar_t* const keywords[] = {L"*Duplex", L"*OutputBin", L"", nullptr};
    for (const wchar_t* keyword : keywords) {
        LONG featureId = -1;
        EXPECT_EQ(LookUp(keyword, DMPUB_DUPLEX, &featureId), S_OK);
        EXPECT_EQ(featureId, 5);
    }
    EXPECT_STREQ(FindFeatureKeyword(5), L"*Duplex");
}

TEST_F(LookUpFeatureNameTest, PpdFeatureIsFoundByItsExactKeyword) {
    LONG featureId = -1;
    EXPECT_EQ(LookUp(L"*OutputBin", 0, &featureId), S_OK);
    EXPECT_EQ(featureId, 75);
    EXPECT_EQ(LookUp(L"*InstalledMemory", 0, &featureId), S_OK);
    EXPECT_EQ(featureId, 32);
    // A keyword of a standard item's row is not matched by keyword.
    EXPECT_EQ(LookUp(L"*Duplex", 0, &featureId), E_FAIL);
}

TEST_F(LookUpFeatureNameTest, NearMissesAndUnknownItemsFail) {
    LONG featureId = 1234;
    EXPECT_EQ(LookUp(L"*outputbin", 0, &featureId), E_FAIL);
    EXPECT_EQ(LookUp(L"OutputBin", 0, &featureId), E_FAIL);
    EXPECT_EQ(LookUp(L"*OutputBin ", 0, &featureId), E_FAIL);
    EXPECT_EQ(LookUp(L"*OutputBin", DMPUB_COLOR, &featureId), E_FAIL);
    EXPECT_EQ(featureId, 1234) << "a failed lookup leaves the answer alone";
}

TEST_F(LookUpFeatureNameTest, MissingModuleOrKeysAreInvalidArguments) {
    LONG featureId = 0;
    EXPECT_EQ(LookUpFeatureName(nullptr, L"*OutputBin", 0, &featureId), E_INVALIDARG);
    EXPECT_EQ(LookUp(nullptr, 0, &featureId), E_INVALIDARG);
    EXPECT_EQ(LookUp(L"*OutputBin", 0, nullptr), E_INVALIDARG);
}

TEST_F(LookUpFeatureNameTest, FailsWhereTheDisplayNameCannotBeLoaded) {
    // The test program has no string table: every row is unusable there.
    HMODULE hWithoutStrings = GetModuleHandleW(nullptr);
    LONG featureId = -1;
    EXPECT_EQ(LookUpFeatureName(hWithoutStrings, nullptr, DMPUB_DUPLEX, &featureId), E_FAIL);
    EXPECT_EQ(LookUpFeatureName(hWithoutStrings, L"*OutputBin", 0, &featureId), E_FAIL);
    EXPECT_EQ(featureId, -1);
}

TEST_F(LookUpFeatureNameTest, EveryRowIsUsableInEveryLanguageWithATable) {
    for (LANGID language : {0x0409, 1031, 1036, 1040, 1041, 1043, 2070, 3082, 1053}) {
        test::ThreadLanguage guard(language);
        for (const ExpectedRow& row : kRows) {
            SCOPED_TRACE(testing::Message() << "language " << language << ", row " << row.keyword);
            LONG featureId = -1;
            EXPECT_EQ(LookUp(row.keyword, row.dmPubId, &featureId), S_OK);
            EXPECT_EQ(featureId, row.featureId);
        }
    }
}

TEST(FindFeatureKeywordTest, GivesTheFirstRowsKeywordOrNone) {
    EXPECT_STREQ(FindFeatureKeyword(1), L"*InputSlot");
    EXPECT_STREQ(FindFeatureKeyword(75), L"*OutputBin");
    EXPECT_STREQ(FindFeatureKeyword(81), L"*QVOUTPUTID");
    EXPECT_EQ(FindFeatureKeyword(6), nullptr);
    EXPECT_EQ(FindFeatureKeyword(0), nullptr);
    EXPECT_EQ(FindFeatureKeyword(-1), nullptr);
}

}  // namespace
}  // namespace marlow
