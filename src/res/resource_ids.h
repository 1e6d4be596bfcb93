// Identifiers of the library's resources: string tables, dialog templates and
// their controls, icons, preview bitmaps, manifest. Plain definitions only, so
// that the resource scripts and the C++ code read the same file.
#ifndef MARLOW_RES_RESOURCE_IDS_H
#define MARLOW_RES_RESOURCE_IDS_H

// ---------------------------------------------------------------------------
// Display names of the features that the plug-in looks after.
#define IDS_FEATURE_INPUT_SLOT 10001
#define IDS_FEATURE_RESOLUTION 10002
#define IDS_FEATURE_MEDIA_TYPE 10003
#define IDS_FEATURE_INSTALLED_MEMORY 10004
#define IDS_FEATURE_TRAY_UNIT 10005
#define IDS_FEATURE_DUPLEX_UNIT 10006
#define IDS_FEATURE_PAGE_SIZE 10007
#define IDS_FEATURE_SCREENS 10008
#define IDS_FEATURE_PURE_BLACK 10009
#define IDS_FEATURE_SHARPLINE 10010
#define IDS_FEATURE_TONER_SAVE 10011
#define IDS_FEATURE_IMAGE_PROTECT 10012
#define IDS_FEATURE_COLOR_MODE 10013
#define IDS_FEATURE_PRESS_SIMULATION 10014
#define IDS_FEATURE_RGB_SOURCE 10015
#define IDS_FEATURE_RENDERING_INTENT 10016
#define IDS_FEATURE_SIMULATION_METHOD 10017
#define IDS_FEATURE_SEPARATIONS 10018
#define IDS_FEATURE_OUTPUT_BIN 10019
#define IDS_FEATURE_DENSITY 10020
#define IDS_FEATURE_ROTATE_180 10021
#define IDS_FEATURE_OUTPUT_DIRECTION 10022
#define IDS_FEATURE_START_PAGE 10023
#define IDS_FEATURE_STACKER_UNIT 10024
#define IDS_FEATURE_DUPLEX 10025
#define IDS_FEATURE_AUTO_MONO 10026
#define IDS_FEATURE_OUTPUT 10027
#define IDS_FEATURE_COMPACT_FLASH 10028

// ---------------------------------------------------------------------------
// Layout page: title, labels and list entries.
#define IDS_LAYOUT_PAGE_TITLE 11002

#define IDS_ORIENTATION_LABEL 11050
#define IDS_DUPLEX_LABEL 11051
#define IDS_PAGE_ORDER_LABEL 11052
#define IDS_PAGE_FORMAT_GROUP 11053
#define IDS_PAGES_PER_SHEET_RADIO 11054
#define IDS_BOOKLET_RADIO 11055
#define IDS_NUP_DIRECTION_LABEL 11056
#define IDS_BOOKLET_EDGE_LABEL 11058
#define IDS_DRAW_BORDERS_CHECK 11059

// First entry of each list; entry i is first + i.
#define IDS_ORIENTATION_FIRST 11060   // portrait, landscape, rotated landscape
#define IDS_DUPLEX_FIRST 11065        // none, short edge, long edge
#define IDS_PAGE_ORDER_FIRST 11070    // front to back, back to front
#define IDS_PAGES_PER_SHEET_FIRST 11080  // 1, 2, 4, 6, 9, 16
#define IDS_NUP_DIRECTION_FIRST 11090    // right/down, down/right, left/down, down/left
#define IDS_BOOKLET_EDGE_FIRST 11095     // left edge, right edge

// ---------------------------------------------------------------------------
// Job settings page: title, labels, notice, captions and messages.
#define IDS_JOB_PAGE_TITLE 15001
#define IDS_USER_NAME 15002
#define IDS_JOB_NAME 15003
#define IDS_PASSWORD 15004
#define IDS_SAVE_ACCESS_CONTROL 15005
#define IDS_JOB_SETTINGS_GROUP 15006
#define IDS_ACCESS_CONTROL_NOTICE 20147

#define IDS_JOB_ERROR_CAPTION 25001
#define IDS_JOB_ENTER_USER_NAME 25002     // not shown by the page
#define IDS_JOB_ENTER_JOB_NAME 25003      // not shown by the page
#define IDS_RESERVE_JOB_SETTINGS 25004
#define IDS_REPRINT_JOB 25005
#define IDS_VERIFY_JOB 25006
#define IDS_CONFIDENTIAL_JOB 25007
#define IDS_JOB_TYPE 25008                // not shown by the page
#define IDS_JOB_PASSWORD_DIGITS 25009     // not shown by the page
#define IDS_JOB_NEEDS_NAMES 25010
#define IDS_JOB_NEEDS_PASSWORD 25011
#define IDS_JOB_INVALID_CHARACTERS 25012  // not shown by the page

// ---------------------------------------------------------------------------
// Dialog templates.
#define IDD_JOB_SETTINGS 10000
#define IDD_LAYOUT 11001

// Controls of the job settings page (10000).
#define IDC_ACCESS_USER_NAME 10002
#define IDC_ACCESS_PASSWORD 10004
#define IDC_ACCESS_USER_NAME_LABEL 10005
#define IDC_RESERVE_JOB 10006
#define IDC_ACCESS_PASSWORD_LABEL 10007
#define IDC_ACCESS_GROUP 10008
#define IDC_SAVE_ACCESS_CONTROL 10009
#define IDC_REPRINT_JOB 10010
#define IDC_VERIFY_JOB 10011
#define IDC_CONFIDENTIAL_JOB 10012
#define IDC_JOB_PASSWORD_GROUP 10013
#define IDC_JOB_PASSWORD 10014
#define IDC_JOB_USER_NAME_GROUP 10015
#define IDC_JOB_USER_NAME 10016
#define IDC_JOB_NAME_GROUP 10017
#define IDC_JOB_NAME 10018
#define IDC_ACCESS_NOTICE 10029
#define IDC_RESERVE_GROUP (-1)

// Controls of the layout page (11001).
#define IDC_ORIENTATION_LABEL 11003
#define IDC_ORIENTATION 11004
#define IDC_DUPLEX_LABEL 11005
#define IDC_DUPLEX 11006
#define IDC_PAGE_ORDER_LABEL 11007
#define IDC_PAGE_ORDER 11008
#define IDC_PAGE_FORMAT_GROUP 11009
#define IDC_PAGES_PER_SHEET_RADIO 11010
#define IDC_BOOKLET_RADIO 11011
#define IDC_PAGES_PER_SHEET 11012
#define IDC_NUP_DIRECTION_LABEL 11013
#define IDC_NUP_DIRECTION 11014
#define IDC_BOOKLET_EDGE_LABEL 11015
#define IDC_BOOKLET_EDGE 11016
#define IDC_DRAW_BORDERS 11017
#define IDC_PREVIEW_FRAME 11018

// ---------------------------------------------------------------------------
// Icons of the layout page's picture lists (20 by 20, 32 bits per pixel).
#define IDI_WARNING_SIGN 12001
#define IDI_PORTRAIT 12011
#define IDI_PORTRAIT_WARNING 12012
#define IDI_LANDSCAPE 12013
#define IDI_LANDSCAPE_WARNING 12014
#define IDI_ROTATED_LANDSCAPE 12015
#define IDI_ROTATED_LANDSCAPE_WARNING 12016
#define IDI_ONE_SIDED 12021
#define IDI_ONE_SIDED_WARNING 12022
#define IDI_PORTRAIT_SHORT_EDGE 12023
#define IDI_PORTRAIT_SHORT_EDGE_WARNING 12024
#define IDI_PORTRAIT_LONG_EDGE 12025
#define IDI_PORTRAIT_LONG_EDGE_WARNING 12026
#define IDI_LANDSCAPE_SHORT_EDGE 12027
#define IDI_LANDSCAPE_SHORT_EDGE_WARNING 12028
#define IDI_LANDSCAPE_LONG_EDGE 12029
#define IDI_LANDSCAPE_LONG_EDGE_WARNING 12030

// Preview bitmaps (200 by 170, 24 bits per pixel). Within a base family the
// picture for pages-per-sheet option N and variant v is first + 4 * N + v.
#define IDB_COLOR_PORTRAIT_FIRST 12101
#define IDB_COLOR_LANDSCAPE_FIRST 12151
#define IDB_GREY_PORTRAIT_FIRST 12201
#define IDB_GREY_LANDSCAPE_FIRST 12251
// Overlays: first + 3 * N binds on the left side of the sheet, first + 3 * N + 1
// on its top side.
#define IDB_OVERLAY_PORTRAIT_FIRST 12301
#define IDB_OVERLAY_LANDSCAPE_FIRST 12321

// Background colours left out when the pictures are drawn, as COLORREF values.
#define MARLOW_BASE_TRANSPARENT_COLOR 0x00808000
#define MARLOW_OVERLAY_TRANSPARENT_COLOR 0x00C9AEFF

// ---------------------------------------------------------------------------
// The manifest that the plug-in's activation context is made from.
#define IDR_MANIFEST 2

#endif  // MARLOW_RES_RESOURCE_IDS_H
