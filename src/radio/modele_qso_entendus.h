#pragma once

#include "core/log/doublons.h"
#include "core/radio/qso_entendus.h"
#include "core/reports/index_journal.h"

#include <QAbstractTableModel>
#include <QHash>

#include <functional>

namespace swl {

// The heard QSOs, newest on top: heure, indicatif A, rapport A, indicatif B, rapport B, bande,
// mode, état ("partiel", "complet", "déjà au journal"), the country and continent of each station
// ("Allemagne  EU"), and what one of its stations would
// bring the listener ("F5ABC : nouveau département (29)"). Follows the assembly a batch of
// datagrams at a time: new QSOs inserted at the top, the oldest removed at the bottom, the
// changed ones redrawn, never the whole table rebuilt.
class Modele_QSO_Entendus final : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Colonne {
        Heure,
        Indicatif_A,
        Rapport_A,
        Indicatif_B,
        Rapport_B,
        Bande,
        Mode,
        Etat,
        Pays_A,
        Pays_B,
        Nouveau,
        Nombre_Colonnes
    };

    explicit Modele_QSO_Entendus(const Assemblage_QSO& assemblage, QObject* parent = nullptr);
    Q_DISABLE_COPY_MOVE(Modele_QSO_Entendus)

    // Takes what the assembly changed since the last call; the most valuable mark of the QSOs
    // it changed.
    Nouveaute Met_A_Jour(Assemblage_QSO& assemblage);
    // What marks a station on a band (Liste_Bandes() index) in a mode group; every QSO marked
    // again (the log changed).
    using Marqueur = std::function<Marque_Nouveaute(const QString& indicatif, int bande, int groupe)>;
    void Fixe_Marqueur(Marqueur marqueur);
    void Remarque();
    // The country and continent of a callsign, in French ("Allemagne  EU").
    void Fixe_Pays(std::function<QString(const QString& indicatif)> pays);
    // The log as it is now: which QSOs it holds already.
    void Fixe_Journal(QSet<Cle_Doublon> cles);
    bool Au_Journal(const QSO_Entendu& qso) const;

    const QSO_Entendu* QSO_Affiche(int rangee) const;
    int Nombre_Complets() const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

private:
    std::function<QString(const QString&)> pays_;
    struct Marque_QSO {
        Nouveaute sorte = Nouveaute::Rien;
        QString texte;
    };
    const Marque_QSO& Marque_De(quint64 numero, const QSO_Entendu& qso) const;

    const Assemblage_QSO& assemblage_;
    Marqueur marqueur_;
    mutable QHash<quint64, Marque_QSO> marques_; // by QSO number, made when first shown
    quint64 premier_ = 0;                        // the QSOs shown: numbers premier_ to fin_ - 1
    quint64 fin_ = 0;
    QSet<Cle_Doublon> cles_;
};

} // namespace swl
