#pragma once
// The "크기변경" and "회전" records: their texts and their appliers.

#include "history/OpRecord.h"
#include "platform/Bitmap32.h"

class TApplierTable;

TOpRecord SizeChangeRecord(int AW, int AH);
TOpRecord RotateRecord(int Kind);

// Resizes the raster to AW x AH pixels (the raster alone, no layers).
void UndoRedo_SizeChange(TBitmap32 &canvas, int AW, int AH);
// Kinds 1 to 4 pass through; any other value turns clockwise (kind 0).
int RotateKindOfRecord(int ARotate_Index);
void UndoRedo_Rotate(TBitmap32 &canvas, int ARotate_Index);

void RegisterGeometryAppliers(TApplierTable &table);
