// The feature name table and its two lookups, reading the display names from
// the built library's string tables.
#include "driverui/feature_name_table.h"

#include <gtest/gtest.h>

#include <string>

#include "plugin_module.h"
#include "thread_language.h"

namespace marlow {
namespace {

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

// Every row is found by the key the host gives for it - the DMPubID of a
// standard item, the keyword of a PPD feature - in every language, and its
// feature id leads back to its keyword.
TEST_F(LookUpFeatureNameTest, EveryRowIsFoundByItsKeyAndLeadsBackToItsKeyword) {
    for (LANGID language : {0x0409, 1031, 1036, 1040, 1041, 1043, 2070, 3082, 1053}) {
        test::ThreadLanguage guard(language);
        for (int i = 0; i < kFeatureNameRowCount; ++i) {
            const FeatureNameRow& row = FeatureNameTable[i];
            SCOPED_TRACE(testing::Message() << "language " << language << ", row " << i + 1);
            LONG featureId = -1;
            EXPECT_EQ(LookUp(row.lDmPubId != 0 ? nullptr : row.pwszKeyword, row.lDmPubId, &featureId), S_OK);
            EXPECT_EQ(featureId, row.lFeatureId);
            EXPECT_STREQ(FindFeatureKeyword(featureId), row.pwszKeyword);
        }
    }
}

// The host's standard items stand for these PPD features.
TEST_F(LookUpFeatureNameTest, StandardItemsLeadToTheirPpdFeatures) {
    const std::pair<LONG, const wchar_t*> items[] = {{DMPUB_DEFSOURCE, L"*InputSlot"},
                                                     {DMPUB_PRINTQUALITY, L"*Resolution"},
                                                     {DMPUB_MEDIATYPE, L"*MediaType"},
                                                     {DMPUB_FORMNAME, L"*PageSize"},
                                                     {DMPUB_DUPLEX, L"*Duplex"}};
    for (const auto& [dmPubId, keyword] : items) {
        LONG featureId = 0;
        ASSERT_EQ(LookUp(nullptr, dmPubId, &featureId), S_OK) << "DMPubID " << dmPubId;
        EXPECT_STREQ(FindFeatureKeyword(featureId), keyword) << "DMPubID " << dmPubId;
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
