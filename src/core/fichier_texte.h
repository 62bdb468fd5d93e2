#pragma once

#include "resultat.h"

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

// Reads a whole file.
Lecture_Fichier Lit_Fichier(const QString& chemin);

// Replaces `dossier`/`nom` by `octets` at once: writes `dossier`/`temporaire`, flushes it to
// the disk and renames it over the file, so the name holds either the whole old or the whole
// new contents. On failure the file is untouched and the temporary removed.
Resultat Ecrit_Fichier_Atomique(const QString& dossier, const QString& temporaire, const QString& nom,
                                const QByteArray& octets);

// Appends `octets` to the file (created when missing), after a CR LF when its last line has
// none. On failure the file is cut back to its former length.
Resultat Ajoute_Au_Fichier(const QString& chemin, const QByteArray& octets);

// "le fichier « X »: raison" in French, for a failure reported by QFile.
QString Motif_Echec(const QString& nom, int erreur_qfile);

} // namespace swl
