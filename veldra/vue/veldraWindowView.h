#pragma once

#include <QAbstractScrollArea>
#include <QPointer>
#include <QRegion>
#include <functional>
#include <memory>

#include "Commandes.h"
#include "platform/TPoint.h"

class QPainter;
class TGrafDoc;
class Select;
class CadreSelection;
class BGene;

// The view of a diagram document: the chart at zoom 1, 2 or 3 in a window
// that scrolls over 1000 by 1000 pixels, the selection frame and the
// rubber band of the editing tool in progress. It carries the state of the
// editing tools and handles the view's commands.
class veldraWindowView : public QAbstractScrollArea, public CibleCommandes {
    Q_OBJECT
public:
    static constexpr const char* NOM_VUE = "GRAFCET";

    // zoom: the factor of the zoom button that is down (1 to 3).
    veldraWindowView(TGrafDoc& doc, short zoom, QWidget* parent = nullptr);
    ~veldraWindowView() override;

    const char* GetViewName() const { return NOM_VUE; }
    short LMode() const { return Mode; }
    short LTool() const { return Tool; }
    short LZoom() const { return Zoom; }
    TGrafDoc& Document() const { return *Doc; }

    // Device point of a diagram point, and the diagram point under a device
    // point (integer division truncating towards zero), with the scroll offset.
    QPoint VersEcran(TPoint p) const;
    TPoint VersDiagramme(QPoint p) const;
    // The scroll offset in pixels: the scroll positions times 10.
    QPoint Decalage() const;

    bool Execute(int id) override;
    bool Etat(int id, EtatCommande& etat) override;

    // Set by the application: true while it prints or shows a print
    // preview. Peint then draws the diagram alone, as one page, with the
    // painter's own mapping (the page's) instead of the view's zoom and
    // scroll. The screen's paint pass never follows it.
    static std::function<bool()> Impression;
    // The largest size the view may be given: 32000 by 32000 pixels while
    // printing, so that a preview may size it to a whole page; otherwise
    // the widget's own maximum.
    QSize TailleMaximale() const;

    // Draws the diagram and the view's own marks as the screen shows them
    // (for the clipboard and the tests, into an image of the viewport).
    void Peint(class QPainter& p);

    // The diagram changed: the document is marked modified (its generated
    // code no longer matches) and the change is announced.
    void Modifie();
    // The view is repainted, erased first.
    void Repeint();

signals:
    // The status bar's zoom text changes: "Zoom 1", "Zoom 2" or "Zoom 3".
    void TexteZoom(const QString& texte);
    // An editing operation changed the diagram.
    void DiagrammeModifie();
    // A command for the frame to run (the generation dialog's run buttons).
    void Commande(int id);
    // The editing state changed (mode, tool, selection, a press or a release
    // done): the palette and the command states follow it.
    void ModeChange();

protected:
    void paintEvent(QPaintEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;

public:
    // Editing state, read and written by the editing tools.
    short Tool = 0;
    short Zoom = 2;
    short Mode = 0;
    short ClickCount = 0;
    QRegion SelRegion;
    std::unique_ptr<CadreSelection> SelHandle;
    int Tracking = 0;
    std::unique_ptr<Select> Tracker;
    QPointer<BGene> GenDialog;
    TGrafDoc* Doc = nullptr;

private:
    static bool EnImpression();
    // The screen's picture: the diagram at the zoom factor, scrolled, then
    // the selection frame in selection mode and the rubber band.
    void PeintEcran(QPainter& p);
    void Zoome(short facteur);
    // The diagram as a picture on the clipboard, in SVG and in PNG.
    void CopieVersPressePapiers();
};
