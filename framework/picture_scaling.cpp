#include "framework/picture_scaling.h"

namespace {

bool IsScaledPicture(HWND control)
{
    char className[16];
    const LONG style = GetWindowLongA(control, GWL_STYLE);
    return GetClassNameA(control, className, sizeof className) > 0 &&
           lstrcmpiA(className, "Static") == 0 && (style & SS_TYPEMASK) == SS_BITMAP &&
           (style & SS_REALSIZECONTROL) != 0;
}

// A 24-bit copy of bitmap, width x height, covered by it; null when GDI has
// no room. Not 32 bits: the control would take stray alpha bytes for a
// transparent picture.
HBITMAP CoveringCopy(HBITMAP bitmap, int width, int height)
{
    BITMAP source;
    if (bitmap == nullptr || GetObjectA(bitmap, sizeof source, &source) == 0)
        return nullptr;
    BITMAPINFO info{};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), width, -height, 1, 24, BI_RGB, 0, 0, 0, 0, 0};
    void *bits = nullptr;
    HBITMAP copy = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HDC sourceDc = CreateCompatibleDC(nullptr);
    HDC copyDc = CreateCompatibleDC(nullptr);
    if (copy != nullptr && sourceDc != nullptr && copyDc != nullptr) {
        const HGDIOBJ oldSource = SelectObject(sourceDc, bitmap);
        const HGDIOBJ oldCopy = SelectObject(copyDc, copy);
        const RECT part = CoveringPart(source.bmWidth, source.bmHeight, width, height);
        UseSmoothStretching(copyDc);
        StretchBlt(copyDc, 0, 0, width, height, sourceDc, part.left, part.top,
                   part.right - part.left, part.bottom - part.top, SRCCOPY);
        SelectObject(copyDc, oldCopy);
        SelectObject(sourceDc, oldSource);
    } else if (copy != nullptr) {
        DeleteObject(copy);
        copy = nullptr;
    }
    if (copyDc != nullptr)
        DeleteDC(copyDc);
    if (sourceDc != nullptr)
        DeleteDC(sourceDc);
    return copy;
}

HBITMAP SetPicture(HWND control, HBITMAP bitmap)
{
    return reinterpret_cast<HBITMAP>(
        SendMessageA(control, STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(bitmap)));
}

template <typename Action>
void ForEachScaledPicture(HWND dialog, Action action)
{
    for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        if (IsScaledPicture(child))
            action(child);
    }
}

} // namespace

RECT CoveringPart(int width, int height, int frameWidth, int frameHeight)
{
    // The frame is relatively wider than the bitmap: all columns, fewer rows.
    if (static_cast<long long>(frameWidth) * height >= static_cast<long long>(frameHeight) * width)
        return {0, 0, width, MulDiv(width, frameHeight, frameWidth)};
    const int columns = MulDiv(height, frameWidth, frameHeight);
    const int left = (width - columns) / 2;
    return {left, 0, left + columns, height};
}

void UseSmoothStretching(HDC dc)
{
    SetStretchBltMode(dc, HALFTONE);
    SetBrushOrgEx(dc, 0, 0, nullptr);
}

void ScalePictures(HWND dialog)
{
    ForEachScaledPicture(dialog, [](HWND picture) {
        RECT frame;
        GetClientRect(picture, &frame);
        const auto loaded = reinterpret_cast<HBITMAP>(
            SendMessageA(picture, STM_GETIMAGE, IMAGE_BITMAP, 0));
        // Without a copy the control stretches the loaded bitmap itself, coarsely.
        HBITMAP scaled = CoveringCopy(loaded, frame.right, frame.bottom);
        if (scaled != nullptr)
            DeleteObject(SetPicture(picture, scaled));
    });
}

void ReleasePictures(HWND dialog)
{
    ForEachScaledPicture(dialog, [](HWND picture) { DeleteObject(SetPicture(picture, nullptr)); });
}
