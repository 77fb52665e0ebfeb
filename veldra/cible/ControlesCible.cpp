#include "cible/ControlesCible.h"

#include <QBoxLayout>
#include <QComboBox>
#include <QDialog>
#include <QFrame>
#include <QPushButton>

namespace controlescible {

QPushButton* Bouton(QWidget* parent, int id, const QString& texte)
{
    auto* b = new QPushButton(texte, parent);
    b->setObjectName(QString::number(id));
    b->setAutoDefault(false);
    return b;
}

QComboBox* Liste(QWidget* parent, int id)
{
    auto* l = new QComboBox(parent);
    l->setObjectName(QString::number(id));
    l->setEditable(false);
    return l;
}

QFrame* Separateur(QWidget* parent)
{
    auto* f = new QFrame(parent);
    f->setFrameShape(QFrame::HLine);
    f->setFrameShadow(QFrame::Sunken);
    return f;
}

QPushButton* AjouteBoutons(QDialog* dialogue, QBoxLayout* disposition, bool aide)
{
    disposition->addWidget(Separateur(dialogue));
    auto* ligne = new QHBoxLayout;
    auto* ok = Bouton(dialogue, 1, QStringLiteral("OK"));
    ok->setDefault(true);
    auto* annuler = Bouton(dialogue, 2, QStringLiteral("Annuler"));
    QObject::connect(annuler, &QPushButton::clicked, dialogue, &QDialog::reject);
    ligne->addStretch();
    ligne->addWidget(ok);
    ligne->addWidget(annuler);
    if (aide)
        ligne->addWidget(Bouton(dialogue, 998, QStringLiteral("Aide")));
    ligne->addStretch();
    disposition->addLayout(ligne);
    return ok;
}

} // namespace controlescible
