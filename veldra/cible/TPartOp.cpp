#include "cible/TPartOp.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <cerrno>
#include <sys/stat.h>

#include "ConversionTexte.h"
#include "cible/AvisCible.h"
#include "cible/ControlesCible.h"
#include "cible/ListeCartes.h"
#include "cible/TOrbanOp.h"
#include "cible/TPuxOp.h"
#include "cible/TSimulOp.h"
#include "platform/Reglages.h"

namespace cc = controlescible;

TPartOp::TPartOp(QWidget* parent, char c, std::string* n, std::string d)
    : QDialog(parent), carte(static_cast<unsigned char>(c)), nom(n), donnees(std::move(d))
{
    setWindowTitle(QStringLiteral("Choix de la partie opérative"));
    auto* disposition = new QVBoxLayout(this);
    auto* grille = new QGridLayout;
    grille->addWidget(new QLabel(QStringLiteral("Partie opérative"), this), 0, 0);
    choix = cc::Liste(this, 101);
    grille->addWidget(choix, 0, 1);
    disposition->addLayout(grille);
    auto* ligne = new QHBoxLayout;
    ajouter = cc::Bouton(this, 102, QStringLiteral("Ajouter"));
    enlever = cc::Bouton(this, 103, QStringLiteral("Enlever"));
    ligne->addWidget(ajouter);
    ligne->addStretch();
    ligne->addWidget(enlever);
    disposition->addLayout(ligne);
    auto* ok = cc::AjouteBoutons(this, disposition, true);

    // Without a data directory in the settings, the one every reader of the
    // settings falls back to (the bundled data), so that this dialog and the
    // operative-part loader always look at the same file.
    if (donnees.empty())
        donnees = Reglages().RepertoireDonnees();
    chemin = donnees + "p_opera.lst";
    edition = ListeCartes::Lit(donnees).edition;

    bool complet = false;
    std::string erreur;
    struct stat st {};
    const bool existe = ::stat(chemin.c_str(), &st) == 0 || errno != ENOENT;
    ouvert = existe && fichierparties::Liste(chemin, entrees, complet, &erreur);
    if (existe && !ouvert) {
        AvisCible::Montre(parent, QStringLiteral("erreur"),
                          QStringLiteral("Les parties opératives ne peuvent pas être lues : ")
                              + QString::fromStdString(erreur));
    } else if (ouvert && !complet) {
        AvisCible::Montre(parent, QStringLiteral("erreur"),
                          QStringLiteral("Le fichier des parties opératives %1 est incomplet ou "
                                         "endommagé : seules les parties lues sont proposées, et "
                                         "aucune ne peut être ajoutée ni enlevée.")
                              .arg(QString::fromStdString(chemin)));
    }
    modifiable = ouvert && complet;

    std::erase_if(entrees, [this](const fichierparties::Partie& p) { return p.carte != carte; });
    int index = -1;
    for (int i = 0; i < static_cast<int>(entrees.size()); ++i) {
        const auto& p = entrees[static_cast<std::size_t>(i)];
        choix->addItem(VersQString(p.nom));
        if (index < 0 && nom && p.nom == *nom)
            index = i;
    }
    choix->setCurrentIndex(index);
    MajBoutons();

    connect(choix, &QComboBox::currentIndexChanged, this, &TPartOp::MajBoutons);
    connect(ajouter, &QPushButton::clicked, this, &TPartOp::Ajouter);
    connect(enlever, &QPushButton::clicked, this, &TPartOp::Enlever);
    connect(ok, &QPushButton::clicked, this, &TPartOp::Ok);
}

int TPartOp::Execute()
{
    if (!ouvert)
        return cc::RESULTAT_ANNULE;
    return exec() == QDialog::Accepted ? cc::RESULTAT_OK : cc::RESULTAT_ANNULE;
}

void TPartOp::MajBoutons()
{
    const bool permis = edition && modifiable;
    ajouter->setVisible(permis && carte != 1 && carte != 5 && carte != 6);
    const int index = choix->currentIndex();
    const bool choisie = index >= 0 && index < static_cast<int>(entrees.size());
    enlever->setVisible(permis && choisie && !entrees[static_cast<std::size_t>(index)].protege);
}

void TPartOp::Ajouter()
{
    std::string nouveau;
    int resultat = cc::RESULTAT_ANNULE;
    switch (carte) {
    case 0:
        resultat = TSimulOp(this, &nouveau, donnees).Execute();
        break;
    case 2:
        resultat = TOrbanOp(this, &nouveau, donnees).Execute();
        break;
    case 3:
        resultat = TPuxOp(this, &nouveau, donnees).Execute();
        break;
    default:
        return;
    }
    if (resultat != cc::RESULTAT_OK || nouveau.empty())
        return;
    entrees.push_back({carte, false, nouveau});
    choix->addItem(VersQString(nouveau));
    choix->setCurrentIndex(choix->count() - 1);
    MajBoutons();
}

void TPartOp::Enlever()
{
    const int index = choix->currentIndex();
    if (index < 0 || index >= static_cast<int>(entrees.size()))
        return;
    const std::string retire = entrees[static_cast<std::size_t>(index)].nom;
    std::string erreur;
    switch (fichierparties::Enleve(chemin, carte, retire, &erreur)) {
    case fichierparties::Resultat::Fait:
        break;
    case fichierparties::Resultat::Echec:
        AvisCible::Montre(this, QStringLiteral("erreur"),
                          QStringLiteral("La partie opérative « %1 » n'a pas été enlevée : %2")
                              .arg(VersQString(retire), QString::fromStdString(erreur)));
        return;
    default:
        return; // gone meanwhile, or read-only: nothing to do
    }
    entrees.erase(entrees.begin() + index);
    choix->removeItem(index);
    choix->setCurrentIndex(choix->count() > 0 ? 0 : -1);
    MajBoutons();
}

void TPartOp::Ok()
{
    const int index = choix->currentIndex();
    if (nom)
        *nom = index >= 0 && index < static_cast<int>(entrees.size())
                   ? entrees[static_cast<std::size_t>(index)].nom
                   : std::string();
    accept();
}
