// The record kinds, one layout each: the groups in writing order and the
// applier that runs them again.

#include "history/OpRecord.h"

namespace {

const char *const KindNames[] = {"크기변경", "자르기", "회전", "적목제거", "액자", "필터",
                                 "그림판", "말풍선", "텍스트상자", "스티커", "회레이어지우기"};

std::vector<TRecordLayout> MakeLayouts()
{
    const TGroupLayout listTag = {{"AListTag", ftInt}};
    const TGroupLayout scale = {{"AScale", ftScale}};
    return {
        {rkSizeChange, -1, "UndoRedo_SizeChange", rrRaster, {{{"AW", ftInt}, {"AH", ftInt}}}},
        {rkCut, -1, "UndoRedo_Cut", rrRaster, {{{"ARect", ftRect}}}},
        {rkRotate, -1, "UndoRedo_Rotate", rrRaster, {{{"ARotate_Index", ftInt}}}},
        {rkRedEye, -1, "UndoRedo_RedEye", rrRaster,
         {{{"ARect", ftRect}}, {{"ACount", ftInt}}, {{"AValue", ftInt}}}},
        {rkAlbum, -1, "UndoRedo_Album", rrRaster, {{{"APath", ftText}}, {{"ABool_Int", ftInt}}}},

        {rkFilter, 0, "UndoRedo_FIlter_0", rrRaster,
         {{{"AIndex", ftInt}}, {{"AFilterName", ftText}}, {{"AValue1", ftInt}}, {{"AValue2", ftInt}},
          {{"AValue3", ftInt}}}},
        {rkFilter, 1, "UndoRedo_FIlter_1", rrRaster,
         {{{"AIndex", ftInt}}, {{"AFileIndex", ftInt}}, {{"AOp", ftInt}}}},
        {rkFilter, 2, "UndoRedo_FIlter_2", rrRaster,
         {{{"AWay", ftInt}}, {{"ASize", ftInt}}, {{"AMargin", ftInt}}, {{"AColor", ftColor}}}},
        {rkFilter, 3, "UndoRedo_FIlter_3", rrRaster,
         {{{"AW", ftInt}}, {{"AH", ftInt}}, {{"ASize1", ftInt}}, {{"ABackOp", ftInt}}}},
        {rkFilter, 4, "UndoRedo_FIlter_4", rrRaster, {{{"ARect", ftRect}}}},
        {rkFilter, 5, "UndoRedo_FIlter_5", rrRaster,
         {{{"ASize", ftInt}}, {{"ALevel", ftInt}}, {{"AColor", ftColor}}}},

        {rkPaint, 0, "UndoRedo_Paint_0", rrRaster,
         {{{"ADeleted", ftInt}}, {{"ACutRect", ftRect}}, {{"ANowRect", ftRect}}, {{"AColor", ftColor}}}},
        {rkPaint, 1, "UndoRedo_Paint_1", rrDrawing,
         {{{"ATag", ftInt}}, {{"ATool", ftInt}}, {{"ACount", ftInt}}, {{"AWidth", ftInt}},
          {{"AColor", ftColor}}, {{"ADrawRect", ftRect}}, {{"ADirtyRect", ftRect}}, {{"AMoveRect", ftRect}},
          listTag, scale, {{"APoints", ftPoints}}},
         "ATag", "AListTag"},
        {rkPaint, 2, "UndoRedo_Paint_2", rrRaster, {{{"AX", ftInt}, {"AY", ftInt}}, {{"AColor", ftColor}}}},
        {rkPaint, 3, "UndoRedo_Paint_3", rrDrawing,
         {{{"ATag", ftInt}}, {{"ATool", ftInt}}, {{"AEndX", ftInt}, {"AEndY", ftInt}},
          {{"AStartX", ftInt}, {"AStartY", ftInt}}, {{"AWidth", ftInt}}, {{"ADrawRect", ftRect}},
          {{"ADirtyRect", ftRect}}, {{"AMoveRect", ftRect}}, listTag, scale, {{"AColor", ftColor}}},
         "ATag", "AListTag"},
        {rkPaint, 4, "UndoRedo_Paint_4", rrDrawing,
         {{{"ATag", ftInt}}, {{"AShape", ftInt}}, {{"AShapeRect", ftRect}},
          {{"ARoundW", ftInt}, {"ARoundH", ftInt}}, {{"AFlag1", ftInt}}, {{"AFillColor", ftColor}},
          {{"AFlag2", ftInt}}, {{"ALineColor", ftColor}}, {{"ADrawRect", ftRect}}, {{"ADirtyRect", ftRect}},
          {{"AMoveRect", ftRect}}, listTag, scale, {{"AWidth", ftInt}}},
         "ATag", "AListTag"},

        {rkBalloon, -1, "UndoRedo_Balloon", rrOverlay,
         {{{"ATag", ftInt}}, {{"AMemo", ftLines}}, {{"ARect", ftRect}}, {{"ABall_Index", ftInt}},
          {{"AAlpha", ftInt}}, {{"AOP", ftInt}}, {{"AFontName", ftText}}, {{"AFontSize", ftInt}},
          {{"AFont_Op1", ftFlagOne}}, {{"AFont_Op2", ftFlagOne}}, {{"AFont_Op3", ftFlagOne}}, listTag,
          {{"AAllApply", ftInt}}, {{"ARgb", ftColor}}},
         "ATag", "AListTag"},
        {rkTextBox, -1, "UndoRedo_TextBox", rrOverlay,
         {{{"ATag", ftInt}}, {{"AMemo", ftLines}}, {{"ARect", ftRect}}, {{"AFontName", ftText}},
          {{"AFontSize", ftInt}}, {{"AColor1", ftColor}}, {{"ABigSize", ftFlagZero}}, {{"ALean", ftFlagZero}},
          {{"AUnderLine", ftFlagZero}}, {{"AFontSort", ftInt}}, {{"AFont_H", ftFlagZero}},
          {{"AOutLine", ftFlagZero}}, {{"AOutLine_Color", ftColor}}, {{"AOutLine_Size", ftInt}},
          {{"AShadow", ftFlagZero}}, {{"AShadow_Color", ftColor}}, {{"AShadow_Alpha", ftInt}}, listTag,
          {{"AAllApply", ftInt}}, {{"AShadow_X", ftInt}}, {{"AShadow_Y", ftInt}}},
         "ATag", "AListTag"},
        {rkStamp, -1, "UndoRedo_Stamp", rrOverlay,
         {{{"ATag", ftInt}}, {{"ARect", ftRect}}, {{"AImg_Index", ftInt}}, listTag, {{"AAllApply", ftInt}},
          {{"AFIleName", ftText}}},
         "ATag", "AListTag"},
        {rkDelLayer, -1, "UndoRedo_DelLayer", rrDelLayer, {{{"ATag", ftInt}}}, nullptr, nullptr, "ATag"},
    };
}

} // namespace

QString RecordKindName(TRecordKind kind)
{
    return QString::fromUtf8(KindNames[kind]);
}

const std::vector<TRecordLayout> &RecordLayouts()
{
    static const std::vector<TRecordLayout> layouts = MakeLayouts();
    return layouts;
}
