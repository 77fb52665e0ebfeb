#include "cible/AvisCible.h"

AvisCible::Fonction AvisCible::Affiche = [](QWidget* parent, const QString& titre,
                                            const QString& texte, QMessageBox::Icon icone) {
    QMessageBox boite(icone, titre, texte, QMessageBox::Ok, parent);
    boite.exec();
};

void AvisCible::Montre(QWidget* parent, const QString& titre, const QString& texte,
                       QMessageBox::Icon icone)
{
    if (Affiche)
        Affiche(parent, titre, texte, icone);
}
