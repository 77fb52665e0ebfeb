#pragma once

#include <string>

// The drawing objects an element selects before it draws: colours, pens,
// brushes and fonts, as plain values.

struct TColor {
    unsigned char r = 0;
    unsigned char g = 0;
    unsigned char b = 0;

    constexpr TColor() = default;
    constexpr TColor(unsigned char rr, unsigned char gg, unsigned char bb) : r(rr), g(gg), b(bb) {}
    friend constexpr bool operator==(const TColor&, const TColor&) = default;

    static const TColor Black;
    static const TColor White;
    static const TColor LtRed;
    static const TColor LtCyan;
};

inline constexpr TColor TColor::Black{0, 0, 0};
inline constexpr TColor TColor::White{255, 255, 255};
inline constexpr TColor TColor::LtRed{255, 0, 0};
inline constexpr TColor TColor::LtCyan{128, 255, 255};

struct TPen {
    enum Style { Solid, Dot };
    TColor couleur;
    int largeur = 1;
    Style style = Solid;

    constexpr TPen() = default;
    constexpr TPen(TColor c, int l = 1, Style s = Solid) : couleur(c), largeur(l), style(s) {}
    friend constexpr bool operator==(const TPen&, const TPen&) = default;
};

struct TBrush {
    TColor couleur = TColor::White;

    constexpr TBrush() = default;
    constexpr explicit TBrush(TColor c) : couleur(c) {}
    friend constexpr bool operator==(const TBrush&, const TBrush&) = default;
};

struct TFont {
    std::string face = "System";
    int hauteur = 10;   // cell height, logical units
    int largeur = 0;    // average character width, 0 for the face's own
    int poids = 400;
    bool italique = false;

    TFont() = default;
    TFont(std::string f, int h, int l, bool i = false)
        : face(std::move(f)), hauteur(h), largeur(l), italique(i)
    {
    }
    friend bool operator==(const TFont&, const TFont&) = default;
};
