// Watches this thread for a modal property sheet that someone else creates
// and runs (compstui under DocumentPropertiesW, for one): the first
// top-level dialog activated while the watch lives is taken to be the sheet,
// and once its own loop runs and it has a current page, whenShown sees it
// from inside that loop.
#pragma once

#include "platform/windows_sdk.h"

#include <functional>

namespace marlow::host {

class ShownSheetWatch {
public:
    explicit ShownSheetWatch(std::function<void(HWND sheet)> whenShown);
    ~ShownSheetWatch();
    ShownSheetWatch(const ShownSheetWatch&) = delete;
    ShownSheetWatch& operator=(const ShownSheetWatch&) = delete;

    // Whether whenShown ran.
    bool WasShown() const { return bShown_; }

private:
    static LRESULT CALLBACK WatchActivations(int code, WPARAM wParam, LPARAM lParam);
    static LRESULT CALLBACK HandleShown(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                                        DWORD_PTR data);

    std::function<void(HWND)> whenShown_;
    HHOOK hook_ = nullptr;
    HWND sheet_ = nullptr;
    bool bShown_ = false;
};

}  // namespace marlow::host
