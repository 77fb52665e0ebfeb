#include "veldraMDIClient.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMdiSubWindow>
#include <QMimeData>
#include <QUrl>

#include "doc/TGrafDoc.h"
#include "generation/CommandeGeneration.h"
#include "impression/Imprimable.h"
#include "nomenclature/FenetreNomenclature.h"
#include "impression/ServicesImpression.h"
#include "veldraMDIChild.h"
#include "vue/veldraWindowView.h"
#include "GestionnaireDocuments.h"

QStringList CheminsDeposes(const QMimeData* donnees)
{
    QStringList chemins;
    if (!donnees)
        return chemins;
    for (const QUrl& url : donnees->urls()) {
        if (url.isLocalFile())
            chemins << url.toLocalFile();
    }
    return chemins;
}

veldraMDIClient::veldraMDIClient(QWidget* parent) : QMdiArea(parent)
{
    setAcceptDrops(true);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
}

bool veldraMDIClient::Execute(int id)
{
    switch (id) {
    case cmd::CASCADE:
        cascadeSubWindows();
        return true;
    case cmd::MOSAIQUE:
        tileSubWindows();
        return true;
    case cmd::TOUT_FERMER:
        closeAllSubWindows();
        return true;
    case cmd::EXECUTION:
    case cmd::SIMULATION: {
        TGrafDoc* doc = documentCourant ? documentCourant() : nullptr;
        if (!doc)
            return true;
        QMdiSubWindow* actif = activeSubWindow();
        // The run window's modal loop returns when it closes.
        LanceExecution(window(), doc, id == cmd::EXECUTION ? (carte ? carte() : 0) : 0,
                       actif ? actif->widget() : nullptr);
        return true;
    }
    case cmd::IMPRIMER:
    case cmd::APERCU:
    case cmd::CONFIGURER_IMPRESSION: {
        if (!impression)
            return true;
        if (id == cmd::CONFIGURER_IMPRESSION) {
            impression->ConfigureImpression(window());
            return true;
        }
        QMdiSubWindow* actif = activeSubWindow();
        auto imprime = [&](Imprimable& imprimable) {
            if (id == cmd::IMPRIMER)
                impression->Imprime(window(), imprimable);
            else
                impression->Apercu(window(), imprimable);
        };
        // A diagram is one page; a nomenclature has as many as its lines need.
        if (auto* enfant = qobject_cast<veldraMDIChild*>(actif); enfant && enfant->Vue()) {
            ImprimableVue imprimable(*enfant->Vue(), GestionnaireDocuments::Titre(enfant->Vue()->Document()));
            imprime(imprimable);
        } else if (auto* nom = actif ? qobject_cast<FenetreNomenclature*>(actif->widget()) : nullptr) {
            ImprimableFenetre<FenetreNomenclature> imprimable(*nom, actif->windowTitle());
            imprime(imprimable);
        }
        return true;
    }
    default:
        return false;
    }
}

bool veldraMDIClient::Etat(int id, EtatCommande& etat)
{
    switch (id) {
    case cmd::CASCADE:
    case cmd::MOSAIQUE:
    case cmd::TOUT_FERMER:
        etat.actif = !subWindowList().isEmpty();
        return true;
    case cmd::EXECUTION:
    case cmd::SIMULATION: {
        // Only a diagram whose generated code still matches it can run.
        TGrafDoc* doc = documentCourant ? documentCourant() : nullptr;
        char type[16] = {};
        const bool grafcet = doc && doc->GetProperty(TGrafDoc::PropType, type, 15) > 0
                             && std::string(type) == "Grafcet";
        short genere = 0;
        etat.actif = grafcet && doc->GetProperty(TGrafDoc::PropGenerer, &genere, 0) == 1;
        if (id == cmd::EXECUTION)
            etat.actif = etat.actif && carte && carte() != 0;
        return true;
    }
    case cmd::IMPRIMER:
    case cmd::APERCU:
    case cmd::CONFIGURER_IMPRESSION:
        etat.actif = impression && impression->Actif(activeSubWindow() != nullptr);
        if (id == cmd::CONFIGURER_IMPRESSION)
            etat.actif = impression != nullptr;
        return true;
    default:
        return false;
    }
}

void veldraMDIClient::dragEnterEvent(QDragEnterEvent* e)
{
    if (e->mimeData()->hasUrls())
        e->acceptProposedAction();
}

void veldraMDIClient::dropEvent(QDropEvent* e)
{
    const QStringList chemins = CheminsDeposes(e->mimeData());
    if (chemins.isEmpty())
        return;
    e->acceptProposedAction();
    emit FichiersDeposes(chemins);
}
