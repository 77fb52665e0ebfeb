#include "GestionnaireDocuments.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QMdiSubWindow>
#include <QMessageBox>

#include "Icones.h"
#include "Textes.h"
#include "doc/TGrafDoc.h"
#include "veldraMDIChild.h"
#include "veldraMDIClient.h"
#include "vue/veldraWindowView.h"

namespace {

GestionnaireDocuments::Dialogues DialoguesParDefaut()
{
    GestionnaireDocuments::Dialogues d;
    d.question = [](QWidget* parent, const QString& texte) {
        return static_cast<int>(QMessageBox::question(
            parent, QStringLiteral("Veldra"), texte,
            QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, QMessageBox::Yes));
    };
    d.information = [](QWidget* parent, const QString& texte) {
        QMessageBox::information(parent, QStringLiteral("Veldra"), texte);
    };
    d.erreur = [](QWidget* parent, const QString& texte) {
        QMessageBox::warning(parent, QStringLiteral("Veldra"), texte);
    };
    d.ouvrir = [](QWidget* parent) {
        return QFileDialog::getOpenFileName(
            parent, QString(), QString(),
            QString::fromUtf8(textes::FILTRE_GRAFCET) + ";;" + QString::fromUtf8(textes::FILTRE_NOMENCLATURE));
    };
    d.enregistrerSous = [](QWidget* parent, const QString& suggestion) {
        QFileDialog dialogue(parent, QString(), suggestion, QString::fromUtf8(textes::FILTRE_GRAFCET));
        dialogue.setAcceptMode(QFileDialog::AcceptSave);
        dialogue.setDefaultSuffix("gra");
        return dialogue.exec() == QDialog::Accepted ? dialogue.selectedFiles().value(0) : QString();
    };
    return d;
}

bool EstDiagramme(const QString& chemin) { return chemin.endsWith(".gra", Qt::CaseInsensitive); }
bool EstNomenclature(const QString& chemin) { return chemin.endsWith(".lst", Qt::CaseInsensitive); }

} // namespace

GestionnaireDocuments::GestionnaireDocuments(veldraMDIClient& c, QWidget* f)
    : dialogues(DialoguesParDefaut()), client(c), fenetre(f)
{
}

// The children and their views go with the frame; the documents, here, after them.
GestionnaireDocuments::~GestionnaireDocuments() = default;

QString GestionnaireDocuments::Titre(const TGrafDoc& doc)
{
    const QString chemin = QString::fromStdString(doc.GetDocPath());
    return chemin.isEmpty() ? QStringLiteral("Sans titre") : QFileInfo(chemin).fileName();
}

void GestionnaireDocuments::MetTitre(Ouvert& o)
{
    if (o.enfant)
        o.enfant->setWindowTitle(Titre(*o.doc) + (o.doc->IsDirty() ? QStringLiteral(" *") : QString()));
}

veldraWindowView* GestionnaireDocuments::Montre(std::unique_ptr<TGrafDoc> doc)
{
    auto* vue = new veldraWindowView(*doc, zoomDemande());
    auto* enfant = new veldraMDIChild(*this, vue);
    enfant->setWindowIcon(IconeDiagramme());
    ouverts.push_back({std::move(doc), enfant});
    MetTitre(ouverts.back());
    connect(vue, &veldraWindowView::DiagrammeModifie, this, [this, enfant] {
        if (Ouvert* o = Trouve(enfant))
            MetTitre(*o);
        emit DocumentsChanges();
    });
    client.addSubWindow(enfant);
    enfant->showMaximized();
    client.setActiveSubWindow(enfant);
    emit VueCreee(enfant, vue);
    emit DocumentsChanges();
    return vue;
}

veldraWindowView* GestionnaireDocuments::Nouveau()
{
    return Montre(std::make_unique<TGrafDoc>(nullptr));
}

bool GestionnaireDocuments::OuvreChemin(const QString& chemin)
{
    const QString absolu = QFileInfo(chemin).absoluteFilePath();
    if (EstNomenclature(absolu)) {
        // The nomenclature shows the selected operative part, whatever list file was named.
        if (ouvreNomenclature)
            ouvreNomenclature();
        return ouvreNomenclature != nullptr;
    }
    if (!EstDiagramme(absolu))
        return false;
    for (auto& o : ouverts) {
        if (QFileInfo(QString::fromStdString(o.doc->GetDocPath())).absoluteFilePath() == absolu) {
            dialogues.information(fenetre, QString::fromUtf8(textes::DEJA_CHARGE));
            client.setActiveSubWindow(o.enfant);
            return false;
        }
    }
    if (!QFileInfo(absolu).isFile()) {
        dialogues.erreur(fenetre, QString::fromUtf8(textes::IMPOSSIBLE_OUVRIR) + "\n" + absolu);
        return false;
    }
    auto doc = std::make_unique<TGrafDoc>(nullptr);
    doc->SetDocPath(absolu.toLocal8Bit().constData());
    TGrafDoc& d = *doc;
    Montre(std::move(doc)); // the view's set-up reads the file
    if (d.Incomplet()) {
        dialogues.erreur(fenetre, QString::fromUtf8(textes::ERREUR_LECTURE) + "\n"
                                      + QStringLiteral("Le fichier est incomplet : seuls les éléments lus en entier sont affichés.\n")
                                      + absolu);
    } else if (!d.DerniereErreur().empty()) {
        const QString raison = QString::fromStdString(d.DerniereErreur());
        if (QMdiSubWindow* s = client.activeSubWindow())
            s->close();
        dialogues.erreur(fenetre, QString::fromUtf8(textes::IMPOSSIBLE_OUVRIR) + "\n" + raison);
        return false;
    }
    return true;
}

void GestionnaireDocuments::OuvreFichiersDeposes(const QStringList& chemins)
{
    for (const QString& c : chemins) {
        if (EstDiagramme(c) || EstNomenclature(c))
            OuvreChemin(c);
    }
}

bool GestionnaireDocuments::SauvegardeSous(TGrafDoc& doc, QWidget* parent)
{
    const QString chemin = dialogues.enregistrerSous(parent, QString::fromStdString(doc.GetDocPath()));
    if (chemin.isEmpty())
        return false;
    const std::string ancien = doc.GetDocPath();
    doc.SetDocPath(chemin.toLocal8Bit().constData());
    if (!doc.Commit(true)) {
        dialogues.erreur(parent, QString::fromUtf8(textes::ERREUR_ECRITURE) + "\n"
                                     + QString::fromStdString(doc.DerniereErreur()));
        doc.SetDocPath(ancien.c_str());
        return false;
    }
    for (auto& o : ouverts) {
        if (o.doc.get() == &doc)
            MetTitre(o);
    }
    emit DocumentsChanges();
    return true;
}

bool GestionnaireDocuments::Sauvegarde(TGrafDoc& doc, QWidget* parent)
{
    if (std::string(doc.GetDocPath()).empty())
        return SauvegardeSous(doc, parent);
    if (!doc.IsDirty()) {
        dialogues.information(parent, QString::fromUtf8(textes::DOCUMENT_INCHANGE));
        return true;
    }
    if (!doc.Commit(false)) {
        dialogues.erreur(parent, QString::fromUtf8(textes::ERREUR_ECRITURE) + "\n"
                                     + QString::fromStdString(doc.DerniereErreur()));
        return false;
    }
    for (auto& o : ouverts) {
        if (o.doc.get() == &doc)
            MetTitre(o);
    }
    emit DocumentsChanges();
    return true;
}

GestionnaireDocuments::Ouvert* GestionnaireDocuments::Trouve(const veldraMDIChild* enfant)
{
    for (auto& o : ouverts) {
        if (o.enfant == enfant)
            return &o;
    }
    return nullptr;
}

bool GestionnaireDocuments::PeutFermer(veldraMDIChild* enfant)
{
    Ouvert* o = Trouve(enfant);
    if (!o || !o->doc->IsDirty())
        return true;
    client.setActiveSubWindow(enfant);
    switch (dialogues.question(fenetre, QString::fromUtf8(textes::DOCUMENT_CHANGE))) {
    case QMessageBox::Yes:
        return Sauvegarde(*o->doc, fenetre);
    case QMessageBox::No:
        return true;
    default:
        return false;
    }
}

void GestionnaireDocuments::Oublie(veldraMDIChild* enfant)
{
    for (auto it = ouverts.begin(); it != ouverts.end(); ++it) {
        if (it->enfant == enfant) {
            // The view goes with the child; the document after its last view.
            if (QWidget* vue = enfant->widget()) {
                enfant->setWidget(nullptr);
                delete vue;
            }
            it->doc->Close();
            ouverts.erase(it);
            emit DocumentsChanges();
            return;
        }
    }
}

bool GestionnaireDocuments::ToutFerme()
{
    for (QMdiSubWindow* s : client.subWindowList()) {
        if (!s->close())
            return false;
    }
    return true;
}

TGrafDoc* GestionnaireDocuments::DocumentCourant() const
{
    for (const auto& o : ouverts) {
        if (o.enfant == client.activeSubWindow())
            return o.doc.get();
    }
    return nullptr;
}

veldraWindowView* GestionnaireDocuments::VueCourante() const
{
    auto* enfant = qobject_cast<veldraMDIChild*>(client.activeSubWindow());
    return enfant ? enfant->Vue() : nullptr;
}

bool GestionnaireDocuments::Execute(int id)
{
    switch (id) {
    case cmd::OUVRIR: {
        const QString chemin = dialogues.ouvrir(fenetre);
        if (!chemin.isEmpty())
            OuvreChemin(chemin);
        return true;
    }
    case cmd::FERMER:
        if (QMdiSubWindow* s = client.activeSubWindow())
            s->close();
        return true;
    case cmd::SAUVEGARDER:
        if (TGrafDoc* d = DocumentCourant())
            Sauvegarde(*d, fenetre);
        return true;
    case cmd::SAUVEGARDER_SOUS:
        if (TGrafDoc* d = DocumentCourant())
            SauvegardeSous(*d, fenetre);
        return true;
    default:
        return false;
    }
}

bool GestionnaireDocuments::Etat(int id, EtatCommande& etat)
{
    switch (id) {
    case cmd::OUVRIR:
        etat.actif = true;
        return true;
    case cmd::FERMER:
    case cmd::SAUVEGARDER:
    case cmd::SAUVEGARDER_SOUS:
        etat.actif = DocumentCourant() != nullptr;
        return true;
    default:
        return false;
    }
}
