#include "pages/layout/layout_preview.h"

#include "pages/layout/layout_item_access.h"
#include "pages/layout/transparent_copy.h"
#include "platform/win32_handles.h"
#include "res/resource_ids.h"

namespace marlow {
namespace {

constexpr long long kLandscapeFamilyOffset = IDB_COLOR_LANDSCAPE_FIRST - IDB_COLOR_PORTRAIT_FIRST;

// An id computed from the host's values; 0 (no bitmap) outside the range of
// resource ids, which a hostile Sel could reach.
UINT ToBitmapId(long long id) noexcept { return id > 0 && id <= 0xFFFF ? static_cast<UINT>(id) : 0; }

bool IsLandscape(LONG orientation) noexcept { return orientation == 1 || orientation == 2; }

// The older build shows the first picture of each pages-per-sheet group.
LONG ChooseVariant(const PreviewSettings& s) noexcept {
    if (!kNewerPlatformGeneration) {
        return 0;
    }
    switch (s.pagesPerSheet) {
    case 0:
        return 0;
    case 1:
        return s.orientation == 0 && (s.direction == 2 || s.direction == 3) ? 1 : 0;
    case kBookletOption:
        return s.bookletEdge != 0 ? 1 : 0;
    default:
        return s.direction;
    }
}

// The overlay binds on the left side of the sheet (first + 3N) or on its top
// side (first + 3N + 1). With two or six pages the sheet lies turned against
// its pages, so the sides swap.
UINT ChooseOverlay(const PreviewSettings& s) noexcept {
    if ((s.duplex != 1 && s.duplex != 2) || (s.orientation != 0 && !IsLandscape(s.orientation)) ||
        s.pagesPerSheet == kBookletOption) {
        return 0;
    }
    const bool turned = s.pagesPerSheet == 1 || s.pagesPerSheet == 3;
    const bool shortEdge = s.duplex == 1;
    // Portrait binds the short edge on top, landscape on the left.
    bool top = s.orientation == 0 ? shortEdge : !shortEdge;
    if (turned) {
        top = !top;
    }
    const long long first = s.orientation == 0 ? IDB_OVERLAY_PORTRAIT_FIRST : IDB_OVERLAY_LANDSCAPE_FIRST;
    return ToBitmapId(first + 3LL * s.pagesPerSheet + (top ? 1 : 0));
}

// Pages per sheet and arrangements beyond the pictures would land on the id
// of another picture: no picture at all for them.
bool HasPicture(const PreviewSettings& s) noexcept {
    if (s.pagesPerSheet < 0 || s.pagesPerSheet > kBookletOption) {
        return false;
    }
    const bool arranged = kNewerPlatformGeneration && s.pagesPerSheet >= 2 && s.pagesPerSheet <= 5;
    return !arranged || (s.direction >= 0 && s.direction <= 3);
}

void UpdateLast(LONG* setting, const OPTITEM& item, BYTE dmPubId, BYTE wanted) noexcept {
    if (dmPubId == wanted) {
        *setting = item.Sel;
    }
}

// The size of a loaded bitmap.
SIZE GetBitmapSize(HBITMAP bitmap) noexcept {
    BITMAP info = {};
    if (GetObjectW(bitmap, sizeof(info), &info) == 0) {
        return SIZE{0, 0};
    }
    return SIZE{info.bmWidth, info.bmHeight};
}

void FillWithWindowColour(HDC dc, int x, int y, int width, int height) noexcept {
    const UniqueGdiObject<HBRUSH> brush(CreateSolidBrush(GetSysColor(COLOR_WINDOW)));
    const UniqueSelection selection = SelectIntoDc(dc, brush.Get());
    static_cast<void>(PatBlt(dc, x, y, width, height, PATCOPY));
}

UniqueBitmap LoadPreviewBitmap(const OEMCUIPPARAM& param, UINT id) noexcept {
    if (id == 0) {
        return UniqueBitmap();
    }
    return UniqueBitmap(LoadBitmapW(static_cast<HINSTANCE>(param.hModule), MAKEINTRESOURCEW(id)));
}

// The base with the overlay laid over it, on the window colour, into the
// composition context; the size drawn, or 0 by 0 when nothing is.
SIZE ComposePreview(HDC paintDc, HDC pictureDc, HDC compositionDc, const OEMCUIPPARAM& param,
                    const PreviewBitmaps& bitmaps, UniqueBitmap* composed) noexcept {
    const UniqueBitmap base = LoadPreviewBitmap(param, bitmaps.base);
    const UniqueBitmap overlay = LoadPreviewBitmap(param, bitmaps.overlay);
    if (!base) {
        return SIZE{0, 0};
    }
    const SIZE size = GetBitmapSize(base.Get());
    const UniqueSelection baseSelection = SelectIntoDc(pictureDc, base.Get());
    if (overlay) {
        const SIZE overlaySize = GetBitmapSize(overlay.Get());
        const UniqueMemoryDc overlayDc(CreateCompatibleDC(paintDc));
        const UniqueSelection overlaySelection = SelectIntoDc(overlayDc.Get(), overlay.Get());
        if (overlaySelection) {
            DrawTransparent(pictureDc, size.cx, size.cy, overlayDc.Get(), overlaySize.cx, overlaySize.cy,
                            MARLOW_OVERLAY_TRANSPARENT_COLOR);
        }
    }
    composed->Reset(CreateCompatibleBitmap(pictureDc, size.cx, size.cy));
    if (!*composed) {
        return SIZE{0, 0};
    }
    const UniqueSelection compositionSelection = SelectIntoDc(compositionDc, composed->Get());
    FillWithWindowColour(compositionDc, 0, 0, size.cx, size.cy);
    DrawTransparent(compositionDc, size.cx, size.cy, pictureDc, size.cx, size.cy, MARLOW_BASE_TRANSPARENT_COLOR);
    return size;
}

}  // namespace

PreviewSettings ReadPreviewSettings(const OPTITEM* pItems, DWORD cItems) noexcept {
    PreviewSettings settings;
    for (DWORD i = 0; pItems != nullptr && i < cItems; ++i) {
        const OPTITEM& item = pItems[i];
        UpdateLast(&settings.color, item, item.DMPubID, DMPUB_COLOR);
        UpdateLast(&settings.orientation, item, item.DMPubID, DMPUB_ORIENTATION);
        UpdateLast(&settings.duplex, item, item.DMPubID, DMPUB_DUPLEX);
        UpdateLast(&settings.pagesPerSheet, item, item.DMPubID, DMPUB_NUP);
        if (kNewerPlatformGeneration) {
            UpdateLast(&settings.direction, item, item.DMPubID, kNupDirectionItem);
            UpdateLast(&settings.bookletEdge, item, item.DMPubID, kBookletEdgeItem);
        }
    }
    return settings;
}

PreviewBitmaps ChoosePreviewBitmaps(const PreviewSettings& settings) noexcept {
    PreviewBitmaps bitmaps;
    if (!HasPicture(settings)) {
        return bitmaps;
    }
    bitmaps.base = IDB_COLOR_PORTRAIT_FIRST;
    const bool knownColour = settings.color == 0 || settings.color == 1;
    const bool knownOrientation = settings.orientation == 0 || IsLandscape(settings.orientation);
    if (knownColour && knownOrientation) {
        long long base = settings.color == 1 ? IDB_COLOR_PORTRAIT_FIRST : IDB_GREY_PORTRAIT_FIRST;
        if (IsLandscape(settings.orientation)) {
            base += kLandscapeFamilyOffset;
        }
        bitmaps.base = ToBitmapId(base + 4LL * settings.pagesPerSheet + ChooseVariant(settings));
    }
    bitmaps.overlay = ChooseOverlay(settings);
    return bitmaps;
}

PreviewBitmaps ChoosePreviewBitmaps(const OPTITEM* pItems, DWORD cItems) noexcept {
    if (pItems == nullptr) {
        return PreviewBitmaps{IDB_COLOR_PORTRAIT_FIRST, 0};
    }
    return ChoosePreviewBitmaps(ReadPreviewSettings(pItems, cItems));
}

void PaintLayoutPreview(HWND hDlg, const OEMCUIPPARAM& param) noexcept {
    RECT area = {};
    GetWindowRect(GetDlgItem(hDlg, IDC_PREVIEW_FRAME), &area);
    MapWindowPoints(nullptr, hDlg, reinterpret_cast<POINT*>(&area), 2);
    const int width = area.right - area.left;
    const int height = area.bottom - area.top;

    PAINTSTRUCT paint = {};
    const HDC paintDc = BeginPaint(hDlg, &paint);
    if (paintDc == nullptr) {
        return;
    }
    {
        const UniqueMemoryDc pictureDc(CreateCompatibleDC(paintDc));
        const UniqueMemoryDc compositionDc(CreateCompatibleDC(paintDc));
        const PreviewBitmaps bitmaps = ChoosePreviewBitmaps(param.pDrvOptItems, param.cDrvOptItems);
        FillWithWindowColour(paintDc, area.left, area.top, width, height);
        if (pictureDc && compositionDc) {
            UniqueBitmap composed;
            const SIZE size = ComposePreview(paintDc, pictureDc.Get(), compositionDc.Get(), param, bitmaps, &composed);
            if (size.cx > 0 && size.cy > 0) {
                const int x = area.left + (width - size.cx) / 2;
                const int y = area.top + (height - size.cy) / 2;
                const UniqueSelection selection = SelectIntoDc(compositionDc.Get(), composed.Get());
                static_cast<void>(BitBlt(paintDc, x, y, size.cx, size.cy, compositionDc.Get(), 0, 0, SRCCOPY));
            }
        }
    }
    EndPaint(hDlg, &paint);
}

}  // namespace marlow
