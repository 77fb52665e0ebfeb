#include "generation/CommandeGeneration.h"

#include <QAbstractScrollArea>
#include <QDir>
#include <QEventLoop>
#include <QPointer>
#include <cstdio>
#include <memory>
#include <string>

#include "GenereProgramme.h"
#include "GrafcetWindow.h"
#include "Grafcet.h"
#include "SelectionCible.h"
#include "doc/TGrafDoc.h"
#include "generation/BGene.h"
#include "io/EcritureSure.h"
#include "pop/POpera.h"
#include "vue/SurfaceQt.h"

namespace {

constexpr const char* FICHIER_PROGRAMME = "tmp.txt";

QString Texte(const char* utf8) { return QString::fromUtf8(utf8); }

} // namespace

BGene* GenereDepuis(QWidget* vue, TGrafDoc& doc, const SelectionCible& cible, const QString& dossier)
{
    Grafcet* g = doc.PGraf();
    if (!g)
        return nullptr;

    // A fresh operative part: the passes modify it. GenereProgramme runs the
    // passes in the command's order, SetPop and InitVI included.
    auto pop = std::make_unique<POpera>(cible.carte, cible.nomPop, cible.donnees);
    doc.SetGenerer(false);

    auto* dialogue = new BGene(vue);
    dialogue->show();
    dialogue->SetLine(1, Texte(BGene::EN_COURS));

    const ResultatGeneration r = GenereProgramme(*g, cible.carte, cible.nomPop, *pop);
    dialogue->SetLine(1, Texte(r.ligneGrafcet.c_str()));
    dialogue->SetLine(2, Texte(r.ligneAction.c_str()));
    dialogue->SetLine(3, Texte(r.ligneReceptivite.c_str()));
    if (r.reussi) {
        dialogue->EnableRun(cible.carte != 0 ? 3u : 2u);
        doc.SetGenerer(true);
    } else {
        dialogue->ShowErrors(g->LErLab());
    }

    // The program file is replaced only once the new one is complete. Not
    // being able to write it does not change the generation (the run window
    // reads the document), but the file is then stale: the list says so.
    const std::string chemin =
        QDir(dossier.isEmpty() ? QDir::currentPath() : dossier).filePath(FICHIER_PROGRAMME).toStdString();
    const std::string& texte = r.texte;
    std::string erreur;
    if (!EcritureSure(
            chemin,
            [&texte](FILE* f) { return std::fwrite(texte.data(), 1, texte.size(), f) == texte.size(); },
            &erreur)) {
        dialogue->AjouteErreur(QStringLiteral("Impossible d'écrire %1 : %2")
                                   .arg(Texte(FICHIER_PROGRAMME), QString::fromUtf8(erreur.c_str())));
    }
    doc.EGraf(r.texte);
    // The marks of the elements in error show at once.
    if (auto* zone = qobject_cast<QAbstractScrollArea*>(vue))
        zone->viewport()->update();
    else if (vue)
        vue->update();
    return dialogue;
}

void LanceExecution(QWidget* cadre, TGrafDoc* doc, short carte, QWidget* vue)
{
    QPointer<GrafcetWindow> fenetre = new GrafcetWindow(cadre, doc, carte, nullptr, vue);
    fenetre->SetSurface([](QPainter& p) { return std::make_unique<SurfaceQt>(p); });
    // The editor waits until the run is over: nothing else takes input.
    fenetre->setWindowModality(Qt::ApplicationModal);
    QEventLoop boucle;
    QObject::connect(fenetre, &GrafcetWindow::Fermee, &boucle, &QEventLoop::quit);
    fenetre->show();
    if (fenetre)
        boucle.exec();
}
