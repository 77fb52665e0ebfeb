#pragma once

#include <QString>
#include <functional>
#include <memory>
#include <string>

#include "platform/TDocument.h"

class POpera;
struct SelectionCible;

// The document of the target nomenclature: the operative part of the card
// and operative-part name selected for the application, read from the
// operative-part file of the data directory when the view sets up, edited
// in memory by the view and written back, after the question
// "Enregistrement de la nomenclature?", when the document closes.
//
// Properties after those of the base document:
//   6 "Type"             text "Nom. Cible"
//   7 "Carte"            text "Carte"
//   8 "Parte Opérative"  text the operative-part name
class TNomDoc : public TDocument {
public:
    enum {
        PrevProperty = TDocument::NextProperty - 1,
        PropType,
        PropCarte,
        PropPartieOperative,
        NextProperty,
    };

    // The selection the application keeps (SelectionCible::Courante()); when
    // the application has set none yet, the values of the settings store.
    explicit TNomDoc(TDocument* parent = nullptr);
    // That card, operative part and data directory (an empty directory is
    // the current one).
    TNomDoc(TDocument* parent, const SelectionCible& cible);
    // Closes first when that has not been done: an edited operative part is
    // never dropped without the question.
    ~TNomDoc() override;

    // Reads the operative part; both arguments are ignored. An operative
    // part already read (and maybe edited) is kept. A file that ends inside
    // its records is reported: what was read whole is shown.
    bool Open(int mode, const char* path);
    // Null until Open.
    POpera* Pop() const { return pop.get(); }
    // An edit was made in the view.
    void Modifie() { modifie = true; }
    bool EstModifie() const { return modifie; }

    // After an edit, asks whether to save: Yes writes the operative part,
    // No drops the edits. A read-only operative part is never asked about
    // nor written. False, after the failure has been reported, when the
    // operative part could not be written: the edits are kept and the
    // question comes again at the next close.
    bool Close() override;

    char LCarte() const { return carte; }
    const std::string& LNomPop() const { return nomPop; }
    const std::string& Repertoire() const { return repertoire; }

    int PropertyCount() const override;
    int FindProperty(const char* name) const override;
    const char* PropertyName(int index) const override;
    int PropertyFlags(int index) const override;
    int GetProperty(int index, void* dest, int textlen) const override;

    // The question box (captioned "Nomenclature cible", Yes and No, no
    // owner): answers QMessageBox::Yes or QMessageBox::No. The report of a
    // failed save. Tests replace them and put them back.
    static std::function<int(const QString& titre, const QString& texte)> Question;
    static std::function<void(const QString& titre, const QString& texte)> Erreur;
    static constexpr const char* TITRE = "Nomenclature cible";
    static constexpr const char* QUESTION = "Enregistrement de la nomenclature?";

protected:
    const char* NomClasse() const override { return "TNomDoc"; }

private:
    char carte = 0;
    std::string nomPop;
    std::string repertoire; // ends with "/", or empty for the current directory
    std::unique_ptr<POpera> pop;
    bool modifie = false;
};
