#include "history/HistorySteps.h"

namespace {

// Suspends the view's repaints for the scope and asks for one at its end.
class TUpdateScope {
public:
    explicit TUpdateScope(TImgView32 &view) : FView(view) { view.BeginUpdate(); }
    ~TUpdateScope() { FView.EndUpdate(); }
    TUpdateScope(const TUpdateScope &) = delete;
    TUpdateScope &operator=(const TUpdateScope &) = delete;

private:
    TImgView32 &FView;
};

void CallHook(const std::function<void()> &hook)
{
    if (hook)
        hook();
}

// Decodes the photo and replays its log to position. Every record is read
// before the canvas changes, so a bad record leaves the canvas as it was.
void Rebuild(THistorySession &session, TUndoRedoImgListItem &photo, int position, bool stepping, bool freshLayers)
{
    TReplayEngine &engine = session.Engine;
    std::vector<TOpRecord> records = TReplayEngine::ReadRecords(*photo.UndoRedoList);
    TFlagGuard mode(engine.Flags.FUndoRedoMode, true);
    TFlagGuard mode2(engine.Flags.FUndoRedoMode2, stepping);
    TFlagGuard block(engine.Flags.FBlockApply, true);
    TUpdateScope update(session.View);
    CallHook(engine.Hooks.BeforeRebuild);
    session.Decode(photo.OriFilePath, session.View.Bitmap());
    engine.FFilterList.Clear();
    if (freshLayers)
        session.View.ClearLayers();
    if (engine.Hooks.AfterDecode)
        engine.Hooks.AfterDecode(session.View.Bitmap());
    engine.Replay(records, position, *photo.UndoRedoList, session.View);
    CallHook(engine.Hooks.AfterRebuild);
    session.View.Changed();
}

} // namespace

bool UndoStep(THistorySession &session, int photo)
{
    if (photo < 0 || photo >= session.Photos.Count())
        return false;
    TUndoRedoImgListItem &item = session.Photos.GetItem(photo);
    if (item.Index < 0)
        return false;
    Rebuild(session, item, item.Index - 1, true, false);
    --item.Index;
    return true;
}

bool RedoStep(THistorySession &session, int photo)
{
    if (photo < 0 || photo >= session.Photos.Count())
        return false;
    TUndoRedoImgListItem &item = session.Photos.GetItem(photo);
    if (item.Index + 1 >= item.UndoRedoList->Count())
        return false;
    Rebuild(session, item, item.Index + 1, true, false);
    ++item.Index;
    return true;
}

void BackToOriginal(THistorySession &session, int photo)
{
    if (photo < 0 || photo >= session.Photos.Count())
        return;
    TUndoRedoImgListItem &item = session.Photos.GetItem(photo);
    TReplayEngine &engine = session.Engine;
    TFlagGuard mode(engine.Flags.FUndoRedoMode, true);
    TUpdateScope update(session.View);
    CallHook(engine.Hooks.BeforeRebuild);
    session.Decode(item.OriFilePath, session.View.Bitmap());
    item.Index = -1;
    item.ListRemainingDel();
    engine.FFilterList.Clear();
    session.View.ClearLayers();
    if (engine.Hooks.AfterDecode)
        engine.Hooks.AfterDecode(session.View.Bitmap());
    CallHook(engine.Hooks.AfterRebuild);
    session.View.Changed();
}

void SwitchToPhoto(THistorySession &session, int photo)
{
    TUndoRedoImgListItem &item = session.Photos.GetItem(photo);
    TFlagGuard mode3(session.Engine.Flags.FUndoRedoMode3, true);
    Rebuild(session, item, item.Index, true, true);
}

void ReloadPhoto(THistorySession &session, int photo)
{
    TUndoRedoImgListItem &item = session.Photos.GetItem(photo);
    Rebuild(session, item, item.Index, false, true);
}

THistoryButtons HistoryButtonStates(const TUndoRedoImgList &photos, int selected, bool gifMode, bool joinMode)
{
    THistoryButtons buttons;
    if (gifMode || joinMode) {
        if (gifMode)
            buttons.Save = false;
        return buttons;
    }
    if (selected < 0 || selected >= photos.Count()) {
        buttons.Save = false;
        return buttons;
    }
    buttons.Save = true;
    const TUndoRedoImgListItem &photo = photos.GetItem(selected);
    const int count = photo.UndoRedoList->Count();
    if (count == 0)
        return buttons;
    buttons.Original = true;
    buttons.Undo = photo.Index >= 0;
    buttons.Redo = photo.Index < count - 1;
    return buttons;
}
