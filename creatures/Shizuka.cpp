#include "creatures/Shizuka.h"

void TSHIZUKA::Show()
{
    DrawBitmap(Bitmaps[0]);
}
