// The font of both dialog templates, which differs by platform generation:
// point size, face, weight, italic, character set.
#ifndef MARLOW_RES_DIALOG_FONT_H
#define MARLOW_RES_DIALOG_FONT_H

#if _WIN32_WINNT >= 0x0600
#define MARLOW_DIALOG_FONT 9, "MS UI Gothic", 0, 0, 0x1
#else
#define MARLOW_DIALOG_FONT 8, "MS Shell Dlg", 400, 0, 0x80
#endif

#endif  // MARLOW_RES_DIALOG_FONT_H
