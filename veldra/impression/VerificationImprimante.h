#pragma once

#include <QString>
#include <functional>

class ServicesImpression;

// Follows the system's default printer while the editor runs: when it has
// changed since the last check, or when the application's printer is no
// longer usable, the application's printer object is replaced by one for
// the new default. The application calls Verifie on a timer or when it is
// activated.
class VerificationImprimante {
public:
    // nomParDefaut: the name of the system's default printer (empty when
    // there is none); by default the printing system's answer.
    explicit VerificationImprimante(ServicesImpression& services, std::function<QString()> nomParDefaut = {});

    // True when the printer object was replaced. Nothing changes before the
    // printer exists; while a print or a preview runs the replacement waits
    // for a later check.
    bool Verifie();

    const QString& NomConnu() const { return nom; }

private:
    ServicesImpression& services;
    std::function<QString()> nomParDefaut;
    QString nom;
};
