#pragma once

#include <string>

// The target the application has selected: the card, the operative part and
// the data directory where its operative-part file lives. The application
// keeps it up to date; the dialogs that list signal names read it.
struct SelectionCible {
    char carte = 0;
    std::string nomPop;
    std::string donnees; // ends with "/"

    static SelectionCible& Courante()
    {
        static SelectionCible s;
        return s;
    }
};
