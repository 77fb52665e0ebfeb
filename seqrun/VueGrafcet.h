#pragma once

#include <QAbstractScrollArea>
#include <QRect>
#include <functional>
#include <memory>

class QPainter;
class TDC;
class TGrafDoc;

// The chart of a diagram document, read-only, in a scrolling area. The
// elements draw themselves (Grafcet::Dessine) on the surface that the
// editor supplies, so the chart looks exactly as in the editor's view;
// without one they draw through the diagram library's SVG picture.
class VueGrafcet : public QAbstractScrollArea {
    Q_OBJECT
public:
    // Makes a drawing surface over a painter whose transform already maps
    // diagram units to the device.
    using FabriqueSurface = std::function<std::unique_ptr<TDC>(QPainter&)>;

    // The document is neither owned nor deleted; null shows an empty chart.
    explicit VueGrafcet(TGrafDoc* document, QWidget* parent = nullptr);

    void SetSurface(FabriqueSurface fabrique);
    bool AvecSurface() const { return static_cast<bool>(fabrique); }
    // Device pixels per diagram unit, 1 to 3.
    void SetZoom(int z);
    int Zoom() const { return zoom; }
    // The part of the diagram shown when scrolled to the top left, in
    // diagram units: every element with a margin.
    QRect Etendue() const { return etendue; }
    // Measures the chart again and repaints it: after a change of the
    // diagram (the states of the steps while it runs).
    void Rafraichit();

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;
    void scrollContentsBy(int dx, int dy) override;

private:
    void Mesure();
    void MetAJourBarres();
    void Dessine(QPainter& p);

    TGrafDoc* document;
    FabriqueSurface fabrique;
    int zoom = 2;
    QRect etendue;
};
