#pragma once

#include "nomenclature/FenetreNomenclature.h"

class TDocument;
class TGrafDoc;

// The diagram nomenclature: the variables the last generation of a diagram
// met, kind by kind, for the card and operative part selected for the
// application. It cannot be edited.
//
// The list is copied when the window opens, so that the window stays sound
// when its diagram is closed or generated again while it is open.
class TNomGraf : public FenetreNomenclature {
    Q_OBJECT
public:
    static constexpr const char* NOM_CLASSE = "NOM_DIAG";
    // The caption of the MDI child that holds it and the title the
    // application gives it.
    static constexpr const char* LEGENDE = "Nomenclature Grafcet";
    static constexpr const char* TITRE = "N G";

    TNomGraf(QWidget* parent, TGrafDoc& doc, const QString& titre = QString::fromLatin1(TITRE));

    // The enabler of "Nomenclature > Grafcet": a current document whose
    // property 0, read as a value, is 1 (a diagram whose generation is
    // current).
    static bool Disponible(const TDocument* courant);
    // "Nomenclature > Grafcet": the window for the current document when it
    // is a diagram (its "Type" is "Grafcet"), else null. The caller puts it
    // in an MDI child captioned LEGENDE.
    static TNomGraf* Cree(TDocument* courant, QWidget* parent = nullptr);

    // The listed variables in the screen order.
    const nomenclature::Liste& Variables() const { return variables; }

protected:
    nomenclature::EnTete Entete() const override;
    nomenclature::Liste ListeEcran() const override;
    nomenclature::Liste ListePapier() const override;
    nomenclature::StyleEcran Style() const override;
    QString TitrePapier() const override;

private:
    nomenclature::Liste variables;
};
