#pragma once

// The clips kept with the QSOs: named from their QSO (date and time UTC, both callsigns, band),
// so that the log's lines stay as they are, in "Enregistrements/<station>/" under the program
// directory. An edit of the QSO renames its clip in the same step (its undo renames it back); a
// deletion leaves it, shown "sans QSO", and its undo ties it back by the name alone. Nothing of
// this ever deletes a clip.
#include "core/base/resultat.h"
#include "core/log/difference_journal.h"
#include "core/log/fichier_log.h"

#include <QDateTime>
#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

namespace swl {

// "2026-12-08_1432_F6ABC_G3XYZ_14Mhz" of a log line ("/" in a callsign written "-"); nothing
// for a line whose date or time cannot be read.
std::optional<QString> Nom_Clip(QByteArrayView ligne_log);
// "08/12/2026 14:32" (UTC) of a clip's base name.
QString Moment_Du_Clip(const QString& base);
// The folder of a station's clips: <program directory>/Enregistrements/<station>.
QString Dossier_Clips(const QString& repertoire, const QString& indicatif_station);
inline constexpr QStringView Extension_Clip = u".opus";

// A clip's base name from its file name: "…_14Mhz" of "…_14Mhz.opus" and of the second clip of
// the same QSO "…_14Mhz-2.opus"; empty for a file that is no clip.
QString Base_Clip(const QString& nom_fichier);
// The file names of a QSO's clips in the folder: "<base>.opus", then "<base>-2.opus"…
QStringList Fichiers_Clip(const QString& dossier, const QString& base);
// A new clip's file name: "<base>.opus", or the next "-N" when the QSO has one already (a clip
// is never written over another).
QString Nom_Nouveau_Clip(const QString& dossier, const QString& base);

// The renames of clips a change of the log asks: one QSO edited (one line taken out, one put
// in) whose name changes. Any other change (a QSO added or deleted, an import, another log)
// renames nothing.
struct Renommage_Clip {
    QString de; // base names
    QString vers;
};
QList<Renommage_Clip> Renommages_Clips(const Difference_Journal& d);
// Renames the files of each clip in the folder: never over a file that exists (that clip
// keeps its name, and the message says so). Empty when all went well or nothing was to do.
QString Applique_Renommages(const QString& dossier, const QList<Renommage_Clip>& renommages);

// A clip file of the folder and the QSO it belongs to (its number in the log, from 0), or -1.
struct Clip_Liste {
    QString fichier;
    QString base;
    int ligne = -1;
    qint64 octets = 0;
    QDateTime modifie;
};
// Every clip of the folder, newest QSO first; the log read once, each line's name made only
// when a clip has its date and time.
QList<Clip_Liste> Liste_Clips(const QString& dossier, const Lignes_Log& log);

// What the listener chose in "Station → Enregistrement…", kept in the common section.
struct Reglage_Enregistrement {
    bool actif = false;
    QString source; // the sound server's name of the source; empty: its default
    int avant_s = 60;
    // The SDR program's own recorder (GQRX, SDR++) started at the first character typed and
    // stopped at the save, its newest WAV in `dossier_sdr` kept as the QSO's clip.
    bool sdr = false;
    QString dossier_sdr;
    static constexpr int Avant_Maximum_S = 600;
    static constexpr int Clip_Maximum_S = 600; // a clip longer than this is cut to it
};
class Reglages;
Reglage_Enregistrement Lit_Reglage_Enregistrement(const Reglages& reglages);
void Ecrit_Reglage_Enregistrement(Reglages& reglages, const Reglage_Enregistrement& r);

} // namespace swl
