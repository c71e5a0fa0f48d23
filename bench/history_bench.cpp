// Undo on a 12-megapixel JPEG: undoing the tenth record costs one decode of
// the file and a replay of the nine records before it. Each iteration also
// times the decode alone and the nine records alone (not counted in the
// benchmark's own time), so the counters give the ratio of undo to their
// sum. The JPEG is VELLUMI_BENCH_JPEG when set, otherwise a synthetic one.

#include "documents/ImageCodecs.h"
#include "history/ApplierRegistry.h"
#include "history/HistorySteps.h"

#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <chrono>
#include <cmath>

namespace {

// Colour waves with a pixel hash as grain: a JPEG about as costly to
// decode as a photograph.
TBitmap32 WavePhoto(int width, int height)
{
    TBitmap32 b(width, height);
    for (int y = 0; y < height; ++y) {
        TColor32 *row = b.ScanLine(y);
        for (int x = 0; x < width; ++x) {
            const std::uint32_t hash = (std::uint32_t(x) * 73856093u) ^ (std::uint32_t(y) * 19349663u);
            const int grain = int(hash % 17) - 8;
            const int r = 120 + int(90 * std::sin(x * 0.0021 + y * 0.0013)) + grain;
            const int g = 120 + int(80 * std::cos(x * 0.0017 - y * 0.0029)) + grain;
            const int v = 110 + int(70 * std::sin((x + y) * 0.0031)) + grain;
            row[x] = Color32(r, g, v);
        }
    }
    return b;
}

// Nine turns, mirrors and resizes, then the resize that undo takes back.
QStringList Records()
{
    auto turn = [](int kind) { return TOpRecord(rkRotate).Set("ARotate_Index", kind).ToString(); };
    auto resize = [](int w, int h) { return TOpRecord(rkSizeChange).Set("AW", w).Set("AH", h).ToString(); };
    return {turn(0), turn(2), turn(3),  turn(4), resize(3600, 2700), turn(1), resize(4000, 3000),
            turn(3), turn(0), resize(2000, 1500)};
}

struct TUndoBench {
    QTemporaryDir dir;
    QString jpeg;
    TReplayEngine engine;
    TUndoRedoImgList photos;
    TImgView32 view;
    TBitmap32 decoded;

    TUndoBench()
    {
        RegisterAllAppliers(engine.Appliers);
        const QByteArray given = qgetenv("VELLUMI_BENCH_JPEG");
        jpeg = given.isEmpty() ? dir.filePath("photo.jpg") : QString::fromLocal8Bit(given);
        if (given.isEmpty())
            SavePhotoFile(jpeg, WavePhoto(4000, 3000));
        TUndoRedoImgListItem &photo = photos.AddItem(-1, jpeg, std::make_unique<TUndoRedoList>());
        for (const QString &record : Records())
            photo.LogRecord(record);
    }
};

double Milliseconds(std::chrono::steady_clock::duration d)
{
    return std::chrono::duration<double, std::milli>(d).count();
}

void BM_UndoTenthRecord(benchmark::State &state)
{
    static TUndoBench bench;
    TUndoRedoImgListItem &photo = bench.photos.GetItem(0);
    THistorySession session{bench.engine, bench.photos, bench.view, LoadPhotoFile};
    std::vector<TOpRecord> records = TReplayEngine::ReadRecords(*photo.UndoRedoList);
    // One undo first: without the geometry appliers the records do not replay.
    try {
        photo.Index = 9;
        UndoStep(session, 0);
    } catch (const std::exception &error) {
        state.SkipWithError(error.what());
        return;
    }
    double decodeMs = 0, recordsMs = 0, undoMs = 0;
    using Clock = std::chrono::steady_clock;
    for (auto _ : state) {
        state.PauseTiming();
        auto start = Clock::now();
        LoadPhotoFile(bench.jpeg, bench.decoded);
        decodeMs += Milliseconds(Clock::now() - start);
        bench.view.Bitmap().Assign(bench.decoded);
        start = Clock::now();
        {
            TFlagGuard stepping(bench.engine.Flags.FUndoRedoMode2, true);
            bench.engine.Replay(records, 8, *photo.UndoRedoList, bench.view);
        }
        recordsMs += Milliseconds(Clock::now() - start);
        photo.Index = 9;
        state.ResumeTiming();

        start = Clock::now();
        UndoStep(session, 0);
        undoMs += Milliseconds(Clock::now() - start);
    }
    const double n = double(state.iterations());
    state.counters["decode_ms"] = decodeMs / n;
    state.counters["records_ms"] = recordsMs / n;
    state.counters["undo_ms"] = undoMs / n;
    state.counters["undo_per_decode"] = undoMs / decodeMs;
    // At most 1 meets the aim: undo within 1.3 decodes plus the records.
    state.counters["undo_per_aim"] = undoMs / (1.3 * decodeMs + recordsMs);
}
BENCHMARK(BM_UndoTenthRecord)->Unit(benchmark::kMillisecond)->Iterations(8);

} // namespace
