#include "effects/FilterRecords.h"

#include "effects/ApplyEffect.h"
#include "history/OpRecord.h"

#include <cstring>
#include <stdexcept>

namespace {

constexpr int RowChroma = 3, RowSharp = 5, RowBlur = 6, RowEmboss = 11;

std::uint64_t Mix(std::uint64_t h, std::uint64_t v)
{
    h ^= v + 0x9E3779B97F4A7C15ULL + (h << 6) + (h >> 2);
    return h * 0xBF58476D1CE4E5B9ULL;
}

} // namespace

const std::array<TFilterRow, 12> &FilterRows()
{
    static const std::array<TFilterRow, 12> rows = {{
        {"brightness_Slider", "밝기", -50, 50, 0, 28, "Button16", "Brightness", false},
        {"contrast_Slider", "대비", -50, 50, 0, 29, "Button20", "Contrast", true},
        {"Colortone_Slider", "색조", -150, 150, 0, 33, "Button21", "ColorTone", true},
        {"chroma_Slider", "채도", 0, 499, 245, 26, "Button22", "Chroma", true},
        {"SplitBlur_Slider", "분열흐림", 0, 30, 0, 4, "Button30", "SplitBlur", false},
        {"sharp_Slider", "선명하게", 0, 100, 0, 27, "Button24", "Sharp", false},
        {"blur_Slider", "흐리게", 0, 50, 0, 3, "Button26", "Blur", false},
        {"Noise_Slider", "노이즈", 0, 1000, 0, 1, "Button23", "Noise", true},
        {"Poster_Slider", "포스터", 1, 255, 1, 5, "Button25", "Poster", true},
        {"BBoshasi_Slider", "뽀샤시", 0, 100, 0, 32, "Button27", "BBoshasi", false},
        {"Tile_Slider", "타일", 1, 16, 1, 25, "Button28", "Tile", true},
        {"Emboss_Slider", "엠보싱", 0, 50, 0, 11, "Button29", "Emboss", false},
    }};
    return rows;
}

std::optional<int> FilterPreviewValue(int row, int v)
{
    switch (row) {
    case RowChroma: return v == 499 ? 549 : v;
    case RowSharp: return v == 100 ? 110 : v;
    case RowBlur: return v - 1;
    case RowEmboss:
        if (v == 0)
            return std::nullopt;
        return v == 50 ? 60 : v;
    default: return v;
    }
}

int FilterRecordValue(int row, int v)
{
    switch (row) {
    case RowChroma: return v == 499 ? 549 : v;
    case RowSharp: return v == 100 ? 120 : v;
    case RowBlur: return v - 1;
    case RowEmboss: return v == 50 ? 70 : v;
    default: return v;
    }
}

QString FilterRecordText(int effect, const QString &name, int value1, int value2, int value3)
{
    TOpRecord record(rkFilter, 0);
    record.Set("AIndex", effect).Set("AFilterName", name).Set("AValue1", value1).Set("AValue2", value2).Set("AValue3",
                                                                                                         value3);
    return record.ToString();
}

std::uint64_t FilterNoiseSeed(const TBitmap32 &picture, int listPosition)
{
    std::uint64_t h = Mix(Mix(0x6E6F697365ULL, std::uint64_t(listPosition)),
                          (std::uint64_t(std::uint32_t(picture.Width())) << 32) | std::uint32_t(picture.Height()));
    const std::size_t pixels = std::size_t(picture.Width()) * std::size_t(picture.Height());
    const TColor32 *bits = picture.Bits();
    std::size_t i = 0;
    for (; i + 1 < pixels; i += 2) {
        std::uint64_t pair;
        std::memcpy(&pair, bits + i, sizeof pair);
        h = Mix(h, pair);
    }
    if (i < pixels)
        h = Mix(h, bits[i]);
    return h ^ (h >> 31);
}

int FilterRowReplacedBy(int effect)
{
    const auto &rows = FilterRows();
    for (int row = 0; row < int(rows.size()); ++row)
        if (rows[row].Effect == effect && row != RowChroma)
            return row;
    return -1;
}

void StartFilter(TFilterList &list, const QString &AFiltername, int AType, int AValue1, int AValue2, int AValue3)
{
    const TFilterItem item{AFiltername, AType, AValue1, AValue2, AValue3};
    for (int i = 0; i < list.Count(); ++i)
        if (list.GetFilterItem(i).FilterName.compare(AFiltername, Qt::CaseInsensitive) == 0) {
            list.SetFilterItem(i, item);
            return;
        }
    list.AddItem(AFiltername, AType, AValue3, AValue2, AValue1);
}

TImageLayer *ApplyFilterRecord(const TOpRecord &record, TReplayContext &context)
{
    const QString name = record.Text("AFilterName");
    const int effect = record.Int("AIndex");
    TBitmap32 &photo = context.View.Bitmap();
    if (name == QLatin1String("WaterColor"))
        throw std::runtime_error("the watercolour filter is not available in this version");
    if (name == QLatin1String("DryBrush")) {
        ApplyEffect(photo, effect, 0, 0, 0, 1);
        return nullptr;
    }
    const std::uint64_t seed = effect == 1 ? FilterNoiseSeed(photo, context.RecordIndex) : 0;
    ApplyEffect(photo, effect, record.Int("AValue1"), record.Int("AValue2"), record.Int("AValue3"), 1, seed);
    return nullptr;
}

void RegisterFilterAppliers(TApplierTable &table)
{
    table.Register(rkFilter, 0, ApplyFilterRecord);
}
