#include "host/thread_language.h"

#include <cwchar>

namespace marlow::host {
namespace {

// The thread's UI language functions are declared for the 6.0 generation
// only; look them up so that every build's tests can use them.
using GetThreadUILanguageFn = LANGID(WINAPI*)();
using SetThreadUILanguageFn = LANGID(WINAPI*)(LANGID);

template <typename Fn>
Fn LookUpKernelFunction(const char* pszName) {
    HMODULE hKernel = GetModuleHandleW(L"kernel32.dll");
    return hKernel == nullptr
               ? nullptr
               : reinterpret_cast<Fn>(reinterpret_cast<void*>(GetProcAddress(hKernel, pszName)));
}

LANGID GetUILanguage() {
    auto pfn = LookUpKernelFunction<GetThreadUILanguageFn>("GetThreadUILanguage");
    return pfn != nullptr ? pfn() : 0;
}

void SetUILanguage(LANGID language) {
    auto pfn = LookUpKernelFunction<SetThreadUILanguageFn>("SetThreadUILanguage");
    if (pfn != nullptr) {
        pfn(language);
    }
}

}  // namespace

ThreadLanguage::ThreadLanguage(LANGID language)
    : m_oldLanguage(GetUILanguage()), m_oldLocale(GetThreadLocale()) {
    SetUILanguage(language);
    SetThreadLocale(MAKELCID(language, SORT_DEFAULT));
}

ThreadLanguage::~ThreadLanguage() {
    SetThreadLocale(m_oldLocale);
    SetUILanguage(m_oldLanguage);
}

LANGID ParseLanguageName(const wchar_t* text) {
    struct NamedLanguage {
        const wchar_t* name;
        LANGID id;
    };
    // The languages of the plug-in's string tables (en-US reads the neutral one).
    static constexpr NamedLanguage kLanguages[] = {
        {L"en-US", 0x0409}, {L"de-DE", 1031}, {L"fr-FR", 1036}, {L"it-IT", 1040},
        {L"ja-JP", 1041},   {L"nl-NL", 1043}, {L"pt-PT", 2070}, {L"es-ES", 3082}};
    if (text == nullptr) return 0;
    for (const NamedLanguage& language : kLanguages) {
        if (_wcsicmp(language.name, text) == 0) return language.id;
    }
    wchar_t* end = nullptr;
    const unsigned long id = std::wcstoul(text, &end, 0);
    return end != text && *end == L'\0' && id > 0 && id <= 0xFFFF ? static_cast<LANGID>(id) : 0;
}

}  // namespace marlow::host
