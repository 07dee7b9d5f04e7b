#pragma once

class QToolButton;

// The small bitmaps of the window's flat buttons.
enum class Glyph {
    Pick,         // black triangle pointing down: choose from the partner list
    StoreDefault, // yellow square with a blue check mark: store as default, accept a pick
    AddPartner,   // black arrow with a blue plus: add to the partner list
};

// Makes button a flat, unfocusable button showing glyph at its own size.
void makeGlyphButton(QToolButton *button, Glyph glyph);
