#include "generation/BGene.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "Commandes.h"
#include "ConversionTexte.h"
#include "GenereProgramme.h"

namespace {

// The list sorts as a list box does: without regard to case, then by case.
class ElementTrie : public QListWidgetItem {
public:
    explicit ElementTrie(const QString& texte) : QListWidgetItem(texte) {}
    bool operator<(const QListWidgetItem& autre) const override
    {
        const int c = QString::compare(text(), autre.text(), Qt::CaseInsensitive);
        return c != 0 ? c < 0 : text() < autre.text();
    }
};

QLabel* Ligne(const char* nom)
{
    auto* l = new QLabel;
    l->setObjectName(QString::fromLatin1(nom));
    // Room for the longest line.
    const QString longue = QString::fromUtf8(textesgeneration::ERREUR_RECEPTIVITE);
    l->setMinimumWidth(l->fontMetrics().horizontalAdvance(longue));
    return l;
}

} // namespace

BGene::BGene(QWidget* vue) : QDialog(vue)
{
    using namespace textesgeneration;
    setObjectName(QStringLiteral("BGene"));
    setWindowTitle(QStringLiteral("Génération"));
    setAttribute(Qt::WA_DeleteOnClose);
    setModal(false);

    lignes[0] = Ligne("101");
    lignes[1] = Ligne("102");
    lignes[2] = Ligne("103");
    auto* grille = new QGridLayout;
    const char* libelles[3] = {LIBELLE_GRAFCET, LIBELLE_ACTION, LIBELLE_RECEPTIVITE};
    for (int i = 0; i < 3; ++i) {
        grille->addWidget(new QLabel(QString::fromUtf8(libelles[i])), i, 0);
        grille->addWidget(lignes[i], i, 1);
    }
    grille->setColumnStretch(1, 1);

    erreurs = new QListWidget;
    erreurs->setObjectName(QStringLiteral("106"));
    erreurs->setSortingEnabled(true);
    erreurs->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    erreurs->setEnabled(false);

    auto* annuler = new QPushButton(QStringLiteral("Annuler"));
    annuler->setObjectName(QStringLiteral("2"));
    annuler->setAutoDefault(false);
    executer = new QPushButton(QStringLiteral("Executer"));
    executer->setObjectName(QStringLiteral("104"));
    executer->setDefault(true);
    executer->setEnabled(false);
    simuler = new QPushButton(QStringLiteral("Simuler"));
    simuler->setObjectName(QStringLiteral("105"));
    simuler->setAutoDefault(false);
    simuler->setEnabled(false);
    connect(annuler, &QPushButton::clicked, this, &QWidget::close);
    connect(executer, &QPushButton::clicked, this, [this] { Lance(cmd::EXECUTION); });
    connect(simuler, &QPushButton::clicked, this, [this] { Lance(cmd::SIMULATION); });

    auto* boutons = new QHBoxLayout;
    boutons->addWidget(annuler);
    boutons->addStretch(1);
    boutons->addWidget(executer);
    boutons->addWidget(simuler);

    auto* l = new QVBoxLayout(this);
    l->addLayout(grille);
    l->addWidget(erreurs, 1);
    l->addLayout(boutons);
}

void BGene::SetLine(short index, const QString& texte)
{
    if (index >= 1 && index <= 3)
        lignes[index - 1]->setText(texte);
    else if (index == 6)
        erreurs->addItem(new ElementTrie(texte));
}

QString BGene::Line(short index) const
{
    return index >= 1 && index <= 3 ? lignes[index - 1]->text() : QString();
}

void BGene::EnableRun(unsigned flags)
{
    executer->setEnabled(flags & 1u);
    simuler->setEnabled(flags & 2u);
}

void BGene::ShowErrors(const std::vector<std::string>& labels)
{
    erreurs->setEnabled(true);
    for (const auto& e : labels)
        erreurs->addItem(new ElementTrie(VersQString(e)));
}

void BGene::AjouteErreur(const QString& message)
{
    erreurs->setEnabled(true);
    SetLine(6, message);
}

QStringList BGene::Errors() const
{
    QStringList l;
    for (int i = 0; i < erreurs->count(); ++i)
        l << erreurs->item(i)->text();
    return l;
}

void BGene::Lance(int id)
{
    // The dialog goes first, then the command runs, as a posted command
    // would: a run that waits in its own loop finds the dialog closed.
    close();
    emit Commande(id);
}
