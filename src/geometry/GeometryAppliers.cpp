#include "geometry/GeometryAppliers.h"

#include "geometry/Resize.h"
#include "geometry/Transform.h"
#include "history/ReplayEngine.h"

TOpRecord SizeChangeRecord(int AW, int AH)
{
    TOpRecord record(rkSizeChange);
    record.Set("AW", AW).Set("AH", AH);
    return record;
}

TOpRecord RotateRecord(int Kind)
{
    TOpRecord record(rkRotate);
    record.Set("ARotate_Index", Kind);
    return record;
}

void UndoRedo_SizeChange(TBitmap32 &canvas, int AW, int AH)
{
    ResizeBitmap(canvas, canvas, AW, AH, rmPixels);
}

int RotateKindOfRecord(int ARotate_Index)
{
    return ARotate_Index >= tkTurnHalf && ARotate_Index <= tkMirrorVert ? ARotate_Index : tkTurnRight;
}

void UndoRedo_Rotate(TBitmap32 &canvas, int ARotate_Index)
{
    TransformBitmap(canvas, RotateKindOfRecord(ARotate_Index));
}

void RegisterGeometryAppliers(TApplierTable &table)
{
    table.Register(rkSizeChange, -1, [](const TOpRecord &record, TReplayContext &context) -> TImageLayer * {
        UndoRedo_SizeChange(context.View.Bitmap(), record.Int("AW"), record.Int("AH"));
        return nullptr;
    });
    table.Register(rkRotate, -1, [](const TOpRecord &record, TReplayContext &context) -> TImageLayer * {
        UndoRedo_Rotate(context.View.Bitmap(), record.Int("ARotate_Index"));
        return nullptr;
    });
}
