// The icon sets in their five states, the tool-bar pictures and the GIF
// player buttons: one flat line style, states told apart by their plate.

#include "ArtworkNames.h"
#include "Generators.h"
#include "IconGlyphs.h"

#include <QLinearGradient>

namespace {

const QColor Slate(61, 71, 86), Blue(47, 128, 237), DeepBlue(21, 83, 158);

struct TStateLook {
    QColor Plate, Border;
    TGlyphInk Ink;
    double Drop; // the glyph sinks when pressed
};

TStateLook LookOf(std::string_view state)
{
    if (state == "U")
        return {QColor(227, 239, 253), QColor(156, 195, 245), {QColor(31, 111, 209), Blue, true}, 0};
    if (state == "D")
        return {Blue, DeepBlue, {Qt::white, QColor(220, 235, 255), false}, 1};
    if (state == "S")
        return {QColor(207, 226, 250), Blue, {DeepBlue, Blue, true}, 0};
    if (state == "None")
        return {Qt::transparent, Qt::transparent, {QColor(184, 190, 199), QColor(207, 212, 218), false}, 0};
    return {Qt::transparent, Qt::transparent, {Slate, Blue, true}, 0};
}

QImage StateIcon(std::string_view glyph, std::string_view state, int size)
{
    const TStateLook look = LookOf(state);
    QImage icon = NewCanvas(size, size);
    QPainter p(&icon);
    PrepPainter(p);
    if (look.Plate.alpha() > 0) {
        p.setPen(QPen(look.Border, 1.0));
        p.setBrush(look.Plate);
        p.drawRoundedRect(QRectF(0.5, 0.5, size - 1, size - 1), size * 0.18, size * 0.18);
    }
    const double inset = size * 0.125, scale = (size - 2 * inset) / 24.0;
    p.translate(inset, inset + look.Drop);
    p.scale(scale, scale);
    DrawGlyph(p, glyph, look.Ink);
    return icon;
}

std::string_view Trimmed(std::string_view prefix) { return prefix.substr(0, prefix.size() - 1); }

template <std::size_t N>
void IconSet(TArtSink &sink, const std::array<std::string_view, N> &prefixes, int size)
{
    for (std::string_view prefix : prefixes)
        for (std::string_view state : VellumiArt::IconStates)
            sink.Compiled(std::string(prefix) + std::string(state), StateIcon(Trimmed(prefix), state, size));
}

QImage ToolBarIcon(std::string_view name)
{
    const int size = VellumiArt::ToolBarIconSize;
    QImage icon = NewCanvas(size, size);
    QPainter p(&icon);
    PrepPainter(p);
    const double scale = (size - 2.0) / 24.0;
    p.translate(1, 1);
    p.scale(scale, scale);
    DrawGlyph(p, name.substr(3), {Slate, Blue, true});
    return icon;
}

QImage PlayerButton(bool play, char state)
{
    const int size = VellumiArt::PlayerButtonSize;
    QImage icon = NewCanvas(size, size);
    QPainter p(&icon);
    PrepPainter(p);
    const QColor top = state == 'U' ? QColor(110, 175, 250) : state == 'D' ? QColor(25, 90, 180) : QColor(80, 140, 225);
    const QColor bottom = state == 'U' ? QColor(60, 135, 235) : state == 'D' ? QColor(40, 110, 210) : QColor(40, 100, 190);
    const double drop = state == 'D' ? 1 : 0;
    QLinearGradient g(0, 0, 0, size);
    g.setColorAt(0, top);
    g.setColorAt(1, bottom);
    p.setPen(QPen(QColor(20, 60, 120), 1.2));
    p.setBrush(g);
    p.drawEllipse(QRectF(1.5, 1.5, size - 3, size - 3));
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    const double c = size / 2.0;
    if (play) {
        QPainterPath tri;
        tri.moveTo(c - 5, c - 8 + drop);
        tri.lineTo(c + 9, c + drop);
        tri.lineTo(c - 5, c + 8 + drop);
        tri.closeSubpath();
        p.drawPath(tri);
    } else {
        p.drawRoundedRect(QRectF(c - 7, c - 7 + drop, 14, 14), 2, 2);
    }
    return icon;
}

} // namespace

void MakeIcons(TArtSink &sink)
{
    sink.BeginGroup(QStringLiteral("icons-menu"));
    IconSet(sink, VellumiArt::MenuIconPrefixes, VellumiArt::MenuIconSize);
    sink.BeginGroup(QStringLiteral("icons-text"));
    IconSet(sink, VellumiArt::TextIconPrefixes, VellumiArt::TextIconSize);
    sink.BeginGroup(QStringLiteral("icons-textop"));
    IconSet(sink, VellumiArt::TextOptionIconPrefixes, VellumiArt::TextOptionIconSize);
    sink.BeginGroup(QStringLiteral("toolbar-player"));
    for (std::string_view name : VellumiArt::ToolBarIcons)
        sink.Compiled(name, ToolBarIcon(name));
    for (std::string_view name : VellumiArt::PlayerButtons)
        sink.Compiled(name, PlayerButton(name.substr(0, 4) == "PLAY", name.back()));
}
