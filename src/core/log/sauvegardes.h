#pragma once

#include "core/base/resultat.h"
#include "core/log/trace_journal.h"

#include <QDate>
#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

namespace swl {

// Copies of a station's log, kept aside in the folder "Sauvegardes" of the program directory:
// one a day before its first change ("F1ABC_SWL_2026-12-07.log"), and one before every import
// or restore ("F1ABC_SWL_2026-12-07_153012_avant_import.log", "…_avant_restauration.log").
// The same bytes as the log, and its permissions. The log itself is never touched here.
class Sauvegardes final {
public:
    enum class Sorte { Quotidienne, Avant_Import, Avant_Restauration };
    struct Copie {
        QString nom;
        QDateTime moment; // local time of the copy (midnight for a day's copy)
        Sorte sorte = Sorte::Quotidienne;
    };

    Sauvegardes(QString repertoire, QString indicatif);

    static QString Nom_Dossier() { return QStringLiteral("Sauvegardes"); }
    const QString& Indicatif() const { return indicatif_; }
    QString Dossier() const;

    // The copy of that name when it is one of this station's, by the program's own pattern.
    std::optional<Copie> Lit_Nom(const QString& nom) const;
    // This station's copies, newest first.
    QList<Copie> Liste() const;

    // Today's copy, unless it was already made or there is no log: true when it was made.
    // On failure the message says why; the log is untouched either way.
    Resultat Copie_Du_Jour(const QDate& jour, bool* faite = nullptr) const;
    // The copy before an import or a restore, named after `moment`.
    Resultat Copie_Avant(Sorte sorte, const QDateTime& moment, QString* nom = nullptr) const;

    // The entries of a copy (its lines), or -1 when it cannot be read.
    int Nombre_QSO(const QString& nom) const;
    // Puts the copy `nom` in place of the log, in one atomic rewrite, after copying the log
    // aside (named after `moment`, in `copie_avant`). Refused, the log untouched, when the copy
    // cannot be read, would pass 99,999 entries, or the log cannot be copied aside first.
    // `trace` records the change, to take it back.
    Resultat Restaure(const QString& nom, const QDateTime& moment, Trace_Journal* trace = nullptr,
                      QString* copie_avant = nullptr) const;

    // Which of these file names are to go: of this station's copies, the program keeps the
    // last 14 day copies, the first copy of each of the 12 months up to `aujourdhui`, and
    // the last 10 copies before an import (and 10 before a restore). Other names stay.
    QStringList A_Supprimer(const QStringList& noms, const QDate& aujourdhui) const;

private:
    Resultat Ecrit_Copie(const QString& nom) const;
    // Removes what A_Supprimer names.
    void Fait_Le_Menage(const QDate& aujourdhui) const;

    QString repertoire_;
    QString indicatif_;
};

} // namespace swl
