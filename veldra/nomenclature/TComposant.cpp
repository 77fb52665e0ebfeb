#include "nomenclature/TComposant.h"

#include <QFrame>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>

#include "ConversionTexte.h"

std::function<int(TComposant&)> TComposant::Ouvre;
std::function<void(QWidget*, const QString&)> TComposant::Avertit = [](QWidget* parent,
                                                                       const QString& texte) {
    QMessageBox::warning(parent, QStringLiteral("Edition de composant"), texte);
};

namespace {

QLineEdit* Champ(QWidget* parent, const QString& titre, const char* idCadre, const char* idEdit,
                 int limite, QVBoxLayout* l)
{
    auto* cadre = new QGroupBox(titre, parent);
    cadre->setObjectName(QString::fromLatin1(idCadre));
    auto* dedans = new QHBoxLayout(cadre);
    auto* edit = new QLineEdit(cadre);
    edit->setObjectName(QString::fromLatin1(idEdit));
    edit->setMaxLength(limite);
    dedans->addWidget(edit);
    l->addWidget(cadre);
    return edit;
}

QPushButton* Bouton(QWidget* parent, const QString& texte, const char* id)
{
    auto* b = new QPushButton(texte, parent);
    b->setObjectName(QString::fromLatin1(id));
    return b;
}

} // namespace

TComposant::TComposant(QWidget* parent, composant* c, int /*modele*/) : QDialog(parent), record(c)
{
    setWindowTitle(QStringLiteral("Edition de composant"));
    auto* l = new QVBoxLayout(this);
    // The edits take what the record's fields can hold, so that a record's
    // text is always shown whole.
    label = Champ(this, QStringLiteral("Label"), "103", "101", sizeof(composant::label) - 1, l);
    designation = Champ(this, QStringLiteral("Désignation"), "104", "102",
                        sizeof(composant::designation) - 1, l);
    designation->setMinimumWidth(designation->fontMetrics().averageCharWidth() * 40);

    auto* separateur = new QFrame(this);
    separateur->setFrameShape(QFrame::HLine);
    separateur->setFrameShadow(QFrame::Sunken);
    l->addWidget(separateur);

    auto* ok = Bouton(this, QStringLiteral("OK"), "1");
    ok->setDefault(true);
    auto* annuler = Bouton(this, QStringLiteral("Annuler"), "2");
    auto* aide = Bouton(this, QStringLiteral("Aide"), "998");
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(annuler, &QPushButton::clicked, this, &QDialog::reject);
    auto* boutons = new QHBoxLayout;
    for (QPushButton* b : {ok, annuler, aide})
        boutons->addWidget(b);
    l->addLayout(boutons);
    l->setSizeConstraint(QLayout::SetFixedSize);

    if (record) {
        labelAffiche = VersQString(LitChamp(record->label));
        designationAffichee = VersQString(LitChamp(record->designation));
    }
    label->setText(labelAffiche);
    designation->setText(designationAffichee);
    label->selectAll();
    label->setFocus();
}

int TComposant::Execute()
{
    if (Ouvre)
        return Ouvre(*this);
    return exec() == QDialog::Accepted ? 1 : 2;
}

void TComposant::accept()
{
    const bool labelChange = label->text() != labelAffiche;
    const bool designationChange = designation->text() != designationAffichee;
    QString refus;
    QLineEdit* fautif = label;
    if (labelChange && label->text().isEmpty()) {
        refus = QStringLiteral("Le label ne peut pas être vide.");
    } else if (labelChange && label->text().size() > LONGUEUR_LABEL) {
        refus = QStringLiteral("Le label ne peut pas dépasser %1 caractères.").arg(LONGUEUR_LABEL);
    } else if (designationChange && designation->text().size() > LONGUEUR_DESIGNATION) {
        refus = QStringLiteral("La désignation ne peut pas dépasser %1 caractères.")
                    .arg(LONGUEUR_DESIGNATION);
        fautif = designation;
    }
    if (!refus.isEmpty()) {
        if (Avertit)
            Avertit(this, refus);
        fautif->setFocus();
        return;
    }
    if (record) {
        if (labelChange)
            EcritChamp(record->label, VersOctets(label->text()));
        if (designationChange)
            EcritChamp(record->designation, VersOctets(designation->text()));
    }
    QDialog::accept();
}
