#pragma once

#include <memory>

#include "nomenclature/FenetreNomenclature.h"

class TNomDoc;

// The view of the target nomenclature: every component of the operative
// part, kind by kind, on a grey window. A click on a component's line
// opens "Edition de composant" on it (never on a read-only operative
// part); closing the view closes the document, which asks whether to save
// the edits. The view owns its document.
class TNomView : public FenetreNomenclature {
    Q_OBJECT
public:
    static constexpr const char* NOM_VUE = "NOMENCLATURE";

    // Sets up: the document's operative part is read and the vertical
    // scroll range becomes twice the number of lines.
    explicit TNomView(std::unique_ptr<TNomDoc> doc, QWidget* parent = nullptr);
    ~TNomView() override;

    const char* GetViewName() const { return NOM_VUE; }
    TNomDoc& Document() const { return *doc; }

    // The component a click at this viewport point designates: its kind and
    // its position in the kind. False for the heading lines, the lines after
    // the list, an empty kind's frame, and any point on a read-only
    // operative part.
    bool Designe(QPoint point, nomenclature::Categorie& categorie, short& rang) const;

protected:
    nomenclature::EnTete Entete() const override;
    nomenclature::Liste ListeEcran() const override;
    nomenclature::Liste ListePapier() const override;
    nomenclature::StyleEcran Style() const override;
    QString TitrePapier() const override;

    void mousePressEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void closeEvent(QCloseEvent* e) override;

private:
    std::unique_ptr<TNomDoc> doc;
};
