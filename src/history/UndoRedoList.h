#pragma once
// The per-photo logs of operation records and the open-photo list that
// owns them, with the logging step every record writer goes through.

#include <QString>

#include <memory>
#include <vector>

class TOpRecord;

struct TUndoRedoItem {
    QString Apply_Str;
};

class TUndoRedoList {
public:
    int Count() const { return int(FItems.size()); }
    void AddItem(const QString &text);
    // Inserts before the entry at index (index = Count() appends).
    void InsertItem(int index, const QString &text);
    void DelItem(int index);
    void Clear();
    TUndoRedoItem &GetItem(int index);
    const TUndoRedoItem &GetItem(int index) const;

private:
    std::vector<std::unique_ptr<TUndoRedoItem>> FItems;
};

struct TUndoRedoImgListItem {
    TUndoRedoImgListItem(int index, QString path, std::unique_ptr<TUndoRedoList> log);

    // The index of the last record applied to what the photo shows; -1 for
    // the photo as opened. The records after it are the redo tail.
    int Index = -1;
    std::unique_ptr<TUndoRedoList> UndoRedoList;
    QString OriFilePath;

    // Deletes the redo tail.
    void ListRemainingDel();
    // The logging step: drop the redo tail, advance the position, append.
    // Returns the record's list position.
    int LogRecord(const QString &text);
    // Replaces the record at its list position; the position and the count
    // of records stay as they are.
    void RewriteRecord(int position, const QString &text);
};

class TUndoRedoImgList {
public:
    int Count() const { return int(FItems.size()); }
    // Appends a photo; the list owns the log from then on.
    TUndoRedoImgListItem &AddItem(int index, const QString &path, std::unique_ptr<TUndoRedoList> log);
    void DeleteItem(int index);
    void Clear();
    TUndoRedoImgListItem &GetItem(int index);
    const TUndoRedoImgListItem &GetItem(int index) const;
    void SetItem(int index, std::unique_ptr<TUndoRedoImgListItem> item);
    // The position of the photo opened from path (letter case ignored), or -1.
    int IndexOfPath(const QString &path) const;
    void ListRemainingDel(int index) { GetItem(index).ListRemainingDel(); }

private:
    std::vector<std::unique_ptr<TUndoRedoImgListItem>> FItems;
};

// Logs one record into every open photo, in list order: each drops its redo
// tail and advances its position; records with a list position carry each
// photo's own.
void LogRecordForAllPhotos(TUndoRedoImgList &photos, TOpRecord record);
