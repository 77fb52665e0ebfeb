#include "impression/VerificationImprimante.h"

#include <QPrinter>
#include <QPrinterInfo>

#include "impression/ServicesImpression.h"

VerificationImprimante::VerificationImprimante(ServicesImpression& services, std::function<QString()> source)
    : services(services), nomParDefaut(source ? std::move(source) : [] { return QPrinterInfo::defaultPrinterName(); })
{
    nom = nomParDefaut();
}

bool VerificationImprimante::Verifie()
{
    const QString actuel = nomParDefaut();
    QPrinter* imprimante = services.ImprimanteCourante();
    if (!imprimante) {
        nom = actuel;
        return false;
    }
    if (actuel == nom && imprimante->isValid())
        return false;
    // Remembered only once the printer follows it: a refusal (printing in
    // progress) leaves the change for the next check.
    if (!services.RemplaceImprimante())
        return false;
    nom = actuel;
    return true;
}
