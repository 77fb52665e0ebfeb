#include "dialogues/TEquation.h"

#include <QApplication>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

#include "ConversionTexte.h"
#include "dialogues/Editeurs.h"
#include "dialogues/ImagesCodes.h"
#include "dialogues/TListac.h"

TEquation::TEquation(QWidget* parent, std::string* e, int /*modele*/)
    : DialogueElement(parent, QStringLiteral("Réceptivité"), 10), equation(e)
{
    auto* l = new QVBoxLayout(this);
    l->setSizeConstraint(QLayout::SetFixedSize);

    auto* groupeEquation = new QGroupBox(QStringLiteral("Equation"), this);
    groupeEquation->setObjectName(QStringLiteral("104"));
    auto* le = new QVBoxLayout(groupeEquation);
    edit = new EditeurEquation(groupeEquation);
    edit->setObjectName(QStringLiteral("101"));
    QFont police = QApplication::font();
    police.setFamilies({QStringLiteral("Norim Font"), QStringLiteral("VELDRA"),
                        QApplication::font().family()});
    police.setPixelSize(14);
    police.setWeight(QFont::Normal);
    police.setItalic(false);
    police.setUnderline(false);
    police.setStrikeOut(false);
    edit->setFont(police);
    edit->setFixedSize(Unites(137), UnitesV(26) + 2 * edit->frameWidth());
    le->addWidget(edit);
    l->addWidget(groupeEquation);

    auto* bas = new QHBoxLayout;
    auto* groupeFonction = new QGroupBox(QStringLiteral("Fonction"), this);
    groupeFonction->setObjectName(QStringLiteral("103"));
    auto* lf = new QHBoxLayout(groupeFonction);
    lf->setSpacing(2);
    auto bouton = [&](int id, const QString& texte) {
        auto* b = new QPushButton(texte, groupeFonction);
        b->setObjectName(QString::number(id));
        b->setAutoDefault(false);
        lf->addWidget(b);
        return b;
    };
    auto* plus = bouton(105, QStringLiteral("+"));
    auto* point = bouton(106, QStringLiteral("."));
    for (auto* b : {plus, point})
        b->setFixedWidth(Unites(14) + 8);
    connect(plus, &QPushButton::clicked, this, [this] { Insere(QStringLiteral("+")); });
    connect(point, &QPushButton::clicked, this, [this] { Insere(QStringLiteral(".")); });
    const struct {
        int id;
        char code;
        const char* nom;
    } codes[] = {{250, '\xAF', "Négation"}, {251, '\xAD', "Front montant"}, {252, '\xAE', "Front descendant"}};
    for (const auto& c : codes) {
        auto* b = bouton(c.id, QString());
        b->setIcon(ImageCode(c.id));
        b->setIconSize(QSize(32, 32));
        b->setAccessibleName(QString::fromUtf8(c.nom));
        const QString texte = VersQString(std::string(1, c.code));
        connect(b, &QPushButton::clicked, this, [this, texte] { Insere(texte); });
    }
    bas->addWidget(groupeFonction);
    auto* liste = new QPushButton(QStringLiteral("Liste des réceptivités"), this);
    liste->setObjectName(QStringLiteral("102"));
    liste->setAutoDefault(false);
    connect(liste, &QPushButton::clicked, this, &TEquation::ListeNoms);
    bas->addWidget(liste, 0, Qt::AlignBottom);
    l->addLayout(bas);
    AjouteOkAnnuler(l);

    origine = equation ? *equation : std::string();
    const std::string montre = origine.empty() ? std::string("1") : origine;
    affiche = VersQString(montre);
    // Typing stops at 255 characters; a longer text from the diagram is shown whole.
    edit->FixeLimite(std::max<int>(255, static_cast<int>(affiche.size())));
    edit->Insere(affiche);
    affiche = edit->toPlainText();
    edit->setFocus();
}

void TEquation::Insere(const QString& s)
{
    edit->Insere(s);
    edit->setFocus();
}

void TEquation::ListeNoms()
{
    std::string nom;
    TListac liste(this, 0, &nom);
    if (Ouvre(liste) == 1 && !nom.empty())
        edit->Insere(VersQString(nom));
    edit->setFocus();
}

void TEquation::accept()
{
    if (equation) {
        std::string texte = TexteRelu(edit->toPlainText(), affiche, origine);
        *equation = texte.empty() ? std::string("1") : texte;
    }
    DialogueElement::accept();
}
