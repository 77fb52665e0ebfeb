#include "cible/TPuxOp.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include "cible/RecordsParties.h"

TPuxOp::TPuxOp(QWidget* parent, std::string* nom, std::string donnees)
    : DefinitionPartie(parent, nom, 3, std::move(donnees), 109)
{
    setWindowTitle(QStringLiteral("Partie opérative de la Carte Pux"));
    disposition->addWidget(editNom);
    const QString titres[4] = {QStringLiteral("Port A"), QStringLiteral("Port B"),
                               QStringLiteral("Port C I."), QStringLiteral("Port C S.")};
    auto* cadres = new QHBoxLayout;
    for (int puce = 0; puce < 2; ++puce) {
        auto* cadre = new QGroupBox(QStringLiteral("PPI %1").arg(puce + 1), this);
        auto* grille = new QGridLayout(cadre);
        for (int i = 0; i < 4; ++i) {
            const int n = puce * 4 + i;
            ports[static_cast<std::size_t>(n)] = ListeSens(101 + n);
            grille->addWidget(new QLabel(titres[i], cadre), i, 0);
            grille->addWidget(ports[static_cast<std::size_t>(n)], i, 1);
        }
        cadres->addWidget(cadre);
    }
    disposition->addLayout(cadres);
    Termine();
}

bool TPuxOp::Records(std::vector<composant>& records)
{
    std::array<bool, 8> sorties{};
    for (std::size_t i = 0; i < sorties.size(); ++i)
        sorties[i] = EstSortie(ports[i]);
    records = recordsparties::Pux(sorties);
    return true;
}
