// The history of the log's changes: undo and redo.
#include "main/historique_journal.h"

#include "platform/boites_message.h"

#include <QAction>
#include <QEvent>
#include <QKeyEvent>
#include <QKeySequence>
#include <QUndoCommand>
#include <QWidget>

namespace swl {

using namespace Qt::Literals::StringLiterals;

namespace {

// A step of the history. The file is written before the stack moves: the command itself
// has nothing left to do.
class Etape final : public QUndoCommand {
public:
    Etape(const QString& nom, Trace_Journal trace) : QUndoCommand(nom), trace(std::move(trace)) {}
    void undo() override {}
    void redo() override {}
    const Trace_Journal trace;
};

} // namespace

Historique_Journal::Historique_Journal(Boites_Message& messages, Hote& hote, QWidget* fenetre)
    : QObject(fenetre), messages_(messages), hote_(hote), annuler_(new QAction(u"Annuler"_s, fenetre)),
      retablir_(new QAction(u"Rétablir"_s, fenetre)) {
    annuler_->setObjectName(u"Mnu_Annuler"_s);
    retablir_->setObjectName(u"Mnu_Retablir"_s);
    annuler_->setShortcut(QKeySequence::Undo);
    retablir_->setShortcuts(
        {QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});
    annuler_->setEnabled(false);
    retablir_->setEnabled(false);
    connect(&pile_, &QUndoStack::indexChanged, this, &Historique_Journal::Met_A_Jour);
    connect(annuler_, &QAction::triggered, this, &Historique_Journal::Annule);
    connect(retablir_, &QAction::triggered, this, &Historique_Journal::Retablit);
}

void Historique_Journal::Ajoute(const QString& nom, Trace_Journal trace) {
    if (!trace.Vide()) {
        pile_.push(new Etape(nom, std::move(trace)));
    }
}

void Historique_Journal::Efface() {
    pile_.clear();
    Met_A_Jour();
}

void Historique_Journal::Met_A_Jour() {
    annuler_->setEnabled(pile_.canUndo());
    retablir_->setEnabled(pile_.canRedo());
    annuler_->setText(pile_.canUndo() ? u"Annuler "_s + pile_.undoText() : u"Annuler"_s);
    retablir_->setText(pile_.canRedo() ? u"Rétablir "_s + pile_.redoText() : u"Rétablir"_s);
}

void Historique_Journal::Route_Raccourcis(QWidget* champ) {
    champ->installEventFilter(this);
}

bool Historique_Journal::eventFilter(QObject* objet, QEvent* evenement) {
    if (evenement->type() == QEvent::ShortcutOverride && !hote_.Saisie_En_Cours()) {
        const auto* touche = static_cast<QKeyEvent*>(evenement);
        const QKeySequence frappe(touche->keyCombination());
        for (const QAction* action : {annuler_, retablir_}) {
            if (action->shortcuts().contains(frappe)) {
                // Not taken by the field: the shortcut goes to the menu item.
                evenement->ignore();
                return true;
            }
        }
    }
    return QObject::eventFilter(objet, evenement);
}

void Historique_Journal::Annule() {
    Rejoue(false);
}

void Historique_Journal::Retablit() {
    Rejoue(true);
}

void Historique_Journal::Rejoue(bool refait) {
    if (refait ? !pile_.canRedo() : !pile_.canUndo()) {
        return;
    }
    if (hote_.Saisie_En_Cours()) {
        messages_.Message(
            u"Un QSO est en cours de saisie ou de modification\u00A0: enregistrez-le ou cliquez sur "
            u"«\u00A0Annuler saisie en cours\u00A0» avant "_s +
            (refait ? u"de rétablir"_s : u"d'annuler"_s) + u" un changement du journal."_s);
        return;
    }
    const auto* etape = static_cast<const Etape*>(pile_.command(refait ? pile_.index() : pile_.index() - 1));
    bool change_ailleurs = false;
    hote_.Avant_Changement();
    const Resultat r = hote_.Journal().Rejoue(etape->trace, refait, &change_ailleurs);
    if (!r) {
        if (change_ailleurs) {
            Efface();
            messages_.Message(r.message +
                              u"\r\nL'historique des changements est effacé\u00A0: ils ne peuvent plus "
                              u"être annulés ni rétablis."_s);
        } else {
            messages_.Message(r.message);
        }
        return;
    }
    const int ligne = refait ? etape->trace.ligne_apres : etape->trace.ligne_avant;
    if (refait) {
        pile_.redo();
    } else {
        pile_.undo();
    }
    hote_.Recharge_Et_Selectionne(ligne);
}

} // namespace swl
