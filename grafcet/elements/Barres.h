#pragma once

#include "elements/SGrafcet.h"

// The four bars that join chains side by side. The link count of a
// divergence is the number of branches below it; that of a convergence the
// number of branches arriving on it (1 at creation: the branch it closes).

class DivOu : public SGrafcet {
public:
    static constexpr short HAUTEUR = 3;

    DivOu(short x, short y);
    explicit DivOu(TPoint ancre);
    DivOu(TPoint ancre, const TRect& r, short liaisons);
    explicit DivOu(const DivOu* autre);
    DivOu& operator=(const DivOu* autre);
    using SGrafcet::operator=;

    void Dessine(TDC& dc) override;
    short LLiaison(TPoint& p) override;
    void ALiaison(TPoint p) override;
    void ELiaison(TPoint p) override;
    bool Test(TPoint p) override;
    short TailleMin() override;
};

class ConvOu : public SGrafcet {
public:
    static constexpr short HAUTEUR = 6;

    ConvOu(short x, short y);
    explicit ConvOu(TPoint ancre);
    ConvOu(TPoint ancre, const TRect& r, short liaisons);
    explicit ConvOu(const ConvOu* autre);
    ConvOu& operator=(const ConvOu* autre);
    using SGrafcet::operator=;

    void Dessine(TDC& dc) override;
    short LLiaison(TPoint& p) override;
    void ALiaison(TPoint p) override;
    void ELiaison(TPoint p) override;
    short TailleMin() override;
};

class DivEt : public SGrafcet {
public:
    static constexpr short HAUTEUR = 2;

    DivEt(short x, short y);
    explicit DivEt(TPoint ancre);
    DivEt(TPoint ancre, const TRect& r, short liaisons);
    explicit DivEt(const DivEt* autre);
    DivEt& operator=(const DivEt* autre);
    using SGrafcet::operator=;

    void Dessine(TDC& dc) override;
    short LLiaison(TPoint& p) override;
    void ALiaison(TPoint p) override;
    void ELiaison(TPoint p) override;
    short TailleMin() override;
};

class ConvEt : public SGrafcet {
public:
    static constexpr short HAUTEUR = 2;

    ConvEt(short x, short y);
    explicit ConvEt(TPoint ancre);
    ConvEt(TPoint ancre, const TRect& r, short liaisons);
    explicit ConvEt(const ConvEt* autre);
    ConvEt& operator=(const ConvEt* autre);
    using SGrafcet::operator=;

    void Dessine(TDC& dc) override;
    short LLiaison(TPoint& p) override;
    void ALiaison(TPoint p) override;
    void ELiaison(TPoint p) override;
    short TailleMin() override;
};
