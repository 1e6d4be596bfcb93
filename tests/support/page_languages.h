// The eight languages the pages speak, for tests run once in each: the
// name names the test case, the id is the thread language to set.
#pragma once

#include "platform/windows_sdk.h"

#include <gtest/gtest.h>

#include <string>

namespace marlow::test {

struct PageLanguage {
    const char* name;
    LANGID id;
};

inline constexpr PageLanguage kPageLanguages[] = {
    {"neutral", 0x0409}, {"German", 1031}, {"French", 1036},     {"Italian", 1040},
    {"Japanese", 1041},  {"Dutch", 1043},  {"Portuguese", 2070}, {"Spanish", 3082}};

// The test case's name for INSTANTIATE_TEST_SUITE_P: "German".
inline std::string NamePageLanguage(const ::testing::TestParamInfo<PageLanguage>& info) {
    return std::string(info.param.name);
}

}  // namespace marlow::test
