// Printing and print preview: the printout's pages in PDF files, the print
// command's dialog, progress and errors, the preview's page stepping, the
// enablers and the default printer check.
#include <QAbstractPrintDialog>
#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QLabel>
#include <QPageLayout>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QProcess>
#include <QProgressDialog>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolButton>
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "doc/TGrafDoc.h"
#include "impression/APXPrintOut.h"
#include "impression/Imprimable.h"
#include "impression/PreviewWindow.h"
#include "impression/ServicesImpression.h"
#include "impression/VerificationImprimante.h"
#include "vue/veldraWindowView.h"

namespace {

const std::string COMPLET = std::string(VELDRA_EXEMPLES) + "/complet.gra";
const QColor CYAN(128, 255, 255);

QByteArray Contenu(const QString& chemin)
{
    QFile f(chemin);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// The pages of a PDF file: its page objects (not the page tree's).
int PagesPdf(const QString& chemin)
{
    static const QRegularExpression page(QStringLiteral("/Type\\s*/Page(?![a-zA-Z])"));
    const QString texte = QString::fromLatin1(Contenu(chemin));
    int n = 0;
    for (auto it = page.globalMatch(texte); it.hasNext(); it.next())
        ++n;
    return n;
}

// The first page's size in points, from its media box.
QSizeF TaillePdf(const QString& chemin)
{
    static const QRegularExpression boite(
        QStringLiteral("/MediaBox\\s*\\[\\s*0\\s+0\\s+([0-9.]+)\\s+([0-9.]+)\\s*\\]"));
    const auto m = boite.match(QString::fromLatin1(Contenu(chemin)));
    return m.hasMatch() ? QSizeF(m.captured(1).toDouble(), m.captured(2).toDouble()) : QSizeF();
}

// Page `page` of a PDF file as the PDF renderer draws it at 96 dots to the
// inch (one pixel per window unit); a null image when the renderer fails.
QImage RenduPdf(const QString& chemin, int page)
{
    const QString sortie = chemin + QStringLiteral("-%1").arg(page);
    const int code = QProcess::execute(QStringLiteral("pdftoppm"),
                                       {"-png", "-r", "96", "-f", QString::number(page), "-l", QString::number(page),
                                        "-singlefile", chemin, sortie});
    if (code != 0)
        return QImage();
    return QImage(sortie + ".png").convertToFormat(QImage::Format_RGB32);
}

#define EXIGE_PDFTOPPM()                                                                                    \
    if (QStandardPaths::findExecutable(QStringLiteral("pdftoppm")).isEmpty())                             \
    GTEST_SKIP() << "pdftoppm (package poppler-utils) is needed to look at the printed pages"

bool Proche(QColor a, QColor b, int tolerance = 12)
{
    return std::abs(a.red() - b.red()) <= tolerance && std::abs(a.green() - b.green()) <= tolerance
           && std::abs(a.blue() - b.blue()) <= tolerance;
}

bool Sombre(QColor c) { return c.red() < 100 && c.green() < 100 && c.blue() < 100; }

// The printable area of an A4 PDF page in 96-dpi pixels.
QRect ImprimableA4()
{
    QPrinter pdf(QPrinter::HighResolution);
    pdf.setOutputFormat(QPrinter::PdfFormat);
    pdf.setPageSize(QPageSize(QPageSize::A4));
    return pdf.pageLayout().paintRectPixels(APXPrintOut::PIXELS_PAR_POUCE);
}

// A window of `pages` pages that notes what it is asked to draw. Each page
// shows a black square in its bottom-right corner (100 units on a side) and
// a bar whose left edge is 100 units times the page number.
struct Pages : Imprimable {
    explicit Pages(int pages, const int* compteur = nullptr) : pages(pages), compteur(compteur) {}
    QString Titre() const override { return QStringLiteral("Trois pages"); }
    int NombrePages(const QRect& page) const override
    {
        pagesDemandees = page;
        return pages;
    }
    void PeintPage(QPainter& p, int numero, const QRect& page) override
    {
        numeros.push_back(numero);
        rects.push_back(page);
        if (compteur)
            compteurs.push_back(*compteur);
        p.fillRect(QRect(page.right() - 99, page.bottom() - 99, 100, 100), Qt::black);
        p.fillRect(QRect(100 * numero, 200, 50, 300), Qt::black);
        if (pendantPage)
            pendantPage();
    }
    int pages;
    const int* compteur;
    mutable QRect pagesDemandees;
    std::vector<int> numeros;
    std::vector<QRect> rects;
    std::vector<int> compteurs;
    std::function<void()> pendantPage;
};

// The printing services with the message box noted instead of shown, and
// the diagram views tied to their counter as the application ties them.
struct Impression : ::testing::Test {
    Impression()
    {
        services.messageErreur = [this](QWidget*, const QString& legende, const QString& texte) {
            messages.push_back(legende + " | " + texte);
        };
        veldraWindowView::Impression = [this] { return compteur != 0; };
    }
    ~Impression() override { veldraWindowView::Impression = nullptr; }

    // The print dialog answers at once, printing to `fichier`.
    void DialogueVers(const QString& fichier, bool accepte = true, int copies = 1, bool assemblees = true)
    {
        services.dialogueImpression = [=, this](QPrinter& pr, QWidget*) {
            compteurDansDialogue = compteur;
            pr.setOutputFormat(QPrinter::PdfFormat);
            pr.setOutputFileName(fichier);
            pr.setCopyCount(copies);
            pr.setCollateCopies(assemblees);
            return accepte;
        };
    }

    QString Fichier(const QString& nom) const { return dossier.filePath(nom); }
    // A name in the test's folder for the device that is always full.
    QString DisquePlein() const
    {
        const QString lien = Fichier("plein.pdf");
        if (!QFileInfo(lien).isSymLink())
            QFile::link(QStringLiteral("/dev/full"), lien);
        return lien;
    }

    int compteur = 0;
    int compteurDansDialogue = -1;
    ServicesImpression services{compteur};
    std::vector<QString> messages;
    QTemporaryDir dossier;
};

// A diagram view over complet.gra at zoom 1, large enough to show the chart.
struct VueComplet {
    VueComplet()
    {
        doc.SetDocPath(COMPLET);
        vue = std::make_unique<veldraWindowView>(doc, 1);
        vue->resize(820, 1140);
        vue->show();
    }
    QImage Ecran() const { return vue->viewport()->grab().toImage().convertToFormat(QImage::Format_RGB32); }
    TGrafDoc doc{nullptr};
    std::unique_ptr<veldraWindowView> vue;
};

} // namespace

// ---- printing to a PDF file ----

TEST_F(Impression, DiagramPrintsOnOnePageAsTheScreenShowsIt)
{
    VueComplet v;
    const QImage avant = v.Ecran();
    const QSize taille = v.vue->size();
    ImprimableVue imprimable(*v.vue, QStringLiteral("complet.gra"));
    const QString pdf = Fichier("complet.pdf");

    ASSERT_TRUE(services.ImprimeVersPdf(imprimable, pdf));
    EXPECT_EQ(PagesPdf(pdf), 1);
    EXPECT_EQ(compteur, 0);
    // The window shows no trace of the printing.
    EXPECT_EQ(v.vue->size(), taille);
    EXPECT_EQ(v.Ecran(), avant);

    EXIGE_PDFTOPPM();
    const QImage page = RenduPdf(pdf, 1);
    ASSERT_FALSE(page.isNull());
    // At 96 dots to the inch the paper holds the chart at the screen's
    // size, shifted by the printable area's corner: the step boxes' cyan
    // shows where the screen shows it.
    const QPoint coin = ImprimableA4().topLeft();
    int cyanEcran = 0, cyanPapier = 0, encre = 0;
    for (int y = 0; y < avant.height(); ++y)
        for (int x = 0; x < avant.width(); ++x) {
            const QPoint papier = QPoint(x, y) + coin;
            if (!page.rect().contains(papier))
                continue;
            if (Sombre(page.pixelColor(papier)))
                ++encre;
            if (avant.pixelColor(x, y) != CYAN)
                continue;
            ++cyanEcran;
            if (Proche(page.pixelColor(papier), CYAN))
                ++cyanPapier;
        }
    ASSERT_GT(cyanEcran, 1000) << "complet.gra shows step boxes";
    EXPECT_GT(cyanPapier, cyanEcran * 9 / 10);
    EXPECT_GT(encre, 500) << "lines and texts are printed";
    // Nothing is drawn in the margin.
    EXPECT_EQ(page.pixelColor(coin.x() / 2, coin.y() / 2), QColor(Qt::white));
}

TEST_F(Impression, EveryPageOfTheWindowIsPrintedInOrderAtTheScreensScale)
{
    for (int pages : {1, 3}) {
        SCOPED_TRACE(pages);
        Pages fenetre(pages, &compteur);
        const QString pdf = Fichier(QStringLiteral("pages-%1.pdf").arg(pages));
        ASSERT_TRUE(services.ImprimeVersPdf(fenetre, pdf));
        EXPECT_EQ(PagesPdf(pdf), pages);
        std::vector<int> attendus;
        for (int i = 1; i <= pages; ++i)
            attendus.push_back(i);
        EXPECT_EQ(fenetre.numeros, attendus);
        EXPECT_EQ(fenetre.compteurs, std::vector<int>(pages, 1)) << "the counter is raised while pages are drawn";
        EXPECT_EQ(compteur, 0);
        // The A4 printable area, in screen pixels (give or take the
        // rounding of the printer's pixels).
        EXPECT_EQ(fenetre.pagesDemandees.topLeft(), QPoint(0, 0));
        EXPECT_NEAR(fenetre.pagesDemandees.width(), ImprimableA4().width(), 2);
        EXPECT_NEAR(fenetre.pagesDemandees.height(), ImprimableA4().height(), 2);
        for (const QRect& r : fenetre.rects)
            EXPECT_EQ(r, fenetre.pagesDemandees);
    }
    // A window that says it has no page still gets one sheet.
    Pages vide(0);
    ASSERT_TRUE(services.ImprimeVersPdf(vide, Fichier("vide.pdf")));
    EXPECT_EQ(PagesPdf(Fichier("vide.pdf")), 1);
    EXPECT_EQ(vide.numeros, std::vector<int>{1});

    EXIGE_PDFTOPPM();
    const QRect imprimable = ImprimableA4();
    const QPoint coin = imprimable.topLeft();
    const QString pdf = Fichier("pages-3.pdf");
    for (int numero = 1; numero <= 3; ++numero) {
        SCOPED_TRACE(numero);
        const QImage page = RenduPdf(pdf, numero);
        ASSERT_FALSE(page.isNull());
        // The page's own bar, and not the others'.
        for (int autre = 1; autre <= 3; ++autre)
            EXPECT_EQ(Sombre(page.pixelColor(coin + QPoint(100 * autre + 25, 350))), autre == numero) << autre;
        // The square fills the printable area's bottom-right corner, 100
        // pixels wide.
        EXPECT_TRUE(Sombre(page.pixelColor(imprimable.bottomRight() - QPoint(50, 50))));
        EXPECT_FALSE(Sombre(page.pixelColor(imprimable.bottomRight() - QPoint(110, 50))));
        EXPECT_FALSE(Sombre(page.pixelColor(imprimable.bottomRight() - QPoint(50, 110))));
    }
}

TEST_F(Impression, FilesThatCannotBeWrittenReportFailure)
{
    const QString cas[] = {QString(), Fichier("absent/pages.pdf"), DisquePlein()};
    for (const QString& chemin : cas) {
        SCOPED_TRACE(chemin.toStdString());
        Pages fenetre(2);
        EXPECT_FALSE(services.ImprimeVersPdf(fenetre, chemin));
        EXPECT_EQ(compteur, 0);
    }
}

// ---- the print command ----

TEST_F(Impression, PrintCommandPrintsWhatTheDialogChose)
{
    Pages fenetre(3, &compteur);
    const QString pdf = Fichier("imprime.pdf");
    DialogueVers(pdf);
    EXPECT_TRUE(services.Imprime(nullptr, fenetre));
    EXPECT_EQ(compteurDansDialogue, 1);
    EXPECT_EQ(fenetre.compteurs, std::vector<int>(3, 1));
    EXPECT_EQ(compteur, 0);
    EXPECT_EQ(PagesPdf(pdf), 3);
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(services.ImprimanteCourante()->docName(), QStringLiteral("Trois pages"));

    // A cancelled dialog prints nothing and says nothing.
    Pages autre(3);
    DialogueVers(Fichier("annule.pdf"), false);
    EXPECT_FALSE(services.Imprime(nullptr, autre));
    EXPECT_TRUE(autre.numeros.empty());
    EXPECT_FALSE(QFile::exists(Fichier("annule.pdf")));
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(compteur, 0);
}

TEST_F(Impression, CopiesAPrinterCannotMakeArePrintedBySetsOrByPages)
{
    struct Cas {
        bool assemblees;
        std::vector<int> numeros;
    };
    const Cas cas[] = {{true, {1, 2, 3, 1, 2, 3}}, {false, {1, 1, 2, 2, 3, 3}}};
    for (const Cas& c : cas) {
        SCOPED_TRACE(c.assemblees);
        Pages fenetre(3);
        const QString pdf = Fichier(QStringLiteral("copies-%1.pdf").arg(c.assemblees));
        DialogueVers(pdf, true, 2, c.assemblees);
        ASSERT_FALSE(services.Imprimante().supportsMultipleCopies());
        EXPECT_TRUE(services.Imprime(nullptr, fenetre));
        EXPECT_EQ(fenetre.numeros, c.numeros);
        EXPECT_EQ(PagesPdf(pdf), 6);
    }
}

TEST_F(Impression, PrintingErrorsAreReportedWithTheDocumentsName)
{
    // Stopped from the progress window during the first page: the part of
    // the file already written goes.
    {
        Pages fenetre(3);
        fenetre.pendantPage = [] {
            for (QWidget* w : QApplication::topLevelWidgets())
                if (auto* progression = qobject_cast<QProgressDialog*>(w))
                    progression->cancel();
        };
        const QString pdf = Fichier("arrete.pdf");
        DialogueVers(pdf);
        EXPECT_FALSE(services.Imprime(nullptr, fenetre));
        EXPECT_EQ(fenetre.numeros, std::vector<int>{1});
        EXPECT_FALSE(QFile::exists(pdf));
        ASSERT_EQ(messages.size(), 1u);
        EXPECT_EQ(messages.back(),
                  QStringLiteral("Erreur d'impression | 'Trois pages' non imprimable. Annulation de l'impression."));
    }
    const struct {
        QString fichier;
        QString message;
    } cas[] = {
        {DisquePlein(), "Erreur d'impression | 'Trois pages' non imprimable. Plus d'espace disque."},
        {Fichier("absent/x.pdf"),
         "Erreur d'impression | 'Trois pages' non imprimable. Error encountered during print."},
    };
    for (const auto& c : cas) {
        SCOPED_TRACE(c.fichier.toStdString());
        messages.clear();
        Pages fenetre(3);
        DialogueVers(c.fichier);
        EXPECT_FALSE(services.Imprime(nullptr, fenetre));
        ASSERT_EQ(messages.size(), 1u);
        EXPECT_EQ(messages.back(), c.message);
        EXPECT_EQ(compteur, 0);
    }
    EXPECT_TRUE(QFileInfo(DisquePlein()).isSymLink()) << "only a plain file is removed";
}

TEST_F(Impression, SystemDialogsWorkWithoutAPrinter)
{
    if (!QPrinterInfo::availablePrinterNames().isEmpty())
        GTEST_SKIP() << "this machine has printers: the dialog would print on paper";
    ServicesImpression reel(compteur);
    reel.messageErreur = services.messageErreur;
    const QString pdf = Fichier("dialogue.pdf");
    reel.Imprimante().setOutputFileName(pdf);
    bool vu = false;
    QTimer::singleShot(0, [&] {
        auto* dialogue = qobject_cast<QPrintDialog*>(QApplication::activeModalWidget());
        if (!dialogue)
            return;
        vu = true;
        EXPECT_TRUE(dialogue->testOption(QAbstractPrintDialog::PrintToFile));
        EXPECT_FALSE(dialogue->testOption(QAbstractPrintDialog::PrintPageRange));
        dialogue->accept();
    });
    Pages fenetre(2);
    EXPECT_TRUE(reel.Imprime(nullptr, fenetre));
    EXPECT_TRUE(vu);
    EXPECT_EQ(PagesPdf(pdf), 2);
    EXPECT_TRUE(messages.empty());

    vu = false;
    QTimer::singleShot(0, [&] {
        if (QWidget* dialogue = QApplication::activeModalWidget()) {
            vu = true;
            qobject_cast<QDialog*>(dialogue)->accept();
        }
    });
    EXPECT_TRUE(reel.ConfigureImpression(nullptr));
    EXPECT_TRUE(vu);
}

TEST_F(Impression, PageSetupReachesThePrintout)
{
    services.dialogueMiseEnPage = [](QPrinter& pr, QWidget*) {
        return pr.setPageOrientation(QPageLayout::Landscape);
    };
    ASSERT_TRUE(services.ConfigureImpression(nullptr));
    Pages fenetre(1);
    const QString pdf = Fichier("paysage.pdf");
    ASSERT_TRUE(services.ImprimeVersPdf(fenetre, pdf));
    const QSizeF taille = TaillePdf(pdf);
    EXPECT_GT(taille.width(), taille.height());
    EXPECT_GT(fenetre.pagesDemandees.width(), fenetre.pagesDemandees.height());
}

// ---- the print preview ----

TEST_F(Impression, PreviewStepsThroughThePagesWithItsArrows)
{
    struct Etat {
        QString texte;
        bool precedente, suivante;
    };
    const auto Lit = [](PreviewWindow& w) {
        return Etat{w.findChild<QLabel*>(PreviewWindow::TEXTE_PAGE)->text(),
                    w.findChild<QToolButton*>(PreviewWindow::PRECEDENTE)->isEnabled(),
                    w.findChild<QToolButton*>(PreviewWindow::SUIVANTE)->isEnabled()};
    };
    const auto Clique = [](PreviewWindow& w, const char* nom) {
        w.findChild<QToolButton*>(nom)->click();
        QCoreApplication::processEvents();
    };
    const auto Attendu = [](const Etat& e, const char* texte, bool precedente, bool suivante) {
        EXPECT_EQ(e.texte, QString::fromUtf8(texte));
        EXPECT_EQ(e.precedente, precedente) << texte;
        EXPECT_EQ(e.suivante, suivante) << texte;
    };

    // Three pages: the right arrow leads to page 3 and stops there.
    Pages trois(3, &compteur);
    bool montre = false;
    services.executeApercu = [&](PreviewWindow& w) {
        montre = true;
        EXPECT_EQ(w.windowTitle(), QStringLiteral("Print Preview"));
        w.show();
        QCoreApplication::processEvents();
        EXPECT_EQ(compteur, 1);
        EXPECT_EQ(w.NombrePages(), 3);
        Attendu(Lit(w), "Page 1", false, true);
        Clique(w, PreviewWindow::SUIVANTE);
        Attendu(Lit(w), "Page 2", true, true);
        Clique(w, PreviewWindow::SUIVANTE);
        Attendu(Lit(w), "Page 3", true, false);
        Clique(w, PreviewWindow::SUIVANTE);
        Attendu(Lit(w), "Page 3", true, false);
        Clique(w, PreviewWindow::PRECEDENTE);
        Attendu(Lit(w), "Page 2", true, true);
        Clique(w, PreviewWindow::FERMER);
        EXPECT_FALSE(w.isVisible());
    };
    services.Apercu(nullptr, trois);
    EXPECT_TRUE(montre);
    EXPECT_EQ(compteur, 0);
    ASSERT_FALSE(trois.numeros.empty());
    EXPECT_EQ(trois.numeros.front(), 1);
    EXPECT_EQ(trois.compteurs, std::vector<int>(trois.numeros.size(), 1));

    // A diagram: one page, both arrows off.
    VueComplet v;
    ImprimableVue diagramme(*v.vue, QStringLiteral("complet.gra"));
    montre = false;
    services.executeApercu = [&](PreviewWindow& w) {
        montre = true;
        w.show();
        QCoreApplication::processEvents();
        EXPECT_EQ(w.NombrePages(), 1);
        Attendu(Lit(w), "Page 1", false, false);
    };
    services.Apercu(nullptr, diagramme);
    EXPECT_TRUE(montre);
}

TEST_F(Impression, PreviewsPrintButtonPrintsTheSameWindow)
{
    Pages fenetre(2, &compteur);
    const QString pdf = Fichier("depuis-apercu.pdf");
    DialogueVers(pdf);
    services.executeApercu = [&](PreviewWindow& w) {
        w.show();
        QCoreApplication::processEvents();
        fenetre.compteurs.clear();
        w.findChild<QToolButton*>(PreviewWindow::IMPRIMER)->click();
        EXPECT_EQ(compteurDansDialogue, 2) << "the preview's count and the print's";
    };
    services.Apercu(nullptr, fenetre);
    EXPECT_EQ(PagesPdf(pdf), 2);
    EXPECT_EQ(compteur, 0);
}

// ---- enablers and the default printer ----

TEST_F(Impression, CommandsNeedAnActiveWindowButNoPrinter)
{
    EXPECT_FALSE(services.Actif(false));
    EXPECT_EQ(services.ImprimanteCourante(), nullptr) << "no printer is made for a disabled command";
    EXPECT_TRUE(services.Actif(true));
    ASSERT_NE(services.ImprimanteCourante(), nullptr);
    EXPECT_TRUE(services.ImprimanteCourante()->isValid());
    if (QPrinterInfo::availablePrinterNames().isEmpty()) {
        EXPECT_EQ(services.ImprimanteCourante()->outputFormat(), QPrinter::PdfFormat);
    }
}

TEST_F(Impression, DefaultPrinterChangeReplacesThePrinterWhenNothingPrints)
{
    QString defaut = QStringLiteral("atelier");
    VerificationImprimante verification(services, [&] { return defaut; });
    // No printer yet: nothing to replace.
    defaut = QStringLiteral("salle-b");
    EXPECT_FALSE(verification.Verifie());
    EXPECT_EQ(services.ImprimanteCourante(), nullptr);

    const auto Marque = [this] { services.Imprimante().setDocName(QStringLiteral("marque")); };
    const auto Remplacee = [this] { return services.ImprimanteCourante()->docName() != QStringLiteral("marque"); };
    Marque();
    EXPECT_FALSE(verification.Verifie()) << "same default as when it was created";
    EXPECT_FALSE(Remplacee());

    defaut = QStringLiteral("salle-c");
    EXPECT_TRUE(verification.Verifie());
    EXPECT_TRUE(Remplacee());
    Marque();
    EXPECT_FALSE(verification.Verifie());

    // While a preview uses the printer, the change waits for a later check.
    defaut = QString();
    {
        ImpressionEnCours enCours(compteur);
        EXPECT_FALSE(verification.Verifie());
        EXPECT_FALSE(Remplacee());
    }
    EXPECT_TRUE(verification.Verifie());
    EXPECT_TRUE(Remplacee());
    EXPECT_EQ(verification.NomConnu(), QString());
}
