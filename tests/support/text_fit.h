// Whether a page's texts fit their controls, measured in each control's own
// font as the page shows it: for every visible static text, check box, radio
// button and group box, the text's extent plus what the control draws beside
// it (the box or circle of a check box or radio button, the margins around a
// group box's title) must fit the control's width, and a static text wrapped
// into its width (DrawText with DT_CALCRECT | DT_WORDBREAK) must fit its
// height. Works on any dialog page.
#pragma once

#include "platform/windows_sdk.h"

#include <string>
#include <vector>

namespace marlow::test {

struct ClippedText {
    int id;
    std::wstring text;
    SIZE needed;     // pixels the text needs, with the control's own parts
    SIZE available;  // the control's client area
};

std::vector<ClippedText> FindClippedTexts(HWND page);

// "control 10009 "Save ...": needs 190 x 13 px, has 177 x 18 px", one per line.
std::string DescribeClippedTexts(const std::vector<ClippedText>& clipped);

}  // namespace marlow::test
