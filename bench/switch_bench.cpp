// Switching between two 12-megapixel JPEG photos with a few records each:
// a switch should cost one decode of the photo's file and its records' own
// work, with no full-image copy besides. Each iteration also times the
// decode alone and the records alone (not counted in the benchmark's own
// time), so the counters give the ratio of the switch to their sum. The
// second variant adds what the window's replay hook does after the decode:
// the before-view and the raster as opened take copies of the photo.

#include "BenchPhoto.h"

#include "documents/ImageCodecs.h"
#include "effects/FilterRecords.h"
#include "history/ApplierRegistry.h"
#include "history/HistorySteps.h"

#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <chrono>

namespace {

QString Turn(int kind) { return TOpRecord(rkRotate).Set("ARotate_Index", kind).ToString(); }

QString Brightness(int value)
{
    const TFilterRow &row = FilterRows()[0];
    return FilterRecordText(row.Effect, QString::fromLatin1(row.RecordName), FilterRecordValue(0, value));
}

struct TSwitchBench {
    QTemporaryDir dir;
    TReplayEngine engine;
    TUndoRedoImgList photos;
    TImgView32 view;
    TBitmap32 decoded, before, opened;

    TSwitchBench()
    {
        RegisterAllAppliers(engine.Appliers);
        TBitmap32 mirrored;
        mirrored.Assign(bench::Photo());
        mirrored.FlipHorz();
        const QString first = dir.filePath("first.jpg"), second = dir.filePath("second.jpg");
        SavePhotoFile(first, bench::Photo());
        SavePhotoFile(second, mirrored);
        const QList<QPair<QString, QStringList>> logs = {
            {first, {Brightness(20), Turn(0), Turn(3)}},
            {second, {Turn(4), Brightness(-10), Turn(2)}}};
        for (const auto &[path, records] : logs) {
            TUndoRedoImgListItem &photo = photos.AddItem(-1, path, std::make_unique<TUndoRedoList>());
            for (const QString &record : records)
                photo.LogRecord(record);
        }
    }
};

double Milliseconds(std::chrono::steady_clock::duration d)
{
    return std::chrono::duration<double, std::milli>(d).count();
}

void BM_SwitchTwoPhotos(benchmark::State &state)
{
    static TSwitchBench bench;
    const bool windowCopies = state.range(0) != 0;
    bench.engine.Hooks.AfterDecode = nullptr;
    if (windowCopies)
        bench.engine.Hooks.AfterDecode = [](const TBitmap32 &photo) {
            bench.before.Assign(photo);
            bench.opened.Assign(photo);
        };
    THistorySession session{bench.engine, bench.photos, bench.view, LoadPhotoFile};
    double decodeMs = 0, recordsMs = 0, switchMs = 0;
    using Clock = std::chrono::steady_clock;
    int target = 0;
    for (auto _ : state) {
        state.PauseTiming();
        target = 1 - target;
        TUndoRedoImgListItem &photo = bench.photos.GetItem(target);
        auto start = Clock::now();
        LoadPhotoFile(photo.OriFilePath, bench.decoded);
        decodeMs += Milliseconds(Clock::now() - start);
        bench.view.Bitmap().Assign(bench.decoded);
        std::vector<TOpRecord> records = TReplayEngine::ReadRecords(*photo.UndoRedoList);
        start = Clock::now();
        {
            TFlagGuard stepping(bench.engine.Flags.FUndoRedoMode2, true);
            bench.engine.Replay(records, photo.Index, *photo.UndoRedoList, bench.view);
        }
        recordsMs += Milliseconds(Clock::now() - start);
        state.ResumeTiming();

        start = Clock::now();
        try {
            SwitchToPhoto(session, target);
        } catch (const std::exception &error) {
            state.SkipWithError(error.what());
            return;
        }
        switchMs += Milliseconds(Clock::now() - start);
    }
    const double n = double(state.iterations());
    state.counters["decode_ms"] = decodeMs / n;
    state.counters["records_ms"] = recordsMs / n;
    state.counters["switch_ms"] = switchMs / n;
    // 1 is the aim: the switch is its decode and its records, nothing more.
    state.counters["switch_per_sum"] = switchMs / (decodeMs + recordsMs);
}
BENCHMARK(BM_SwitchTwoPhotos)->ArgName("window_copies")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->Iterations(8);

} // namespace
