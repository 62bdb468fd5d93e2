#pragma once

// Where each report stands, kept beside the log in a text file of the station's own
// (F1ABC_Rapports.txt): one row a QSO and heard station, keyed by the QSO (date, time, both
// callsigns, band, mode) so that the log's lines stay as they are. Windows-1252, CR LF, a header
// row naming its columns, written through a temporary file renamed over it. A row whose QSO was
// edited follows it; one whose QSO was deleted stays (shown "QSO supprimé"); a damaged row is
// kept as it stands and named, never dropped.
#include "core/base/resultat.h"
#include "core/log/difference_journal.h"
#include "core/log/fichier_log.h"

#include <QDate>
#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

#include <functional>

namespace swl {

struct Etat_Rapport {
    QDate envoye;
    QString voie;   // "bureau", "direct", "eQSL", "e-mail"
    QDate recu;     // the QSL received
    QString source; // "QSL", "eQSL", "LoTW"
};

// "envoyé le 08/12/2026 (eQSL), QSL reçue le 02/02/2027 (QSL)": a QSO's row; empty for none.
QString Texte_Etat_Rapport(const Etat_Rapport* e);

class Magasin_Rapports final {
public:
    Magasin_Rapports(QString repertoire, QString indicatif);
    static QString Nom_Fichier(const QString& indicatif); // "F1ABC_Rapports.txt"
    static const QString Entete;

    // Reads the file (missing: an empty store). A file that cannot be read leaves the store
    // empty and refuses every change, so that it is never written over.
    Resultat Charge();
    // The key of a log line for one of its stations: "08/12/26|14:32|F6ABC|G3XYZ|14 Mhz|SSB|F6ABC".
    static QString Cle(QByteArrayView ligne_log, QStringView station);

    const Etat_Rapport* Etat(const QString& cle) const;
    // Every row kept: its key and state, in the file's order.
    QList<std::pair<QString, Etat_Rapport>> Rangees() const;
    // Damaged rows, as the file holds them.
    const QStringList& Abimees() const { return abimees_; }

    Resultat Marque_Envoye(const QStringList& cles, const QDate& date, const QString& voie);
    Resultat Marque_Recu(const QStringList& cles, const QDate& date, const QString& source);
    // Many QSL received at once (a file of confirmations), each with its own date and source:
    // one writing, whole or not at all.
    struct Reception {
        QString cle;
        QDate date;
        QString source;
    };
    Resultat Marque_Recus(const QList<Reception>& receptions);
    // The rows of a QSO edited (one line out, one in) follow it; written when any changed.
    Resultat Suit(const Difference_Journal& d);

    // The line of the log each kept row's QSO stands on; a row of no line is a QSO deleted.
    QHash<QString, int> Lignes_Du_Journal(const Lignes_Log& log) const;

private:
    struct Rangee {
        QString cle;
        Etat_Rapport etat;
    };
    Resultat Ecrit();
    // The state of the row of `cle`, made when missing.
    Etat_Rapport& Etat_De(const QString& cle);
    // Each row of `cles` (made when missing) changed by `change`, then the file written.
    Resultat Change(const QStringList& cles, const std::function<void(Etat_Rapport&)>& change);

    QString repertoire_;
    QString indicatif_;
    QList<Rangee> rangees_;
    QHash<QString, qsizetype> index_;
    QStringList abimees_;
    QString erreur_; // why the file could not be read: no change is written then
};

// Where a station's report stands, from the rows of its QSOs that are still in the log: "QSL
// reçue le 02/02/2027", "envoyé le 08/12/2026 (eQSL)", "à envoyer". A QSL counts only while
// the QSO's own QSL box is ticked (an undone confirmation undoes it too).
struct Avancement_Station {
    QDate envoye;
    QString voie;
    QDate recu;
    QString Texte() const;
};
QHash<QString, Avancement_Station> Avancements(const Magasin_Rapports& m, const Lignes_Log& log,
                                               const QHash<QString, int>& lignes);

} // namespace swl
