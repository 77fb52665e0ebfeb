#include "veldraApp.h"

#include <QApplication>
#include <QGuiApplication>
#include <QMdiSubWindow>
#include <QLabel>

#include "FenetreAide.h"
#include "PoliceSymboles.h"
#include "SelectionCible.h"
#include "ConversionTexte.h"
#include "Textes.h"
#include "cible/TCarteC.h"
#include "impression/ServicesImpression.h"
#include "impression/VerificationImprimante.h"
#include "nomenclature/TNomDoc.h"
#include "nomenclature/TNomGraf.h"
#include "nomenclature/TNomView.h"
#include "veldraMDIChild.h"
#include "Icones.h"
#include "doc/TGrafDoc.h"
#include "vue/veldraWindowView.h"
#include "cible/TPartOp.h"
#include <QMessageBox>
#include "GestionnaireDocuments.h"
#include "platform/Reglages.h"
#include "veldraAboutDlg.h"
#include "veldraFrame.h"
#include "veldraMDIClient.h"

veldraApp::veldraApp()
{
    // The first start gives the user a data directory of his own; without
    // one the bundled directory serves.
    std::string erreur;
    if (!Reglages().SemeDonnees(&erreur))
        qWarning("veldra: %s", erreur.c_str());
    const Reglages reglages;
    carte = reglages.Carte();
    nomPop = reglages.NomPop();
    erreurReglages = [this](const QString& texte) {
        QMessageBox::warning(frame.get(), QStringLiteral("Veldra"), texte);
    };
    PublieSelection();
}

void veldraApp::PublieSelection()
{
    SelectionCible& s = SelectionCible::Courante();
    s.carte = carte;
    s.nomPop = nomPop;
    s.donnees = Reglages().RepertoireDonnees();
}

void veldraApp::ChoisitCarte()
{
    Reglages reglages;
    // The card is read again: another window may have changed it.
    std::string valeur;
    if (reglages.Lit(Reglages::CLE_CIBLE, "CARTE", valeur))
        carte = reglages.Carte();
    char choix = carte;
    TCarteC dialogue(frame.get(), &choix);
    if ((lanceDialogue ? lanceDialogue(dialogue) : dialogue.Execute()) != 1)
        return;
    carte = choix;
    reglages.Ecrit(Reglages::CLE_CIBLE, "CARTE", std::to_string(static_cast<unsigned char>(carte)));
    std::string erreur;
    if (!reglages.Sauve(&erreur))
        erreurReglages(QStringLiteral("Impossible d'enregistrer le choix de la carte : ") + QString::fromStdString(erreur));
    frame->ChangeLibelle(cmd::CARTE, textes::NomCarte(static_cast<unsigned char>(carte)));
    PublieSelection();
}

void veldraApp::ChoisitPartieOperative()
{
    std::string nom = nomPop;
    TPartOp dialogue(frame.get(), carte, &nom);
    if ((lanceDialogue ? lanceDialogue(dialogue) : dialogue.Execute()) != 1)
        return;
    nomPop = nom;
    Reglages reglages;
    reglages.Ecrit(Reglages::CLE_CIBLE, "P_OPERA", nomPop);
    std::string erreur;
    if (!reglages.Sauve(&erreur))
        erreurReglages(QStringLiteral("Impossible d'enregistrer le choix de la partie opérative : ") + QString::fromStdString(erreur));
    frame->ChangeLibelle(cmd::PARTIE_OPERATIVE, VersQString(nomPop));
    PublieSelection();
}

veldraApp::~veldraApp()
{
    veldraWindowView::Impression = nullptr;
    // The frame owns the client and the views; the documents go after them.
    frame.reset();
    gestionnaire.reset();
}

void veldraApp::InitMainWindow()
{
    // The faces of equations ("VELDRA", "Norim Font", "Norim Fonts") before any window uses them.
    EnregistrePoliceSymboles();
    client = new veldraMDIClient;
    gestionnaire = std::make_unique<GestionnaireDocuments>(*client, nullptr);
    impression = std::make_unique<ServicesImpression>(compteurImpression);
    verification = std::make_unique<VerificationImprimante>(*impression);
    // The views know they are painting a page while the counter is raised.
    veldraWindowView::Impression = [this] { return compteurImpression != 0; };
    client->impression = impression.get();
    client->documentCourant = [this] { return gestionnaire->DocumentCourant(); };
    // The card is read again from the settings, as another window may have changed it.
    client->carte = [this] {
        std::string valeur;
        if (Reglages().Lit(Reglages::CLE_CIBLE, "CARTE", valeur))
            carte = Reglages().Carte();
        return short(static_cast<unsigned char>(carte));
    };
    gestionnaire->ouvreNomenclature = [this] { NomenclatureCible(); };
    frame = std::make_unique<veldraFrame>(*this, client, *gestionnaire);
    frame->resize(1000, 720);
    // The default printer may change while the editor runs: checked when it comes to the front.
    connect(qApp, &QGuiApplication::applicationStateChanged, this, [this](Qt::ApplicationState e) {
        if (e == Qt::ApplicationActive && verification)
            verification->Verifie();
    });
}

int veldraApp::Run()
{
    if (!frame)
        InitMainWindow();
    frame->show();
    return QApplication::exec();
}

bool veldraApp::Execute(int id)
{
    switch (id) {
    case cmd::NOUVEAU:
        gestionnaire->Nouveau();
        frame->TexteZoom()->setText(QStringLiteral("Zoom 2"));
        return true;
    case cmd::A_PROPOS: {
        veldraAboutDlg dialogue(frame.get());
        dialogue.exec();
        return true;
    }
    case cmd::AIDE:
        FenetreAide::Montre(frame.get());
        return true;
    case cmd::CARTE:
        ChoisitCarte();
        return true;
    case cmd::PARTIE_OPERATIVE:
        ChoisitPartieOperative();
        return true;
    case cmd::NOMENCLATURE_CIBLE:
        NomenclatureCible();
        return true;
    case cmd::NOMENCLATURE_GRAFCET:
        NomenclatureGrafcet();
        return true;
    default:
        return false;
    }
}

void veldraApp::NomenclatureCible()
{
    auto* vue = new TNomView(std::make_unique<TNomDoc>());
    auto* enfant = new QMdiSubWindow;
    enfant->setWidget(vue);
    enfant->setAttribute(Qt::WA_DeleteOnClose);
    enfant->setWindowIcon(IconeNomenclature());
    enfant->setWindowTitle(QStringLiteral("Nomenclature"));
    client->addSubWindow(enfant);
    enfant->showMaximized();
}

void veldraApp::NomenclatureGrafcet()
{
    TNomGraf* vue = TNomGraf::Cree(gestionnaire->DocumentCourant());
    if (!vue)
        return;
    auto* enfant = new QMdiSubWindow;
    enfant->setWidget(vue);
    enfant->setAttribute(Qt::WA_DeleteOnClose);
    enfant->setWindowIcon(IconeNomenclature());
    enfant->setWindowTitle(QString::fromUtf8(TNomGraf::LEGENDE));
    client->addSubWindow(enfant);
    enfant->showMaximized();
}

bool veldraApp::Etat(int id, EtatCommande& etat)
{
    switch (id) {
    case cmd::NOUVEAU:
    case cmd::A_PROPOS:
    case cmd::AIDE:
    case cmd::CARTE:
    case cmd::PARTIE_OPERATIVE:
    case cmd::NOMENCLATURE_CIBLE:
        etat.actif = true;
        return true;
    case cmd::NOMENCLATURE_GRAFCET:
        // Available once the current diagram has been generated without error.
        etat.actif = TNomGraf::Disponible(gestionnaire ? gestionnaire->DocumentCourant() : nullptr);
        return true;
    default:
        return false;
    }
}
