#pragma once
// Line glyphs of the tool icons, drawn in a 24 x 24 box.

#include "ArtKit.h"

#include <string_view>

struct TGlyphInk {
    QColor Ink;       // lines
    QColor Accent;    // fills and highlights
    bool Colourful;   // palette dots and the red eye keep their own colours
};

// key: an icon prefix without its trailing underscore ("SIZE", "T_PEN", "BOLD").
// Throws for a key without a glyph.
void DrawGlyph(QPainter &p, std::string_view key, const TGlyphInk &ink);
