#include "thread_language.h"

namespace marlow::test {
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

}  // namespace marlow::test
