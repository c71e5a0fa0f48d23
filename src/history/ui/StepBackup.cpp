#include "history/ui/StepBackup.h"

#include <algorithm>

void TStepBackup::Take(const TImgView32 &view, const TUndoRedoList &log)
{
    FBitmap.Assign(view.Bitmap());
    FLayers.clear();
    for (int i = 0; i < view.LayerCount(); ++i) {
        const TImageLayer &layer = view.Layer(i);
        FLayers.push_back({layer.Identity(), layer.Location, layer.Visible});
    }
    FRecords.clear();
    for (int i = 0; i < log.Count(); ++i)
        FRecords << log.GetItem(i).Apply_Str;
}

void TStepBackup::Restore(TImgView32 &view, TUndoRedoList &log) const
{
    view.Bitmap().Assign(FBitmap);
    for (int i = view.LayerCount() - 1; i >= 0; --i) {
        TImageLayer &layer = view.Layer(i);
        const auto place = std::find_if(FLayers.begin(), FLayers.end(), [&layer](const TLayerPlace &p) {
            return p.Identity == layer.Identity();
        });
        if (place == FLayers.end()) {
            view.DeleteLayerAt(i);
            continue;
        }
        layer.Location = place->Location;
        layer.Visible = place->Visible;
    }
    // A replay rewrites records in place and never adds or removes one.
    for (int i = 0; i < std::min(int(FRecords.size()), log.Count()); ++i)
        log.GetItem(i).Apply_Str = FRecords[i];
    view.Changed();
}
