// The tour's pictures, as marlowhost writes them: one per page of the sheet
// and one per screenshot step, each the sheet's size and none of them blank,
// and the contact sheet of them all.
#include "host/contact_sheet.h"
#include "host/plugin_library.h"
#include "host/window_picture.h"
#include "platform/win32_handles.h"
#include "temp_file.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

namespace marlow::host {
namespace {

// Runs marlowhost.exe beside this program and waits for it; its output goes
// nowhere. Returns its exit status, or -1 when it did not start.
long RunHostProgram(const std::wstring& arguments) {
    SECURITY_ATTRIBUTES inherit = {sizeof(inherit), nullptr, TRUE};
    const UniqueFileHandle nowhere(CreateFileW(L"NUL", GENERIC_WRITE, FILE_SHARE_WRITE, &inherit,
                                               OPEN_EXISTING, 0, nullptr));
    STARTUPINFOW startup = {};
    startup.cb = sizeof(startup);
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdOutput = nowhere.Get();
    startup.hStdError = nowhere.Get();
    std::wstring commandLine = L"\"" + GetProgramDirectory() + L"marlowhost.exe\" " + arguments;
    PROCESS_INFORMATION process = {};
    if (!CreateProcessW(nullptr, &commandLine[0], nullptr, nullptr, TRUE, 0, nullptr, nullptr,
                        &startup, &process)) {
        return -1;
    }
    const UniqueKernelHandle processHandle(process.hProcess);
    const UniqueKernelHandle threadHandle(process.hThread);
    WaitForSingleObject(process.hProcess, INFINITE);
    DWORD status = 0;
    GetExitCodeProcess(process.hProcess, &status);
    return static_cast<long>(status);
}

// The spread of the pixels' brightness: 0 for a picture of one colour.
double MeasureBrightnessSpread(const Picture& picture) {
    double sum = 0;
    double squares = 0;
    for (std::uint32_t pixel : picture.pixels) {
        const double brightness = ((pixel >> 16) & 0xFF) + ((pixel >> 8) & 0xFF) + (pixel & 0xFF);
        sum += brightness;
        squares += brightness * brightness;
    }
    const double count = static_cast<double>(picture.pixels.size());
    return count == 0 ? 0 : std::sqrt(squares / count - (sum / count) * (sum / count));
}

int CountWarningSignPixels(const Picture& picture) {
    int count = 0;
    for (std::uint32_t pixel : picture.pixels) {
        count += pixel == 0x00FFCC00 ? 1 : 0;  // the sign's yellow
    }
    return count;
}

class TourPictures : public testing::Test {
protected:
    void SetUp() override {
        wchar_t temp[MAX_PATH] = {};
        GetTempPathW(MAX_PATH, temp);
        folder_ = std::wstring(temp) + test::MakeUniqueName(L"marlow tour ") + L"-" +
                  std::to_wstring(GetCurrentProcessId());
        ASSERT_TRUE(CreateDirectoryW(folder_.c_str(), nullptr));
    }
    void TearDown() override {
        for (const std::wstring& name : written_) DeleteFileW((folder_ + L"\\" + name).c_str());
        RemoveDirectoryW(folder_.c_str());
    }

    std::wstring folder_;
    std::vector<std::wstring> written_;
};

TEST_F(TourPictures, OnePerPageAndStepOfTheSheetsSizeNoneBlankAndAContactSheet) {
    const std::vector<std::wstring> expected = {
        L"page-1-advanced.png",     L"page-2-layout.png",     L"page-3-extended-settings.png",
        L"items-after-changes.png", L"layout-booklet.png",    L"job-name-missing.png",
        L"confidential-job.png",    L"contact-sheet.png"};
    written_ = expected;
    ASSERT_EQ(0, RunHostProgram(L"--script \"" + std::wstring(L"" MARLOW_TOUR) + L"\" --screenshots \"" +
                                folder_ + L"\""));

    Picture first;
    ASSERT_EQ(S_OK, ReadPngAsPicture(folder_ + L"\\" + expected[0], &first));
    EXPECT_GE(first.width, 400) << "the sheet is narrower than its pages";
    EXPECT_GE(first.height, 400);
    for (std::size_t i = 0; i + 1 < expected.size(); ++i) {
        Picture picture;
        ASSERT_EQ(S_OK, ReadPngAsPicture(folder_ + L"\\" + expected[i], &picture)) << expected[i].c_str();
        EXPECT_EQ(first.width, picture.width) << expected[i].c_str();
        EXPECT_EQ(first.height, picture.height) << expected[i].c_str();
        EXPECT_GT(MeasureBrightnessSpread(picture), 20.0) << expected[i].c_str() << " looks blank";
    }
    // The warning sign: none while no item stands at a ruled-out choice; on
    // the paper source's row and its ruled-out cassettes once it stands at one.
    EXPECT_EQ(0, CountWarningSignPixels(first));
    Picture items;
    ASSERT_EQ(S_OK, ReadPngAsPicture(folder_ + L"\\items-after-changes.png", &items));
    EXPECT_GT(CountWarningSignPixels(items), 4 * 20) << "four signs: the item and cassettes 2 to 4";

    // The pages differ from each other: each picture shows its own page.
    Picture layout;
    ASSERT_EQ(S_OK, ReadPngAsPicture(folder_ + L"\\" + expected[1], &layout));
    EXPECT_NE(first.pixels, layout.pixels);

    Picture contact;
    ASSERT_EQ(S_OK, ReadPngAsPicture(folder_ + L"\\contact-sheet.png", &contact));
    EXPECT_GE(contact.width, 3 * first.width) << "three pictures a row";
    EXPECT_GE(contact.height, 3 * first.height) << "seven pictures in three rows";

    WIN32_FIND_DATAW found = {};
    int files = 0;
    const HANDLE search = FindFirstFileW((folder_ + L"\\*.png").c_str(), &found);
    if (search != INVALID_HANDLE_VALUE) {
        do {
            ++files;
        } while (FindNextFileW(search, &found));
        FindClose(search);
    }
    EXPECT_EQ(static_cast<int>(expected.size()), files) << "no picture more or less than the tour's";
}

TEST_F(TourPictures, ABadStepEndsWithStatusOneAndKeepsThePicturesTakenBeforeIt) {
    EXPECT_EQ(1, RunHostProgram(L"-e \"page Layout\" -e \"screenshot before\" -e \"click Nowhere\" --screenshots \"" +
                                folder_ + L"\""));
    written_ = {L"page-1-advanced.png", L"page-2-layout.png", L"page-3-extended-settings.png",
                L"before.png", L"contact-sheet.png"};
    // What was done before the bad step is kept, the contact sheet included.
    for (const std::wstring& name : written_) {
        EXPECT_NE(INVALID_FILE_ATTRIBUTES, GetFileAttributesW((folder_ + L"\\" + name).c_str())) << name.c_str();
    }
}

}  // namespace
}  // namespace marlow::host
