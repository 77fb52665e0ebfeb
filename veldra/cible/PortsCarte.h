#pragma once

class Reglages;

// Where the port of a card on a serial or parallel port is kept in the
// settings store.
//  - Cards 1 and 7 (serial): section "SOFTWARE\NORIM\VELDRA\CARTE", entry
//    "KR40", the port number as one decimal digit ("1" for the first port).
//  - Card 6 (parallel): section "Software\NORIM\norim_port", entry "port",
//    the 16-bit port address written in hexadecimal without prefix
//    ("378"); 0x378 when the entry is missing or unreadable.
namespace portscarte {

constexpr const char* CLE_SERIE = "SOFTWARE\\NORIM\\VELDRA\\CARTE";
constexpr const char* VALEUR_SERIE = "KR40";
constexpr const char* CLE_PARALLELE = "Software\\NORIM\\norim_port";
constexpr const char* VALEUR_PARALLELE = "port";
constexpr unsigned short ADRESSE_DEFAUT = 0x378;

// The serial port number (1 to 9), 0 when none is stored or it is no digit.
int PortSerie(const Reglages& r);
void EcritPortSerie(Reglages& r, int port);

unsigned short AdresseParallele(const Reglages& r);
void EcritAdresseParallele(Reglages& r, unsigned short adresse);

// Whether a card code has a port to configure (1, 6 and 7).
bool AUnPort(int code);

} // namespace portscarte
