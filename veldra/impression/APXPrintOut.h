#pragma once

#include <QRect>
#include <QString>
#include <functional>

class QPainter;
class QPaintDevice;
class QPrinter;
class Imprimable;

// The printout: renders the pages of a window on a printer, on the print
// preview or on any paint device.
//
// The window draws in the screen's pixels; each page maps the paper's
// printable area, measured in screen pixels, onto the device, so the paper
// reproduces the window at the screen's size. The window says how many
// pages it has for that page size; the printout then draws them from 1 up.
class APXPrintOut {
public:
    // The resolution the window's units stand for, in pixels to the inch.
    static constexpr int PIXELS_PAR_POUCE = 96;

    enum class Resultat { Imprime, Annule, Erreur };

    // Asked before each sheet is sent, with its index (0 for the first) and
    // the number of sheets; false stops the job.
    using Suivi = std::function<bool(int feuille, int feuilles)>;

    APXPrintOut(const QString& titre, Imprimable& fenetre);

    const QString& Titre() const { return titre; }
    Imprimable& Fenetre() const { return fenetre; }

    // The device's page in the window's units: its size in device pixels
    // converted to screen pixels (multiplied, then divided).
    static QRect Page(const QPaintDevice& d);

    // Asks the window for its pages on that device: the pages become 1 to
    // the window's count (at least 1).
    void BeginPrinting(const QPaintDevice& d);
    int PageMin() const { return pageMin; }
    int PageMax() const { return pageMax; }
    bool HasPage(int page) const { return page >= pageMin && page <= pageMax; }

    // Draws one page with p, active on the device: the page's mapping is set
    // for the window's drawing and the painter's state restored afterwards.
    void PrintPage(QPainter& p, int page);

    // Prints every page on the printer, each copies times (in whole sets
    // when assemblees is true, page by page otherwise). Copies are for
    // printers that cannot make them themselves; the preview gives 1.
    Resultat Imprime(QPrinter& imprimante, const Suivi& suivi = {}, int copies = 1, bool assemblees = true);

private:
    QString titre;
    Imprimable& fenetre;
    int pageMin = 0;
    int pageMax = 0;
};
