#pragma once

#include <QString>

class BGene;
class QWidget;
class TGrafDoc;
struct SelectionCible;

// The "Generer" command of the diagram view: compiles the document's diagram
// for the selected card and operative part, shows the passes and the errors
// in a new generation dialog (opened modeless over `vue`, which is also its
// parent), writes the program text to "tmp.txt" in `dossier` (the current
// directory for the editor) and keeps it in the document with its generated
// flag. Returns the dialog, which deletes itself when closed (hold it in a
// QPointer); null when the document has no diagram. The view is repainted:
// the elements in error are marked.
BGene* GenereDepuis(QWidget* vue, TGrafDoc& document, const SelectionCible& cible, const QString& dossier);

// The run commands of the MDI client: opens the run window over `cadre`
// (the frame) for the document and the card (0 for the simulation), with
// the editor's screen drawing for the chart, and waits in a modal loop until
// the window is closed. `vue` is the active diagram view. The run window
// deletes itself; the document is left as it was.
void LanceExecution(QWidget* cadre, TGrafDoc* document, short carte, QWidget* vue);
