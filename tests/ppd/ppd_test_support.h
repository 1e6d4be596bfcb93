// Helpers for the PPD model tests: models read from text in memory, and the
// model's UTF-16 texts in a form that GoogleTest prints.
#pragma once

#include <memory>
#include <string>

#include "ppd/ppd_model.h"

namespace marlow {
namespace testing {

struct ReadResult {
    std::unique_ptr<PpdModel> model;
    PpdReadReport report;
};

// Reads the bytes of the string through ReadPpdModel, the way the plug-in
// reads a file.
ReadResult ReadPpdText(const std::string& bytes);

// The same model without the constraint index: its evaluations walk every
// constraint, the reference for the index.
ReadResult ReadPpdTextWithoutIndex(const std::string& bytes);

// The text with every unit below 0x80 as itself and every other as \uXXXX.
std::string Show(const PpdText& text);
std::string Show(const PpdConstraintText& text);
std::string Show(const char16_t* units, std::int32_t count);

// The feature with the keyword; fails the test when there is none.
const PpdFeature& FeatureNamed(const PpdModel& model, const char16_t* keyword);

// The constrained marks of the feature's options, as '1' and '0' in order.
std::string MarksOf(const PpdModel& model, const char16_t* keyword);

// The marks of every feature's options in model order, features separated
// by '|'.
std::string AllMarks(const PpdModel& model);

}  // namespace testing
}  // namespace marlow
