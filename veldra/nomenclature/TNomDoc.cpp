#include "nomenclature/TNomDoc.h"

#include <QMessageBox>
#include <cstring>

#include "SelectionCible.h"
#include "nomenclature/Rubriques.h"
#include "pop/POpera.h"

namespace {

// Property names are bytes of the product's code page.
const char* const NOMS[] = {"Type", "Carte", "Parte Op\xE9rative"};

int QuestionParDefaut(const QString& titre, const QString& texte)
{
    QMessageBox boite(QMessageBox::Question, titre, texte, QMessageBox::Yes | QMessageBox::No);
    return boite.exec();
}

void ErreurParDefaut(const QString& titre, const QString& texte)
{
    QMessageBox boite(QMessageBox::Critical, titre, texte, QMessageBox::Ok);
    boite.exec();
}

} // namespace

std::function<int(const QString&, const QString&)> TNomDoc::Question = QuestionParDefaut;
std::function<void(const QString&, const QString&)> TNomDoc::Erreur = ErreurParDefaut;

TNomDoc::TNomDoc(TDocument* parent) : TNomDoc(parent, nomenclature::SelectionApplication()) {}

TNomDoc::TNomDoc(TDocument* parent, const SelectionCible& cible)
    : TDocument(parent), carte(cible.carte), nomPop(cible.nomPop), repertoire(cible.donnees)
{
}

TNomDoc::~TNomDoc()
{
    if (modifie)
        TNomDoc::Close();
}

bool TNomDoc::Open(int /*mode*/, const char* /*path*/)
{
    if (pop)
        return true;
    pop = std::make_unique<POpera>(carte, nomPop, repertoire);
    if (!pop->Complet() && Erreur)
        Erreur(QString::fromUtf8(TITRE),
               QStringLiteral("Le fichier %1 est incomplet : seuls les composants lus en entier "
                              "sont affichés, et la nomenclature ne pourra pas être enregistrée.")
                   .arg(QString::fromStdString(pop->Chemin())));
    return true;
}

bool TNomDoc::Close()
{
    if (!modifie || !pop || pop->LProtege() != 0) {
        modifie = false;
        return true;
    }
    const QString titre = QString::fromUtf8(TITRE);
    const int reponse = Question ? Question(titre, QString::fromUtf8(QUESTION)) : QMessageBox::No;
    if (reponse == QMessageBox::Yes) {
        std::string raison;
        if (!pop->Sauve(&raison)) {
            if (Erreur)
                Erreur(titre, QStringLiteral("La nomenclature n'a pas été enregistrée : ")
                                  + QString::fromStdString(raison));
            return false;
        }
    }
    modifie = false;
    return true;
}

int TNomDoc::PropertyCount() const { return NextProperty - 1; }

int TNomDoc::FindProperty(const char* name) const
{
    if (!name)
        return 0;
    for (int i = 0; i < 3; ++i) {
        if (std::strcmp(name, NOMS[i]) == 0)
            return PropType + i;
    }
    return 0;
}

const char* TNomDoc::PropertyName(int index) const
{
    if (index >= PropType && index <= PropPartieOperative)
        return NOMS[index - PropType];
    if (index > PropPartieOperative)
        return nullptr;
    return TDocument::PropertyName(index);
}

int TNomDoc::PropertyFlags(int index) const
{
    if (index >= PropType && index <= PropPartieOperative)
        return pfGetText;
    if (index > PropPartieOperative)
        return 0;
    return TDocument::PropertyFlags(index);
}

int TNomDoc::GetProperty(int index, void* dest, int textlen) const
{
    if (index < PropType)
        return TDocument::GetProperty(index, dest, textlen);
    // Text values only.
    if (index > PropPartieOperative || textlen <= 0 || !dest)
        return 0;
    switch (index) {
    case PropType:
        return CopieTexte("Nom. Cible", dest, textlen);
    case PropCarte:
        return CopieTexte("Carte", dest, textlen);
    default:
        return CopieTexte(nomPop, dest, textlen);
    }
}
