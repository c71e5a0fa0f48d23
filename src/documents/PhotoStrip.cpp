#include "documents/PhotoStrip.h"

#include "ResourcePictures.h"

#include <QDragEnterEvent>
#include <QFileInfo>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>
#include <QStyledItemDelegate>

namespace {

const QColor SelectionColour(254, 122, 37);

class TStripDelegate : public QStyledItemDelegate {
public:
    explicit TStripDelegate(TPhotoStrip *strip) : QStyledItemDelegate(strip), FStrip(strip) {}

    void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override
    {
        const QRect bounds = option.rect;
        const int left = bounds.left(), top = bounds.top();
        const int right = bounds.left() + bounds.width(), bottom = bounds.top() + bounds.height();
        painter->save();
        if (option.state & QStyle::State_Selected) {
            painter->setPen(QPen(SelectionColour, 2));
            painter->setBrush(Qt::NoBrush);
            painter->drawRect(QRect(QPoint(left + 5, top + 8), QPoint(right - 7, bottom - 7)));
        }
        const QPixmap thumbnail = index.data(Qt::DecorationRole).value<QIcon>().pixmap(55, 55);
        painter->drawPixmap(left + 6, (bottom - thumbnail.height()) / 2, thumbnail);
        if (FStrip->EditedAt && FStrip->EditedAt(index.row()))
            painter->drawPixmap(left + 7, top + 9, FStrip->EditedMark());
        painter->restore();
    }

    QSize sizeHint(const QStyleOptionViewItem &, const QModelIndex &) const override { return {70, 70}; }

private:
    TPhotoStrip *FStrip;
};

} // namespace

TPhotoStrip::TPhotoStrip(QWidget *parent)
    : QListWidget(parent), FEditedMark(QPixmap::fromImage(LoadResourcePicture(QStringLiteral("EDITED_MARK"))))
{
    setObjectName(QStringLiteral("ImgOpen_ListView"));
    setViewMode(QListView::IconMode);
    setFlow(QListView::LeftToRight);
    setWrapping(false);
    setIconSize(QSize(55, 55));
    setGridSize(QSize(70, 70));
    setMovement(QListView::Static);
    setResizeMode(QListView::Adjust);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setItemDelegate(new TStripDelegate(this));
    setAcceptDrops(true);
    setDragDropMode(QAbstractItemView::DropOnly);
    viewport()->setAcceptDrops(true);
}

bool TPhotoStrip::AcceptsDroppedName(const QString &path)
{
    const QString suffix = QFileInfo(path).suffix().toUpper();
    return suffix == u"BMP" || suffix == u"JPG" || suffix == u"JPEG" || suffix == u"PNG" || suffix == u"GIF";
}

void TPhotoStrip::AddThumbnail(const QImage &thumbnail)
{
    auto *item = new QListWidgetItem(QIcon(QPixmap::fromImage(thumbnail)), QString());
    item->setSizeHint(QSize(70, 70));
    addItem(item);
}

QItemSelectionModel::SelectionFlags TPhotoStrip::selectionCommand(const QModelIndex &index,
                                                                  const QEvent *event) const
{
    // The current photo stays selected: a click on empty space or a Ctrl+click
    // on the selected photo would leave none, and the commands on the
    // selected photo would do nothing.
    const QItemSelectionModel::SelectionFlags command = QListWidget::selectionCommand(index, event);
    if (!index.isValid() || (command & (QItemSelectionModel::Deselect | QItemSelectionModel::Toggle)))
        return QItemSelectionModel::NoUpdate;
    return command;
}

void TPhotoStrip::mousePressEvent(QMouseEvent *event)
{
    QListWidget::mousePressEvent(event);
    if (event->button() != Qt::LeftButton)
        return;
    const QModelIndex at = indexAt(event->position().toPoint());
    const bool inside = at.isValid() && visualRect(at).contains(event->position().toPoint());
    Q_EMIT PhotoPressed(currentRow(), inside);
}

void TPhotoStrip::dragEnterEvent(QDragEnterEvent *event)
{
    if (event->mimeData()->hasUrls())
        event->acceptProposedAction();
}

void TPhotoStrip::dragMoveEvent(QDragMoveEvent *event)
{
    if (event->mimeData()->hasUrls())
        event->acceptProposedAction();
}

void TPhotoStrip::dropEvent(QDropEvent *event)
{
    QStringList names;
    for (const QUrl &url : event->mimeData()->urls())
        if (url.isLocalFile() && AcceptsDroppedName(url.toLocalFile()))
            names << url.toLocalFile();
    event->acceptProposedAction();
    Q_EMIT FilesDropped(names);
}
