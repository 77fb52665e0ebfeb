// Editing with the mouse on the real view: presses and drags at diagram
// points, through the view's zoom and scroll mapping, then the container is
// checked. The reference for whole charts is the same clicks replayed on a
// bare container the way the editor's rules say (EditeurSimule), itself
// checked against golden tables.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTextEdit>
#include <sys/wait.h>

#include "EditeurSimule.h"
#include "GestionnaireDocuments.h"
#include "Grafcet.h"
#include "doc/TGrafDoc.h"
#include "edition/Edition.h"
#include "elements/SGrafcet.h"
#include "veldraApp.h"
#include "veldraFrame.h"
#include "vue/Select.h"
#include "vue/veldraWindowView.h"

namespace {

struct Vu {
    short type;
    TPoint ancre;
    TRect rect;
    bool operator==(const Vu&) const = default;
};

std::vector<Vu> Table(const Grafcet& g)
{
    std::vector<Vu> t;
    for (const auto& s : g.Symboles())
        t.push_back({s->LType(), s->LAncre(), s->LRect()});
    return t;
}

class Edition : public ::testing::Test {
protected:
    void SetUp() override
    {
        qputenv("VELDRA_SETTINGS", dossier.filePath("veldra.ini").toLocal8Bit());
        app = std::make_unique<veldraApp>();
        app->InitMainWindow();
        frame = app->Frame();
        frame->resize(900, 700);
        frame->show();
        app->Gestionnaire()->dialogues.question = [](QWidget*, const QString&) { return int(QMessageBox::No); };
        frame->Commande(cmd::NOUVEAU);
        vue = app->Gestionnaire()->VueCourante();
        ASSERT_NE(vue, nullptr);
        g = vue->Document().PGraf();
        ASSERT_NE(g, nullptr);
    }
    void TearDown() override
    {
        edition::OuvreDialogue = [](QDialog&, std::function<int()> execute) { return execute(); };
        app.reset();
    }

    QPoint Ecran(TPoint p) const { return vue->VersEcran(p); }
    void Outil(int id) { frame->Action(id)->trigger(); }
    void Clic(TPoint p, Qt::MouseButton b = Qt::LeftButton)
    {
        QTest::mouseClick(vue->viewport(), b, Qt::NoModifier, Ecran(p));
    }
    void Glisse(TPoint de, TPoint a, Qt::KeyboardModifiers mods = Qt::NoModifier)
    {
        QTest::mousePress(vue->viewport(), Qt::LeftButton, mods, Ecran(de));
        QTest::mouseMove(vue->viewport(), Ecran(a));
        QTest::mouseRelease(vue->viewport(), Qt::LeftButton, mods, Ecran(a));
    }
    // Creation with a tool, as a click with that palette button.
    void Cree(short type, TPoint p)
    {
        Outil(cmd::OUTIL_PREMIER + type);
        Clic(p);
    }

    QTemporaryDir dossier;
    std::unique_ptr<veldraApp> app;
    veldraFrame* frame = nullptr;
    veldraWindowView* vue = nullptr;
    Grafcet* g = nullptr;
};

// The complete chart: every tool, both kinds of divergence, a return link,
// a macro-step and its expansion. Each step is a click (or a drag) at a
// diagram point, done on the real view and on the reference alike.
void Dessine(const std::function<void(short, TPoint)>& cree,
             const std::function<void(TPoint, TPoint)>& branche,
             const std::function<void(TPoint, TPoint)>& relie,
             const std::function<void(TPoint, TPoint, TPoint)>& retour)
{
    cree(ETAPE_INITIALE, {100, 40});
    cree(TRANSITION, {100, 70});
    cree(MACRO, {100, 84});
    cree(TRANSITION, {100, 118});
    cree(ETAPE, {100, 128});
    cree(DIV_OU, {100, 160});
    cree(ETAPE, {100, 168});
    branche({100, 168}, {170, 175});
    cree(CONV_OU, {100, 210});
    relie({100, 230}, {170, 210});
    cree(ETAPE, {100, 232});
    cree(DIV_ET, {100, 262});
    cree(ETAPE, {100, 280});
    branche({100, 280}, {170, 290});
    cree(ETAPE, {170, 310});
    cree(CONV_ET, {100, 310});
    relie({100, 316}, {170, 355});
    retour({100, 370}, {60, 250}, {100, 45});
    cree(MACRO_E, {300, 40});
    cree(TRANSITION, {300, 60});
    cree(ETAPE, {300, 74});
    cree(TRANSITION, {300, 108});
    cree(MACRO_F, {300, 120});
}

TEST_F(Edition, CompleteChartDrawnWithThePaletteAtEveryZoom)
{
    for (const int zoom : {cmd::ZOOM1, cmd::ZOOM2, cmd::ZOOM3}) {
        SCOPED_TRACE(zoom);
        frame->Commande(cmd::TOUT_EFFACER);
        frame->Commande(zoom);
        vue->verticalScrollBar()->setValue(zoom == cmd::ZOOM3 ? 3 : 0);
        Grafcet reference;
        EditeurSimule ed(reference);
        Dessine([&](short t, TPoint p) { Cree(t, p); },
                [&](TPoint presse, TPoint relache) {
                    // A further branch: drag from the bar's attach point.
                    Outil(cmd::OUTIL_PREMIER + ETAPE);
                    Glisse(presse, relache);
                },
                [&](TPoint presse, TPoint relache) {
                    Outil(cmd::MODE_LIAISON);
                    Glisse(presse, relache);
                },
                [&](TPoint depart, TPoint coin, TPoint cible) {
                    Outil(cmd::OUTIL_PREMIER + RETOUR);
                    Clic(depart);
                    Clic(coin);
                    Clic(cible);
                });
        Dessine([&](short t, TPoint p) { ed.Clic(t, p); },
                [&](TPoint presse, TPoint relache) { ed.Branche(ETAPE, presse, relache); },
                [&](TPoint presse, TPoint relache) { ed.Relie(presse, relache); },
                [&](TPoint depart, TPoint coin, TPoint cible) {
                    (void)coin;
                    ed.Retour(depart, TPoint(coin.x, 0), cible);
                });
        // The view's links cross their corner column at the second click's x.
        EXPECT_EQ(Table(*g), Table(reference));
        EXPECT_EQ(g->Symboles().size(), 38u - 1); // the reference has no comment
        EXPECT_TRUE(vue->Document().IsDirty());
    }
}

TEST_F(Edition, InsertionInTheMiddleOfAChain)
{
    Cree(ETAPE_INITIALE, {100, 40});
    Cree(ETAPE, {100, 70});   // transition 74..86, step 86..120
    Cree(TRANSITION, {100, 115}); // transition 120..132
    Cree(ETAPE, {100, 84});   // a step inserted below the first transition
    EXPECT_EQ(g->LType(TPoint(100, 90)), ETAPE);
    EXPECT_EQ(g->LType(TPoint(100, 125)), ETAPE);      // the old step, pushed down by 34
    EXPECT_EQ(g->LType(TPoint(100, 160)), TRANSITION); // and its transition
}

TEST_F(Edition, RegionSelectionMoveAndRefusedMove)
{
    Cree(ETAPE_INITIALE, {100, 40});
    Cree(ETAPE_INITIALE, {300, 40});
    Outil(cmd::MODE_SELECTION);
    Glisse({280, 30}, {330, 90}); // the second step and its action block
    ASSERT_NE(vue->SelHandle, nullptr);
    EXPECT_TRUE(frame->Action(cmd::EFFACER)->isEnabled());
    // Dragged from inside the selection to empty ground: it moves by the drag.
    Glisse({300, 50}, {500, 300});
    EXPECT_EQ(g->Symboles()[2]->LAncre(), TPoint(500, 290));
    EXPECT_EQ(g->Symboles()[3]->LAncre(), TPoint(514, 300));
    EXPECT_EQ(vue->SelHandle, nullptr);
    EXPECT_TRUE(vue->Document().IsDirty());
    // Selected again and moved over the first step: refused, marks cleared.
    Glisse({480, 280}, {560, 340});
    ASSERT_NE(vue->SelHandle, nullptr);
    Glisse({500, 300}, {102, 20});
    EXPECT_EQ(g->Symboles()[2]->LAncre(), TPoint(500, 290));
    for (const auto& s : g->Symboles())
        EXPECT_EQ(s->LitModif(), 0);
    // A drag up and to the left selects nothing.
    Glisse({130, 90}, {80, 30});
    EXPECT_EQ(g->Symboles()[0]->LitModif(), 0);
    EXPECT_EQ(vue->SelHandle, nullptr);
}

TEST_F(Edition, ShiftDragTogglesAnAreaOfTheSelection)
{
    Cree(ETAPE_INITIALE, {100, 40});
    Cree(ETAPE_INITIALE, {300, 40});
    Outil(cmd::MODE_SELECTION);
    Glisse({80, 30}, {340, 90});
    const QRect tout = vue->SelRegion.boundingRect();
    Glisse({280, 30}, {340, 90}, Qt::ShiftModifier); // the right one leaves the region
    EXPECT_LT(vue->SelRegion.boundingRect().right(), tout.right());
    EXPECT_FALSE(vue->SelRegion.contains(QPoint(300, 50)));
}

TEST_F(Edition, DeletionAndRecoveryCommands)
{
    EXPECT_FALSE(frame->Action(cmd::ANNULER)->isEnabled());
    EXPECT_FALSE(frame->Action(cmd::TOUT_EFFACER)->isEnabled());
    Cree(ETAPE_INITIALE, {100, 40});
    Cree(ETAPE, {100, 70});
    EXPECT_TRUE(frame->Action(cmd::TOUT_EFFACER)->isEnabled());
    Outil(cmd::MODE_EFFACEMENT);
    Clic({100, 100}); // the second step and its action block
    EXPECT_EQ(g->Symboles().size(), 3u);
    EXPECT_TRUE(frame->Action(cmd::ANNULER)->isEnabled());
    frame->Commande(cmd::ANNULER);
    EXPECT_EQ(g->Symboles().size(), 5u);
    EXPECT_FALSE(frame->Action(cmd::ANNULER)->isEnabled());
    frame->Commande(cmd::TOUT_EFFACER);
    EXPECT_TRUE(g->Symboles().empty());
    frame->Commande(cmd::ANNULER);
    EXPECT_EQ(g->Symboles().size(), 5u);
}

TEST_F(Edition, RenumberingMarksTheDiagramModified)
{
    Cree(ETAPE_INITIALE, {100, 40});
    Cree(ETAPE, {100, 70});
    frame->Commande(cmd::NUMEROTATION);
    EXPECT_EQ(g->LNumero(TPoint(100, 45)), 10);
    EXPECT_EQ(g->LNumero(TPoint(100, 90)), 20);
    EXPECT_TRUE(vue->Document().IsDirty());
}

TEST_F(Edition, RightButtonCancelsAReturnLink)
{
    Cree(ETAPE_INITIALE, {100, 40});
    Outil(cmd::OUTIL_PREMIER + RETOUR);
    Clic({100, 70}); // a transition is added below the step, the link starts
    EXPECT_EQ(vue->ClickCount, 1);
    Clic({60, 60});
    EXPECT_EQ(vue->ClickCount, 2);
    Clic({60, 60}, Qt::RightButton);
    EXPECT_EQ(vue->ClickCount, 0);
    EXPECT_EQ(vue->Tracker, nullptr);
    Clic({100, 45}); // a fresh click: no link is added
    EXPECT_EQ(g->LNbSymb(RETOUR), 0);
    EXPECT_EQ(g->LNbSymb(TRANSITION), 2); // the first transition stays; the new click added one

    // A bar tool in the middle of a link keeps the clicks waiting.
    TPoint p(400, 40);
    g->Ajoute(ETAPE, p, AUCUN);
    Outil(cmd::OUTIL_PREMIER + RETOUR);
    Clic({400, 70});
    Outil(cmd::OUTIL_PREMIER + CONV_OU);
    const auto avant = g->Symboles().size();
    Clic({500, 200});
    EXPECT_EQ(g->Symboles().size(), avant);
}

TEST_F(Edition, TextEditingOpensTheElementsDialogs)
{
    Cree(ETAPE_INITIALE, {100, 40});
    Cree(TRANSITION, {100, 70});
    Outil(cmd::MODE_TEXTE);
    // Each dialog answers by typing into its first edit and pressing OK.
    QString reponse;
    edition::OuvreDialogue = [&reponse](QDialog& d, std::function<int()>) {
        d.show();
        if (auto* e = d.findChild<QLineEdit*>())
            e->setText(reponse);
        else if (auto* t = d.findChild<QPlainTextEdit*>())
            t->setPlainText(reponse);
        else if (auto* x = d.findChild<QTextEdit*>())
            x->setPlainText(reponse);
        auto* ok = d.findChild<QAbstractButton*>("1");
        if (ok)
            ok->click();
        else
            d.accept();
        return d.result() == QDialog::Accepted ? 1 : 2;
    };
    reponse = "7";
    Clic({100, 60});
    EXPECT_EQ(g->LNumero(TPoint(100, 60)), 7);
    reponse = "dcy.a0";
    Clic({100, 80});
    EXPECT_EQ(g->LString(TPoint(100, 80)), "dcy.a0");
    reponse = "Remarque";
    Clic({400, 300}); // empty ground: a new comment
    EXPECT_EQ(g->LType(TPoint(400, 300)), COMMENTAIRE);
    EXPECT_EQ(g->LString(TPoint(400, 300)), "Remarque");
    reponse = "";
    Clic({400, 300}); // emptied: the comment goes
    EXPECT_EQ(g->LNbSymb(COMMENTAIRE), 0);
    Clic({500, 500}); // an empty comment adds nothing
    EXPECT_EQ(g->LNbSymb(COMMENTAIRE), 0);
}

TEST_F(Edition, ADrawnChartGeneratesAValidProgram)
{
    Cree(ETAPE_INITIALE, {100, 40});
    Cree(ETAPE, {100, 70});
    Cree(TRANSITION, {100, 115});
    Outil(cmd::OUTIL_PREMIER + RETOUR);
    Clic({100, 131});
    Clic({60, 90});
    Clic({100, 45});
    ASSERT_EQ(g->LNbSymb(RETOUR), 1);
    g->MString(TPoint(100, 80), "e1");
    g->MString(TPoint(100, 125), "\xAF" "e1");
    g->MString(TPoint(120, 100), "S1|");
    const QString chemin = dossier.filePath("dessin.gra");
    vue->Document().SetDocPath(chemin.toStdString());
    ASSERT_TRUE(vue->Document().Commit(true));
    const std::string commande = std::string(VELDRA_CLI) + " generate --data " + VELDRA_DONNEES
                                 + " --card 0 --pop Simulation " + chemin.toStdString()
                                 + " >/dev/null 2>&1";
    const int statut = std::system(commande.c_str());
    EXPECT_EQ(WEXITSTATUS(statut), 0);
}

} // namespace
