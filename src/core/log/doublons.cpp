#include "core/log/doublons.h"

#include "core/base/fichier_texte.h"

#include <algorithm>

namespace swl {

using namespace Qt::Literals::StringLiterals;

Cle_Doublon::Cle_Doublon(QByteArrayView ligne) {
    const QByteArrayView a = ligne.first(qMin<qsizetype>(ligne.size(), 25));
    const QByteArrayView b =
        ligne.size() > 47 ? ligne.sliced(47, qMin<qsizetype>(ligne.size() - 47, 26)) : QByteArrayView();
    std::copy(a.begin(), a.end(), octets.begin());
    std::copy(b.begin(), b.end(), octets.begin() + 25);
    debut = static_cast<quint8>(a.size());
    fin = static_cast<quint8>(b.size());
}

QSet<Cle_Doublon> Cles_Doublons(const Lignes_Log& lignes, qsizetype reserve) {
    QSet<Cle_Doublon> cles;
    cles.reserve(lignes.Nombre() + reserve);
    for (int i = 0; i < lignes.Nombre(); ++i) {
        cles.insert(Cle_Doublon(lignes.Octets(i)));
    }
    return cles;
}

std::optional<Resultat> Log_Illisible(const Fichier_Log::Lecture& lecture, const QString& fait) {
    if (lecture.erreur == Lecture_Reussie && lecture.message.isEmpty()) {
        return std::nullopt;
    }
    return Resultat::Echec(!lecture.message.isEmpty() ? lecture.message
                                                      : u"Le journal ne peut pas être lu (Erreur N° "_s +
                                                            QString::number(lecture.erreur) +
                                                            u")\u00A0: rien n'a été "_s + fait + u'.');
}

Bilan_Ajout Ajoute_Sans_Doublon(const Fichier_Log& log, const QList<QByteArray>& lignes) {
    Bilan_Ajout b;
    const Fichier_Log::Lecture existant = log.Lit_Log();
    if (const auto echec = Log_Illisible(existant, u"ajouté"_s)) {
        b.ecriture = *echec;
        return b;
    }
    QSet<Cle_Doublon> connus = Cles_Doublons(existant.lignes, lignes.size());
    QList<QByteArray> nouvelles;
    for (const QByteArray& l : lignes) {
        const Cle_Doublon cle(l);
        if (connus.contains(cle)) {
            ++b.deja_la;
            continue;
        }
        connus.insert(cle);
        nouvelles.append(l);
    }
    if (!nouvelles.isEmpty()) {
        b.ecriture = log.Fusionne_QSO_Log(existant.lignes, nouvelles, &b.trace);
        if (b.ecriture) {
            b.ajoutes = static_cast<int>(nouvelles.size());
        }
    }
    return b;
}

} // namespace swl
