#include "creatures/Ikimono.h"

#include "sim/Tank.h"
#include "sim/TankWindow.h"

bool TIKIMONO::DrawnArea(TRect& area) const
{
    const int sx = X - TTankWindow::kScrollUnit * Window->ScrollX();
    const int sy = Y - TTankWindow::kScrollUnit * Window->ScrollY();
    // Visibility is judged on the full size at every stage.
    if (sx + Width < 0 || sy + Height < 0 || sx > Window->ClientWidth() || sy > Window->ClientHeight())
        return false;

    // Ages and growth compare as unsigned numbers; a growing creature grows right and down.
    const unsigned int growth = static_cast<unsigned int>(GeneGrowth);
    int w = Width / 2;
    int h = Height / 2;
    if (Giant == 1) {
        w = 2 * Width;
        h = 2 * Height;
    } else if (2u * growth < Age) {
        w = Width;
        h = Height;
    } else if (growth < Age) {
        w = Width / 4 * 3;
        h = Height / 4 * 3;
    }
    area = {sx, sy, sx + w, sy + h};
    return true;
}

void TIKIMONO::Erase()
{
    TRect area;
    if (DrawnArea(area))
        Blit(Tank_.BlankBitmap, area);
}

void TIKIMONO::DrawBitmap(HBITMAP bitmap)
{
    ++Age;
    TRect area;
    if (DrawnArea(area))
        Blit(bitmap, area);
}

void TIKIMONO::Blit(HBITMAP source, const TRect& area)
{
    // Outside a tick or a removal there are no contexts, and nothing may be drawn.
    if (!Tank_.WindowDC || !Tank_.MemoryDC)
        return;
    SelectObject(Tank_.MemoryDC, source);
    if (area.Width() == Width && area.Height() == Height)
        BitBlt(Tank_.WindowDC, area.Left, area.Top, Width, Height, Tank_.MemoryDC, 0, 0, SRCCOPY);
    else
        StretchBlt(Tank_.WindowDC, area.Left, area.Top, area.Width(), area.Height(), Tank_.MemoryDC, 0, 0, Width,
                   Height, SRCCOPY);
}
