// The callsigns known before they are typed: the list under the entry form.
#pragma once

#include "core/log/indicatifs_connus.h"
#include "platform/services.h"

#include <QPointer>
#include <QWidget>

#include <memory>

class QLabel;
class QLineEdit;
class QListView;
class QStringListModel;

namespace swl {

// "Indicatifs connus": while `Ind_A` or `Ind_B` has the focus and holds two characters or
// more, the callsigns that hold them (the log's, the directory's, the file's), else those one
// character away, up to 10. It only reads the field: Alt+↓ or a click goes into the list, Enter
// or a double click puts the callsign in the field and gives the focus back to it. The index is
// built off the interface thread, again after each change of the log.
class Completion_Indicatifs final : public QWidget {
    Q_OBJECT
public:
    Completion_Indicatifs(const Services& services, QLineEdit* ind_a, QLineEdit* ind_b, QWidget* parent);
    ~Completion_Indicatifs() override;
    Q_DISABLE_COPY_MOVE(Completion_Indicatifs)

    // The log as it is now: the index is built again from it, and from the directory.
    void Journal_Change(const Lignes_Log& journal);
    // The file of callsigns or the choice to show the list changed ("Fichier des indicatifs…").
    void Reglage_Change();
    // The index in use is the latest one asked for (for the tests, which wait for it).
    bool A_Jour() const { return construit_ == demande_; }

Q_SIGNALS:
    // A callsign put in its field from the list, with the department its row shows.
    void Indicatif_Pris(QLineEdit* champ, const QString& indicatif, const QString& departement);

private:
    void Construit();
    void Actualise();
    void Prend(const QModelIndex& index);
    bool eventFilter(QObject* objet, QEvent* evenement) override;

    const Services& services_;
    QLineEdit* ind_a_;
    QLineEdit* ind_b_;
    QPointer<QLineEdit> champ_; // the field the list is for
    Lignes_Log journal_;
    std::shared_ptr<const Index_Indicatifs> index_;
    QList<Index_Indicatifs::Proposition> propositions_; // the rows shown
    std::shared_ptr<const Fichier_Indicatifs> fichier_; // read once, again when changed
    int demande_ = 0;                                   // builds asked for
    int construit_ = 0;                                 // the build whose index is in use
    bool en_cours_ = false;

    QLabel* Titre_Indicatifs;
    QListView* Indicatifs_Connus;
    QStringListModel* modele_;
};

} // namespace swl
