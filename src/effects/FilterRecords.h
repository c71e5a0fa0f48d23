#pragma once
// The twelve rows of the colour and filter page as data, the "필터" records
// they write, and their replay.

#include "history/FilterList.h"
#include "history/ReplayEngine.h"
#include "platform/Bitmap32.h"

#include <QString>

#include <array>
#include <cstdint>
#include <optional>

struct TFilterRow {
    const char *SliderName;
    const char *Caption;
    int Min, Max, Neutral;
    int Effect;             // the number ApplyEffect takes
    const char *ButtonName; // its "저장" button
    const char *RecordName;
    bool ResetsOthers;      // a change puts the other eleven sliders to neutral
};

const std::array<TFilterRow, 12> &FilterRows();

// The value a preview passes for slider value v of the row; nothing for
// emboss at 0, which shows the baseline.
std::optional<int> FilterPreviewValue(int row, int v);
// The value "저장" records for slider value v of the row.
int FilterRecordValue(int row, int v);

// 필터 (0)|(effect)|(name)|(value1)|(value2)|(value3)
QString FilterRecordText(int effect, const QString &name, int value1, int value2 = 0, int value3 = 0);

// The noise seed of the edit at list position listPosition on picture (the
// photo before the edit): the preview, "저장" and every replay see the same
// picture and position, so they draw the same noise.
std::uint64_t FilterNoiseSeed(const TBitmap32 &picture, int listPosition);

// The row whose slider a replayed record of effect puts back to neutral,
// or -1 (chroma and the numbers without a slider).
int FilterRowReplacedBy(int effect);

// Keeps the applied filters: an entry of the same name (letter case
// ignored) is replaced in place, otherwise the entry is appended.
void StartFilter(TFilterList &list, const QString &AFiltername, int AType, int AValue1, int AValue2, int AValue3);

// Runs one "필터" kind 0 record on the view's photo.
TImageLayer *ApplyFilterRecord(const TOpRecord &record, TReplayContext &context);

void RegisterFilterAppliers(TApplierTable &table);
