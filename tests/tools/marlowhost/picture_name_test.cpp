// The names of the pages' pictures, made from tab titles in the plug-in's
// languages and from titles a name cannot be made of.
#include "picture_name.h"

#include <gtest/gtest.h>

namespace marlow::host {
namespace {

TEST(PictureName, KeepsTheTitleReadableInPlainLetters) {
    struct Case {
        const wchar_t* title;
        const wchar_t* slug;
    };
    const Case cases[] = {
        {L"Extended Settings", L"extended-settings"},
        {L"Configuraci\u00f3n avanzada", L"configuracion-avanzada"},
        {L"Dise\u00f1o", L"diseno"},
        {L"Param\u00e8tres \u00e9tendus", L"parametres-etendus"},
        {L"Defini\u00e7\u00f5es expandidas", L"definicoes-expandidas"},
        {L"Gr\u00d6\u00dfE \u00c6\u0152 \u00de", L"grosse-aeoe-th"},
        {L"  Page 1 / 2 \u00d7 3  ", L"page-1-2-3"},
        {L"\u62e1\u5f35\u8a2d\u5b9a", L""},
        {L"\u30ec\u30a4\u30a2\u30a6\u30c8 A4", L"a4"},
        {L"", L""},
        {L"---", L""},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(std::wstring(c.slug), MakePictureSlug(c.title));
    }
}

}  // namespace
}  // namespace marlow::host
