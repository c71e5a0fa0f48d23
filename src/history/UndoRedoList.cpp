#include "history/UndoRedoList.h"

#include "history/OpRecord.h"

#include <stdexcept>

namespace {

void CheckIndex(int index, int count, const char *what)
{
    if (index < 0 || index >= count)
        throw std::out_of_range(std::string(what) + " index " + std::to_string(index) + " out of range");
}

} // namespace

void TUndoRedoList::AddItem(const QString &text)
{
    FItems.push_back(std::make_unique<TUndoRedoItem>(TUndoRedoItem{text}));
}

void TUndoRedoList::InsertItem(int index, const QString &text)
{
    if (index != Count())
        CheckIndex(index, Count(), "record");
    FItems.insert(FItems.begin() + index, std::make_unique<TUndoRedoItem>(TUndoRedoItem{text}));
}

void TUndoRedoList::DelItem(int index)
{
    CheckIndex(index, Count(), "record");
    FItems.erase(FItems.begin() + index);
}

void TUndoRedoList::Clear()
{
    while (!FItems.empty())
        FItems.pop_back();
}

TUndoRedoItem &TUndoRedoList::GetItem(int index)
{
    CheckIndex(index, Count(), "record");
    return *FItems[std::size_t(index)];
}

const TUndoRedoItem &TUndoRedoList::GetItem(int index) const
{
    CheckIndex(index, Count(), "record");
    return *FItems[std::size_t(index)];
}

TUndoRedoImgListItem::TUndoRedoImgListItem(int index, QString path, std::unique_ptr<TUndoRedoList> log)
    : Index(index), UndoRedoList(log ? std::move(log) : std::make_unique<TUndoRedoList>()),
      OriFilePath(std::move(path))
{
    if (Index < -1 || Index >= UndoRedoList->Count())
        throw std::out_of_range("a photo's position lies outside its log");
}

void TUndoRedoImgListItem::ListRemainingDel()
{
    while (UndoRedoList->Count() > Index + 1)
        UndoRedoList->DelItem(UndoRedoList->Count() - 1);
}

int TUndoRedoImgListItem::LogRecord(const QString &text)
{
    ListRemainingDel();
    UndoRedoList->AddItem(text);
    return ++Index;
}

void TUndoRedoImgListItem::RewriteRecord(int position, const QString &text)
{
    UndoRedoList->GetItem(position).Apply_Str = text;
}

TUndoRedoImgListItem &TUndoRedoImgList::AddItem(int index, const QString &path, std::unique_ptr<TUndoRedoList> log)
{
    FItems.push_back(std::make_unique<TUndoRedoImgListItem>(index, path, std::move(log)));
    return *FItems.back();
}

void TUndoRedoImgList::DeleteItem(int index)
{
    CheckIndex(index, Count(), "photo");
    FItems.erase(FItems.begin() + index);
}

void TUndoRedoImgList::Clear()
{
    while (!FItems.empty())
        FItems.pop_back();
}

TUndoRedoImgListItem &TUndoRedoImgList::GetItem(int index)
{
    CheckIndex(index, Count(), "photo");
    return *FItems[std::size_t(index)];
}

const TUndoRedoImgListItem &TUndoRedoImgList::GetItem(int index) const
{
    CheckIndex(index, Count(), "photo");
    return *FItems[std::size_t(index)];
}

void TUndoRedoImgList::SetItem(int index, std::unique_ptr<TUndoRedoImgListItem> item)
{
    CheckIndex(index, Count(), "photo");
    if (!item)
        throw std::invalid_argument("a photo entry is required");
    FItems[std::size_t(index)] = std::move(item);
}

int TUndoRedoImgList::IndexOfPath(const QString &path) const
{
    for (int i = 0; i < Count(); ++i)
        if (FItems[std::size_t(i)]->OriFilePath.compare(path, Qt::CaseInsensitive) == 0)
            return i;
    return -1;
}

void LogRecordForAllPhotos(TUndoRedoImgList &photos, TOpRecord record)
{
    for (int i = 0; i < photos.Count(); ++i) {
        TUndoRedoImgListItem &photo = photos.GetItem(i);
        photo.ListRemainingDel();
        if (record.HasListTag())
            record.SetListTag(photo.Index + 1);
        photo.LogRecord(record.ToString());
    }
}
