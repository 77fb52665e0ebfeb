#include "cible/TCarteC.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "ConversionTexte.h"
#include "cible/AvisCible.h"
#include "cible/ControlesCible.h"
#include "cible/PortsCarte.h"
#include "cible/TConfigurer.h"
#include "platform/Reglages.h"

namespace cc = controlescible;

TCarteC::TCarteC(QWidget* parent, char* c) : QDialog(parent), carte(c)
{
    setWindowTitle(QStringLiteral("Choix de la carte de commande"));
    auto* disposition = new QVBoxLayout(this);
    auto* grille = new QGridLayout;
    grille->addWidget(new QLabel(QStringLiteral("Carte de commande"), this), 0, 0);
    choix = cc::Liste(this, 102);
    grille->addWidget(choix, 0, 1);
    disposition->addLayout(grille);
    auto* ligne = new QHBoxLayout;
    configurer = cc::Bouton(this, 101, QStringLiteral("Configurer"));
    ligne->addStretch();
    ligne->addWidget(configurer);
    ligne->addStretch();
    disposition->addLayout(ligne);
    ok = cc::AjouteBoutons(this, disposition, true);

    liste = ListeCartes::Lit(Reglages().RepertoireDonnees());
    if (!liste.lue) {
        AvisCible::Montre(parent, QStringLiteral("erreur"),
                          QStringLiteral("Manque fichier d'extension *.car"));
    } else if (!liste.complet) {
        AvisCible::Montre(parent, QStringLiteral("erreur"),
                          QStringLiteral("La liste des cartes est incomplète : seules les cartes "
                                         "lues sont proposées."));
    }

    for (const auto& c : liste.cartes)
        choix->addItem(VersQString(c.nom));
    // No entry is selected unless one matches the caller's card.
    int index = -1;
    const auto code = static_cast<unsigned char>(carte ? *carte : 0);
    for (int i = 0; i < static_cast<int>(liste.cartes.size()); ++i) {
        if (liste.cartes[static_cast<std::size_t>(i)].code == code) {
            index = i;
            break;
        }
    }
    if (code == 0) {
        for (int i = 0; i < choix->count(); ++i) {
            if (choix->itemText(i).startsWith(QStringLiteral("simulation"), Qt::CaseInsensitive)) {
                index = i;
                break;
            }
        }
    }
    choix->setCurrentIndex(index);
    SelectionChange(index);

    connect(choix, &QComboBox::currentIndexChanged, this, &TCarteC::SelectionChange);
    connect(configurer, &QPushButton::clicked, this, &TCarteC::Configurer);
    connect(ok, &QPushButton::clicked, this, &TCarteC::Ok);
}

int TCarteC::Execute()
{
    if (liste.cartes.empty())
        return cc::RESULTAT_ANNULE;
    return exec() == QDialog::Accepted ? cc::RESULTAT_OK : cc::RESULTAT_ANNULE;
}

void TCarteC::SelectionChange(int index)
{
    const bool choisie = index >= 0 && index < static_cast<int>(liste.cartes.size());
    configurer->setVisible(choisie && portscarte::AUnPort(liste.cartes[static_cast<std::size_t>(index)].code));
    // OK needs a card to give back.
    ok->setEnabled(choisie);
}

void TCarteC::Configurer()
{
    const int index = choix->currentIndex();
    if (index < 0 || index >= static_cast<int>(liste.cartes.size()))
        return;
    const auto& c = liste.cartes[static_cast<std::size_t>(index)];
    TConfigurer(this, c.code, VersQString(c.nom)).Execute();
}

void TCarteC::Ok()
{
    const int index = choix->currentIndex();
    if (index < 0 || index >= static_cast<int>(liste.cartes.size()))
        return;
    if (carte)
        *carte = static_cast<char>(liste.cartes[static_cast<std::size_t>(index)].code);
    accept();
}
