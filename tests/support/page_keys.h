// A page fixture worked from the keyboard: presses a key by its name through
// the sheet's dialog manager and tells which control holds the focus.
#pragma once

#include "keyboard_walk.h"

#include <gtest/gtest.h>

namespace marlow::test {

template <class Page>
class PageKeys : public Page {
protected:
    void Press(const wchar_t* key) { ASSERT_TRUE(PressKey(this->Sheet(), key)) << "no key named " << key; }
    // The id of the page's control that holds the focus; 0 when it is elsewhere.
    int Focused() const {
        const HWND control = FindFocusedControl(this->page);
        return control != nullptr ? GetDlgCtrlID(control) : 0;
    }
};

}  // namespace marlow::test
