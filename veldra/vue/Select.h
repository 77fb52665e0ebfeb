#pragma once

#include <QPoint>
#include <QRect>
#include <string>
#include <vector>

#include "platform/TPoint.h"

class QPainter;
class veldraWindowView;

// The drawing context of the rubber bands, in device pixels of the view's
// viewport: a dotted yellow pen one pixel wide, a transparent background and
// exclusive-or with what is under it, so the band shows on any colour. It
// always records what is drawn (the view repaints the area it covers, the
// tests read it back) and paints it too when it is given a painter.
class DepDC {
public:
    struct Trace {
        enum Genre { LIGNE, RECTANGLE } genre;
        QPoint a, b; // line ends; rectangle's top-left and bottom-right corners
        // "ligne 1 2 3 4" or "rect 1 2 3 4".
        std::string Texte() const;
    };

    DepDC() = default;
    explicit DepDC(QPainter& peintre);
    ~DepDC();
    DepDC(const DepDC&) = delete;
    DepDC& operator=(const DepDC&) = delete;

    void MoveTo(int x, int y) { position = QPoint(x, y); }
    void LineTo(int x, int y);
    // Corners in any order; filled with the default brush (white, so the
    // exclusive-or inverts what lies inside).
    void Rectangle(int gauche, int haut, int droite, int bas);

    const std::vector<Trace>& Traces() const { return traces; }
    std::vector<std::string> Lignes() const;
    // The pixels every trace covers.
    QRect Etendue() const;

private:
    QPainter* p = nullptr;
    QPoint position;
    std::vector<Trace> traces;
};

// A rubber band: the shape the editing tools drag out while the mouse moves,
// in diagram coordinates. Start and Move place its points; the view paints
// the current shape in its paint pass, so a moved band never leaves a trace.
class Select {
public:
    explicit Select(veldraWindowView* view);
    virtual ~Select();
    Select(const Select&) = delete;
    Select& operator=(const Select&) = delete;

    // Draws the shape of these points, each point (x, y) at device
    // (x × zoom − ox, y × zoom − oy).
    virtual void Draw(DepDC& dc, TPoint origin, TPoint current, TPoint corner, short zoom, short ox,
                      short oy) = 0;

    // The first Start places the origin (all three points equal); a second
    // one fixes the corner of a return link.
    void Start(TPoint p, short zoom, short ox, short oy);
    // Nothing before the first Start; then the current point follows p, and
    // the corner too until it is fixed.
    void Move(TPoint p, short zoom, short ox, short oy);
    // 0: Origin, 1: Current, 2: Corner; any other index gives Origin.
    TPoint GetPoint(short i) const;

    // The view's paint pass: the current shape, once, when a point is placed.
    void Peint(QPainter& p, short zoom, short ox, short oy);

    TPoint Origin;
    TPoint Corner;
    TPoint Current;
    short Stage = 0;
    veldraWindowView* View = nullptr;

private:
    QRect Etendue(short zoom, short ox, short oy);
    void Redessine(const QRect& zone);
};

// A region selection: the rectangle from Origin to Current.
class RectSelect : public Select {
public:
    using Select::Select;
    ~RectSelect() override;
    void Draw(DepDC& dc, TPoint origin, TPoint current, TPoint corner, short zoom, short ox,
              short oy) override;
};

// A new branch: horizontally from Origin to Current's column, then down to it.
class DivSelect : public Select {
public:
    using Select::Select;
    ~DivSelect() override;
    void Draw(DepDC& dc, TPoint origin, TPoint current, TPoint corner, short zoom, short ox,
              short oy) override;
};

// A return link: while the corner follows the mouse, from Origin
// horizontally then vertically to it; once the corner is fixed, from the
// corner vertically then horizontally to the mouse.
class RetourSelect : public Select {
public:
    using Select::Select;
    ~RetourSelect() override;
    void Draw(DepDC& dc, TPoint origin, TPoint current, TPoint corner, short zoom, short ox,
              short oy) override;
};

// A selection being moved: a line from the press point to the mouse and the
// selection's frame moved by as much.
class DepRec : public Select {
public:
    DepRec(veldraWindowView* view, const TRect& frame);
    ~DepRec() override;
    void Draw(DepDC& dc, TPoint origin, TPoint current, TPoint corner, short zoom, short ox,
              short oy) override;

    TRect Frame;
};
