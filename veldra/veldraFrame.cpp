#include "veldraFrame.h"

#include <QAction>
#include <QActionGroup>
#include <QCloseEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QShortcut>
#include <QStatusBar>
#include <QToolBar>

#include "ConversionTexte.h"
#include "GestionnaireDocuments.h"
#include "Icones.h"
#include "Textes.h"
#include "veldraApp.h"
#include "veldraMDIChild.h"
#include "veldraMDIClient.h"
#include "vue/veldraWindowView.h"

veldraFrame::veldraFrame(veldraApp& a, veldraMDIClient* c, GestionnaireDocuments& g)
    : app(a), client(c), gestionnaire(g)
{
    setWindowTitle(QStringLiteral("veldra"));
    setWindowIcon(IconeApplication());
    setCentralWidget(client);
    setAcceptDrops(true);
    ConstruitMenus();
    ConstruitBarres();
    ConstruitRaccourcis();
    ConstruitBarreEtat();

    connect(client, &QMdiArea::subWindowActivated, this, &veldraFrame::EnfantActive);
    connect(client, &veldraMDIClient::FichiersDeposes, this,
            [this](const QStringList& l) { gestionnaire.OuvreFichiersDeposes(l); });
    connect(&gestionnaire, &GestionnaireDocuments::DocumentsChanges, this, &veldraFrame::MetAJourCommandes);
    connect(&gestionnaire, &GestionnaireDocuments::VueCreee, this,
            [this](veldraMDIChild*, veldraWindowView* vue) {
                connect(vue, &veldraWindowView::TexteZoom, texteZoom, &QLabel::setText);
                // The generation dialog's run buttons come back as commands.
                connect(vue, &veldraWindowView::Commande, this, &veldraFrame::Commande);
                connect(vue, &veldraWindowView::ModeChange, this, [this, vue] {
                    SuitPalette(vue);
                    MetAJourCommandes();
                });
                // A new view shows "Zoom 2", whatever button is down.
                texteZoom->setText(QStringLiteral("Zoom 2"));
                SuitPalette(vue);
                MetAJourCommandes();
            });
    gestionnaire.zoomDemande = [this] { return ZoomDesBoutons(); };
    MetAJourCommandes();
}

veldraFrame::~veldraFrame()
{
    // The client and its children go after this object's own part is gone:
    // their last signals must not reach it.
    disconnect(client, nullptr, this, nullptr);
    disconnect(&gestionnaire, nullptr, this, nullptr);
}

QAction* veldraFrame::Action(int id) const
{
    const auto it = actions.find(id);
    return it == actions.end() ? nullptr : it->second;
}

QAction* veldraFrame::Cree(int id, const QString& libelle, const QString& raccourci)
{
    QAction*& a = actions[id];
    if (!a) {
        a = new QAction(this);
        a->setData(id);
        a->setObjectName(QStringLiteral("cmd-%1").arg(id));
        connect(a, &QAction::triggered, this, [this, id] { Commande(id); });
    }
    // The shortcut text shows right of the caption, as in the menu resource.
    a->setText(raccourci.isEmpty() ? libelle : libelle + "\t" + raccourci);
    const QString indication = textes::Indication(id);
    a->setStatusTip(indication);
    a->setToolTip(indication.isEmpty() ? libelle : indication);
    return a;
}

void veldraFrame::ConstruitMenus()
{
    struct Article {
        int id; // 0: separator
        const char* libelle;
        const char* raccourci;
    };
    struct Menu {
        const char* titre;
        int indication; // the id of the pop-up's hint
        std::vector<Article> articles;
    };
    const std::vector<Menu> menus = {
        {"&Fichier", 24330,
         {{cmd::NOUVEAU, "&Nouveau", ""},
          {cmd::OUVRIR, "&Ouvrir...", ""},
          {cmd::FERMER, "&Fermer", ""},
          {0, "", ""},
          {cmd::SAUVEGARDER, "&Sauvegarder", ""},
          {cmd::SAUVEGARDER_SOUS, "Sauvegarder &sous...", ""},
          {0, "", ""},
          {cmd::APERCU, "Aperçu avant Impression", ""},
          {cmd::IMPRIMER, "&Imprimer...", ""},
          {cmd::CONFIGURER_IMPRESSION, "Configurer l'impression ...", ""},
          {0, "", ""},
          {cmd::QUITTER, "Quitter", "Alt+F4"}}},
        {"&Editer", 24320,
         {{cmd::ANNULER, "&Annuler", "Alt+BkSp"},
          {0, "", ""},
          {cmd::COUPER, "&Couper", "Ctrl+X"},
          {cmd::COPIER, "&Copier ...", "Ctrl+Ins"},
          {cmd::COLLER, "&Coller", "Ctrl+V"},
          {0, "", ""},
          {cmd::TOUT_EFFACER, "Tout effacer", "Ctrl+Del"},
          {cmd::EFFACER, "&Effacer", "Del"},
          {0, "", ""},
          {cmd::COPIER_VERS, "Copier vers...", ""},
          {0, "", ""},
          {cmd::NUMEROTATION, "Numérotation", ""}}},
        {"&Afficher", 299,
         {{cmd::ZOOM1, "Zoom &1&", "F1"}, {cmd::ZOOM2, "Zoom &2&", "F2"}, {cmd::ZOOM3, "Zoom &3&", "F3"}}},
        {"&Cible", 305,
         {{cmd::CARTE, "Item", ""}, {0, "", ""}, {cmd::PARTIE_OPERATIVE, "Item", ""}}},
        {"&Nomenclature", 307, {{cmd::NOMENCLATURE_CIBLE, "&Cible", ""}, {cmd::NOMENCLATURE_GRAFCET, "Grafcet", ""}}},
    };
    for (const Menu& m : menus) {
        QMenu* menu = menuBar()->addMenu(QString::fromUtf8(m.titre));
        menu->menuAction()->setStatusTip(textes::Indication(m.indication));
        connect(menu, &QMenu::aboutToShow, this, &veldraFrame::MetAJourCommandes);
        for (const Article& a : m.articles) {
            if (a.id == 0)
                menu->addSeparator();
            else
                menu->addAction(Cree(a.id, QString::fromUtf8(a.libelle), QString::fromUtf8(a.raccourci)));
        }
    }
    // "Generer" is a command of the menu bar itself.
    menuBar()->addAction(Cree(cmd::GENERER, QStringLiteral("Generer")));
    for (const Menu& m : std::vector<Menu>{
             {"&Mode", 303, {{cmd::EXECUTION, "E&xécution", ""}, {cmd::SIMULATION, "&Simulation", ""}}},
             {"&Fenetre", 24360,
              {{cmd::CASCADE, "&Cascade", ""}, {cmd::MOSAIQUE, "&Mosaïque", ""}, {cmd::TOUT_FERMER, "Tout fermer", ""}}},
             {"&Aide", 2008, {{cmd::A_PROPOS, "&A propos de...", ""}, {cmd::AIDE, "VELDRA", ""}}}}) {
        QMenu* menu = menuBar()->addMenu(QString::fromUtf8(m.titre));
        menu->menuAction()->setStatusTip(textes::Indication(m.indication));
        connect(menu, &QMenu::aboutToShow, this, &veldraFrame::MetAJourCommandes);
        for (const Article& a : m.articles)
            menu->addAction(Cree(a.id, QString::fromUtf8(a.libelle), QString::fromUtf8(a.raccourci)));
    }
    ChangeLibelle(cmd::CARTE, textes::NomCarte(static_cast<unsigned char>(app.Carte())));
    ChangeLibelle(cmd::PARTIE_OPERATIVE, VersQString(app.NomPop()));
}

void veldraFrame::ChangeLibelle(int id, const QString& libelle)
{
    if (QAction* a = Action(id)) {
        a->setText(libelle);
        a->setToolTip(libelle);
    }
}

void veldraFrame::ConstruitBarres()
{
    barre = new QToolBar(QStringLiteral("Barre d'outils"), this);
    barre->setObjectName(QStringLiteral("32041"));
    barre->setMovable(false);
    for (int id : {cmd::NOUVEAU, cmd::OUVRIR, cmd::SAUVEGARDER})
        barre->addAction(Action(id));
    barre->addSeparator();
    barre->addAction(Action(cmd::ANNULER));
    barre->addSeparator();
    barre->addAction(Action(cmd::IMPRIMER));
    barre->addAction(Action(cmd::APERCU));
    barre->addSeparator();
    groupeZoom = new QActionGroup(this);
    for (int id : {cmd::ZOOM1, cmd::ZOOM2, cmd::ZOOM3}) {
        QAction* a = Action(id);
        a->setCheckable(true);
        groupeZoom->addAction(a);
        barre->addAction(a);
    }
    Action(cmd::ZOOM2)->setChecked(true);
    for (int id : {cmd::NOUVEAU, cmd::OUVRIR, cmd::SAUVEGARDER, cmd::ANNULER, cmd::IMPRIMER,
                   cmd::APERCU, cmd::ZOOM1, cmd::ZOOM2, cmd::ZOOM3})
        Action(id)->setIcon(IconeCommande(id));
    addToolBar(Qt::TopToolBarArea, barre);

    palette = new QToolBar(QStringLiteral("Palette"), this);
    palette->setObjectName(QStringLiteral("palette"));
    palette->setOrientation(Qt::Vertical);
    palette->setMovable(false);
    groupePalette = new QActionGroup(this);
    static const char* const noms[] = {
        "Étape initiale", "Étape", "Transition", "Divergence en OU", "Convergence en OU",
        "Divergence en ET", "Convergence en ET", "Renvoi", "Macro-étape", "Étape d'entrée",
        "Étape de sortie"};
    static const char* const modes[] = {"Sélection", "Effacement", "Texte", "Liaison"};
    auto ajoute = [this](int id, const char* nom) {
        QAction* a = Cree(id, QString::fromUtf8(nom));
        a->setIcon(IconeCommande(id));
        a->setCheckable(true);
        groupePalette->addAction(a);
        palette->addAction(a);
    };
    for (int k = 0; k < 4; ++k)
        ajoute(cmd::MODE_SELECTION + k, modes[k]);
    for (int k = 0; k <= 10; ++k)
        ajoute(cmd::OUTIL_PREMIER + k, noms[k]);
    addToolBar(Qt::LeftToolBarArea, palette);
}

void veldraFrame::ConstruitRaccourcis()
{
    // The accelerator table: the keys work wherever the focus is in the frame.
    const struct {
        QKeySequence touche;
        int id;
    } touches[] = {
        {QKeySequence(Qt::Key_Delete), cmd::EFFACER},
        {QKeySequence(Qt::SHIFT | Qt::Key_Delete), cmd::COUPER},
        {QKeySequence(Qt::CTRL | Qt::Key_Insert), cmd::COPIER},
        {QKeySequence(Qt::SHIFT | Qt::Key_Insert), cmd::COLLER},
        {QKeySequence(Qt::CTRL | Qt::Key_Delete), cmd::TOUT_EFFACER},
        {QKeySequence(Qt::ALT | Qt::Key_Backspace), cmd::ANNULER},
        {QKeySequence(Qt::Key_F3), cmd::ZOOM3},
        {QKeySequence(Qt::Key_F2), cmd::ZOOM2},
        {QKeySequence(Qt::Key_F1), cmd::ZOOM1},
    };
    for (const auto& t : touches) {
        auto* raccourci = new QShortcut(t.touche, this);
        raccourci->setContext(Qt::WindowShortcut);
        const int id = t.id;
        connect(raccourci, &QShortcut::activated, this, [this, id] {
            MetAJourCommandes();
            if (QAction* a = Action(id); a && a->isEnabled())
                Commande(id);
        });
    }
    auto* quitter = new QShortcut(QKeySequence(Qt::ALT | Qt::Key_F4), this);
    connect(quitter, &QShortcut::activated, this, [this] { Commande(cmd::QUITTER); });
}

void veldraFrame::ConstruitBarreEtat()
{
    texteZoom = new QLabel(this);
    texteZoom->setObjectName(QStringLiteral("zoom"));
    texteZoom->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    texteZoom->setAlignment(Qt::AlignCenter);
    texteZoom->setMinimumWidth(texteZoom->fontMetrics().horizontalAdvance(QStringLiteral("Zoom 2")) + 16);
    statusBar()->addPermanentWidget(texteZoom);
}

short veldraFrame::ZoomDesBoutons() const
{
    if (Action(cmd::ZOOM1)->isChecked())
        return 1;
    if (Action(cmd::ZOOM3)->isChecked())
        return 3;
    return 2;
}

void veldraFrame::Commande(int id)
{
    if (id == cmd::QUITTER) {
        close();
        return;
    }
    CibleCommandes* chaine[] = {gestionnaire.VueCourante(), client, &gestionnaire, &app};
    for (CibleCommandes* c : chaine) {
        if (c && c->Execute(id))
            break;
    }
    if (veldraWindowView* vue = gestionnaire.VueCourante())
        SuitPalette(vue);
    MetAJourCommandes();
}

void veldraFrame::MetAJourCommandes()
{
    CibleCommandes* chaine[] = {gestionnaire.VueCourante(), client, &gestionnaire, &app};
    for (auto& [id, a] : actions) {
        if (id == cmd::QUITTER) {
            a->setEnabled(true);
            continue;
        }
        EtatCommande etat;
        bool gere = false;
        for (CibleCommandes* c : chaine) {
            if (c && c->Etat(id, etat)) {
                gere = true;
                break;
            }
        }
        a->setEnabled(gere && etat.actif);
        // Zoom buttons and the palette keep the state of the active view.
        const bool palette = (id >= cmd::OUTIL_PREMIER && id <= cmd::OUTIL_DERNIER)
                             || (id >= cmd::MODE_SELECTION && id <= cmd::MODE_LIAISON);
        if (a->isCheckable() && gere && !palette && etat.coche)
            a->setChecked(true);
    }
}

void veldraFrame::SuitPalette(veldraWindowView* vue)
{
    if (!vue)
        return;
    const int id = vue->LMode() == 0 ? cmd::OUTIL_PREMIER + vue->LTool()
                                     : cmd::MODE_SELECTION + vue->LMode() - 1;
    if (QAction* a = Action(id))
        a->setChecked(true);
    palette->update();
}

void veldraFrame::EnfantActive(QMdiSubWindow* s)
{
    if (auto* enfant = qobject_cast<veldraMDIChild*>(s)) {
        if (veldraWindowView* vue = enfant->Vue(); vue && QString(vue->GetViewName()) == "GRAFCET") {
            SuitPalette(vue);
            texteZoom->setText(QStringLiteral("Zoom %1").arg(vue->LZoom()));
        }
    }
    MetAJourCommandes();
}

void veldraFrame::closeEvent(QCloseEvent* e)
{
    if (!gestionnaire.ToutFerme()) {
        e->ignore();
        return;
    }
    QMainWindow::closeEvent(e);
}

void veldraFrame::dragEnterEvent(QDragEnterEvent* e)
{
    if (e->mimeData()->hasUrls())
        e->acceptProposedAction();
}

void veldraFrame::dropEvent(QDropEvent* e)
{
    const QStringList chemins = CheminsDeposes(e->mimeData());
    if (chemins.isEmpty())
        return;
    e->acceptProposedAction();
    gestionnaire.OuvreFichiersDeposes(chemins);
}
