#include "ppd_test_support.h"

#include <gtest/gtest.h>

#include <cstdio>

#include "ppd/ppd_input.h"
#include "ppd/ppd_reader.h"

namespace marlow {
namespace testing {

ReadResult ReadPpdText(const std::string& bytes) {
    PpdMemoryInput input{reinterpret_cast<const unsigned char*>(bytes.data()), bytes.size(), 0};
    ReadResult result;
    result.model = ReadPpdModel(ReadPpdMemoryByte, &input, &result.report);
    return result;
}

ReadResult ReadPpdTextWithoutIndex(const std::string& bytes) {
    PpdMemoryInput input{reinterpret_cast<const unsigned char*>(bytes.data()), bytes.size(), 0};
    ReadResult result;
    PpdReadSettings settings;
    settings.evaluation = PpdEvaluation::kWalked;
    result.model = ReadPpdModel(ReadPpdMemoryByte, &input, settings, &result.report);
    return result;
}

std::string Show(const char16_t* units, std::int32_t count) {
    std::string shown;
    for (std::int32_t i = 0; i < count; ++i) {
        if (units[i] < 0x80) {
            shown += static_cast<char>(units[i]);
        } else {
            char escape[8];
            std::snprintf(escape, sizeof escape, "\\u%04X", static_cast<unsigned>(units[i]));
            shown += escape;
        }
    }
    return shown;
}

std::string Show(const PpdText& text) { return Show(text.Text(), text.Length()); }

std::string Show(const PpdConstraintText& text) { return Show(text.Text(), text.Length()); }

const PpdFeature& FeatureNamed(const PpdModel& model, const char16_t* keyword) {
    static const PpdFeature kMissing;
    const PpdFeature* feature = model.GetPpdFeature(model.FindFeatureByKeyword(keyword));
    EXPECT_NE(feature, nullptr) << "no feature " << Show(keyword, MeasureText(keyword));
    return feature != nullptr ? *feature : kMissing;
}

std::string MarksOf(const PpdModel& model, const char16_t* keyword) {
    const PpdFeature& feature = FeatureNamed(model, keyword);
    std::string marks;
    for (std::int32_t i = 0; i < feature.GetOptionCount(); ++i) {
        marks += feature.GetPpdOption(i)->bConstrained != 0 ? '1' : '0';
    }
    return marks;
}

std::string AllMarks(const PpdModel& model) {
    std::string marks;
    for (std::int32_t f = 0; f < model.GetFeatureCount(); ++f) {
        const PpdFeature& feature = *model.GetPpdFeature(f);
        for (std::int32_t o = 0; o < feature.GetOptionCount(); ++o) {
            marks += feature.GetPpdOption(o)->bConstrained != 0 ? '1' : '0';
        }
        marks += '|';
    }
    return marks;
}

}  // namespace testing
}  // namespace marlow
