#include "cible/DefinitionPartie.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "ConversionTexte.h"
#include "cible/AvisCible.h"
#include "cible/ControlesCible.h"
#include "cible/FichierParties.h"
#include "platform/Cp1252.h"
#include "platform/Reglages.h"

namespace cc = controlescible;

DefinitionPartie::DefinitionPartie(QWidget* parent, std::string* n, unsigned char c,
                                   std::string d, int idNom)
    : QDialog(parent), nom(n), carte(c), donnees(std::move(d))
{
    if (donnees.empty())
        donnees = Reglages().RepertoireDonnees();
    disposition = new QVBoxLayout(this);
    editNom = new QLineEdit(QStringLiteral("Partie opérative"), this);
    editNom->setObjectName(QString::number(idNom));
    editNom->setMaxLength(60);
}

void DefinitionPartie::Termine()
{
    auto* ok = cc::AjouteBoutons(this, disposition, false);
    connect(ok, &QPushButton::clicked, this, &DefinitionPartie::Ok);
}

int DefinitionPartie::Execute() { return exec() == QDialog::Accepted ? cc::RESULTAT_OK : cc::RESULTAT_ANNULE; }

QComboBox* DefinitionPartie::ListeSens(int id)
{
    auto* l = cc::Liste(this, id);
    l->addItems({QStringLiteral("Entrée"), QStringLiteral("Sortie")});
    l->setCurrentIndex(0);
    return l;
}

bool DefinitionPartie::EstSortie(const QComboBox* liste)
{
    return liste->currentText() == QStringLiteral("Sortie");
}

void DefinitionPartie::Ok()
{
    const QString texte = editNom->text();
    if (texte.isEmpty()) {
        // No name: nothing is written and the choice list gets nothing.
        if (nom)
            nom->clear();
        accept();
        return;
    }
    auto refuse = [this](const QString& raison) {
        AvisCible::Montre(this, QStringLiteral("erreur"), raison);
        editNom->setFocus();
    };
    std::string octets;
    if (!Utf8VersCp1252(texte.toStdString(), octets) || octets.find('\0') != std::string::npos) {
        refuse(QStringLiteral("Le nom « %1 » contient des caractères qui ne peuvent pas être "
                              "enregistrés. Choisissez un autre nom.")
                   .arg(texte));
        return;
    }
    if (octets.size() > static_cast<std::size_t>(LONGUEUR_NOM)) {
        refuse(QStringLiteral("Le nom « %1 » est trop long : une partie opérative a un nom de %2 "
                              "caractères au plus.")
                   .arg(texte, QString::number(LONGUEUR_NOM)));
        return;
    }

    std::vector<composant> records;
    if (!Records(records)) {
        reject();
        return;
    }

    const std::string chemin = donnees + "p_opera.lst";
    std::string erreur;
    switch (fichierparties::Ajoute(chemin, carte, octets, records, &erreur)) {
    case fichierparties::Resultat::Fait:
        break;
    case fichierparties::Resultat::NomPris:
        refuse(QStringLiteral("Une partie opérative de cette carte s'appelle déjà « %1 ». "
                              "Choisissez un autre nom.")
                   .arg(VersQString(octets)));
        return;
    default:
        AvisCible::Montre(this, QStringLiteral("erreur"),
                          QStringLiteral("La partie opérative « %1 » n'a pas été enregistrée : %2")
                              .arg(VersQString(octets), QString::fromStdString(erreur)));
        return;
    }
    if (nom)
        *nom = octets;
    accept();
}
