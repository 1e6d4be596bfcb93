// All of a run's pictures on one, read back from their files in the
// screenshots folder: the sheet runs and the installed driver's runs write it.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace marlow::host {

constexpr wchar_t kContactSheetName[] = L"contact-sheet.png";
constexpr int kContactSheetColumns = 3;

// Writes kContactSheetName into the folder, one captioned tile a picture.
[[nodiscard]] HRESULT WritePicturesContactSheet(const std::wstring& folder, const std::vector<std::wstring>& names);

}  // namespace marlow::host
