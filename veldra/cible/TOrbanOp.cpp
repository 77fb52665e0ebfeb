#include "cible/TOrbanOp.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include "cible/RecordsParties.h"

TOrbanOp::TOrbanOp(QWidget* parent, std::string* nom, std::string donnees)
    : DefinitionPartie(parent, nom, 2, std::move(donnees), 105)
{
    setWindowTitle(QStringLiteral("Partie opérative"));
    disposition->addWidget(editNom);
    auto* grille = new QGridLayout;
    const QString titres[4] = {QStringLiteral("Port A"), QStringLiteral("Port B"),
                               QStringLiteral("Port C inf."), QStringLiteral("Port C Sup.")};
    for (int i = 0; i < 4; ++i) {
        ports[static_cast<std::size_t>(i)] = ListeSens(101 + i);
        grille->addWidget(new QLabel(titres[i], this), i, 0);
        grille->addWidget(ports[static_cast<std::size_t>(i)], i, 1);
    }
    disposition->addLayout(grille);
    Termine();
}

bool TOrbanOp::Records(std::vector<composant>& records)
{
    std::array<bool, 4> sorties{};
    for (std::size_t i = 0; i < sorties.size(); ++i)
        sorties[i] = EstSortie(ports[i]);
    records = recordsparties::Orban(sorties);
    return true;
}
