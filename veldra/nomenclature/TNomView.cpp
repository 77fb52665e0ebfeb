#include "nomenclature/TNomView.h"

#include <QCloseEvent>
#include <QMouseEvent>
#include <QScrollBar>

#include "ConversionTexte.h"
#include "nomenclature/TComposant.h"
#include "nomenclature/TNomDoc.h"
#include "pop/POpera.h"

using namespace nomenclature;

TNomView::TNomView(std::unique_ptr<TNomDoc> d, QWidget* parent)
    : FenetreNomenclature(parent), doc(std::move(d))
{
    setObjectName(QString::fromLatin1(NOM_VUE));
    doc->Open(0, nullptr);
    const int lignes = static_cast<int>(LignesEcran(ListeEcran()).size());
    verticalScrollBar()->setRange(0, 2 * lignes);
}

TNomView::~TNomView() = default;

EnTete TNomView::Entete() const
{
    char carte = doc->LCarte();
    std::string nom = doc->LNomPop();
    if (const POpera* pop = doc->Pop()) {
        char tampon[20] = {};
        pop->LNomPop(carte, tampon);
        nom = tampon;
    }
    return {NomCarte(static_cast<unsigned char>(carte)), VersQString(nom)};
}

Liste TNomView::ListeEcran() const
{
    if (const POpera* pop = doc->Pop())
        return ListeDe(*pop, OrdreCibleEcran());
    return Reordonne({}, OrdreCibleEcran());
}

Liste TNomView::ListePapier() const
{
    if (const POpera* pop = doc->Pop())
        return ListeDe(*pop, OrdreCiblePapier());
    return Reordonne({}, OrdreCiblePapier());
}

StyleEcran TNomView::Style() const
{
    return {QColor(0, 0, 255), {{3, 1}, {2, 1}, {10, 1}}, {3, 1}};
}

QString TNomView::TitrePapier() const { return QString::fromUtf8(TITRE_CIBLE); }

bool TNomView::Designe(QPoint point, Categorie& categorie, short& rang) const
{
    const POpera* pop = doc->Pop();
    if (!pop || pop->LProtege() != 0)
        return false;
    const int y = point.y() + Decalage().y();
    if (y < 0)
        return false;
    const int ligne = y / HauteurLigne();
    if (ligne < PREMIERE_LIGNE)
        return false;
    const Liste liste = ListeEcran();
    const auto lignes = LignesEcran(liste);
    const auto i = static_cast<std::size_t>(ligne - PREMIERE_LIGNE);
    if (i >= lignes.size() || lignes[i].rang < 0)
        return false;
    categorie = liste[static_cast<std::size_t>(lignes[i].rubrique)].categorie;
    rang = static_cast<short>(lignes[i].rang);
    return true;
}

void TNomView::mousePressEvent(QMouseEvent* e)
{
    FenetreNomenclature::mousePressEvent(e);
    if (e->button() != Qt::LeftButton)
        return;
    e->accept();
    Categorie c;
    short rang = 0;
    if (!Designe(e->position().toPoint(), c, rang))
        return;
    POpera* pop = doc->Pop();
    composant record{};
    pop->LComposant(rang, c.nature, c.sens, record);
    TComposant dialogue(this, &record);
    if (dialogue.Execute() != 1)
        return;
    pop->MComposant(rang, c.nature, c.sens, record);
    doc->Modifie();
    viewport()->update();
}

void TNomView::mouseReleaseEvent(QMouseEvent* e)
{
    // The press did the work; its release belongs to the view as well.
    e->setAccepted(e->button() == Qt::LeftButton);
}

void TNomView::closeEvent(QCloseEvent* e)
{
    // A failed save keeps the view, and the edits, open.
    if (doc->Close())
        e->accept();
    else
        e->ignore();
}
