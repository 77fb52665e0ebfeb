#include "ListeVariables.h"

#include <QHeaderView>
#include <algorithm>
#include <set>
#include <utility>
#include <vector>

#include "platform/Cp1252.h"
#include "variables/ListV.h"
#include "variables/composant.h"

namespace {

using Paire = std::pair<short, short>; // nature, direction

struct Groupe {
    const char* titre;
    std::vector<Paire> paires;
};

// The nomenclature's headings, in its order. The timers and internal bits
// (nature 2 read as inputs) are memory too; a position set-point is shown as
// an analog output.
const std::vector<Groupe>& Groupes()
{
    static const std::vector<Groupe> groupes = {
        {"Entrée logique", {{0, 0}}},
        {"Sortie logique", {{0, 1}}},
        {"Entrée analogique", {{1, 0}}},
        {"Sortie analogique", {{1, 1}, {5, 1}}},
        {"Mémoire", {{2, 1}, {2, 0}}},
        {"Action chariot", {{3, 1}}},
        {"Constante", {{10, 1}}},
    };
    return groupes;
}

constexpr short NATURE_ETAPE = 4;

QString Texte(const std::string& octets) { return QString::fromStdString(Cp1252VersUtf8(octets)); }

struct Ligne {
    QString label;
    QString designation;
};

void AjoutePaire(const ListV& vars, Paire p, std::vector<Ligne>& lignes)
{
    const short n = vars.NBel(p.first, p.second);
    for (short i = 0; i < n; ++i) {
        composant c{};
        vars.LComposant(i, p.first, p.second, c);
        lignes.push_back({Texte(LitChamp(c.label)), Texte(LitChamp(c.designation))});
    }
}

void AjouteGroupe(QTreeWidget& arbre, const QString& titre, std::vector<Ligne> lignes)
{
    if (lignes.empty())
        return;
    // Sorted as the editor's lists sort names: without regard to case, then by case.
    std::stable_sort(lignes.begin(), lignes.end(), [](const Ligne& a, const Ligne& b) {
        const int c = QString::compare(a.label, b.label, Qt::CaseInsensitive);
        return c != 0 ? c < 0 : a.label < b.label;
    });
    auto* groupe = new QTreeWidgetItem(&arbre, QStringList{titre});
    groupe->setFirstColumnSpanned(true);
    for (const auto& l : lignes)
        new QTreeWidgetItem(groupe, QStringList{l.label, l.designation});
    groupe->setExpanded(true);
}

} // namespace

ListeVariables::ListeVariables(QWidget* parent) : QTreeWidget(parent)
{
    setObjectName(QStringLiteral("variables"));
    setColumnCount(2);
    setHeaderLabels({QStringLiteral("Variable"), QStringLiteral("Désignation")});
    setRootIsDecorated(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    header()->setStretchLastSection(true);
}

void ListeVariables::Remplit(const ListV* vars)
{
    clear();
    if (!vars)
        return;
    std::set<Paire> vues;
    for (const auto& g : Groupes()) {
        std::vector<Ligne> lignes;
        for (const Paire& p : g.paires) {
            AjoutePaire(*vars, p, lignes);
            vues.insert(p);
        }
        AjouteGroupe(*this, QString::fromUtf8(g.titre), std::move(lignes));
    }
    // Any other nature the list may hold is shown rather than hidden.
    std::vector<Ligne> autres;
    for (short nature = 0; nature < 256; ++nature) {
        if (nature == NATURE_ETAPE)
            continue;
        for (short sens = 0; sens < 2; ++sens)
            if (!vues.count({nature, sens}))
                AjoutePaire(*vars, {nature, sens}, autres);
    }
    AjouteGroupe(*this, QStringLiteral("Autre"), std::move(autres));
    resizeColumnToContents(0);
}

int ListeVariables::NbVariables() const
{
    int n = 0;
    for (int i = 0; i < topLevelItemCount(); ++i)
        n += topLevelItem(i)->childCount();
    return n;
}
