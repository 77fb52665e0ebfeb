#pragma once

#include <QString>
#include <functional>
#include <memory>

class QPrinter;
class QWidget;
class Imprimable;
class PreviewWindow;

// Raises the application's printing counter for its lifetime: the windows
// draw pages instead of their screen picture while it is not 0.
class ImpressionEnCours {
public:
    explicit ImpressionEnCours(int& compteur) : compteur(compteur) { ++compteur; }
    ~ImpressionEnCours() { --compteur; }
    ImpressionEnCours(const ImpressionEnCours&) = delete;
    ImpressionEnCours& operator=(const ImpressionEnCours&) = delete;

private:
    int& compteur;
};

// The editor's printing: the application's printer, created on first use,
// and the print, print setup and print preview commands. The application
// owns one and gives it its printing counter.
class ServicesImpression {
public:
    explicit ServicesImpression(int& compteur);
    ~ServicesImpression();
    ServicesImpression(const ServicesImpression&) = delete;
    ServicesImpression& operator=(const ServicesImpression&) = delete;

    // The application's printer, created on first use: the system's default
    // printer, or a PDF file when there is none. A printer that is no longer
    // usable is replaced when nothing is printing.
    QPrinter& Imprimante();
    // The printer when it exists, null before first use.
    QPrinter* ImprimanteCourante() const { return imprimante.get(); }
    // A new printer object for the current default printer, in place of the
    // old one. Refused (false) while a print or a preview uses the old one.
    bool RemplaceImprimante();
    int Compteur() const { return compteur; }

    // Print (command 24337): the print dialog (parent fenetre, printing to a
    // PDF file always offered), then the pages with a progress window that
    // can stop the job. Errors are reported in a message box. True when the
    // pages were printed; false when the dialog was cancelled or printing
    // failed.
    bool Imprime(QWidget* fenetre, Imprimable& imprimable);
    // Print setup (command 24338): the page setup dialog on the printer.
    // True when it was accepted.
    bool ConfigureImpression(QWidget* fenetre);
    // Print preview (command 24340): the modal preview window, one page at a
    // time; its print button runs Imprime for the same window.
    void Apercu(QWidget* fenetre, Imprimable& imprimable);
    // Every page into a PDF file, with the printer's page setup when it
    // exists and A4 otherwise, without a dialog: for tools and tests. False
    // when the file cannot be written completely.
    bool ImprimeVersPdf(Imprimable& imprimable, const QString& chemin);

    // The enabler of the three commands: enabled when there is an active
    // window (the printer is then created), since printing to a PDF file
    // needs no printer.
    bool Actif(bool fenetreActive);

    // The dialogs and the message box, replaceable by tests.
    // The print dialog on the printer: true when accepted.
    std::function<bool(QPrinter&, QWidget* parent)> dialogueImpression;
    // The page setup dialog on the printer: true when accepted.
    std::function<bool(QPrinter&, QWidget* parent)> dialogueMiseEnPage;
    // The modal loop of the preview window.
    std::function<void(PreviewWindow&)> executeApercu;
    // An error message box: caption and text.
    std::function<void(QWidget* parent, const QString& legende, const QString& texte)> messageErreur;

private:
    int& compteur;
    std::unique_ptr<QPrinter> imprimante;
};

// A printer object for the system's default printer, or for a PDF file
// when the system has no printer.
std::unique_ptr<QPrinter> NouvelleImprimante();
