// Sets the calling thread's user-interface language and locale, which the
// platform's resource loader reads, and puts the old ones back on
// destruction.
#pragma once

#include "platform/windows_sdk.h"

namespace marlow::test {

// A language of the plug-in's string tables by its name (en-US, which reads
// the neutral table, de-DE, fr-FR, it-IT, ja-JP, nl-NL, pt-PT, es-ES,
// case-insensitive) or by its number (1031 or 0x407); 0 for anything else.
LANGID ParseLanguageName(const wchar_t* text);

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
