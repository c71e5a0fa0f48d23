#include "history/ReplayEngine.h"

namespace {

TImageLayer *RecordLayer(const TOpRecord &record, int index, TImgView32 &view)
{
    if (!record.HasIdentity())
        return nullptr;
    TImageLayer *layer = view.FindLayer(record.Identity());
    return layer && layer->Tag == index ? layer : nullptr;
}

// Layers of records that were deleted or replaced since they were made (a
// new edit after undo reuses list positions) leave the stack. The tools'
// own layers (draw stage, frames, the cut piece) are gone by now: the
// rebuild ends pending canvas work first.
void DropStaleLayers(const std::vector<TOpRecord> &records, TImgView32 &view)
{
    for (int i = view.LayerCount() - 1; i >= 0; --i) {
        const TImageLayer &layer = view.Layer(i);
        if (layer.Tag < 0)
            continue;
        const bool gone = layer.Tag >= int(records.size());
        const TOpRecord *record = gone ? nullptr : &records[std::size_t(layer.Tag)];
        if (gone || !record->HasIdentity() || record->Identity() != layer.Identity())
            view.DeleteLayerAt(i);
    }
}

void DropLayersTagged(int tag, TImgView32 &view)
{
    for (int i = view.LayerCount() - 1; i >= 0; --i)
        if (view.Layer(i).Tag == tag)
            view.DeleteLayerAt(i);
}

// Each overlay is shown exactly when its record is applied and no applied
// deletion record has hidden it.
void SyncOverlays(const std::vector<TOpRecord> &records, int position, TImgView32 &view)
{
    const int count = int(records.size());
    std::vector<bool> deleted(std::size_t(count), false);
    for (int j = 0; j <= position; ++j) {
        const TOpRecord &record = records[std::size_t(j)];
        if (record.Layout().Role != rrDelLayer)
            continue;
        const int target = record.Int(record.Layout().TargetField);
        if (target >= 0 && target < count)
            deleted[std::size_t(target)] = !deleted[std::size_t(target)];
    }
    for (int k = 0; k < count; ++k) {
        TImageLayer *layer = RecordLayer(records[std::size_t(k)], k, view);
        if (!layer)
            continue;
        if (k <= position && !deleted[std::size_t(k)])
            layer->Show();
        else
            layer->Hide();
    }
}

} // namespace

void TApplierTable::Register(TRecordKind kind, int subKind, TApplier applier)
{
    RecordLayout(kind, subKind);
    FAppliers[{kind, subKind}] = std::move(applier);
}

const TApplier *TApplierTable::Find(TRecordKind kind, int subKind) const
{
    const auto it = FAppliers.find({kind, subKind});
    return it == FAppliers.end() ? nullptr : &it->second;
}

EReplay::EReplay(int recordIndex, const QString &message)
    : std::runtime_error(QStringLiteral("record %1: %2").arg(recordIndex + 1).arg(message).toStdString()),
      FRecordIndex(recordIndex)
{
}

std::vector<TOpRecord> TReplayEngine::ReadRecords(const TUndoRedoList &log)
{
    std::vector<TOpRecord> records;
    records.reserve(std::size_t(log.Count()));
    for (int i = 0; i < log.Count(); ++i) {
        try {
            records.push_back(TOpRecord::Parse(log.GetItem(i).Apply_Str));
        } catch (const ERecordParse &e) {
            throw EReplay(i, QString::fromStdString(e.what()));
        }
    }
    return records;
}

void TReplayEngine::UndoRedoApply(int AApply_Index, TUndoRedoList &AUndoRedoList, TImgView32 &view)
{
    std::vector<TOpRecord> records = ReadRecords(AUndoRedoList);
    Replay(records, AApply_Index, AUndoRedoList, view);
}

void TReplayEngine::Replay(std::vector<TOpRecord> &records, int applyIndex, TUndoRedoList &log, TImgView32 &view)
{
    if (records.empty())
        return;
    const int position = std::min(applyIndex, int(records.size()) - 1);
    const bool full = !Flags.FUndoRedoMode2;
    if (full) {
        view.ClearLayers();
        FFilterList.Clear();
    } else {
        DropStaleLayers(records, view);
    }
    if (Hooks.ReplayStarting)
        Hooks.ReplayStarting(full);
    for (int i = 0; i < int(records.size()); ++i) {
        const TRecordRole role = records[std::size_t(i)].Layout().Role;
        const bool applied = i <= position;
        if (role == rrDelLayer || (role != rrOverlay && !applied))
            continue;
        if (role == rrOverlay && RecordLayer(records[std::size_t(i)], i, view))
            continue;
        RunRecord(records, i, full, log, view);
    }
    SyncOverlays(records, position, view);
    view.Changed();
}

void TReplayEngine::RunRecord(std::vector<TOpRecord> &records, int index, bool full, TUndoRedoList &log,
                              TImgView32 &view)
{
    TOpRecord &record = records[std::size_t(index)];
    const QString text = log.GetItem(index).Apply_Str;
    const TApplier *applier = Appliers.Find(record.Kind(), record.SubKind());
    if (!applier)
        throw EReplay(index, QStringLiteral("\"%1\": no applier (%2) is available")
                                 .arg(text, QLatin1String(record.Layout().Applier)));
    if (record.Layout().Role == rrDrawing)
        DropLayersTagged(index, view);
    TReplayContext context{view, log, index, full};
    TImageLayer *layer = nullptr;
    try {
        layer = (*applier)(record, context);
    } catch (const std::exception &e) {
        throw EReplay(index, QStringLiteral("\"%1\": %2").arg(text, QString::fromUtf8(e.what())));
    }
    if (!layer || !record.HasIdentity())
        return;
    layer->Tag = index;
    record.SetIdentity(layer->Identity());
    log.GetItem(index).Apply_Str = record.ToString();
}

void ShiftRecordLayer(TShiftMode mode, int recordIndex, const TUndoRedoList &log, TImgView32 &view)
{
    if (recordIndex < 0 || recordIndex >= log.Count())
        return;
    TOpRecord record = TOpRecord::Parse(log.GetItem(recordIndex).Apply_Str);
    if (record.Layout().Role == rrDelLayer) {
        const int target = record.Int(record.Layout().TargetField);
        if (target < 0 || target >= log.Count())
            return;
        record = TOpRecord::Parse(log.GetItem(target).Apply_Str);
    }
    if (!record.HasIdentity())
        return;
    TImageLayer *layer = view.FindLayer(record.Identity());
    if (!layer)
        return;
    if (mode == smToggle)
        layer->ToggleHidden();
    else
        layer->Show();
    view.Changed();
}
