#pragma once

#include <cstdio>
#include <memory>
#include <string>

#include "platform/TDocument.h"

class Grafcet;
class ListV;

// The document of one diagram: it owns the diagram container, reads it from
// the diagram file when first needed, writes it back on save, and keeps the
// last generated program text with a flag telling whether that code still
// matches the diagram.
//
// Properties after those of the file document:
//   11 "Type"     text    "Grafcet": how the editor recognises a diagram document
//   12 "Grafcet"  binary  answers 1 and stores nothing (use PGraf)
//   13 "Variable" binary  answers 1 and stores nothing (use LVariab)
//   14 "Generer"  binary  the generated flag as a short, also its result
// A binary request for index 0 answers the generated flag without storing it.
class TGrafDoc : public TFileDocument {
public:
    enum {
        PrevProperty = TFileDocument::NextProperty - 1,
        PropType,
        PropGrafcet,
        PropVariable,
        PropGenerer,
        NextProperty,
    };

    explicit TGrafDoc(TDocument* parent = nullptr);
    ~TGrafDoc() override;

    // Reads the diagram file at `path` (or at the document path when null) and
    // appends its elements to the container. True when a file was read, even an
    // incomplete one (see Incomplet); false when there is no path or no file
    // there (the container stays as it was), and false with DerniereErreur when
    // a file is there but cannot be read (a directory, a device, no access):
    // then nothing changes. The document is clean and not generated afterwards,
    // unless the read was refused.
    bool Open(short mode, const char* path = nullptr);
    // Destroys the container: PGraf and LVariab answer null afterwards.
    bool Close() override;
    // Writes the diagram file when the document is dirty or `force` is set,
    // replacing the old file only once the new one is complete on disk. On a
    // failure the old file, the dirty flag and the generated flag stay as they
    // were, the result is false and DerniereErreur says why.
    bool Commit(bool force) override;
    // With `clear` false, gives up the changes and reads the file again in place
    // of the current diagram. False, with nothing changed, when there is no file
    // to read again or it cannot be read.
    bool Revert(bool clear) override;

    // The diagram, read from the file on first need; null after Close.
    Grafcet* PGraf();
    void EGraf(std::string texte) { programme = std::move(texte); }
    std::string LGraf() const { return programme; }
    // An edit: the document becomes dirty and the generated code is stale.
    void Modif();
    void SetGenerer(bool g) { generer = g; }
    bool IsGenerer() const { return generer; }
    // The container's variable list; null after Close.
    ListV* LVariab();

    // The last Open (or Revert) read a file that ended inside a record: the
    // complete records were kept.
    bool Incomplet() const { return incomplet; }
    // Why the last Open, Commit or Revert failed or read an incomplete file, in
    // French; empty when it went well.
    const std::string& DerniereErreur() const { return erreur; }

    int PropertyCount() const override;
    int FindProperty(const char* name) const override;
    const char* PropertyName(int index) const override;
    int PropertyFlags(int index) const override;
    int GetProperty(int index, void* dest, int textlen) const override;

protected:
    const char* NomClasse() const override { return "TGrafDoc"; }

private:
    enum class Acces { Absent, Ouvert, Refuse };
    // Opens the document's file for reading when there is a regular file at
    // its path.
    Acces OuvreLecture(FILE*& f);
    // Appends the file's elements to the container and closes the file.
    void Lit(FILE* f);

    std::unique_ptr<Grafcet> graf;
    bool charge = false;
    std::string programme;
    bool generer = false;
    bool incomplet = false;
    std::string erreur;
};
