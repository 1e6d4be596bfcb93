#include "pages/layout/layout_lists.h"

#include "core/resource_string.h"

namespace marlow {
namespace {

UniqueHeapText LoadEntryText(const OEMCUIPPARAM& param, UINT textId) noexcept {
    return LoadResourceString(static_cast<HMODULE>(param.hModule), param.hOEMHeap, textId);
}

int CountEntries(HWND list) noexcept {
    const LRESULT count = SendMessageW(list, CB_GETCOUNT, 0, 0);
    return count > 0 ? static_cast<int>(count) : 0;
}

// The position of the entry that stands for option; -1 when there is none.
int FindOptionPosition(HWND list, LONG option) noexcept {
    const int count = CountEntries(list);
    for (int position = 0; position < count; ++position) {
        if (SendMessageW(list, CB_GETITEMDATA, static_cast<WPARAM>(position), 0) == option) {
            return position;
        }
    }
    return -1;
}

}  // namespace

void EmptyList(HWND list) noexcept { SendMessageW(list, CB_RESETCONTENT, 0, 0); }

void AppendPictureEntry(HWND list, const OEMCUIPPARAM& param, UINT textId, int image,
                        LONG option) noexcept {
    const UniqueHeapText text = LoadEntryText(param, textId);
    if (!text) {
        return;
    }
    COMBOBOXEXITEMW entry = {};
    entry.mask = CBEIF_TEXT | CBEIF_IMAGE | CBEIF_SELECTEDIMAGE | CBEIF_INDENT | CBEIF_LPARAM;
    entry.iItem = CountEntries(list);
    entry.pszText = text.Get();
    entry.iImage = image;
    entry.iSelectedImage = image;
    entry.iIndent = 0;
    entry.lParam = option;
    SendMessageW(list, CBEM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&entry));
}

void AppendTextEntry(HWND list, const OEMCUIPPARAM& param, UINT textId, LONG option) noexcept {
    const UniqueHeapText text = LoadEntryText(param, textId);
    if (!text) {
        return;
    }
    const LRESULT position =
        SendMessageW(list, CB_INSERTSTRING, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(text.Get()));
    if (position >= 0) {
        SendMessageW(list, CB_SETITEMDATA, static_cast<WPARAM>(position), option);
    }
}

void SelectListOption(HWND list, LONG option) noexcept {
    SendMessageW(list, CB_SETCURSEL, static_cast<WPARAM>(FindOptionPosition(list, option)), 0);
}

LONG GetListOption(HWND list) noexcept {
    const LRESULT position = SendMessageW(list, CB_GETCURSEL, 0, 0);
    if (position < 0) {
        return kNoListOption;
    }
    const LRESULT option = SendMessageW(list, CB_GETITEMDATA, static_cast<WPARAM>(position), 0);
    return option == CB_ERR ? kNoListOption : static_cast<LONG>(option);
}

}  // namespace marlow
