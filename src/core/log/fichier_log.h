#pragma once

#include "core/base/resultat.h"
#include "core/log/trace_journal.h"

#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

namespace swl {

// The lines of a log as read from its file. List lines are formed when asked for, so that
// loading a long log costs little more than reading it.
class Lignes_Log final {
public:
    Lignes_Log() = default;
    explicit Lignes_Log(QByteArray contenu);

    int Nombre() const { return static_cast<int>(lignes_.size()); }
    // The log line at `index` (from 0).
    QString Ligne_Log(int index) const;
    // Its list line, numbered index + 1.
    QString Ligne_Liste(int index) const;
    // Its bytes as the file holds them.
    QByteArrayView Octets(int index) const { return lignes_[index]; }
    // The whole file these lines were read from.
    const QByteArray& Octets_Fichier() const { return contenu_; }

private:
    QByteArray contenu_;
    QList<QByteArrayView> lignes_; // views into contenu_
};

// The lines of a log that a report (the awards, the statistics) cannot read: how many, and the
// first ones, to be named to the user.
struct Illisibles_Journal {
    static constexpr int Nombre_Nommees = 3;
    int nombre = 0;
    QList<int> premieres; // indices in the log
    void Ajoute(int index) {
        if (++nombre <= Nombre_Nommees) {
            premieres.append(index);
        }
    }
};
// "1 ligne illisible (date, heure ou bande), jamais comptée : QSO 37 « F5ABC … »", the first
// three named by their number in the list and their text; nothing when every line reads.
QString Texte_Illisibles(const Illisibles_Journal& illisibles, const Lignes_Log& log);

// The log of one station: callsign + "_SWL.log" in the program directory, one 114-column
// line per QSO, in date-and-time order as the user built it. Every change rewrites the file
// at once; the caller then reloads its list from the file.
class Fichier_Log final {
public:
    Fichier_Log(QString repertoire, QString indicatif);

    static QString Nom_Log(const QString& indicatif);
    QString Chemin() const;

    struct Lecture {
        Lignes_Log lignes;
        int erreur = 0;  // 0, or the error number of a file that could not be read
        QString message; // set when the log is too long to be numbered
    };
    // The whole log. A log of more than 99,999 lines gives a message and no lines; the file
    // is never touched.
    Lecture Lit_Log() const;

    // A new log from the template "FXXXX.txt", replacing any log of that name. A missing
    // template is made again (it is empty by design).
    Resultat Cree_Log() const;
    // Each change below, when it succeeds and `trace` is given, records there what it did to
    // the file, so that Rejoue can take it back and make it again.

    // Appends the line at the end of the log.
    Resultat Ajoute_QSO_Log(const QString& ligne, Trace_Journal* trace = nullptr) const;
    // Puts the line before the first line of the same or a later date and time.
    Resultat Insere_QSO_Log(const QString& ligne, Trace_Journal* trace = nullptr) const;
    // Writes `nouvelle` over the line numbered `numero` (from 1) when it still reads
    // `ancienne` or still shows as `ligne_liste`, else over the first line reading `ancienne`,
    // else at the end.
    Resultat Remplace_QSO_Log(const QString& nouvelle, const QString& ancienne, int numero,
                              const QString& ligne_liste = {}, Trace_Journal* trace = nullptr) const;
    // Puts many lines into the log at once, each where the ordered insertion would put it
    // (before the first line of the same or a later date and time; lines of the same moment
    // keep their order), in one rewrite. `actuelles`: the log as just read by Lit_Log.
    // Refused, the log untouched, when the log would pass 99,999 lines or a damaged line
    // stands before an insertion point. `avant_ecriture` runs once the merge will write, just
    // before (the copies of the log made then, never for a merge refused).
    Resultat Fusionne_QSO_Log(const Lignes_Log& actuelles, const QList<QByteArray>& nouvelles,
                              Trace_Journal* trace = nullptr,
                              const std::function<void()>& avant_ecriture = {}) const;
    // Ticks the QSL box (column 114) of the lines numbered `lignes` (from 0) of `actuelles`, the
    // log as just read, in one rewrite; lines already ticked are left as they are.
    // `avant_ecriture` runs just before it writes (never when nothing is to be written).
    Resultat Marque_QSL_Log(const Lignes_Log& actuelles, const QList<int>& lignes,
                            Trace_Journal* trace = nullptr,
                            const std::function<void()>& avant_ecriture = {}) const;
    // Removes the line numbered `numero` when it reads `ligne` or still shows as `ligne_liste`,
    // else the first line that reads `ligne`. A message when no line is removed.
    Resultat Supprime_QSO_Log(const QString& ligne, int numero, const QString& ligne_liste = {},
                              Trace_Journal* trace = nullptr) const;
    // Puts the log back as it was before the change `trace` records (`refait`: as the change
    // left it), in one atomic rewrite. Refused, the log untouched, when the file is not what
    // the change left (or found): then `change_ailleurs` is set. A log that would pass 99,999
    // lines is refused as the changes refuse it.
    Resultat Rejoue(const Trace_Journal& trace, bool refait, bool* change_ailleurs = nullptr) const;

private:
    // Writes the log and, when asked, the trace of the change from `avant` to `apres`.
    Resultat Ecrit_Avec_Trace(const QString& temporaire, const QByteArray& avant, const QByteArray& apres,
                              Trace_Journal* trace, int ligne_avant, int ligne_apres) const;

    QString repertoire_;
    QString indicatif_;
};

inline const QString Nom_Modele_Log = QStringLiteral("FXXXX.txt");
inline const QString Nom_Temporaire = QStringLiteral("Temporaire.txt");
inline const QString Nom_Temporaire_Insertion = QStringLiteral("Temporaire6.txt");
inline const QString Nom_Liste_Prenom = QStringLiteral("Liste_Prenom.txt");

// The order of a log line's date (columns 48-55, the year widened: 50-99 to 19xx, 00-49 to
// 20xx) and time (columns 57-61), as the ordered insertion and the merge read them: the number
// AAAAMMJJHHMM (an order, not a count of minutes); nothing when they cannot be read.
std::optional<qint64> Moment_QSO(QByteArrayView ligne);

// Creates the program directory when missing and seeds it with an empty template
// "FXXXX.txt" and an empty first-name directory "Liste_Prenom.txt".
Resultat Prepare_Repertoire_Programme(const QString& repertoire);

} // namespace swl
