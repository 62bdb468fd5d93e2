#include "core/log/liste_prenom.h"

#include "core/base/fichier_texte.h"
#include "core/base/texte_1252.h"
#include "core/log/fichier_log.h"

#include <QDir>

namespace swl {

using namespace Qt::Literals::StringLiterals;

namespace {

// The callsign of a record: its first 12 columns, spaces removed. A record written by hand may
// be shorter.
QByteArrayView Indicatif_De(QByteArrayView ligne) {
    return ligne.first(qMin<qsizetype>(12, ligne.size())).trimmed();
}

} // namespace

Liste_Prenom::Liste_Prenom(QString repertoire) : repertoire_(std::move(repertoire)) {}

QString Liste_Prenom::Enregistrement(const QString& indicatif, const QString& departement,
                                     const QString& prenom) {
    return indicatif.leftJustified(12) + u' ' + departement.leftJustified(2) + u' ' + Majuscules_1252(prenom);
}

std::optional<Liste_Prenom::Fiche> Liste_Prenom::Cherche(const QString& indicatif) const {
    const Lecture_Fichier l = Lit_Fichier(QDir(repertoire_).filePath(Nom_Liste_Prenom));
    if (l.erreur != Lecture_Reussie || Premier_Caractere_Interdit(indicatif) >= 0) {
        return std::nullopt;
    }
    const QByteArray cle = Encode_1252(indicatif);
    std::optional<QByteArrayView> trouvee;
    for (const QByteArrayView& ligne : Decoupe_Lignes(l.contenu)) {
        if (Indicatif_De(ligne) == cle) {
            trouvee = ligne;
        }
    }
    if (!trouvee) {
        return std::nullopt;
    }
    const QByteArrayView ligne = *trouvee;
    const QByteArrayView departement =
        ligne.size() > 13 ? ligne.sliced(13, qMin<qsizetype>(2, ligne.size() - 13)) : QByteArrayView();
    const QByteArrayView prenom = ligne.size() > 16 ? ligne.sliced(16) : QByteArrayView();
    return Fiche{Decode_1252(departement).trimmed(), Majuscules_1252(Decode_1252(prenom))};
}

Resultat Liste_Prenom::Maj_Liste_Prenom(const QString& enregistrement) const {
    const qsizetype interdit = Premier_Caractere_Interdit(enregistrement);
    if (interdit >= 0) {
        return Resultat::Echec(Message_Caractere_Interdit(enregistrement, interdit));
    }
    Lecture_Fichier l = Lit_Fichier(QDir(repertoire_).filePath(Nom_Liste_Prenom));
    if (l.erreur == Fichier_Introuvable) {
        l = {};
    } else if (l.erreur != Lecture_Reussie) {
        return Resultat::Echec(u"Impossible de lire la liste des prénoms «\u00A0"_s + Nom_Liste_Prenom +
                               u"\u00A0» (Erreur N° "_s + QString::number(l.erreur) + u")."_s);
    }
    const QByteArray nouvel = Encode_1252(enregistrement);
    const QByteArrayView cle = Indicatif_De(nouvel);
    QList<QByteArrayView> lignes;
    bool trouve = false;
    // One record per callsign: the new one in place of the first, the others dropped.
    for (const QByteArrayView& ligne : Decoupe_Lignes(l.contenu)) {
        if (Indicatif_De(ligne) != cle) {
            lignes.append(ligne);
        } else if (!trouve) {
            lignes.append(nouvel);
            trouve = true;
        }
    }
    if (!trouve) {
        lignes.append(nouvel);
    }
    return Ecrit_Fichier_Atomique(repertoire_, Nom_Temporaire, Nom_Liste_Prenom, Joint_Lignes(lignes));
}

} // namespace swl
