// The diagram view: coordinates, zoom commands, painting, the clipboard
// picture, the rubber bands and the selection frame.
#include <QApplication>
#include <QClipboard>
#include <QImage>
#include <QMimeData>
#include <QPaintEvent>
#include <QPainter>
#include <QScrollBar>
#include <QSignalSpy>
#include <QSvgRenderer>
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "Grafcet.h"
#include "doc/TGrafDoc.h"
#include "vue/CadreSelection.h"
#include "vue/Select.h"
#include "vue/SurfaceQt.h"
#include "vue/veldraWindowView.h"

namespace {

const std::string ALLER_RETOUR = std::string(VELDRA_EXEMPLES) + "/aller-retour.gra";

// In aller-retour.gra, step 2 is anchored at (100, 86): its box runs from
// (90, 96) to (110, 116) and its number sits in the middle of the box.
const TPoint DANS_BOITE(93, 112);
const TPoint BORD_BOITE(90, 112);
const QColor CYAN(128, 255, 255);

bool Sombre(QColor c) { return c.red() < 100 && c.green() < 100 && c.blue() < 100; }

QColor Pixel(const QImage& image, QPoint p) { return image.pixelColor(p); }

QImage Capture(veldraWindowView& vue)
{
    return vue.viewport()->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

// A view over its document, shown at a fixed size.
struct Vue {
    explicit Vue(const std::string& chemin = "", short zoom = 2)
    {
        if (!chemin.empty())
            doc.SetDocPath(chemin);
        vue = std::make_unique<veldraWindowView>(doc, zoom);
        vue->resize(700, 500);
        vue->show();
    }
    TGrafDoc doc{nullptr};
    std::unique_ptr<veldraWindowView> vue;
};

void Defile(veldraWindowView& vue, int h, int v)
{
    vue.horizontalScrollBar()->setValue(h);
    vue.verticalScrollBar()->setValue(v);
}

} // namespace

// ---- coordinates ----

TEST(CoordonneesVue, DiagramPointsMapToTheDeviceAndBack)
{
    struct Cas {
        short zoom;
        int h, v;         // scroll positions, in units of 10 pixels
        TPoint diagramme;
        QPoint ecran;
    };
    const Cas cas[] = {
        {2, 0, 0, {30, 40}, {60, 80}},
        {2, 2, 1, {30, 40}, {40, 70}},
        {1, 0, 0, {30, 40}, {30, 40}},
        {3, 10, 0, {30, 40}, {-10, 120}},
        {3, 100, 100, {0, 0}, {-1000, -1000}},
    };
    Vue v;
    for (const Cas& c : cas) {
        ASSERT_TRUE(v.vue->Execute(cmd::ZOOM1 + c.zoom - 1));
        Defile(*v.vue, c.h, c.v);
        EXPECT_EQ(v.vue->Decalage(), QPoint(c.h * 10, c.v * 10));
        EXPECT_EQ(v.vue->VersEcran(c.diagramme), c.ecran) << "zoom " << c.zoom;
        EXPECT_EQ(v.vue->VersDiagramme(c.ecran), c.diagramme) << "zoom " << c.zoom;
    }
}

TEST(CoordonneesVue, DevicePointsTruncateTowardsZero)
{
    struct Cas {
        short zoom;
        int h, v;
        QPoint ecran;
        TPoint diagramme;
    };
    const Cas cas[] = {
        {2, 0, 0, {61, 81}, {30, 40}},
        {3, 0, 0, {5, 8}, {1, 2}},
        {3, 0, 0, {-4, -2}, {-1, 0}},   // floor would give (-2, -1)
        {3, 1, 0, {-11, 0}, {0, 0}},    // (-11 + 10) / 3 is 0, not -1
        {2, 2, 1, {41, 71}, {30, 40}},
    };
    Vue v;
    for (const Cas& c : cas) {
        ASSERT_TRUE(v.vue->Execute(cmd::ZOOM1 + c.zoom - 1));
        Defile(*v.vue, c.h, c.v);
        EXPECT_EQ(v.vue->VersDiagramme(c.ecran), c.diagramme)
            << "zoom " << c.zoom << " at " << c.ecran.x() << "," << c.ecran.y();
    }
}

// ---- construction and zoom ----

TEST(ConstructionVue, ZoomComesFromTheButtonAndStaysInRange)
{
    const std::pair<short, short> cas[] = {{1, 1}, {2, 2}, {3, 3}, {0, 1}, {-4, 1}, {7, 3}};
    for (auto [demande, obtenu] : cas) {
        TGrafDoc doc(nullptr);
        veldraWindowView vue(doc, demande);
        EXPECT_EQ(vue.LZoom(), obtenu) << "asked " << demande;
    }
}

TEST(ConstructionVue, ModeAndToolDependOnTheFileAtTheDocumentPath)
{
    Vue ouvert(ALLER_RETOUR);
    EXPECT_EQ(ouvert.vue->LMode(), 1);
    EXPECT_EQ(ouvert.vue->LTool(), 0);
    EXPECT_STREQ(ouvert.vue->GetViewName(), "GRAFCET");
    // The set-up read the file once.
    ASSERT_NE(ouvert.doc.PGraf(), nullptr);
    EXPECT_EQ(ouvert.doc.PGraf()->Symboles().size(), 11u);

    Vue nouveau;
    EXPECT_EQ(nouveau.vue->LMode(), 0);
    EXPECT_EQ(nouveau.vue->LTool(), 0);
    EXPECT_TRUE(nouveau.doc.PGraf()->Symboles().empty());

    Vue absent("/nonexistent/veldra/none.gra");
    EXPECT_EQ(absent.vue->LMode(), 0);
    EXPECT_TRUE(absent.doc.PGraf()->Symboles().empty());

    // A directory is not a diagram file.
    Vue dossier(VELDRA_EXEMPLES);
    EXPECT_EQ(dossier.vue->LMode(), 0);
}

TEST(CommandesZoom, EachFactorIsCheckedAloneAndTheScrollerStays)
{
    Vue v;
    Defile(*v.vue, 3, 4);
    QSignalSpy texte(v.vue.get(), &veldraWindowView::TexteZoom);
    for (int facteur = 1; facteur <= 3; ++facteur) {
        ASSERT_TRUE(v.vue->Execute(cmd::ZOOM1 + facteur - 1));
        EXPECT_EQ(v.vue->LZoom(), facteur);
        ASSERT_EQ(texte.count(), facteur);
        EXPECT_EQ(texte.last().at(0).toString(), QString("Zoom %1").arg(facteur));
        for (int autre = 1; autre <= 3; ++autre) {
            EtatCommande etat;
            ASSERT_TRUE(v.vue->Etat(cmd::ZOOM1 + autre - 1, etat));
            EXPECT_TRUE(etat.actif);
            EXPECT_EQ(etat.coche, autre == facteur) << "zoom " << facteur << ", command " << autre;
        }
        for (QScrollBar* barre : {v.vue->horizontalScrollBar(), v.vue->verticalScrollBar()}) {
            EXPECT_EQ(barre->minimum(), 0);
            EXPECT_EQ(barre->maximum(), 100);
            EXPECT_EQ(barre->singleStep(), 1);
        }
        EXPECT_EQ(v.vue->Decalage(), QPoint(30, 40));
    }
}

TEST(CommandesZoom, OnlyTheViewsOwnCommandsAreHandled)
{
    Vue v;
    EtatCommande etat;
    EXPECT_TRUE(v.vue->Etat(cmd::COPIER_VERS, etat));
    EXPECT_TRUE(etat.actif);
    for (int id : std::initializer_list<int>{cmd::OUVRIR, cmd::SAUVEGARDER, 0, -1}) {
        EtatCommande autre;
        EXPECT_FALSE(v.vue->Etat(id, autre)) << id;
        EXPECT_FALSE(v.vue->Execute(id)) << id;
    }
    EXPECT_EQ(v.vue->LZoom(), 2);
}

TEST(ConstructionVue, PrintingAllowsAPageSizedView)
{
    Vue v;
    const QSize ecran = v.vue->TailleMaximale();
    bool impression = true;
    veldraWindowView::Impression = [&] { return impression; };
    EXPECT_EQ(v.vue->TailleMaximale(), QSize(32000, 32000));
    impression = false;
    EXPECT_EQ(v.vue->TailleMaximale(), ecran);
    veldraWindowView::Impression = nullptr;
}

// ---- painting ----

TEST(PeintureVue, ElementsArePaintedWhereTheMappingPutsThem)
{
    Vue v(ALLER_RETOUR);
    struct Cas {
        short zoom;
        int h, v;
    };
    for (const Cas& c : {Cas{2, 0, 0}, Cas{1, 0, 0}, Cas{3, 2, 1}, Cas{2, 5, 3}}) {
        v.vue->Execute(cmd::ZOOM1 + c.zoom - 1);
        Defile(*v.vue, c.h, c.v);
        const QImage image = Capture(*v.vue);
        EXPECT_EQ(Pixel(image, v.vue->VersEcran(DANS_BOITE)), CYAN) << "zoom " << c.zoom;
        EXPECT_TRUE(Sombre(Pixel(image, v.vue->VersEcran(BORD_BOITE)))) << "zoom " << c.zoom;
        // Left of the box, nothing.
        EXPECT_EQ(Pixel(image, v.vue->VersEcran(TPoint(80, 112))), QColor(Qt::white));
    }
}

TEST(PeintureVue, ANewDiagramPaintsWhite)
{
    Vue v;
    const QImage image = Capture(*v.vue);
    QImage blanc(image.size(), QImage::Format_RGB32);
    blanc.fill(Qt::white);
    EXPECT_EQ(image, blanc);
}

TEST(PeintureVue, SelectionFrameShowsInSelectionModeOnly)
{
    Vue v;
    v.vue->SelHandle = std::make_unique<CadreSelection>(TRect(40, 30, 100, 90), 16, 5);
    // The top-left handle covers (40, 30) to (45, 35).
    const QPoint poignee = v.vue->VersEcran(TPoint(42, 32));
    v.vue->Mode = 1;
    EXPECT_TRUE(Sombre(Pixel(Capture(*v.vue), poignee)));
    v.vue->Mode = 0;
    EXPECT_EQ(Pixel(Capture(*v.vue), poignee), QColor(Qt::white));
    v.vue->Mode = 1;
    v.vue->SelHandle.reset();
    EXPECT_EQ(Pixel(Capture(*v.vue), poignee), QColor(Qt::white));
}

TEST(PeintureVue, RubberBandIsPaintedWhileTrackingOnly)
{
    Vue v;
    auto* bande = new RectSelect(v.vue.get());
    v.vue->Tracker.reset(bande);
    const QPoint d = v.vue->Decalage();
    bande->Start(TPoint(20, 20), v.vue->Zoom, d.x(), d.y());
    bande->Move(TPoint(60, 50), v.vue->Zoom, d.x(), d.y());
    const QPoint dedans = v.vue->VersEcran(TPoint(40, 35));
    const QPoint dehors = v.vue->VersEcran(TPoint(70, 35));

    v.vue->Tracking = 1;
    QImage image = Capture(*v.vue);
    // White under the exclusive-or of the white brush turns black.
    EXPECT_EQ(Pixel(image, dedans), QColor(Qt::black));
    EXPECT_EQ(Pixel(image, dehors), QColor(Qt::white));

    v.vue->Tracking = 0;
    EXPECT_EQ(Pixel(Capture(*v.vue), dedans), QColor(Qt::white));
}

namespace {

// Gathers the areas the viewport is asked to repaint.
class Repeints : public QObject {
public:
    QRegion zone;
    bool eventFilter(QObject*, QEvent* e) override
    {
        if (e->type() == QEvent::Paint)
            zone |= static_cast<QPaintEvent*>(e)->region();
        return false;
    }
};

} // namespace

TEST(PeintureVue, MovingABandRepaintsWhereItWasAndWhereItGoes)
{
    Vue v;
    QCoreApplication::processEvents();
    Repeints repeints;
    v.vue->viewport()->installEventFilter(&repeints);
    auto* bande = new DivSelect(v.vue.get());
    v.vue->Tracker.reset(bande);
    v.vue->Tracking = 1;
    bande->Start(TPoint(20, 20), 2, 0, 0);
    bande->Move(TPoint(60, 50), 2, 0, 0);
    QCoreApplication::processEvents();
    // The first shape is a point at (40, 40); the second runs to (120, 40)
    // then down to (120, 100).
    EXPECT_TRUE(repeints.zone.contains(QPoint(40, 40)));
    EXPECT_TRUE(repeints.zone.contains(QPoint(120, 100)));
    repeints.zone = QRegion();
    bande->Move(TPoint(30, 30), 2, 0, 0);
    QCoreApplication::processEvents();
    EXPECT_TRUE(repeints.zone.contains(QPoint(120, 100))) << "the old shape is not erased";
    EXPECT_TRUE(repeints.zone.contains(QPoint(60, 60)));
    // Far from both shapes nothing needs repainting.
    EXPECT_FALSE(repeints.zone.contains(QPoint(300, 300)));
    v.vue->viewport()->removeEventFilter(&repeints);
}

TEST(PeintureVue, PrintingDrawsThePageWithoutTheViewsMapping)
{
    Vue v(ALLER_RETOUR, 3);
    Defile(*v.vue, 4, 2);
    v.vue->Mode = 1;
    v.vue->SelHandle = std::make_unique<CadreSelection>(TRect(0, 0, 60, 60), 16, 5);
    veldraWindowView::Impression = [] { return true; };
    QImage page(300, 300, QImage::Format_RGB32);
    page.fill(Qt::white);
    {
        QPainter p(&page);
        v.vue->Peint(p);
    }
    veldraWindowView::Impression = nullptr;
    // Diagram units are the page's pixels; no selection frame on paper.
    EXPECT_EQ(Pixel(page, QPoint(DANS_BOITE.x, DANS_BOITE.y)), CYAN);
    EXPECT_TRUE(Sombre(Pixel(page, QPoint(BORD_BOITE.x, BORD_BOITE.y))));
    EXPECT_EQ(Pixel(page, QPoint(2, 2)), QColor(Qt::white));
    // The screen still shows the view's own mapping while printing.
    veldraWindowView::Impression = [] { return true; };
    const QImage ecran = Capture(*v.vue);
    veldraWindowView::Impression = nullptr;
    EXPECT_EQ(Pixel(ecran, v.vue->VersEcran(DANS_BOITE)), CYAN);
}

// ---- clipboard ----

TEST(PressePapiers, PictureIsTheAreaAtTwiceItsSizeInSvgAndPng)
{
    Vue v(ALLER_RETOUR, 1);
    QApplication::clipboard()->clear();
    ASSERT_TRUE(v.vue->Execute(cmd::COPIER_VERS));
    const QMimeData* donnees = QApplication::clipboard()->mimeData();
    ASSERT_NE(donnees, nullptr);
    ASSERT_TRUE(donnees->hasFormat("image/svg+xml"));
    ASSERT_TRUE(donnees->hasImage());

    QSvgRenderer svg(donnees->data("image/svg+xml"));
    ASSERT_TRUE(svg.isValid());
    EXPECT_EQ(svg.defaultSize(), QSize(1000, 800));
    EXPECT_EQ(svg.viewBox(), QRect(0, 0, 500, 400));
    QImage dessin(1000, 800, QImage::Format_RGB32);
    dessin.fill(Qt::black);
    {
        QPainter p(&dessin);
        svg.render(&p);
    }
    const QImage png = qvariant_cast<QImage>(donnees->imageData()).convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(png.size(), QSize(1000, 800));
    QImage decode;
    ASSERT_TRUE(decode.loadFromData(donnees->data("image/png"), "PNG"));
    EXPECT_EQ(decode.convertToFormat(QImage::Format_RGB32), png);

    // The same picture in both: the step box at twice its place, white
    // elsewhere.
    for (const QImage* image : {&png, static_cast<const QImage*>(&dessin)}) {
        EXPECT_EQ(Pixel(*image, QPoint(2 * DANS_BOITE.x, 2 * DANS_BOITE.y)), CYAN);
        EXPECT_TRUE(Sombre(Pixel(*image, QPoint(2 * BORD_BOITE.x, 2 * BORD_BOITE.y))));
        EXPECT_EQ(Pixel(*image, QPoint(990, 790)), QColor(Qt::white));
    }
    // Neither the zoom nor the scroll of the view changes the picture.
    EXPECT_EQ(v.vue->LZoom(), 1);
}

TEST(PressePapiers, EmptyDiagramGivesAValidBlankPicture)
{
    Vue v;
    QApplication::clipboard()->clear();
    ASSERT_TRUE(v.vue->Execute(cmd::COPIER_VERS));
    const QMimeData* donnees = QApplication::clipboard()->mimeData();
    ASSERT_NE(donnees, nullptr);
    QSvgRenderer svg(donnees->data("image/svg+xml"));
    ASSERT_TRUE(svg.isValid());
    EXPECT_EQ(svg.defaultSize(), QSize(1000, 800));
    const QImage png = qvariant_cast<QImage>(donnees->imageData()).convertToFormat(QImage::Format_RGB32);
    QImage blanc(1000, 800, QImage::Format_RGB32);
    blanc.fill(Qt::white);
    EXPECT_EQ(png, blanc);
}

// ---- rubber bands ----

namespace {

struct Etape {
    char op;     // 'S' Start, 'M' Move
    TPoint p;
};

struct Points {
    TPoint origin, current, corner;
    short stage;
};

} // namespace

TEST(Bandes, StartAndMovePlaceThePointsByStage)
{
    struct Cas {
        const char* nom;
        std::vector<Etape> etapes;
        Points attendu;
    };
    const TPoint a(10, 20), b(30, 40), c(30, 60), d(50, 70);
    const Cas cas[] = {
        {"nothing", {}, {{0, 0}, {0, 0}, {0, 0}, 0}},
        {"move before start", {{'M', b}, {'M', c}}, {{0, 0}, {0, 0}, {0, 0}, 0}},
        {"first start", {{'S', a}}, {a, a, a, 1}},
        {"corner follows in stage 1", {{'S', a}, {'M', b}}, {a, b, b, 1}},
        {"second start fixes the corner", {{'S', a}, {'M', b}, {'S', c}}, {a, c, c, 2}},
        {"corner stays in stage 2", {{'S', a}, {'M', b}, {'S', c}, {'M', d}}, {a, d, c, 2}},
        {"start in stage 2 begins again", {{'S', a}, {'S', c}, {'S', d}}, {d, d, d, 1}},
        {"start then move back", {{'S', a}, {'M', a}}, {a, a, a, 1}},
    };
    for (const Cas& k : cas) {
        RetourSelect t(nullptr);
        for (const Etape& e : k.etapes) {
            if (e.op == 'S')
                t.Start(e.p, 2, 0, 0);
            else
                t.Move(e.p, 2, 0, 0);
        }
        EXPECT_EQ(t.Stage, k.attendu.stage) << k.nom;
        EXPECT_EQ(t.GetPoint(0), k.attendu.origin) << k.nom;
        EXPECT_EQ(t.GetPoint(1), k.attendu.current) << k.nom;
        EXPECT_EQ(t.GetPoint(2), k.attendu.corner) << k.nom;
        EXPECT_EQ(t.Origin, k.attendu.origin) << k.nom;
        EXPECT_EQ(t.Current, k.attendu.current) << k.nom;
        EXPECT_EQ(t.Corner, k.attendu.corner) << k.nom;
    }
}

TEST(Bandes, ShapesAreDrawnMappedToTheDevice)
{
    struct Cas {
        const char* nom;
        std::unique_ptr<Select> bande;
        Points points;
        short zoom, ox, oy;
        std::vector<std::string> traces;
    };
    std::vector<Cas> cas;
    cas.push_back({"rectangle dragged up and left", std::make_unique<RectSelect>(nullptr),
                   {{10, 20}, {30, 5}, {30, 5}, 1}, 2, 4, 6, {"rect 16 4 56 34"}});
    cas.push_back({"branch", std::make_unique<DivSelect>(nullptr), {{10, 20}, {30, 50}, {30, 50}, 1}, 2, 0, 0,
                   {"ligne 20 40 60 40", "ligne 60 40 60 100"}});
    cas.push_back({"return link, corner following", std::make_unique<RetourSelect>(nullptr),
                   {{100, 178}, {70, 150}, {70, 150}, 1}, 1, 20, 10,
                   {"ligne 80 168 50 168", "ligne 50 168 50 140"}});
    cas.push_back({"return link, corner fixed", std::make_unique<RetourSelect>(nullptr),
                   {{100, 178}, {100, 40}, {70, 178}, 2}, 2, 0, 0,
                   {"ligne 140 356 140 80", "ligne 140 80 200 80"}});
    cas.push_back({"moved selection", std::make_unique<DepRec>(nullptr, TRect(90, 40, 150, 120)),
                   {{100, 50}, {110, 45}, {110, 45}, 1}, 3, 10, 20,
                   {"ligne 290 130 320 115", "rect 290 85 470 325"}});
    for (Cas& k : cas) {
        DepDC dc;
        k.bande->Draw(dc, k.points.origin, k.points.current, k.points.corner, k.zoom, k.ox, k.oy);
        EXPECT_EQ(dc.Lignes(), k.traces) << k.nom;
    }
}

TEST(Bandes, ExclusiveOrDrawnTwiceLeavesThePictureUnchanged)
{
    QImage image(120, 100, QImage::Format_RGB32);
    image.fill(Qt::white);
    {
        QPainter p(&image);
        p.fillRect(QRect(30, 30, 40, 20), CYAN);
    }
    const QImage avant = image;
    DepRec bande(nullptr, TRect(10, 10, 30, 25));
    bande.Start(TPoint(12, 12), 2, 0, 0);
    bande.Move(TPoint(20, 18), 2, 0, 0);
    {
        QPainter p(&image);
        bande.Peint(p, 2, 0, 0);
    }
    EXPECT_NE(image, avant);
    // The moved frame from (18, 16) to (38, 31), inverted inside.
    EXPECT_EQ(Pixel(image, QPoint(50, 40)), QColor(127, 0, 0));
    EXPECT_EQ(Pixel(image, QPoint(40, 60)), QColor(Qt::black));
    EXPECT_EQ(Pixel(image, QPoint(100, 20)), QColor(Qt::white));
    {
        QPainter p(&image);
        bande.Peint(p, 2, 0, 0);
    }
    EXPECT_EQ(image, avant);
}

TEST(Bandes, NothingIsPaintedBeforeTheFirstStart)
{
    QImage image(60, 60, QImage::Format_RGB32);
    image.fill(Qt::white);
    const QImage avant = image;
    RectSelect bande(nullptr);
    bande.Move(TPoint(20, 20), 1, 0, 0);
    {
        QPainter p(&image);
        bande.Peint(p, 1, 0, 0);
    }
    EXPECT_EQ(image, avant);
}

// ---- selection frame ----

TEST(CadreSelectionTest, HandlesAndInsideAreFoundByPoint)
{
    using Z = CadreSelection::Zone;
    struct Cas {
        unsigned style;
        TPoint p;
        Z zone;
    };
    const Cas cas[] = {
        {16, {100, 50}, Z::HAUT_GAUCHE},  {16, {104, 54}, Z::HAUT_GAUCHE}, {16, {105, 55}, Z::DEDANS},
        {16, {130, 50}, Z::HAUT},         {16, {159, 109}, Z::BAS_DROITE}, {16, {155, 80}, Z::DROITE},
        {16, {100, 80}, Z::GAUCHE},       {16, {130, 107}, Z::BAS},        {16, {100, 105}, Z::BAS_GAUCHE},
        {16, {160, 110}, Z::DEHORS},      {16, {99, 50}, Z::DEHORS},       {1, {97, 47}, Z::HAUT_GAUCHE},
        {1, {100, 50}, Z::DEDANS},        {1, {162, 80}, Z::DROITE},
    };
    for (const Cas& c : cas) {
        // Corners given in the other order come out the same.
        const CadreSelection cadre(TRect(160, 110, 100, 50), c.style, 5);
        EXPECT_EQ(cadre.Cadre(), TRect(100, 50, 160, 110));
        EXPECT_EQ(cadre.HitTest(c.p), c.zone) << "style " << c.style << " at " << c.p.x << "," << c.p.y;
    }
}

// ---- drawing surface ----

namespace {

// Draws with the surface on a white image mapped at the given scale.
template <class F> QImage Dessin(QSize taille, double echelle, F dessine, SurfaceQt::Traits traits = SurfaceQt::TRAITS_PIXEL)
{
    QImage image(taille, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    p.scale(echelle, echelle);
    SurfaceQt surface(p, traits);
    dessine(surface);
    return image;
}

// The pixels that are not white.
QRect Encre(const QImage& image, QRect dans = QRect())
{
    if (dans.isNull())
        dans = image.rect();
    QRect r;
    for (int y = dans.top(); y <= dans.bottom(); ++y)
        for (int x = dans.left(); x <= dans.right(); ++x)
            if (image.pixelColor(x, y) != QColor(Qt::white))
                r |= QRect(x, y, 1, 1);
    return r;
}

} // namespace

TEST(SurfaceQtTest, RectangleCoversItsMappedPixelsUpToTheFarCorner)
{
    for (int zoom = 1; zoom <= 3; ++zoom) {
        const QImage image = Dessin(QSize(100, 100), zoom, [](SurfaceQt& s) {
            s.SelectObject(TBrush(TColor::LtCyan));
            s.Rectangle(10, 10, 20, 20);
        });
        EXPECT_EQ(Encre(image), QRect(10 * zoom, 10 * zoom, 10 * zoom, 10 * zoom)) << "zoom " << zoom;
        EXPECT_EQ(Pixel(image, QPoint(10 * zoom, 15 * zoom)), QColor(Qt::black));
        EXPECT_EQ(Pixel(image, QPoint(20 * zoom - 1, 15 * zoom)), QColor(Qt::black));
        EXPECT_EQ(Pixel(image, QPoint(15 * zoom, 15 * zoom)), CYAN);
    }
    // Corners in the other order draw the same rectangle.
    const QImage inverse = Dessin(QSize(100, 100), 2, [](SurfaceQt& s) { s.Rectangle(20, 20, 10, 10); });
    EXPECT_EQ(Encre(inverse), QRect(20, 20, 20, 20));
}

TEST(SurfaceQtTest, LineWidthFollowsTheTraitsChoice)
{
    auto ligne = [](SurfaceQt& s) {
        s.MoveTo(5, 10);
        s.LineTo(30, 10);
    };
    EXPECT_EQ(Encre(Dessin(QSize(100, 100), 3, ligne)).height(), 1);
    EXPECT_EQ(Encre(Dessin(QSize(100, 100), 3, ligne, SurfaceQt::TRAITS_ECHELLE)).height(), 3);
}

TEST(SurfaceQtTest, TextStaysInItsCellSqueezedToTheAskedWidth)
{
    const std::string texte = "Hgpq";
    for (const char* face : {"Times New Roman", "Norim Fonts"}) {
        auto ecrit = [&](int largeur) {
            return Dessin(QSize(400, 200), 4, [&](SurfaceQt& s) {
                s.SelectObject(TFont(face, 10, largeur));
                s.SetBkMode(TDC::TRANSPARENT);
                s.TextOut(10, 10, texte);
            });
        };
        const QRect etroit = Encre(ecrit(3));
        const QRect large = Encre(ecrit(6));
        ASSERT_FALSE(etroit.isEmpty()) << face;
        // The cell is 10 units (40 pixels) high from y = 10 (40 pixels).
        // Faces whose metrics are tighter than their descenders (Liberation
        // Serif) reach a little below it, as they would on Windows.
        EXPECT_GE(etroit.top(), 40) << face;
        EXPECT_LE(etroit.bottom(), 80 + 6) << face;
        EXPECT_GE(etroit.height(), 20) << face;
        // An average width of 3 is that of the lower-case letters weighted as
        // in the font tables; H, g, p and q are wider: about 4 units each.
        EXPECT_NEAR(etroit.width(), 4 * 4 * 4, 12) << face;
        EXPECT_NEAR(double(large.width()) / etroit.width(), 2.0, 0.25) << face;
    }
}

TEST(SurfaceQtTest, OpaqueTextFillsItsCellWithTheBackgroundColour)
{
    auto ecrit = [](int mode) {
        return Dessin(QSize(200, 100), 2, [mode](SurfaceQt& s) {
            s.SelectObject(TFont("Times New Roman", 10, 3));
            s.SetBkMode(mode);
            s.SetBkColor(TColor::LtRed);
            s.TextOut(10, 10, "ab");
        });
    };
    const QImage opaque = ecrit(TDC::OPAQUE);
    EXPECT_EQ(Pixel(opaque, QPoint(21, 21)), QColor(255, 0, 0));
    EXPECT_EQ(Pixel(opaque, QPoint(21, 39)), QColor(255, 0, 0));
    EXPECT_EQ(Pixel(opaque, QPoint(21, 41)), QColor(Qt::white));
    const QImage transparent = ecrit(TDC::TRANSPARENT);
    EXPECT_EQ(Pixel(transparent, QPoint(21, 21)), QColor(Qt::white));
}

TEST(SurfaceQtTest, CentredTextIsCentredAndClippedToItsBox)
{
    const QImage centre = Dessin(QSize(200, 100), 4, [](SurfaceQt& s) {
        s.SelectObject(TFont("Times New Roman", 10, 3));
        s.SetBkMode(TDC::TRANSPARENT);
        s.DrawText("8", -1, TRect(0, 0, 40, 20), TDC::DT_CENTER);
    });
    const QRect encre = Encre(centre);
    ASSERT_FALSE(encre.isEmpty());
    EXPECT_NEAR(encre.center().x(), 80, 6);

    const QImage coupe = Dessin(QSize(200, 100), 2, [](SurfaceQt& s) {
        s.SelectObject(TFont("Times New Roman", 10, 3));
        s.SetBkMode(TDC::OPAQUE);
        s.DrawText("MMMMMMMMMMMMMMMMMMMM", -1, TRect(30, 10, 50, 30), TDC::DT_CENTER);
    });
    EXPECT_FALSE(Encre(coupe).isEmpty());
    EXPECT_TRUE(QRect(60, 20, 40, 40).contains(Encre(coupe)));
}

TEST(SurfaceQtTest, EquationCodesAreShownNotHidden)
{
    // A comment holding an edge code still draws something for it.
    const QImage code = Dessin(QSize(200, 100), 4, [](SurfaceQt& s) {
        s.SelectObject(TFont("Times New Roman", 10, 3));
        s.SetBkMode(TDC::TRANSPARENT);
        s.TextOut(2, 2, "\xAD");
    });
    EXPECT_FALSE(Encre(code).isEmpty());
}
