#include "creatures/Batabata.h"

void TBATABATA::Show()
{
    Frame = Frame == 0 ? 1 : 0;
    DrawBitmap(Bitmaps[Frame]);
}
