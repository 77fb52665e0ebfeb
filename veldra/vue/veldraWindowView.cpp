#include "vue/veldraWindowView.h"

#include <QApplication>
#include <QBuffer>
#include <QClipboard>
#include <QImage>
#include <QMimeData>
#include <QPaintEvent>
#include <QPainter>
#include <QScrollBar>
#include <algorithm>
#include <filesystem>

#include "Grafcet.h"
#include "doc/TGrafDoc.h"
#include "rendu/SurfaceSvg.h"
#include "vue/CadreSelection.h"
#include "vue/Select.h"
#include "vue/SurfaceQt.h"
#include "edition/Edition.h"
#include "generation/BGene.h"
#include "generation/CommandeGeneration.h"
#include "SelectionCible.h"
#include <QDir>
#include <QMouseEvent>

namespace {

// The scroller: units of 10 pixels, 100 units each way, whatever the zoom.
constexpr int UNITE_DEFILEMENT = 10;
constexpr int ETENDUE_DEFILEMENT = 100;

// The clipboard picture: the diagram area from (0, 0) to (500, 400) at twice
// its size.
constexpr int PRESSE_PAPIERS_LARGEUR = 500;
constexpr int PRESSE_PAPIERS_HAUTEUR = 400;
constexpr int PRESSE_PAPIERS_ECHELLE = 2;

bool FichierPresent(const std::string& chemin)
{
    if (chemin.empty())
        return false;
    std::error_code erreur;
    return std::filesystem::is_regular_file(chemin, erreur);
}

// The SVG picture of the clipboard: the drawing of the SVG surface, framed
// on the fixed area instead of the drawing's own extent.
QByteArray PictureSvg(const std::string& document)
{
    // The surface's document is its header, a white background rectangle,
    // the drawing, then the closing tag.
    const std::size_t svg = document.find("<svg");
    const std::size_t fond = svg == std::string::npos ? svg : document.find("/>\n", svg);
    const std::size_t fin = document.rfind("</svg>");
    if (fond == std::string::npos || fin == std::string::npos || fin < fond)
        return QByteArray::fromStdString(document);
    const std::string dessin = document.substr(fond + 3, fin - fond - 3);
    const std::string w = std::to_string(PRESSE_PAPIERS_LARGEUR);
    const std::string h = std::to_string(PRESSE_PAPIERS_HAUTEUR);
    const std::string s = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                          "<svg xmlns=\"http://www.w3.org/2000/svg\" version=\"1.1\" width=\""
                          + std::to_string(PRESSE_PAPIERS_LARGEUR * PRESSE_PAPIERS_ECHELLE)
                          + "\" height=\""
                          + std::to_string(PRESSE_PAPIERS_HAUTEUR * PRESSE_PAPIERS_ECHELLE)
                          + "\" viewBox=\"0 0 " + w + " " + h + "\">\n<rect x=\"0\" y=\"0\" width=\""
                          + w + "\" height=\"" + h + "\" fill=\"#ffffff\"/>\n" + dessin + "</svg>\n";
    return QByteArray::fromStdString(s);
}

} // namespace

std::function<bool()> veldraWindowView::Impression;

veldraWindowView::veldraWindowView(TGrafDoc& doc, short zoom, QWidget* parent)
    : QAbstractScrollArea(parent), Doc(&doc)
{
    Tool = 0;
    // A diagram opened from a file starts in selection mode, a new one with
    // the initial-step tool.
    Mode = FichierPresent(doc.GetDocPath()) ? 1 : 0;
    Zoom = std::clamp<short>(zoom, 1, 3);
    ClickCount = 0;
    Tracking = 0;

    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    for (QScrollBar* barre : {horizontalScrollBar(), verticalScrollBar()}) {
        barre->setRange(0, ETENDUE_DEFILEMENT);
        barre->setSingleStep(1);
    }
    viewport()->setAttribute(Qt::WA_OpaquePaintEvent);

    // The window's set-up: the diagram file is read when the document has one.
    Doc->Open(0, nullptr);
    // Moves between the clicks of a return link, with no button down, drive its band.
    viewport()->setMouseTracking(true);
}

veldraWindowView::~veldraWindowView()
{
    Tracker.reset();
    SelHandle.reset();
}

QPoint veldraWindowView::Decalage() const
{
    return QPoint(horizontalScrollBar()->value() * UNITE_DEFILEMENT,
                  verticalScrollBar()->value() * UNITE_DEFILEMENT);
}

QPoint veldraWindowView::VersEcran(TPoint p) const
{
    const QPoint d = Decalage();
    return QPoint(p.x * Zoom - d.x(), p.y * Zoom - d.y());
}

TPoint veldraWindowView::VersDiagramme(QPoint p) const
{
    const QPoint d = Decalage();
    return TPoint((p.x() + d.x()) / Zoom, (p.y() + d.y()) / Zoom);
}

bool veldraWindowView::EnImpression() { return Impression && Impression(); }

QSize veldraWindowView::TailleMaximale() const
{
    return EnImpression() ? QSize(32000, 32000) : maximumSize();
}

void veldraWindowView::Peint(QPainter& p)
{
    if (!EnImpression()) {
        PeintEcran(p);
        return;
    }
    // One page: the diagram alone, with the page's mapping.
    if (Grafcet* g = Doc->PGraf()) {
        SurfaceQt surface(p, SurfaceQt::TRAITS_ECHELLE);
        g->Dessine(surface);
    }
}

void veldraWindowView::PeintEcran(QPainter& p)
{
    const QPoint d = Decalage();
    if (Grafcet* g = Doc->PGraf()) {
        p.save();
        // Exactly Zoom device pixels per diagram unit, so that what is drawn
        // lies where the mouse positions map to.
        p.translate(-d.x(), -d.y());
        p.scale(Zoom, Zoom);
        SurfaceQt surface(p);
        g->Dessine(surface);
        if (SelHandle && Mode == 1)
            SelHandle->Peint(p);
        p.restore();
    }
    if (Tracker && Tracking != 0)
        Tracker->Peint(p, Zoom, static_cast<short>(d.x()), static_cast<short>(d.y()));
}

void veldraWindowView::paintEvent(QPaintEvent* e)
{
    QPainter p(viewport());
    p.fillRect(e->rect(), Qt::white);
    PeintEcran(p);
}

void veldraWindowView::resizeEvent(QResizeEvent* e)
{
    QAbstractScrollArea::resizeEvent(e);
    // Only the scroll bars' page changes: the range stays 100 units.
    horizontalScrollBar()->setPageStep(std::max(1, viewport()->width() / UNITE_DEFILEMENT));
    verticalScrollBar()->setPageStep(std::max(1, viewport()->height() / UNITE_DEFILEMENT));
}

void veldraWindowView::Zoome(short facteur)
{
    Zoom = facteur;
    emit TexteZoom(QStringLiteral("Zoom %1").arg(Zoom));
    viewport()->update();
}

void veldraWindowView::CopieVersPressePapiers()
{
    Grafcet* g = Doc->PGraf();

    SurfaceSvg svg(PRESSE_PAPIERS_ECHELLE);
    if (g)
        g->Dessine(svg);

    QImage image(PRESSE_PAPIERS_LARGEUR * PRESSE_PAPIERS_ECHELLE,
                 PRESSE_PAPIERS_HAUTEUR * PRESSE_PAPIERS_ECHELLE, QImage::Format_RGB32);
    image.fill(Qt::white);
    if (g) {
        QPainter p(&image);
        p.scale(PRESSE_PAPIERS_ECHELLE, PRESSE_PAPIERS_ECHELLE);
        // Lines scale with the picture, as in the SVG one.
        SurfaceQt surface(p, SurfaceQt::TRAITS_ECHELLE);
        g->Dessine(surface);
    }
    QByteArray png;
    QBuffer tampon(&png);
    tampon.open(QIODevice::WriteOnly);
    image.save(&tampon, "PNG");

    auto* donnees = new QMimeData;
    donnees->setData(QStringLiteral("image/svg+xml"), PictureSvg(svg.Document()));
    donnees->setData(QStringLiteral("image/png"), png);
    donnees->setImageData(image);
    QApplication::clipboard()->setMimeData(donnees);
}

bool veldraWindowView::Execute(int id)
{
    switch (id) {
    case cmd::ZOOM1:
    case cmd::ZOOM2:
    case cmd::ZOOM3:
        Zoome(static_cast<short>(id - cmd::ZOOM1 + 1));
        return true;
    case cmd::COPIER_VERS:
        CopieVersPressePapiers();
        return true;
    case cmd::GENERER:
        if (Doc) {
            GenDialog = GenereDepuis(this, *Doc, SelectionCible::Courante(), QDir::currentPath());
            if (GenDialog)
                connect(GenDialog.data(), &BGene::Commande, this, &veldraWindowView::Commande);
            emit DiagrammeModifie(); // the generated flag and the error marks changed
        }
        return true;
    default: {
        const short mode = Mode, outil = Tool;
        const bool gere = edition::Execute(*this, id);
        if (gere && (mode != Mode || outil != Tool))
            emit ModeChange();
        return gere;
    }
    }
}

bool veldraWindowView::Etat(int id, EtatCommande& etat)
{
    switch (id) {
    case cmd::ZOOM1:
    case cmd::ZOOM2:
    case cmd::ZOOM3:
        etat.actif = true;
        etat.coche = Zoom == id - cmd::ZOOM1 + 1;
        return true;
    case cmd::COPIER_VERS:
    case cmd::GENERER:
        etat.actif = true;
        etat.coche = false;
        return true;
    default:
        return edition::Etat(*this, id, etat);
    }
}

void veldraWindowView::Modifie()
{
    if (Doc)
        Doc->Modif();
    emit DiagrammeModifie();
}

void veldraWindowView::Repeint() { viewport()->update(); }

void veldraWindowView::mousePressEvent(QMouseEvent* e)
{
    const TPoint p = VersDiagramme(e->position().toPoint());
    if (e->button() == Qt::LeftButton)
        edition::Presse(*this, p);
    else if (e->button() == Qt::RightButton)
        edition::Annule(*this);
    emit ModeChange();
}

void veldraWindowView::mouseReleaseEvent(QMouseEvent* e)
{
    if (e->button() != Qt::LeftButton)
        return;
    // The key flags of the gesture: the left button that made it, and Shift
    // and Ctrl as they are at the release.
    unsigned drapeaux = edition::BOUTON_GAUCHE;
    if (e->modifiers() & Qt::ShiftModifier)
        drapeaux |= edition::MAJ;
    if (e->modifiers() & Qt::ControlModifier)
        drapeaux |= edition::CTRL;
    edition::Relache(*this, VersDiagramme(e->position().toPoint()), drapeaux);
    emit ModeChange();
}

void veldraWindowView::mouseMoveEvent(QMouseEvent* e)
{
    edition::Bouge(*this, VersDiagramme(e->position().toPoint()));
}
