#pragma once

#include <string>

// The document of the editor's document/view framework: where a document is
// stored, whether it holds unsaved changes, and the properties the document
// manager and the command enablers query by index or by name.
//
// Properties are numbered from 1; each class appends its own after those of
// its base (PrevProperty/NextProperty bracket a class's range) and answers
// the indexes it does not know through its base. A property is read as text
// (pfGetText: GetProperty with a positive text length copies a NUL-terminated
// text, truncated to fit, and returns the number of characters copied) or as
// binary data (pfGetBinary: GetProperty with a text length of 0 or less
// stores the value at the destination and returns its size in bytes). A
// result of 0 means that nothing applies and nothing was stored.
class TDocument {
public:
    enum { pfGetText = 1, pfGetBinary = 2 };
    enum {
        PrevProperty = 0,
        DocumentClass, // text: the class of the document
        TemplateName,  // text: the template the document was made from, when one was given
        ViewCount,     // text and binary: 0 here, the document manager counts the views
        StoragePath,   // text: the document path
        DocTitle,      // text: the title, by default the file name of the path
        NextProperty,
    };

    explicit TDocument(TDocument* parent = nullptr);
    virtual ~TDocument();
    TDocument(const TDocument&) = delete;
    TDocument& operator=(const TDocument&) = delete;

    TDocument* GetParentDoc() const { return parent; }

    // The file the document is stored in; empty for a new document.
    const std::string& GetDocPath() const { return chemin; }
    // A null or empty path leaves the document without a file.
    virtual bool SetDocPath(const char* path);
    bool SetDocPath(const std::string& path) { return SetDocPath(path.c_str()); }

    // The title given with SetTitle, else the file name of the path, else "".
    std::string GetTitle() const;
    void SetTitle(const std::string& t) { titre = t; }
    const std::string& GetTemplateName() const { return modele; }
    void SetTemplateName(const std::string& nom) { modele = nom; }

    bool IsDirty() const { return sale; }
    void SetDirty(bool dirty = true) { sale = dirty; }

    // Writes the document; the base has nothing to write and only becomes clean.
    virtual bool Commit(bool force);
    // The document is about to go away; the base agrees.
    virtual bool Close();
    // Gives up the unsaved changes; the base only becomes clean.
    virtual bool Revert(bool clear);

    virtual int PropertyCount() const;
    // The index of the property of that exact name (case-sensitive), 0 when none.
    virtual int FindProperty(const char* name) const;
    // Null for an index without a property.
    virtual const char* PropertyName(int index) const;
    // 0 for an index without a property.
    virtual int PropertyFlags(int index) const;
    virtual int GetProperty(int index, void* dest, int textlen) const;

protected:
    // The class name answered by the property DocumentClass.
    virtual const char* NomClasse() const { return "TDocument"; }
    // Copies at most textlen - 1 characters of t and a terminator into dest;
    // returns the number of characters copied.
    static int CopieTexte(const std::string& t, void* dest, int textlen);

private:
    TDocument* parent;
    std::string chemin;
    std::string titre;
    std::string modele;
    bool sale = false;
};

// A document stored in one file: its properties add what the file system
// says about that file (times, size). Times are read as text in local time
// ("jj/mm/aaaa hh:mm:ss") or as a 64-bit count of seconds since 1970; the size
// as text or as a 64-bit count of bytes. A time the file system does not keep
// (the creation time on some file systems) answers 0. The document keeps no
// file open, so FileHandle always answers 0.
class TFileDocument : public TDocument {
public:
    enum {
        PrevProperty = TDocument::NextProperty - 1,
        CreateTime,  // text and binary
        ModifyTime,  // text and binary
        AccessTime,  // text and binary
        StorageSize, // text and binary
        FileHandle,  // binary
        NextProperty,
    };

    explicit TFileDocument(TDocument* parent = nullptr);
    ~TFileDocument() override;

    int PropertyCount() const override;
    int FindProperty(const char* name) const override;
    const char* PropertyName(int index) const override;
    int PropertyFlags(int index) const override;
    int GetProperty(int index, void* dest, int textlen) const override;

protected:
    const char* NomClasse() const override { return "TFileDocument"; }
};
