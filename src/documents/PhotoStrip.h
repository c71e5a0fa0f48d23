#pragma once
// The strip of open photos under the canvas: one 55 x 55 thumbnail per
// photo, the selected one framed in orange, edited ones marked.

#include <QListWidget>

#include <functional>

class TPhotoStrip : public QListWidget {
    Q_OBJECT
public:
    explicit TPhotoStrip(QWidget *parent = nullptr);

    // Extensions a drop on the strip accepts (upper case, with the dot).
    static bool AcceptsDroppedName(const QString &path);

    void AddThumbnail(const QImage &thumbnail);
    // Whether the photo at a row has applied records (draws the edited mark).
    std::function<bool(int row)> EditedAt;
    const QPixmap &EditedMark() const { return FEditedMark; }

Q_SIGNALS:
    // A left press; insideItem tells whether it hit the item's bounds.
    void PhotoPressed(int row, bool insideItem);
    void FilesDropped(const QStringList &paths);

protected:
    QItemSelectionModel::SelectionFlags selectionCommand(const QModelIndex &index,
                                                         const QEvent *event = nullptr) const override;
    void mousePressEvent(QMouseEvent *event) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dragMoveEvent(QDragMoveEvent *event) override;
    void dropEvent(QDropEvent *event) override;

private:
    QPixmap FEditedMark;
};
