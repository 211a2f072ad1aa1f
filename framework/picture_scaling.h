// Bitmaps that grow with their dialog. A dialog's controls follow its dialog
// units, and with them the screen's DPI, but a bitmap keeps its pixels: these
// show a bitmap over the whole of a frame, enlarged smoothly and keeping its
// proportions (what overhangs the frame is cut at the bottom, or evenly at
// the sides).
#ifndef FRAMEWORK_PICTURE_SCALING_H
#define FRAMEWORK_PICTURE_SCALING_H

#include <windows.h>

// The part of a width x height bitmap that covers a frameWidth x frameHeight
// frame: its whole width and its top rows, or its whole height and its
// middle columns.
RECT CoveringPart(int width, int height, int frameWidth, int frameHeight);

// HALFTONE stretching on dc, with the brush origin that it needs.
void UseSmoothStretching(HDC dc);

// Gives each picture control of the dialog (SS_BITMAP) that keeps the size of
// its template (SS_REALSIZECONTROL) a copy of its bitmap made to cover it.
void ScalePictures(HWND dialog);
// Deletes the pictures' bitmaps, which the controls never do; for a dialog
// that is going away.
void ReleasePictures(HWND dialog);

#endif
