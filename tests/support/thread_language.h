// Sets the calling thread's user-interface language and locale, which the
// platform's resource loader reads, and puts the old ones back on
// destruction.
#pragma once

#include "platform/windows_sdk.h"

namespace marlow::test {

class ThreadLanguage {
public:
    explicit ThreadLanguage(LANGID language);
    ~ThreadLanguage();
    ThreadLanguage(const ThreadLanguage&) = delete;
    ThreadLanguage& operator=(const ThreadLanguage&) = delete;

private:
    LANGID m_oldLanguage;
    LCID m_oldLocale;
};

}  // namespace marlow::test
