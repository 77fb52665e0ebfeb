#pragma once

#include <QDialog>
#include <functional>

class QLabel;
class QPrinter;
class QPrintPreviewWidget;
class QToolButton;
class APXPrintOut;

// The print preview: a modal window that shows one page of the printout at
// a time, fitted to the window, under a bar with, from left to right, the
// previous and next page arrows, the page number ("Page 1"), the print
// button and "Fermer".
class PreviewWindow : public QDialog {
    Q_OBJECT
public:
    // The bar's buttons (their object names, for finding them).
    static constexpr const char* PRECEDENTE = "precedente";
    static constexpr const char* SUIVANTE = "suivante";
    static constexpr const char* TEXTE_PAGE = "page";
    static constexpr const char* IMPRIMER = "imprimer";
    static constexpr const char* FERMER = "fermer";

    PreviewWindow(QPrinter& imprimante, APXPrintOut& printout, QWidget* parent = nullptr);

    // What the print button does (the print command for the same window).
    void SurImpression(std::function<void()> imprime) { imprimeFenetre = std::move(imprime); }

    int PageCourante() const;
    int NombrePages() const;
    // Draws the pages again (after the printer's setup changed).
    void Actualise();

private:
    void Precedente();
    void Suivante();
    // The arrows' states and the page text follow the page shown.
    void MetAJour();

    APXPrintOut& printout;
    QPrintPreviewWidget* apercu;
    QToolButton* precedente;
    QToolButton* suivante;
    QLabel* textePage;
    std::function<void()> imprimeFenetre;
};
