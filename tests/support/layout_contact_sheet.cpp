// layout_contact_sheet: one PNG with the Layout page as the display shows it
// for 32 settings - colour or greyscale, portrait or landscape, one, two or
// four pages per sheet or booklet, one-sided or two-sided (long edge) -
// each captioned with its settings.
//
//   layout_contact_sheet [--lang de-DE | --lang 1031] OUT.png
//
// The page is hosted as the tests host it (the test printer's PPD with its
// duplex unit installed, CommonUIProp, DocumentPropertySheets, a modeless
// sheet); before each picture the host's items are set and the sheet shows
// the page afresh, so that it rebuilds its controls from them.
#include "host/contact_sheet.h"
#include "host/document_pages.h"
#include "host/plugin_library.h"
#include "host/plugin_session.h"
#include "host/sheet_items.h"
#include "host/utf8_text.h"
#include "program_arguments.h"
#include "temp_file.h"
#include "test_printer_ppd.h"
#include "thread_language.h"


#include <cstdio>
#include <string>
#include <vector>

namespace {

using namespace marlow;

constexpr WORD kJobSettingsTemplate = 10000;
constexpr WORD kLayoutTemplate = 11001;
constexpr int kColumns = 8;

int Fail(const char* message) {
    std::fprintf(stderr, "layout_contact_sheet: %s\n", message);
    return 1;
}

struct Setting {
    LONG color;          // 1 colour, 0 greyscale
    LONG orientation;    // 0 portrait, 1 landscape
    LONG pagesPerSheet;  // 0, 1, 2 (1, 2, 4 pages) or 6 (booklet)
    LONG duplex;         // 0 one-sided, 2 long edge
};

std::wstring Caption(const Setting& s) {
    std::wstring caption = s.color == 1 ? L"colour, " : L"grey, ";
    caption += s.orientation == 0 ? L"portrait, " : L"landscape, ";
    const wchar_t* pages[] = {L"1 page", L"2 pages", L"4 pages"};
    caption += s.pagesPerSheet == 6 ? L"booklet" : pages[s.pagesPerSheet];
    caption += s.duplex == 0 ? L", 1-sided" : L", 2-sided";
    return caption;
}

std::vector<Setting> AllSettings() {
    std::vector<Setting> settings;
    for (LONG color : {1, 0})
        for (LONG orientation : {0, 1})
            for (LONG pages : {0, 1, 2, 6})
                for (LONG duplex : {0, 2}) settings.push_back({color, orientation, pages, duplex});
    return settings;
}

void SetSel(host::ItemArray& items, BYTE dmPubId, LONG sel) {
    if (OPTITEM* item = items.FindByDmPubId(dmPubId)) item->Sel = sel;
}

int Run(int argc, wchar_t** argv) {
    LANGID language = 0x0409;
    std::wstring out;
    const char* usage = "usage: layout_contact_sheet [--lang de-DE] OUT.png";
    for (int i = 1; i < argc; ++i) {
        const std::wstring argument = argv[i];
        if (argument == L"--lang" && i + 1 < argc) {
            language = test::ParseLanguageName(argv[++i]);
            if (language == 0) return Fail("--lang takes en-US, de-DE, fr-FR, it-IT, ja-JP, nl-NL, pt-PT, es-ES or a number");
        } else if (!argument.empty() && argument[0] != L'-' && out.empty()) {
            out = argument;
        } else {
            return Fail(usage);
        }
    }
    if (out.empty()) return Fail(usage);

    test::ThreadLanguage threadLanguage(language);
    test::TempFile ppd(test::kTestPrinterPpd);
    host::PluginSession session(host::GetProgramDirectory() + L"marlowui.dll",
                                test::MakeUniqueName(L"Marlow Contact Sheet"), ppd.Path());
    if (!session.IsReady()) return Fail(host::ToUtf8(session.Problem()).c_str());
    session.DriverUI().SetInstalledOption("QVDuplexOption", "True");
    auto records = session.MakeDocumentSheet();
    if (FAILED(session.RunCommonUIProp(*records))) return Fail("CommonUIProp failed");
    host::DocumentPages pages(session.Plugin(), *records);
    if (FAILED(pages.AddPages())) return Fail("DocumentPropertySheets failed");
    if (pages.OpenPage(kLayoutTemplate) == nullptr) return Fail("the Layout page is not on this sheet");
    const int layout = pages.FindPage(kLayoutTemplate);
    const int other = pages.FindPage(kJobSettingsTemplate);

    std::vector<host::ContactSheetTile> tiles;
    for (const Setting& setting : AllSettings()) {
        host::ItemArray& items = records->Items();
        SetSel(items, DMPUB_COLOR, setting.color);
        SetSel(items, DMPUB_ORIENTATION, setting.orientation);
        SetSel(items, DMPUB_NUP, setting.pagesPerSheet);
        SetSel(items, DMPUB_DUPLEX, setting.duplex);
        // Shown afresh: the page rebuilds its controls from the items.
        if (!pages.Sheet()->SelectPage(other) || !pages.Sheet()->SelectPage(layout)) {
            return Fail("the sheet did not go back to the Layout page");
        }
        host::ContactSheetTile tile;
        if (!host::CaptureWindow(pages.Sheet()->CurrentPage(), &tile.picture)) {
            return Fail("the page could not be captured (is there a display?)");
        }
        tile.caption = Caption(setting);
        tiles.push_back(std::move(tile));
    }
    if (FAILED(host::WriteContactSheet(tiles, kColumns, out))) return Fail("the contact sheet could not be written");
    std::printf("%s\n", host::ToUtf8(out).c_str());
    return 0;
}

}  // namespace

int main() { return marlow::test::RunWithArguments(Run); }
