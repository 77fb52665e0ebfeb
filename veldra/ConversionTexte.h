#pragma once

#include <QString>
#include <string>

// The one pair of conversions between the product's texts (Windows-1252
// bytes, with the equation codes 0xAD, 0xAE, 0xAF) and what Qt shows. The
// codes become visible arrows and an overline, and come back as codes.
QString VersQString(const std::string& octets);
// Characters with no Windows-1252 byte become "?".
std::string VersOctets(const QString& texte);
