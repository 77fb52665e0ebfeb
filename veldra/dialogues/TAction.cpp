#include "dialogues/TAction.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QStyledItemDelegate>
#include <QVBoxLayout>

#include "ConversionTexte.h"
#include "dialogues/TEAction.h"

namespace {

// Draws a line as two columns: the action, and from `colonne` pixels on,
// what follows the first tab (the condition).
class DelegueColonnes : public QStyledItemDelegate {
public:
    DelegueColonnes(int x, QObject* parent) : QStyledItemDelegate(parent), colonne(x) {}

    void paint(QPainter* p, const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        QStyleOptionViewItem o = option;
        initStyleOption(&o, index);
        const QString texte = o.text;
        o.text.clear();
        const QWidget* w = o.widget;
        QStyle* style = w ? w->style() : QApplication::style();
        style->drawControl(QStyle::CE_ItemViewItem, &o, p, w);

        const int tab = texte.indexOf(QLatin1Char('\t'));
        const QString action = tab < 0 ? texte : texte.left(tab);
        const QString condition = tab < 0 ? QString() : texte.mid(tab + 1);
        const QRect r = style->subElementRect(QStyle::SE_ItemViewItemText, &o, w);
        const int marge = 3;
        QRect gauche(r.left() + marge, r.top(), colonne - r.left() - 2 * marge, r.height());
        QRect droite(colonne + marge, r.top(), r.right() - colonne - marge, r.height());
        p->save();
        p->setFont(o.font);
        const bool choisi = o.state & QStyle::State_Selected;
        p->setPen(o.palette.color(choisi ? QPalette::HighlightedText : QPalette::Text));
        const QFontMetrics fm(o.font);
        p->drawText(gauche, Qt::AlignLeft | Qt::AlignVCenter,
                    fm.elidedText(action, Qt::ElideRight, gauche.width()));
        p->drawText(droite, Qt::AlignLeft | Qt::AlignVCenter,
                    fm.elidedText(condition, Qt::ElideRight, droite.width()));
        p->restore();
    }

private:
    int colonne;
};

QLabel* Entete(const QString& texte, int largeur, QWidget* parent)
{
    auto* l = new QLabel(texte, parent);
    l->setAlignment(Qt::AlignCenter);
    l->setFrameShape(QFrame::Box);
    l->setFixedWidth(largeur);
    return l;
}

} // namespace

std::vector<std::string> TAction::Lignes(const std::string& texte)
{
    std::vector<std::string> lignes;
    std::string action;
    std::string condition;
    bool accolade = false;
    bool nouvelleAction = false;
    for (const char c : texte) {
        switch (c) {
        case '{':
            accolade = true;
            condition.clear();
            break;
        case '}':
            accolade = false;
            nouvelleAction = true;
            break;
        case '|':
            lignes.push_back(condition.empty() ? action : action + '\t' + condition);
            action.clear();
            condition.clear();
            nouvelleAction = false;
            break;
        default:
            if (accolade) {
                condition += c;
            } else {
                if (nouvelleAction)
                    action.clear();
                nouvelleAction = false;
                action += c;
            }
            break;
        }
    }
    return lignes;
}

std::string TAction::Texte(const std::vector<std::string>& lignes)
{
    std::string texte;
    for (const auto& l : lignes) {
        const auto tab = l.find('\t');
        if (tab == std::string::npos)
            texte += l + '|';
        else
            texte += '{' + l.substr(tab + 1) + '}' + l.substr(0, tab) + '|';
    }
    return texte;
}

TAction::TAction(QWidget* parent, std::string* a, int /*modele*/)
    : DialogueElement(parent, QStringLiteral("Définition des actions"), 9), actions(a)
{
    auto* l = new QVBoxLayout(this);
    l->setSizeConstraint(QLayout::SetFixedSize);

    auto* cadre = new QFrame(this);
    cadre->setFrameShape(QFrame::StyledPanel);
    cadre->setFrameShadow(QFrame::Sunken);
    auto* lc = new QVBoxLayout(cadre);
    lc->setSpacing(0);
    const int colonneAction = Unites(90);
    auto* entetes = new QHBoxLayout;
    entetes->setSpacing(0);
    entetes->addWidget(Entete(QStringLiteral("Action"), colonneAction, cadre));
    entetes->addWidget(Entete(QStringLiteral("Condition"), Unites(110), cadre));
    entetes->addStretch(1);
    lc->addLayout(entetes);
    liste = new QListWidget(cadre);
    liste->setObjectName(QStringLiteral("101"));
    liste->setSelectionMode(QAbstractItemView::SingleSelection);
    liste->setFixedSize(Unites(200), UnitesV(61));
    // The condition column starts under the "Condition" heading.
    liste->setItemDelegate(new DelegueColonnes(colonneAction - liste->frameWidth(), liste));
    lc->addWidget(liste);
    l->addWidget(cadre);

    auto* boutons = new QHBoxLayout;
    const struct {
        int id;
        const char* texte;
        void (TAction::*action)();
    } definitions[] = {{104, "Modifier", &TAction::Modifier},
                       {102, "Ajouter...", &TAction::Ajouter},
                       {103, "Enlever", &TAction::Enlever}};
    for (const auto& d : definitions) {
        auto* b = new QPushButton(QString::fromUtf8(d.texte), this);
        b->setObjectName(QString::number(d.id));
        b->setAutoDefault(false);
        connect(b, &QPushButton::clicked, this, d.action);
        boutons->addWidget(b);
    }
    l->addLayout(boutons);
    AjouteOkAnnuler(l);
    connect(liste, &QListWidget::itemDoubleClicked, this, [this] { Modifier(); });

    for (const auto& ligne : Lignes(actions ? *actions : std::string()))
        liste->addItem(Element(ligne));
    if (liste->count() > 0)
        liste->setCurrentRow(0);
}

QListWidgetItem* TAction::Element(const std::string& ligne) const
{
    auto* e = new QListWidgetItem(VersQString(ligne));
    e->setData(Qt::UserRole, QByteArray::fromStdString(ligne));
    return e;
}

QListWidgetItem* TAction::Selection() const
{
    const auto choix = liste->selectedItems();
    return choix.isEmpty() ? nullptr : choix.front();
}

void TAction::Modifier()
{
    QListWidgetItem* e = Selection();
    if (!e)
        return;
    std::string ligne = e->data(Qt::UserRole).toByteArray().toStdString();
    TEAction dialogue(this, &ligne);
    if (Ouvre(dialogue) != 1)
        return;
    const int rang = liste->row(e);
    delete liste->takeItem(rang);
    if (!ligne.empty()) {
        liste->insertItem(rang, Element(ligne));
        liste->setCurrentRow(rang);
    } else {
        liste->clearSelection(); // as after "Enlever"
    }
}

void TAction::Ajouter()
{
    std::string ligne;
    TEAction dialogue(this, &ligne);
    if (Ouvre(dialogue) == 1 && !ligne.empty())
        liste->addItem(Element(ligne));
}

void TAction::Enlever()
{
    // No line is selected afterwards, so that a second click removes nothing more.
    if (QListWidgetItem* e = Selection()) {
        delete liste->takeItem(liste->row(e));
        liste->clearSelection();
    }
}

void TAction::accept()
{
    if (actions) {
        std::vector<std::string> lignes;
        for (int i = 0; i < liste->count(); ++i)
            lignes.push_back(liste->item(i)->data(Qt::UserRole).toByteArray().toStdString());
        *actions = Texte(lignes);
    }
    DialogueElement::accept();
}
