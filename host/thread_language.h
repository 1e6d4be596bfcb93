// Sets the calling thread's user-interface language and locale, which the
// platform's resource loader reads, and puts the old ones back on
// destruction; and the language names the plug-in's string tables answer to.
#pragma once

#include "platform/windows_sdk.h"

namespace marlow::host {

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

// "en-US", "de-DE", "fr-FR", "it-IT", "ja-JP", "nl-NL", "pt-PT", "es-ES"
// (any case), or a language number ("1031", "0x407"); 0 for anything else.
[[nodiscard]] LANGID ParseLanguageName(const wchar_t* text);

}  // namespace marlow::host
