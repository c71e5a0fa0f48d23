#include "geometry/Transform.h"

void TransformBitmap(TBitmap32 &Bitmap, int Kind)
{
    switch (Kind) {
    case tkTurnRight:
        Bitmap.Rotate90();
        break;
    case tkTurnHalf:
        Bitmap.Rotate180();
        break;
    case tkTurnLeft:
        Bitmap.Rotate270();
        break;
    case tkMirrorHorz:
        Bitmap.FlipHorz();
        break;
    case tkMirrorVert:
        Bitmap.FlipVert();
        break;
    default:
        break;
    }
}
