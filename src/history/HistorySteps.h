#pragma once
// Undo, redo, back to the original, the photo switch and the reload after a
// removal: each decodes the photo's file once and replays its log to the
// wanted position. The window's buttons call these and add only the
// questions, refits and button states.

#include "history/ReplayEngine.h"

#include <functional>
#include <optional>

// Decodes the photo file into target (LoadPhotoFile in the program);
// throws and leaves target unchanged on failure.
using TDecodeFn = std::function<void(const QString &path, TBitmap32 &target)>;

struct THistorySession {
    TReplayEngine &Engine;
    TUndoRedoImgList &Photos;
    TImgView32 &View;
    TDecodeFn Decode;
};

// One step back on the photo at index: the canvas shows records 0 to
// position − 1. Returns false, changing nothing, without such a photo or at
// position -1. On a failure (decode, record) the position stays, the flags
// are restored and the exception passes on.
bool UndoStep(THistorySession &session, int photo);
// One step forward; false at the last record.
bool RedoStep(THistorySession &session, int photo);
// Back to the photo as opened: its log is emptied for good.
void BackToOriginal(THistorySession &session, int photo);
// Makes the photo current: a fresh layer stack, its records up to its own
// position, the later overlays hidden.
void SwitchToPhoto(THistorySession &session, int photo);
// Rebuilds the photo with a full replay up to its position (after another
// photo was removed, after the filter panel's reset). The position stays.
void ReloadPhoto(THistorySession &session, int photo);

// What the 50 ms poll gives the buttons "한단계 취소", "재실행", "원본사진" and
// "저장"; Save is empty where the poll leaves that button as it is.
struct THistoryButtons {
    bool Undo = false, Redo = false, Original = false;
    std::optional<bool> Save;
};
THistoryButtons HistoryButtonStates(const TUndoRedoImgList &photos, int selected, bool gifMode, bool joinMode);
