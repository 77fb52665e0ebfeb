#include "impression/ServicesImpression.h"

#include <QFile>
#include <QFileInfo>
#include <QMessageBox>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrinter>
#include <QProgressDialog>
#include <new>

#include "impression/APXPrintOut.h"
#include "impression/Imprimable.h"
#include "impression/PreviewWindow.h"
#include "impression/TextesImpression.h"

namespace ti = textes::impression;

namespace {

// A PDF file that was written to its end: the writer's last words are the
// end-of-file marker. A full disk or a vanished file leaves it short.
bool FichierComplet(const QString& chemin)
{
    QFile f(chemin);
    if (!f.open(QIODevice::ReadOnly))
        return false;
    const qint64 taille = f.size();
    if (taille < 5)
        return false;
    f.seek(taille - std::min<qint64>(taille, 64));
    return f.readAll().contains("%%EOF");
}

// Removes an incomplete output file. Only a plain file goes: a device or a
// link named as the output stays.
void RetireFichier(const QString& chemin)
{
    const QFileInfo info(chemin);
    if (info.isFile() && !info.isSymLink())
        QFile::remove(chemin);
}

// "device on port" of the progress window: the printer, or the PDF file.
QString Peripherique(const QPrinter& imprimante)
{
    if (!imprimante.outputFileName().isEmpty())
        return QString(ti::PERIPHERIQUE_SUR).arg(QStringLiteral("PDF"), imprimante.outputFileName());
    return imprimante.printerName();
}

} // namespace

std::unique_ptr<QPrinter> NouvelleImprimante()
{
    auto imprimante = std::make_unique<QPrinter>(QPrinter::HighResolution);
    if (!imprimante->isValid())
        imprimante->setOutputFormat(QPrinter::PdfFormat);
    return imprimante;
}

ServicesImpression::ServicesImpression(int& compteur) : compteur(compteur)
{
    dialogueImpression = [](QPrinter& imprimante, QWidget* parent) {
        QPrintDialog dialogue(&imprimante, parent);
        // No page selection: the pages are those the window has. Printing
        // to a file stays offered, so that a machine without a printer can
        // print to PDF.
        dialogue.setOptions(QAbstractPrintDialog::PrintToFile | QAbstractPrintDialog::PrintShowPageSize
                            | QAbstractPrintDialog::PrintCollateCopies);
        return dialogue.exec() == QDialog::Accepted;
    };
    dialogueMiseEnPage = [](QPrinter& imprimante, QWidget* parent) {
        QPageSetupDialog dialogue(&imprimante, parent);
        return dialogue.exec() == QDialog::Accepted;
    };
    executeApercu = [](PreviewWindow& apercu) { apercu.exec(); };
    messageErreur = [](QWidget* parent, const QString& legende, const QString& texte) {
        QMessageBox::critical(parent, legende, texte);
    };
}

ServicesImpression::~ServicesImpression() = default;

QPrinter& ServicesImpression::Imprimante()
{
    if (!imprimante || (!imprimante->isValid() && compteur == 0))
        imprimante = NouvelleImprimante();
    return *imprimante;
}

bool ServicesImpression::RemplaceImprimante()
{
    if (compteur != 0)
        return false;
    imprimante = NouvelleImprimante();
    return true;
}

bool ServicesImpression::Actif(bool fenetreActive)
{
    return fenetreActive && Imprimante().isValid();
}

bool ServicesImpression::Imprime(QWidget* fenetre, Imprimable& imprimable)
{
    QPrinter& pr = Imprimante();
    const QString titre = imprimable.Titre();
    // The job's name, which the print dialog also proposes as the PDF
    // file's name: the title without its folders.
    pr.setDocName(QFileInfo(titre).fileName());
    pr.setPrintRange(QPrinter::AllPages);
    ImpressionEnCours enCours(compteur);
    if (!dialogueImpression(pr, fenetre))
        return false;

    QProgressDialog progression(fenetre);
    progression.setWindowTitle(ti::LEGENDE_PROGRESSION);
    progression.setLabelText(QString(ti::EN_COURS) + '\n' + QString(ti::DOCUMENT_SUR).arg(titre) + '\n'
                             + Peripherique(pr));
    progression.setCancelButtonText(ti::ABANDON);
    progression.setWindowModality(Qt::WindowModal);
    progression.setAutoClose(false);
    progression.setAutoReset(false);
    const APXPrintOut::Suivi suivi = [&progression](int feuille, int feuilles) {
        progression.setMaximum(feuilles);
        progression.setValue(feuille);
        return !progression.wasCanceled();
    };

    const QString fichier = pr.outputFileName();
    const int copies = pr.supportsMultipleCopies() ? 1 : pr.copyCount();
    APXPrintOut printout(titre, imprimable);
    QString raison;
    try {
        switch (printout.Imprime(pr, suivi, copies, pr.collateCopies())) {
        case APXPrintOut::Resultat::Imprime:
            if (!fichier.isEmpty() && !FichierComplet(fichier)) {
                raison = ti::PLUS_D_ESPACE;
                RetireFichier(fichier);
            }
            break;
        case APXPrintOut::Resultat::Annule:
            raison = ti::ANNULATION;
            // A file with part of the pages is no document: it goes.
            if (!fichier.isEmpty())
                RetireFichier(fichier);
            break;
        case APXPrintOut::Resultat::Erreur:
            raison = ti::ERREUR;
            break;
        }
    } catch (const std::bad_alloc&) {
        raison = ti::PLUS_DE_MEMOIRE;
    }
    progression.reset();
    if (raison.isEmpty())
        return true;
    messageErreur(fenetre, ti::LEGENDE_ERREUR, QString(ti::NON_IMPRIMABLE).arg(titre, raison));
    return false;
}

bool ServicesImpression::ConfigureImpression(QWidget* fenetre)
{
    return dialogueMiseEnPage(Imprimante(), fenetre);
}

void ServicesImpression::Apercu(QWidget* fenetre, Imprimable& imprimable)
{
    QPrinter& pr = Imprimante();
    ImpressionEnCours enCours(compteur);
    APXPrintOut printout(ti::APERCU, imprimable);
    PreviewWindow apercu(pr, printout, fenetre ? fenetre->window() : nullptr);
    apercu.SurImpression([this, &apercu, &imprimable] {
        if (Imprime(&apercu, imprimable))
            apercu.Actualise();
    });
    executeApercu(apercu);
}

bool ServicesImpression::ImprimeVersPdf(Imprimable& imprimable, const QString& chemin)
{
    if (chemin.isEmpty())
        return false;
    QPrinter pdf(QPrinter::HighResolution);
    pdf.setOutputFormat(QPrinter::PdfFormat);
    if (imprimante)
        pdf.setPageLayout(imprimante->pageLayout());
    else
        pdf.setPageSize(QPageSize(QPageSize::A4));
    pdf.setOutputFileName(chemin);
    pdf.setDocName(imprimable.Titre());
    pdf.setCreator(QStringLiteral("Veldra"));
    ImpressionEnCours enCours(compteur);
    APXPrintOut printout(imprimable.Titre(), imprimable);
    return printout.Imprime(pdf) == APXPrintOut::Resultat::Imprime && FichierComplet(chemin);
}
