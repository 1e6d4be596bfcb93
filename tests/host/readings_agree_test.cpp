// The one place where the host kit's results meet the plug-in's internals:
// the kit and the plug-in read the same PPD file each in their own way, and
// describe the same private section each from their own side. A decoding
// fault on either side shows here as a difference.
#include "devmode/private_devmode.h"
#include "host/printer_ppd.h"
#include "host/private_section_layout.h"
#include "platform/win32_handles.h"
#include "ppd/ppd_input.h"
#include "ppd/ppd_model.h"

#include <gtest/gtest.h>

#include <string>

namespace marlow::host {
namespace {

std::wstring ToWide(const PpdText& text) { return std::wstring(text.Text(), text.Text() + text.Length()); }

// The model's feature and constraint texts alike.
template <typename ModelText>
std::string ToKeyword(const ModelText& text) {
    std::string keyword;
    for (std::int32_t i = 0; i < text.Length(); ++i) {
        if (i == 0 && text.Text()[0] == u'*') continue;
        keyword.push_back(static_cast<char>(text.Text()[i]));
    }
    return keyword;
}

std::wstring SamplePath() {
    const std::string path = MARLOW_SAMPLES "/marlow-c.ppd";
    return std::wstring(path.begin(), path.end());
}

class ReadingsAgree : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(ReadPrinterPpd(SamplePath(), hostReading));
        const UniqueCFile file(_wfopen(SamplePath().c_str(), L"r"));
        ASSERT_TRUE(file);
        model = ReadPpdModel(ReadPpdFileByte, file.Get());
        ASSERT_NE(nullptr, model);
    }

    PrinterPpd hostReading;
    std::unique_ptr<PpdModel> model;
};

TEST_F(ReadingsAgree, OnTheFeaturesOfTheSamplePpd) {
    ASSERT_EQ(hostReading.features.size(), static_cast<std::size_t>(model->GetFeatureCount()));
    for (std::int32_t i = 0; i < model->GetFeatureCount(); ++i) {
        const PpdFeature& theirs = *model->GetPpdFeature(i);
        const PpdUiFeature& ours = hostReading.features[static_cast<std::size_t>(i)];
        SCOPED_TRACE("feature " + ours.keyword);
        EXPECT_EQ(ours.keyword, ToKeyword(theirs.keyword));
        EXPECT_EQ(ours.translation, ToWide(theirs.translation));
        EXPECT_EQ(ours.group, ToKeyword(theirs.groupKeyword));
        EXPECT_EQ(ours.defaultChoice, ToKeyword(theirs.defaultOption));
        ASSERT_EQ(ours.choices.size(), static_cast<std::size_t>(theirs.GetOptionCount()));
        for (std::int32_t k = 0; k < theirs.GetOptionCount(); ++k) {
            const PpdChoice& choice = ours.choices[static_cast<std::size_t>(k)];
            EXPECT_EQ(choice.keyword, ToKeyword(theirs.GetPpdOption(k)->keyword)) << "option " << k;
            EXPECT_EQ(choice.translation, ToWide(theirs.GetPpdOption(k)->translation)) << "option " << k;
        }
    }
}

TEST_F(ReadingsAgree, OnTheConstraintsOfTheSamplePpd) {
    ASSERT_EQ(hostReading.constraints.size(), static_cast<std::size_t>(model->GetConstraintCount()));
    for (std::int32_t i = 0; i < model->GetConstraintCount(); ++i) {
        const UiConstraint& theirs = *model->GetUiConstraint(i);
        const PpdUiConstraint& ours = hostReading.constraints[static_cast<std::size_t>(i)];
        SCOPED_TRACE(testing::Message() << "constraint " << i);
        EXPECT_EQ(ours.feature1, ToKeyword(theirs.firstFeature));
        EXPECT_EQ(ours.option1, ToKeyword(theirs.firstOption));
        EXPECT_EQ(ours.feature2, ToKeyword(theirs.secondFeature));
        EXPECT_EQ(ours.option2, ToKeyword(theirs.secondOption));
    }
}

TEST(PrivateSectionAgrees, FieldByFieldWithThePluginsRecord) {
    const struct {
        const char* name;
        std::size_t offset;
        std::size_t units;
    } record[] = {
        {"dwSize", offsetof(PrivateDevmode, dwSize), 0},
        {"dwSignature", offsetof(PrivateDevmode, dwSignature), 0},
        {"dwVersion", offsetof(PrivateDevmode, dwVersion), 0},
        {"dwReserved1", offsetof(PrivateDevmode, dwReserved1), 0},
        {"bSaveAccessControl", offsetof(PrivateDevmode, bSaveAccessControl), 0},
        {"dwReserveJobType", offsetof(PrivateDevmode, dwReserveJobType), 0},
        {"wszJobUserName", offsetof(PrivateDevmode, wszJobUserName), JOB_USER_NAME_UNITS},
        {"wszJobName", offsetof(PrivateDevmode, wszJobName), JOB_NAME_UNITS},
        {"wszJobPassword", offsetof(PrivateDevmode, wszJobPassword), JOB_PASSWORD_UNITS},
        {"wszAccessUserName", offsetof(PrivateDevmode, wszAccessUserName), ACCESS_USER_NAME_UNITS},
        {"wszAccessPassword", offsetof(PrivateDevmode, wszAccessPassword), ACCESS_PASSWORD_UNITS},
        {"dwReserved2", offsetof(PrivateDevmode, dwReserved2), 0},
    };
    ASSERT_EQ(std::size(record), PrivateSectionFields().size());
    for (const auto& field : record) {
        const SectionField* ours = FindSectionField(field.name);
        ASSERT_NE(nullptr, ours) << field.name;
        EXPECT_EQ(field.offset, ours->offset) << field.name;
        EXPECT_EQ(field.units, ours->units) << field.name;
    }

    // A section written by the plug-in reads the same through the kit.
    unsigned char section[PRIVATE_DEVMODE_SIZE] = {};
    SetPrivateDevmodeDefaults(section);
    WritePrivateDevmodeU32(section, offsetof(PrivateDevmode, dwReserveJobType), RESERVE_JOB_VERIFY);
    EXPECT_EQ(RESERVE_JOB_VERIFY, ReadSectionU32(section, FindSectionField("dwReserveJobType")->offset));
    EXPECT_EQ(PRIVATE_DEVMODE_SIGNATURE, ReadSectionU32(section, FindSectionField("dwSignature")->offset));
}

}  // namespace
}  // namespace marlow::host
