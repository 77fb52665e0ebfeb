#include "dialogues/TListac.h"

#include <QHBoxLayout>
#include <QListWidget>
#include <QVBoxLayout>
#include <algorithm>
#include <vector>

#include "ConversionTexte.h"
#include "SelectionCible.h"
#include "pop/POpera.h"

namespace {

struct Nom {
    QString affiche;
    std::string octets;
};

} // namespace

TListac::TListac(QWidget* parent, int genre, std::string* n, int /*modele*/)
    : DialogueElement(parent,
                      genre == 1 ? QStringLiteral("Liste des Actions")
                                 : QStringLiteral("Liste des Réceptivité"),
                      9),
      nom(n)
{
    auto* l = new QVBoxLayout(this);
    l->setSizeConstraint(QLayout::SetFixedSize);
    liste = new QListWidget(this);
    liste->setObjectName(QStringLiteral("101"));
    liste->setSelectionMode(QAbstractItemView::SingleSelection);
    liste->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    liste->setFixedSize(Unites(80), UnitesV(66));
    auto* centre = new QHBoxLayout;
    centre->addStretch(1);
    centre->addWidget(liste);
    centre->addStretch(1);
    l->addLayout(centre);
    AjouteOkAnnuler(l);

    std::vector<Nom> noms;
    {
        const SelectionCible& cible = SelectionCible::Courante();
        const POpera pop(cible.carte, cible.nomPop, cible.donnees);
        const short sens = static_cast<short>(genre);
        const short nombre = pop.LitNbEl(sens);
        for (short i = 0; i < nombre; ++i) {
            char label[16] = {}; // a label holds at most 15 characters
            pop.LitNom(i, sens, label);
            noms.push_back({VersQString(label), label});
        }
    }
    // Sorted as a list box sorts: without regard to case, then by case.
    std::stable_sort(noms.begin(), noms.end(), [](const Nom& a, const Nom& b) {
        const int c = QString::compare(a.affiche, b.affiche, Qt::CaseInsensitive);
        return c != 0 ? c < 0 : a.affiche < b.affiche;
    });
    for (const auto& n : noms) {
        auto* element = new QListWidgetItem(n.affiche, liste);
        element->setData(Qt::UserRole, QByteArray::fromStdString(n.octets));
    }
}

void TListac::accept()
{
    const auto choix = liste->selectedItems();
    if (nom && !choix.isEmpty())
        *nom = choix.front()->data(Qt::UserRole).toByteArray().toStdString();
    DialogueElement::accept();
}
