// Whether a page's texts fit their controls, measured in each control's own
// font as the page shows it: for every visible static text, check box, radio
// button and group box, the text's extent plus what the control draws beside
// it (the box or circle of a check box or radio button, the margins around a
// group box's title) must fit the control's width, and a static text wrapped
// into its width (DrawText with DT_CALCRECT | DT_WORDBREAK) must fit its
// height. Every entry of a combo box must fit the closed box's item area
// (after the picture's room where an extended combo box has an image list)
// and the dropped list (less its scroll bar when not every entry shows).
// Works on any dialog page.
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

// Every text and list entry of the page with what it needs and has; id is
// the control's, text the label or the entry ("11006 entry 1" shows as
// text "entry: ...").
std::vector<ClippedText> MeasureTextFits(HWND page);

// Those of MeasureTextFits that do not fit.
std::vector<ClippedText> FindClippedTexts(HWND page);

// The fit with the fewest pixels to spare across: "control 11006 "...": 151 of
// 152 px".
std::string DescribeTightestFit(const std::vector<ClippedText>& fits);

// The page's window against the sheet's page area (the tab control's display
// area): empty when it lies inside, else both rectangles in the sheet's
// client coordinates.
std::string DescribePageOutsideSheetArea(HWND sheet, HWND page);

// The visible controls that reach past the page's template area, cx by cy
// dialog units in the page's own font (where the template put them,
// whatever size the sheet gave the page's window).
std::string DescribeControlsOutsideTemplate(HWND page, int cx, int cy);

// How the sheet sized the page, for the record: "sheet font Tahoma, 8 x 16 px
// a dialog unit base; page font ..., 7 x 15; the page's window 588 x 606 px;
// its template, 320 x 346 units in its own font, 640 x 650 px; in the
// sheet's font, ...".
std::string DescribePageSizing(HWND sheet, HWND page, int cx, int cy);

// The screen's dots per inch, as the program sees them.
int ReadScreenDpi();

// The visible controls that reach past the page's client area, one line each.
std::string DescribeControlsOutsidePage(HWND page);

// "control 10009 "Save ...": needs 190 x 13 px, has 177 x 18 px", one per line.
std::string DescribeClippedTexts(const std::vector<ClippedText>& clipped);

}  // namespace marlow::test
