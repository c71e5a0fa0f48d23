#include "history/OpRecord.h"

#include <QLocale>

#include <cmath>
#include <cstring>
#include <limits>

namespace {

const QString LineMarker = QStringLiteral("#1310*");

// Text values keep whatever they hold: the characters the reader takes as
// structure are written as %XX. Texts without them are written unchanged.
struct TEscape {
    QChar Char;
    const char *Code;
};
const TEscape Escapes[] = {{u'%', "%25"}, {u'(', "%28"}, {u')', "%29"}, {u'|', "%7C"},
                           {u',', "%2C"}, {u'\r', "%0D"}, {u'\n', "%0A"}};

QString EscapeText(const QString &text)
{
    QString out;
    out.reserve(text.size());
    for (const QChar c : text) {
        const TEscape *hit = nullptr;
        for (const TEscape &e : Escapes)
            if (e.Char == c)
                hit = &e;
        if (hit)
            out += QLatin1String(hit->Code);
        else
            out += c;
    }
    return out;
}

QString EscapeLine(const QString &line)
{
    QString out = EscapeText(line);
    out.replace(LineMarker, QStringLiteral("%23") + LineMarker.mid(1));
    return out;
}

// Undoes EscapeText; a "%" that starts none of our codes stays as it is.
QString UnescapeText(const QString &text)
{
    if (!text.contains(u'%'))
        return text;
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == u'%' && i + 2 < text.size()) {
            const QString code = text.mid(i, 3).toUpper();
            QChar decoded;
            if (code == QLatin1String("%23"))
                decoded = u'#';
            for (const TEscape &e : Escapes)
                if (code == QLatin1String(e.Code))
                    decoded = e.Char;
            if (!decoded.isNull()) {
                out += decoded;
                i += 2;
                continue;
            }
        }
        out += text[i];
    }
    return out;
}

QString FormatScale(double scale)
{
    return QLocale::c().toString(scale, 'g', 15);
}

struct TRawGroup {
    QString First;
    QString Second;
    bool IsPair = false;
};

class TReader {
public:
    explicit TReader(const QString &record) : FRecord(record) {}

    [[noreturn]] void Fail(const QString &reason) const { throw ERecordParse(FRecord, reason); }

    std::vector<TRawGroup> Groups(const QString &rest) const
    {
        std::vector<TRawGroup> groups;
        qsizetype pos = 0;
        while (true) {
            TRawGroup group;
            group.First = Parenthesised(rest, pos);
            if (rest.mid(pos, 2) == QLatin1String("-(")) {
                ++pos;
                group.Second = Parenthesised(rest, pos);
                group.IsPair = true;
            }
            groups.push_back(group);
            if (pos == rest.size())
                return groups;
            if (rest[pos] != u'|')
                Fail(QStringLiteral("expected \"|\" after group %1").arg(groups.size()));
            ++pos;
        }
    }

    int Integer(const QString &text, const char *field) const
    {
        const qsizetype start = text.startsWith(u'-') ? 1 : 0;
        bool digits = text.size() > start;
        for (qsizetype i = start; i < text.size() && digits; ++i)
            digits = text[i] >= u'0' && text[i] <= u'9';
        bool ok = false;
        const qlonglong value = digits && text.size() <= 12 ? text.toLongLong(&ok) : 0;
        if (!ok || value < std::numeric_limits<int>::min() || value > std::numeric_limits<int>::max())
            Fail(QStringLiteral("%1 is not an integer: \"%2\"").arg(QLatin1String(field), text));
        return int(value);
    }

    double Scale(const QString &text, const char *field) const
    {
        QString dotted = text;
        dotted.replace(u',', u'.');
        bool ok = false;
        const double value = QLocale::c().toDouble(dotted, &ok);
        if (!ok || !std::isfinite(value) || value <= 0)
            Fail(QStringLiteral("%1 is not a scale: \"%2\"").arg(QLatin1String(field), text));
        return value;
    }

    QStringList Split(const QString &text, int count, const char *field) const
    {
        const QStringList parts = text.split(u',');
        if (parts.size() != count)
            Fail(QStringLiteral("%1 needs %2 values: \"%3\"").arg(QLatin1String(field)).arg(count).arg(text));
        return parts;
    }

    TFieldValue Value(const TFieldLayout &entry, const QString &text) const
    {
        switch (entry.Type) {
        case ftInt:
            return Integer(text, entry.Name);
        case ftText:
            return UnescapeText(text);
        case ftLines: {
            QStringList lines = text.split(LineMarker);
            if (lines.last().isEmpty())
                lines.removeLast();
            for (QString &line : lines)
                line = UnescapeText(line);
            return lines;
        }
        case ftScale:
            return Scale(text, entry.Name);
        case ftFlagOne:
            return Integer(text, entry.Name) == 1;
        case ftFlagZero:
            return Integer(text, entry.Name) == 0;
        case ftPoints: {
            QVector<QPoint> points;
            if (text.isEmpty())
                return points;
            if (!text.endsWith(u'*'))
                Fail(QStringLiteral("%1 does not end with \"*\"").arg(QLatin1String(entry.Name)));
            const QStringList items = text.left(text.size() - 1).split(u'*');
            for (const QString &item : items) {
                const QStringList xy = Split(item, 2, entry.Name);
                points.append(QPoint(Integer(xy[0], entry.Name), Integer(xy[1], entry.Name)));
            }
            return points;
        }
        case ftColor: {
            const QStringList rgb = Split(text, 3, entry.Name);
            int color = 0;
            for (int i = 0; i < 3; ++i) {
                const int c = Integer(rgb[i], entry.Name);
                if (c < 0 || c > 255)
                    Fail(QStringLiteral("%1 has a colour value outside 0..255: %2").arg(QLatin1String(entry.Name)).arg(c));
                color |= c << (8 * i);
            }
            return color;
        }
        case ftRect:
            break;
        }
        Fail(QStringLiteral("%1 has no single value").arg(QLatin1String(entry.Name)));
    }

    void Group(const TGroupLayout &entry, const TRawGroup &raw, std::vector<TFieldValue> &values) const
    {
        const TFieldLayout &first = entry.front();
        if (first.Type == ftRect) {
            if (!raw.IsPair)
                Fail(QStringLiteral("%1 is not a rectangle \"(l,t)-(r,b)\"").arg(QLatin1String(first.Name)));
            const QStringList a = Split(raw.First, 2, first.Name), b = Split(raw.Second, 2, first.Name);
            values.push_back(TRecordRect{Integer(a[0], first.Name), Integer(a[1], first.Name),
                                         Integer(b[0], first.Name), Integer(b[1], first.Name)});
            return;
        }
        if (raw.IsPair)
            Fail(QStringLiteral("%1 is not a rectangle").arg(QLatin1String(first.Name)));
        if (entry.size() == 1) {
            values.push_back(Value(first, raw.First));
            return;
        }
        const QStringList parts = Split(raw.First, int(entry.size()), first.Name);
        for (std::size_t i = 0; i < entry.size(); ++i)
            values.push_back(Value(entry[i], parts[qsizetype(i)]));
    }

private:
    QString Parenthesised(const QString &rest, qsizetype &pos) const
    {
        if (pos >= rest.size() || rest[pos] != u'(')
            Fail(QStringLiteral("expected \"(\" at column %1").arg(pos + 1));
        const qsizetype close = rest.indexOf(u')', pos + 1);
        if (close < 0)
            Fail(QStringLiteral("a group has no \")\""));
        const QString content = rest.mid(pos + 1, close - pos - 1);
        pos = close + 1;
        return content;
    }

    const QString &FRecord;
};

QString FormatValue(const TFieldLayout &entry, const TFieldValue &value)
{
    switch (entry.Type) {
    case ftInt:
        return QString::number(std::get<int>(value));
    case ftText:
        return EscapeText(std::get<QString>(value));
    case ftLines: {
        QString out;
        for (const QString &line : std::get<QStringList>(value))
            out += EscapeLine(line) + LineMarker;
        return out;
    }
    case ftScale:
        return FormatScale(std::get<double>(value));
    case ftFlagOne:
        return QLatin1String(std::get<bool>(value) ? "1" : "0");
    case ftFlagZero:
        return QLatin1String(std::get<bool>(value) ? "0" : "1");
    case ftPoints: {
        QString out;
        for (const QPoint &p : std::get<QVector<QPoint>>(value))
            out += QStringLiteral("%1,%2*").arg(p.x()).arg(p.y());
        return out;
    }
    case ftColor: {
        const int c = std::get<int>(value);
        return QStringLiteral("%1,%2,%3").arg(c & 0xFF).arg((c >> 8) & 0xFF).arg((c >> 16) & 0xFF);
    }
    case ftRect: {
        const TRecordRect r = std::get<TRecordRect>(value);
        return QStringLiteral("%1,%2)-(%3,%4").arg(r.Left).arg(r.Top).arg(r.Right).arg(r.Bottom);
    }
    }
    return {};
}

TFieldValue DefaultValue(TFieldType type)
{
    switch (type) {
    case ftText:
        return QString();
    case ftLines:
        return QStringList();
    case ftScale:
        return 1.0;
    case ftFlagOne:
    case ftFlagZero:
        return false;
    case ftPoints:
        return QVector<QPoint>();
    case ftRect:
        return TRecordRect();
    case ftInt:
    case ftColor:
        break;
    }
    return 0;
}

} // namespace

ERecordParse::ERecordParse(const QString &record, const QString &reason)
    : std::runtime_error(QStringLiteral("cannot read \"%1\": %2").arg(record, reason).toStdString()), FRecord(record)
{
}

const TRecordLayout &RecordLayout(TRecordKind kind, int subKind)
{
    for (const TRecordLayout &layout : RecordLayouts())
        if (layout.Kind == kind && layout.SubKind == subKind)
            return layout;
    throw std::invalid_argument(
        QStringLiteral("no record kind \"%1\" with sub-kind %2").arg(RecordKindName(kind)).arg(subKind).toStdString());
}

QString RecordKindText(const QString &text)
{
    const qsizetype blank = text.indexOf(u' ');
    return blank < 0 ? QString() : text.left(blank);
}

TOpRecord::TOpRecord(TRecordKind kind, int subKind) : TOpRecord(RecordLayout(kind, subKind)) {}

TOpRecord::TOpRecord(const TRecordLayout &layout) : FLayout(&layout)
{
    for (const TGroupLayout &group : layout.Groups)
        for (const TFieldLayout &field : group)
            FValues.push_back(DefaultValue(field.Type));
}

TOpRecord TOpRecord::Parse(const QString &text)
{
    TReader reader(text);
    const QString name = RecordKindText(text);
    if (name.isEmpty())
        reader.Fail(QStringLiteral("no kind name followed by a blank"));
    const TRecordLayout *any = nullptr;
    for (const TRecordLayout &layout : RecordLayouts())
        if (RecordKindName(layout.Kind) == name)
            any = &layout;
    if (!any)
        reader.Fail(QStringLiteral("unknown record kind \"%1\"").arg(name));
    std::vector<TRawGroup> raw = reader.Groups(text.mid(name.size() + 1));
    const TRecordLayout *layout = any;
    if (any->SubKind >= 0) {
        if (raw.front().IsPair)
            reader.Fail(QStringLiteral("the sub-kind is not a single value"));
        const int subKind = reader.Integer(raw.front().First, "sub-kind");
        layout = nullptr;
        for (const TRecordLayout &candidate : RecordLayouts())
            if (candidate.Kind == any->Kind && candidate.SubKind == subKind)
                layout = &candidate;
        if (!layout)
            reader.Fail(QStringLiteral("unknown sub-kind %1").arg(subKind));
        raw.erase(raw.begin());
    }
    if (raw.size() != layout->Groups.size())
        reader.Fail(QStringLiteral("%1 groups where %2 are expected").arg(raw.size()).arg(layout->Groups.size()));
    TOpRecord record(*layout);
    record.FValues.clear();
    for (std::size_t i = 0; i < raw.size(); ++i)
        reader.Group(layout->Groups[i], raw[i], record.FValues);
    return record;
}

QString TOpRecord::ToString() const
{
    QString out = RecordKindName(FLayout->Kind) + u' ';
    if (FLayout->SubKind >= 0)
        out += QStringLiteral("(%1)|").arg(FLayout->SubKind);
    std::size_t v = 0;
    for (std::size_t g = 0; g < FLayout->Groups.size(); ++g) {
        if (g > 0)
            out += u'|';
        out += u'(';
        const TGroupLayout &group = FLayout->Groups[g];
        for (std::size_t f = 0; f < group.size(); ++f, ++v) {
            if (f > 0)
                out += u',';
            out += FormatValue(group[f], FValues[v]);
        }
        out += u')';
    }
    return out;
}

std::size_t TOpRecord::FieldIndex(const char *field, TFieldType type) const
{
    std::size_t v = 0;
    for (const TGroupLayout &group : FLayout->Groups)
        for (const TFieldLayout &entry : group) {
            if (std::strcmp(entry.Name, field) == 0) {
                const auto isFlag = [](TFieldType t) { return t == ftFlagOne || t == ftFlagZero; };
                if (entry.Type != type && !(isFlag(entry.Type) && isFlag(type)))
                    throw std::invalid_argument(QStringLiteral("field %1 of \"%2\" has another type")
                                                    .arg(QLatin1String(field), RecordKindName(FLayout->Kind))
                                                    .toStdString());
                return v;
            }
            ++v;
        }
    throw std::invalid_argument(QStringLiteral("record \"%1\" has no field %2")
                                    .arg(RecordKindName(FLayout->Kind), QLatin1String(field))
                                    .toStdString());
}

bool TOpRecord::HasField(const char *field) const
{
    for (const TGroupLayout &group : FLayout->Groups)
        for (const TFieldLayout &entry : group)
            if (std::strcmp(entry.Name, field) == 0)
                return true;
    return false;
}

int TOpRecord::Int(const char *field) const { return std::get<int>(FValues[FieldIndex(field, ftInt)]); }
QString TOpRecord::Text(const char *field) const { return std::get<QString>(FValues[FieldIndex(field, ftText)]); }
QStringList TOpRecord::Lines(const char *field) const
{
    return std::get<QStringList>(FValues[FieldIndex(field, ftLines)]);
}
double TOpRecord::Scale(const char *field) const { return std::get<double>(FValues[FieldIndex(field, ftScale)]); }
bool TOpRecord::Flag(const char *field) const { return std::get<bool>(FValues[FieldIndex(field, ftFlagOne)]); }
TRecordRect TOpRecord::Rect(const char *field) const
{
    return std::get<TRecordRect>(FValues[FieldIndex(field, ftRect)]);
}
int TOpRecord::Color(const char *field) const { return std::get<int>(FValues[FieldIndex(field, ftColor)]); }
QVector<QPoint> TOpRecord::Points(const char *field) const
{
    return std::get<QVector<QPoint>>(FValues[FieldIndex(field, ftPoints)]);
}

TOpRecord &TOpRecord::Set(const char *field, int value)
{
    FValues[FieldIndex(field, ftInt)] = value;
    return *this;
}

TOpRecord &TOpRecord::Set(const char *field, const QString &value)
{
    FValues[FieldIndex(field, ftText)] = value;
    return *this;
}

TOpRecord &TOpRecord::Set(const char *field, const QStringList &lines)
{
    FValues[FieldIndex(field, ftLines)] = lines;
    return *this;
}

TOpRecord &TOpRecord::Set(const char *field, double scale)
{
    if (!std::isfinite(scale) || scale <= 0)
        throw std::invalid_argument("a record's scale must be a positive number");
    FValues[FieldIndex(field, ftScale)] = scale;
    return *this;
}

TOpRecord &TOpRecord::Set(const char *field, bool flag)
{
    FValues[FieldIndex(field, ftFlagOne)] = flag;
    return *this;
}

TOpRecord &TOpRecord::Set(const char *field, const TRecordRect &rect)
{
    FValues[FieldIndex(field, ftRect)] = rect;
    return *this;
}

TOpRecord &TOpRecord::Set(const char *field, const QVector<QPoint> &points)
{
    FValues[FieldIndex(field, ftPoints)] = points;
    return *this;
}

TOpRecord &TOpRecord::SetColor(const char *field, int r, int g, int b)
{
    for (const int c : {r, g, b})
        if (c < 0 || c > 255)
            throw std::invalid_argument("colour values lie in 0..255");
    return SetColor(field, r + 256 * g + 65536 * b);
}

TOpRecord &TOpRecord::SetColor(const char *field, int color)
{
    if (color < 0 || color > 0xFFFFFF)
        throw std::invalid_argument("a record colour is R + 256 × G + 65536 × B");
    FValues[FieldIndex(field, ftColor)] = color;
    return *this;
}

std::int32_t TOpRecord::Identity() const
{
    if (!HasIdentity())
        throw std::invalid_argument("this record kind names no layer");
    return Int(FLayout->IdentityField);
}

void TOpRecord::SetIdentity(std::int32_t identity)
{
    if (!HasIdentity())
        throw std::invalid_argument("this record kind names no layer");
    Set(FLayout->IdentityField, int(identity));
}

void TOpRecord::SetListTag(int position)
{
    if (!HasListTag())
        throw std::invalid_argument("this record kind has no list position");
    Set(FLayout->ListTagField, position);
}
