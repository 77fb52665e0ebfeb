#include "cible/TSimulOp.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include "cible/RecordsParties.h"

namespace {

QLineEdit* Nombre(QWidget* parent, int id, const QString& texte)
{
    auto* e = new QLineEdit(texte, parent);
    e->setObjectName(QString::number(id));
    e->setMaxLength(20);
    return e;
}

QGroupBox* Cadre(QWidget* parent, const QString& titre, QWidget* contenu)
{
    auto* cadre = new QGroupBox(titre, parent);
    auto* d = new QVBoxLayout(cadre);
    d->addWidget(contenu);
    return cadre;
}

} // namespace

TSimulOp::TSimulOp(QWidget* parent, std::string* nom, std::string donnees)
    : DefinitionPartie(parent, nom, 0, std::move(donnees), 101)
{
    setWindowTitle(QStringLiteral("Partie opérative de simulation"));
    auto* ligneNom = new QHBoxLayout;
    ligneNom->addStretch();
    ligneNom->addWidget(new QLabel(QStringLiteral("Nom :"), this));
    ligneNom->addWidget(editNom);
    ligneNom->addStretch();
    disposition->addLayout(ligneNom);

    entrees = Nombre(this, 102, QStringLiteral("16"));
    sorties = Nombre(this, 103, QStringLiteral("8"));
    auto* cadres = new QHBoxLayout;
    cadres->addWidget(Cadre(this, QStringLiteral("Les entrées"), entrees));
    cadres->addWidget(Cadre(this, QStringLiteral("Les sorties"), sorties));
    disposition->addLayout(cadres);
    Termine();
}

bool TSimulOp::Records(std::vector<composant>& records)
{
    const int e = recordsparties::LitNombre(entrees->text().toStdString());
    const int s = recordsparties::LitNombre(sorties->text().toStdString());
    if (e == 0 && s == 0)
        return false;
    records = recordsparties::Simulation(e, s);
    return true;
}
