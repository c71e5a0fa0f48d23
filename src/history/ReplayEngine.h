#pragma once
// The replay engine: runs a photo's records again on the canvas through a
// table of appliers that each subsystem registers. History code knows the
// record kinds only through their layouts and this table.

#include "history/FilterList.h"
#include "history/OpRecord.h"
#include "history/UndoRedoList.h"
#include "platform/ImageViewModel.h"

#include <functional>
#include <map>
#include <stdexcept>
#include <utility>
#include <vector>

struct TReplayContext {
    TImgView32 &View;
    TUndoRedoList &Log;
    int RecordIndex;  // the record's list position
    bool FullReplay;  // false while undo, redo or a photo switch replays
};

// Runs one record again. Overlay and drawing appliers return the layer they
// made: the engine tags it with the record's list position, writes its
// identity back into the record and hides it when the record lies beyond
// the photo's position. Other appliers return nullptr. Appliers never log.
using TApplier = std::function<TImageLayer *(const TOpRecord &, TReplayContext &)>;

class TApplierTable {
public:
    // A later registration for the same kind and sub-kind replaces the earlier.
    void Register(TRecordKind kind, int subKind, TApplier applier);
    const TApplier *Find(TRecordKind kind, int subKind) const;
    bool Empty() const { return FAppliers.empty(); }

private:
    std::map<std::pair<int, int>, TApplier> FAppliers;
};

// A replay that stopped at a record; photos and logs keep their positions.
class EReplay : public std::runtime_error {
public:
    EReplay(int recordIndex, const QString &message);
    int RecordIndex() const { return FRecordIndex; } // list position, from 0

private:
    int FRecordIndex;
};

struct THistoryFlags {
    bool FUndoRedoMode = false;  // a replay rebuilds the canvas: reused commands do not log
    bool FUndoRedoMode2 = false; // stepping replay (undo, redo, photo switch)
    bool FUndoRedoMode3 = false; // a photo switch runs: no refit or repaint per step
    bool FBlockApply = false;    // panels' change handlers return at once
};

// Sets a flag for the lifetime of the guard and restores it whatever happens.
class TFlagGuard {
public:
    TFlagGuard(bool &flag, bool value) : FFlag(flag), FOld(flag) { flag = value; }
    ~TFlagGuard() { FFlag = FOld; }
    TFlagGuard(const TFlagGuard &) = delete;
    TFlagGuard &operator=(const TFlagGuard &) = delete;

private:
    bool &FFlag;
    bool FOld;
};

// What the other subsystems do around a rebuild of the canvas.
struct TReplayHooks {
    std::function<void()> BeforeRebuild;                   // filter panel reset, ResetEditLayers
    std::function<void(const TBitmap32 &)> AfterDecode;    // the before-view and FOriBitmap
    std::function<void(bool fullReplay)> ReplayStarting;   // balloon list, FCut_Index, FBalloonCount
    std::function<void()> AfterRebuild;                    // working rasters, draft resampler
};

class TReplayEngine {
public:
    TApplierTable Appliers;
    THistoryFlags Flags;
    TReplayHooks Hooks;
    TFilterList FFilterList;

    // Replays records 0 to AApply_Index of the log onto the canvas as it
    // stands. Afterwards the canvas holds exactly those records: the
    // overlays of later records exist as hidden layers, ready for redo.
    // A full replay (FUndoRedoMode2 clear) starts from an empty layer stack;
    // a stepping one keeps the overlays that still belong to their records.
    // Every record is read before anything changes; a record that does not
    // read, has no applier or fails throws EReplay.
    void UndoRedoApply(int AApply_Index, TUndoRedoList &AUndoRedoList, TImgView32 &view);

    // The same with records already read (ReadRecords).
    void Replay(std::vector<TOpRecord> &records, int applyIndex, TUndoRedoList &log, TImgView32 &view);

    static std::vector<TOpRecord> ReadRecords(const TUndoRedoList &log);

private:
    void RunRecord(std::vector<TOpRecord> &records, int index, bool full, TUndoRedoList &log, TImgView32 &view);
};

enum TShiftMode { smToggle, smShow };

// Hides or shows the overlay of the record at recordIndex; for a deletion
// record, the overlay of the record it names. Show brings back only a
// hidden layer. A record whose layer is no longer in the view is left
// alone. The caller drops the overlay selections first. Throws
// ERecordParse for a bad record. Replays need no call of it: they set every
// overlay's visibility from the log, deletion records included.
void ShiftRecordLayer(TShiftMode mode, int recordIndex, const TUndoRedoList &log, TImgView32 &view);
