#include "nomenclature/TNomGraf.h"

#include <cstring>

#include "ConversionTexte.h"
#include "SelectionCible.h"
#include "doc/TGrafDoc.h"
#include "variables/ListV.h"

using namespace nomenclature;

TNomGraf::TNomGraf(QWidget* parent, TGrafDoc& doc, const QString& titre) : FenetreNomenclature(parent)
{
    setObjectName(QString::fromLatin1(NOM_CLASSE));
    setWindowTitle(titre);
    if (const ListV* v = doc.LVariab())
        variables = ListeDe(*v, OrdreGrafEcran());
    else
        variables = Reordonne({}, OrdreGrafEcran());
}

bool TNomGraf::Disponible(const TDocument* courant)
{
    short valeur = 0;
    return courant && courant->GetProperty(0, &valeur, 0) == 1;
}

TNomGraf* TNomGraf::Cree(TDocument* courant, QWidget* parent)
{
    if (!courant)
        return nullptr;
    char type[16] = {};
    const int index = courant->FindProperty("Type");
    if (index == 0 || courant->GetProperty(index, type, sizeof type) == 0
        || std::strcmp(type, "Grafcet") != 0)
        return nullptr;
    auto* doc = dynamic_cast<TGrafDoc*>(courant);
    return doc ? new TNomGraf(parent, *doc) : nullptr;
}

EnTete TNomGraf::Entete() const
{
    const SelectionCible s = SelectionApplication();
    return {NomCarte(static_cast<unsigned char>(s.carte)), VersQString(s.nomPop)};
}

Liste TNomGraf::ListeEcran() const { return variables; }

Liste TNomGraf::ListePapier() const { return Reordonne(variables, OrdreGrafPapier()); }

StyleEcran TNomGraf::Style() const { return {QColor(0, 0, 0), {{2, 1}}, {3, 1}}; }

QString TNomGraf::TitrePapier() const { return QString::fromUtf8(TITRE_GRAFCET); }
