#pragma once
// Operation records: the one line of text that logs an edit. Every record
// kind is described once by a layout (name, sub-kind, groups of typed
// fields); the writer and the reader both work from it.

#include <QPoint>
#include <QString>
#include <QStringList>
#include <QVector>

#include <cstdint>
#include <stdexcept>
#include <variant>
#include <vector>

enum TRecordKind {
    rkSizeChange, // "크기변경"
    rkCut,        // "자르기"
    rkRotate,     // "회전"
    rkRedEye,     // "적목제거"
    rkAlbum,      // "액자"
    rkFilter,     // "필터", sub-kinds 0 to 5
    rkPaint,      // "그림판", sub-kinds 0 to 4
    rkBalloon,    // "말풍선"
    rkTextBox,    // "텍스트상자"
    rkStamp,      // "스티커"
    rkDelLayer    // "회레이어지우기"
};

enum TFieldType {
    ftInt,
    ftText,     // one line of text
    ftLines,    // multi-line text, every line followed by "#1310*"
    ftScale,    // the view scale, a decimal number
    ftFlagOne,  // a switch written "1" for on, "0" for off
    ftFlagZero, // a switch written inverted: 0 for on, 1 for off
    ftPoints,   // "x,y*" for every point
    ftRect,     // a group pair (left,top)-(right,bottom)
    ftColor     // a group (R,G,B); the value is R + 256 × G + 65536 × B
};

// How a record takes part in a replay.
enum TRecordRole {
    rrRaster,   // changes the photo's pixels
    rrDrawing,  // paints into the photo and leaves an empty placeholder layer
    rrOverlay,  // makes a movable layer above the photo
    rrDelLayer  // hides the overlay of another record
};

struct TRecordRect {
    int Left = 0, Top = 0, Right = 0, Bottom = 0;
    bool operator==(const TRecordRect &) const = default;
};

struct TFieldLayout {
    const char *Name;
    TFieldType Type;
};

// One parenthesised group; ftRect and ftColor fields fill a group alone.
using TGroupLayout = std::vector<TFieldLayout>;

struct TRecordLayout {
    TRecordKind Kind;
    int SubKind; // -1 for the kinds without sub-kinds
    const char *Applier;
    TRecordRole Role;
    std::vector<TGroupLayout> Groups; // after the sub-kind group
    const char *IdentityField = nullptr; // the layer identity
    const char *ListTagField = nullptr;  // the record's own list position
    const char *TargetField = nullptr;   // rrDelLayer: the list position it hides
};

QString RecordKindName(TRecordKind kind);
// The eleven layouts of kinds without sub-kinds and every sub-kind.
const std::vector<TRecordLayout> &RecordLayouts();
// Throws std::invalid_argument for a kind and sub-kind that do not exist.
const TRecordLayout &RecordLayout(TRecordKind kind, int subKind = -1);

// A record text that does not read back; the message names the record.
class ERecordParse : public std::runtime_error {
public:
    ERecordParse(const QString &record, const QString &reason);
    const QString &Record() const { return FRecord; }

private:
    QString FRecord;
};

using TFieldValue = std::variant<int, QString, QStringList, double, bool, TRecordRect, QVector<QPoint>>;

class TOpRecord {
public:
    // A record of the kind with every field at its default (0, empty, scale 1).
    explicit TOpRecord(TRecordKind kind, int subKind = -1);
    static TOpRecord Parse(const QString &text);
    QString ToString() const;

    const TRecordLayout &Layout() const { return *FLayout; }
    TRecordKind Kind() const { return FLayout->Kind; }
    int SubKind() const { return FLayout->SubKind; }

    // Field access by the names of the layout; a name that the kind lacks
    // or a value of another type throws std::invalid_argument.
    int Int(const char *field) const;
    QString Text(const char *field) const;
    QStringList Lines(const char *field) const;
    double Scale(const char *field) const;
    bool Flag(const char *field) const;
    TRecordRect Rect(const char *field) const;
    // R + 256 × G + 65536 × B.
    int Color(const char *field) const;
    QVector<QPoint> Points(const char *field) const;
    bool HasField(const char *field) const;

    TOpRecord &Set(const char *field, int value);
    TOpRecord &Set(const char *field, const QString &value);
    TOpRecord &Set(const char *field, const char *value) { return Set(field, QString::fromUtf8(value)); }
    TOpRecord &Set(const char *field, const QStringList &lines);
    TOpRecord &Set(const char *field, double scale);
    TOpRecord &Set(const char *field, bool flag);
    TOpRecord &Set(const char *field, const TRecordRect &rect);
    TOpRecord &Set(const char *field, const QVector<QPoint> &points);
    TOpRecord &SetColor(const char *field, int r, int g, int b);
    TOpRecord &SetColor(const char *field, int color);

    // The layer identity and list position, where the kind has them.
    bool HasIdentity() const { return FLayout->IdentityField != nullptr; }
    std::int32_t Identity() const;
    void SetIdentity(std::int32_t identity);
    bool HasListTag() const { return FLayout->ListTagField != nullptr; }
    void SetListTag(int position);

private:
    explicit TOpRecord(const TRecordLayout &layout);
    std::size_t FieldIndex(const char *field, TFieldType type) const;

    const TRecordLayout *FLayout;
    std::vector<TFieldValue> FValues; // in writing order
};

// The kind name of a record text (the text before the first blank), or an
// empty string.
QString RecordKindText(const QString &text);
