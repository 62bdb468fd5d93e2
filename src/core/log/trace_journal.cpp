#include "core/log/trace_journal.h"

#include "core/base/texte_1252.h"

#include <QHashFunctions>

#include <algorithm>

namespace swl {

using namespace Qt::Literals::StringLiterals;

QString Nom_Etape(Sorte_Etape sorte, int numero, QStringView indicatif) {
    static const QString debuts[] = {u"l'enregistrement"_s, u"la modification"_s, u"l'insertion"_s,
                                     u"la suppression"_s};
    const QStringView a = indicatif.trimmed();
    return debuts[static_cast<int>(sorte)] + u" du QSO "_s + QString::number(numero) +
           (a.isEmpty() ? QString() : u" ("_s + a + u')');
}

QString Nom_Etape_Import(int nombre) {
    return u"l'import de "_s + Nombre_Francais(nombre) + u" QSO"_s;
}

QString Nom_Etape_Confirmations(int nombre) {
    return u"la confirmation de "_s + Nombre_Francais(nombre) + u" QSO"_s;
}

QString Nom_Etape_QSO_Entendus(int nombre) {
    return u"l'enregistrement de "_s + Nombre_Francais(nombre) + u" QSO entendus en FT8/FT4"_s;
}

Empreinte Empreinte_De(QByteArrayView octets) {
    // A fixed seed: the same bytes give the same hash in every run.
    return {octets.size(), qHashBits(octets.data(), static_cast<size_t>(octets.size()), 0x5157'4C53u)};
}

Trace_Journal Trace_Journal::Entre(QByteArrayView avant, QByteArrayView apres) {
    Trace_Journal t;
    t.empreinte_avant_ = Empreinte_De(avant);
    t.empreinte_apres_ = Empreinte_De(apres);
    const qsizetype commun = qMin(avant.size(), apres.size());
    const qsizetype debut =
        std::mismatch(avant.begin(), avant.begin() + commun, apres.begin()).first - avant.begin();
    qsizetype fin = 0;
    while (fin < commun - debut && avant[avant.size() - 1 - fin] == apres[apres.size() - 1 - fin]) {
        ++fin;
    }
    const qsizetype taille_avant = avant.size() - debut - fin;
    const qsizetype taille_apres = apres.size() - debut - fin;
    if (taille_avant > 0 || taille_apres > 0) {
        t.morceaux_.append({debut, debut, taille_avant, taille_apres, 0, 0});
        t.retires_ = avant.sliced(debut, taille_avant).toByteArray();
        t.ajoutes_ = apres.sliced(debut, taille_apres).toByteArray();
    }
    return t;
}

Trace_Journal Trace_Journal::Insertions(QByteArrayView avant, QByteArrayView apres,
                                        const QList<int>& ajoutees) {
    Trace_Journal t;
    t.empreinte_avant_ = Empreinte_De(avant);
    t.empreinte_apres_ = Empreinte_De(apres);
    qsizetype position = 0; // start of the current line in `apres`
    qsizetype decalage = 0; // bytes added before it
    int ligne = 0;
    qsizetype k = 0;
    while (k < ajoutees.size() && position < apres.size()) {
        // Up to the next added line.
        while (ligne < ajoutees[k] && position < apres.size()) {
            const qsizetype fin = apres.indexOf('\n', position);
            position = fin < 0 ? apres.size() : fin + 1;
            ++ligne;
        }
        // The run of added lines from there.
        const qsizetype debut = position;
        while (k < ajoutees.size() && ajoutees[k] == ligne && position < apres.size()) {
            const qsizetype fin = apres.indexOf('\n', position);
            position = fin < 0 ? apres.size() : fin + 1;
            ++ligne;
            ++k;
        }
        if (position > debut) {
            t.morceaux_.append({debut - decalage, debut, 0, position - debut, 0, t.ajoutes_.size()});
            t.ajoutes_.append(apres.sliced(debut, position - debut));
            decalage += position - debut;
        }
    }
    // Exact only when the other lines are those of `avant`, byte for byte.
    const std::optional<QByteArray> refait = t.Defait(apres);
    if (k < ajoutees.size() || !refait || *refait != avant) {
        return Entre(avant, apres);
    }
    return t;
}

Trace_Journal Trace_Journal::Octets_Changes(QByteArrayView avant, QByteArrayView apres,
                                            const QList<qsizetype>& positions) {
    if (avant.size() != apres.size()) {
        return Entre(avant, apres);
    }
    Trace_Journal t;
    t.empreinte_avant_ = Empreinte_De(avant);
    t.empreinte_apres_ = Empreinte_De(apres);
    qsizetype derniere = -1;
    for (const qsizetype p : positions) {
        if (p <= derniere || p >= avant.size()) {
            return Entre(avant, apres);
        }
        derniere = p;
        t.morceaux_.append({p, p, 1, 1, t.retires_.size(), t.ajoutes_.size()});
        t.retires_.append(avant[p]);
        t.ajoutes_.append(apres[p]);
    }
    // Exact only when no other byte differs.
    const std::optional<QByteArray> refait = t.Defait(apres);
    return refait && *refait == avant ? t : Entre(avant, apres);
}

std::optional<QByteArray> Trace_Journal::Reconstruit(QByteArrayView source, bool sens_avant) const {
    if (Empreinte_De(source) != (sens_avant ? empreinte_apres_ : empreinte_avant_)) {
        return std::nullopt;
    }
    QByteArray r;
    r.reserve(sens_avant ? empreinte_avant_.taille : empreinte_apres_.taille);
    qsizetype lu = 0;
    for (const Morceau& m : morceaux_) {
        const qsizetype position = sens_avant ? m.position_apres : m.position_avant;
        const qsizetype taille_source = sens_avant ? m.taille_apres : m.taille_avant;
        if (position < lu || position + taille_source > source.size()) {
            return std::nullopt;
        }
        r.append(source.sliced(lu, position - lu));
        r.append(sens_avant ? QByteArrayView(retires_).sliced(m.debut_avant, m.taille_avant)
                            : QByteArrayView(ajoutes_).sliced(m.debut_apres, m.taille_apres));
        lu = position + taille_source;
    }
    r.append(source.sliced(lu));
    if (Empreinte_De(r) != (sens_avant ? empreinte_avant_ : empreinte_apres_)) {
        return std::nullopt;
    }
    return r;
}

std::optional<QByteArray> Trace_Journal::Defait(QByteArrayView apres) const {
    return Reconstruit(apres, true);
}

std::optional<QByteArray> Trace_Journal::Refait(QByteArrayView avant) const {
    return Reconstruit(avant, false);
}

qsizetype Trace_Journal::Memoire() const {
    return sizeof(Trace_Journal) + morceaux_.size() * qsizetype(sizeof(Morceau)) + retires_.size() +
           ajoutes_.size();
}

} // namespace swl
