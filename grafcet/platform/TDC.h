#pragma once

#include <string>

#include "platform/TGdi.h"
#include "platform/TPoint.h"

// The abstract drawing surface every element draws itself on, in diagram
// coordinates. It keeps the drawing state (pen, brush, font, background,
// current position) and hands each primitive, with that state, to the
// concrete surface: the screen view, printing, the clipboard and SVG
// pictures, and the recording surface of the tests.
class TDC {
public:
    enum { TRANSPARENT = 1, OPAQUE = 2 };
    enum { DT_CENTER = 1 };

    virtual ~TDC() = default;

    void MoveTo(int x, int y) { position = TPoint(x, y); }
    void LineTo(int x, int y);
    void Rectangle(int gauche, int haut, int droite, int bas);
    // `nombre` characters of `texte` with their top-left corner at (x, y);
    // -1 for the whole text.
    void TextOut(int x, int y, const std::string& texte, int nombre = -1);
    // The text centred horizontally in the rectangle, at its top.
    void DrawText(const std::string& texte, int nombre, const TRect& r, unsigned format);

    int SetBkMode(int mode);
    TColor SetBkColor(TColor couleur);

    // Selecting replaces the current object; a Garde restores the objects
    // that were current when it was made.
    void SelectObject(const TPen& p) { stylo = p; }
    void SelectObject(const TBrush& b) { pinceau = b; }
    void SelectObject(const TFont& f) { police = f; }

    // Keeps the pen, brush and font current when built and puts them back
    // when it goes: an element leaves the surface as it found it.
    class Garde {
    public:
        explicit Garde(TDC& dc) : dc(dc), stylo(dc.stylo), pinceau(dc.pinceau), police(dc.police) {}
        ~Garde()
        {
            dc.stylo = stylo;
            dc.pinceau = pinceau;
            dc.police = police;
        }
        Garde(const Garde&) = delete;
        Garde& operator=(const Garde&) = delete;

    private:
        TDC& dc;
        TPen stylo;
        TBrush pinceau;
        TFont police;
    };

    const TPen& Pen() const { return stylo; }
    const TBrush& Brush() const { return pinceau; }
    const TFont& Font() const { return police; }
    int BkMode() const { return modeFond; }
    TColor BkColor() const { return couleurFond; }

protected:
    // The primitives the concrete surfaces draw, with the current state.
    virtual void Ligne(TPoint a, TPoint b) = 0;
    virtual void Rect(const TRect& r) = 0;
    virtual void Texte(TPoint coin, const std::string& texte) = 0;
    virtual void TexteCentre(const TRect& r, const std::string& texte) = 0;

private:
    TPoint position;
    TPen stylo;
    TBrush pinceau;
    TFont police;
    int modeFond = OPAQUE;
    TColor couleurFond = TColor::White;
};
