#include "ConversionTexte.h"

#include "platform/Cp1252.h"

QString VersQString(const std::string& octets)
{
    return QString::fromStdString(Cp1252VersUtf8(octets));
}

std::string VersOctets(const QString& texte)
{
    std::string octets;
    Utf8VersCp1252(texte.toStdString(), octets);
    return octets;
}
