// The history of the log's changes: undo and redo.
#pragma once

#include "core/log/fichier_log.h"
#include "core/log/trace_journal.h"

#include <QObject>
#include <QUndoStack>

#include <functional>

class QAction;
class QWidget;

namespace swl {

class Boites_Message;

// The changes of the station's log made in this run, to take back ("Annuler …", Ctrl+Z) and
// make again ("Rétablir …", Ctrl+Y or Ctrl+Maj+Z). Each is written to the file first; only
// once written does the history move. A log changed behind the program clears the history.
class Historique_Journal final : public QObject {
    Q_OBJECT
public:
    // What the history asks of the main window.
    class Hote {
    public:
        virtual ~Hote() = default;
        virtual Fichier_Log Journal() const = 0;
        // A QSO is being typed or edited: the form would no longer match the list.
        virtual bool Saisie_En_Cours() const = 0;
        // The list read again from the log, the entry at `index` (from 0) selected.
        virtual void Recharge_Et_Selectionne(int index) = 0;
        // Just before the log is written (the day's backup).
        virtual void Avant_Changement() = 0;
    };

    Historique_Journal(Boites_Message& messages, Hote& hote, QWidget* fenetre);
    Q_DISABLE_COPY_MOVE(Historique_Journal)

    // The menu items, their captions naming the next step.
    QAction* Annuler() const { return annuler_; }
    QAction* Retablir() const { return retablir_; }

    // A change just written to the log: `nom` says it in French ("la suppression du QSO 12
    // (F5ABC)").
    void Ajoute(const QString& nom, Trace_Journal trace);
    void Efface();
    const QUndoStack& Pile() const { return pile_; }

    void Annule();
    void Retablit();

    // Ctrl+Z, Ctrl+Y and Ctrl+Maj+Z in `champ` reach the history when no QSO is being typed,
    // instead of the field's own text undo.
    void Route_Raccourcis(QWidget* champ);

protected:
    bool eventFilter(QObject* objet, QEvent* evenement) override;

private:
    void Rejoue(bool refait);
    // The menu items' captions and states follow the history.
    void Met_A_Jour();

    Boites_Message& messages_;
    Hote& hote_;
    QUndoStack pile_;
    QAction* annuler_;
    QAction* retablir_;
};

} // namespace swl
