#pragma once

#include "core/base/resultat.h"

#include <QByteArray>
#include <QString>

namespace swl {

// Error numbers the user sees for a file that cannot be read.
enum Erreur_Lecture : int {
    Lecture_Reussie = 0,
    Fichier_Introuvable = 53,
    Acces_Refuse = 70,
    Erreur_Acces = 75,
};

struct Lecture_Fichier {
    QByteArray contenu;
    int erreur = Lecture_Reussie;
};

// What a failed write's message ends with.
inline const QString Phrase_Rien_Modifie = QStringLiteral("\r\nRien n'a été modifié.");

// Reads a whole file.
Lecture_Fichier Lit_Fichier(const QString& chemin);

// Replaces `dossier`/`nom` by `octets` at once: writes `temporaire` beside the real file (a
// link is followed, and stays a link), flushes it to the disk with the old file's permissions,
// renames it over the file and flushes the folder, so the name holds either the whole old or
// the whole new contents, even after a power cut. A file with no write permission is refused.
// On failure the file is untouched and the temporary removed.
Resultat Ecrit_Fichier_Atomique(const QString& dossier, const QString& temporaire, const QString& nom,
                                const QByteArray& octets);

// Appends `octets` to the file (created when missing), after a CR LF when its last line has
// none. On failure the file is cut back to its former length, byte for byte; the message says
// so when even that failed.
Resultat Ajoute_Au_Fichier(const QString& chemin, const QByteArray& octets);

// Why a system call failed (its errno), in French, or `sinon` for an error without words of
// its own.
QString Raison_Systeme(int erreur, const QString& sinon);

// "le fichier « X »: raison" in French, for a failure reported by QFile.
QString Motif_Echec(const QString& nom, int erreur_qfile);

} // namespace swl
