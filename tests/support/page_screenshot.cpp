// page_screenshot: a PNG of one of the plug-in's pages in a chosen language,
// as the sheet shows it on the display.
//
//   page_screenshot [--lang de-DE | --lang 1031] [--page job | --page layout] OUT.png
//
// The page is hosted as the tests host it (the test printer's PPD in Wine's
// spooler, CommonUIProp, DocumentPropertySheets, a modeless sheet), over the
// private section's defaults.
#include "host/document_pages.h"
#include "host/plugin_library.h"
#include "host/plugin_session.h"
#include "host/utf8_text.h"
#include "host/window_picture.h"
#include "program_arguments.h"
#include "temp_file.h"
#include "test_printer_ppd.h"
#include "thread_language.h"


#include <cstdio>
#include <string>

namespace {

using namespace marlow;

constexpr WORD kJobSettingsTemplate = 10000;
constexpr WORD kLayoutTemplate = 11001;

int Fail(const char* message) {
    std::fprintf(stderr, "page_screenshot: %s\n", message);
    return 1;
}

int Run(int argc, wchar_t** argv) {
    LANGID language = 0x0409;
    WORD templateId = kJobSettingsTemplate;
    std::wstring out;
    for (int i = 1; i < argc; ++i) {
        const std::wstring argument = argv[i];
        if (argument == L"--lang" && i + 1 < argc) {
            language = host::ParseLanguageName(argv[++i]);
            if (language == 0) return Fail("--lang takes en-US, de-DE, fr-FR, it-IT, ja-JP, nl-NL, pt-PT, es-ES or a number");
        } else if (argument == L"--page" && i + 1 < argc) {
            const std::wstring page = argv[++i];
            if (page != L"job" && page != L"layout") return Fail("--page takes job or layout");
            templateId = page == L"job" ? kJobSettingsTemplate : kLayoutTemplate;
        } else if (!argument.empty() && argument[0] != L'-' && out.empty()) {
            out = argument;
        } else {
            return Fail("usage: page_screenshot [--lang de-DE] [--page job|layout] OUT.png");
        }
    }
    if (out.empty()) return Fail("usage: page_screenshot [--lang de-DE] [--page job|layout] OUT.png");

    test::ThreadLanguage threadLanguage(language);
    test::TempFile ppd(test::kTestPrinterPpd);
    host::PluginSession session(host::GetProgramDirectory() + L"marlowui.dll",
                                test::MakeUniqueName(L"Marlow Screenshot"), ppd.Path());
    if (!session.IsReady()) return Fail(host::ToUtf8(session.Problem()).c_str());
    auto records = session.MakeDocumentSheet();
    if (FAILED(session.RunCommonUIProp(*records))) return Fail("CommonUIProp failed");
    host::DocumentPages pages(session.Plugin(), *records);
    if (FAILED(pages.AddPages())) return Fail("DocumentPropertySheets failed");
    if (pages.OpenPage(templateId) == nullptr) return Fail("the page is not on this sheet");
    const HRESULT hr = host::SaveWindowAsPng(pages.Sheet()->Window(), out);
    if (FAILED(hr)) return Fail("the picture could not be written (is there a display?)");
    std::printf("%s\n", host::ToUtf8(out).c_str());
    return 0;
}

}  // namespace

int main() { return marlow::test::RunWithArguments(Run); }
