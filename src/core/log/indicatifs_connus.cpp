#include "core/log/indicatifs_connus.h"

#include "core/base/texte_1252.h"
#include "core/log/colonnes_log.h"
#include "core/program/reglages.h"

#include <QFile>
#include <QFileInfo>
#include <QHash>

#include <algorithm>

namespace swl {

using namespace Qt::Literals::StringLiterals;

namespace {

// A callsign as the index keeps it, or nothing: 1 to 12 capitals, digits and "/".
std::optional<Indicatif_Court> Court(QByteArrayView v) {
    if (v.isEmpty() || v.size() > 12) {
        return std::nullopt;
    }
    Indicatif_Court c;
    for (qsizetype i = 0; i < v.size(); ++i) {
        char o = v[i];
        if (o >= 'a' && o <= 'z') {
            o = char(o - 32);
        }
        if (!((o >= 'A' && o <= 'Z') || (o >= '0' && o <= '9') || o == '/')) {
            return std::nullopt;
        }
        c.octets[std::size_t(i)] = o;
    }
    c.longueur = quint8(v.size());
    return c;
}

// One character changed, added or missing (never the same text).
bool A_Un_Caractere(QByteArrayView a, QByteArrayView b) {
    if (a.size() == b.size()) {
        int differences = 0;
        for (qsizetype i = 0; i < a.size() && differences < 2; ++i) {
            differences += a[i] != b[i] ? 1 : 0;
        }
        return differences == 1;
    }
    if (a.size() + 1 == b.size()) {
        std::swap(a, b);
    }
    if (a.size() != b.size() + 1) {
        return false;
    }
    qsizetype i = 0;
    while (i < b.size() && a[i] == b[i]) {
        ++i;
    }
    return a.sliced(i + 1) == b.sliced(i);
}

} // namespace

bool Liste_Indicatifs_Active(const Reglages& reglages) {
    return reglages.Lire_Reglage(Reglages::Section_Commune(), cle::Indicatifs_Connus, u"Oui"_s) != u"Non";
}

QString Chemin_Fichier_Indicatifs(const Reglages& reglages) {
    const QString chemin =
        reglages.Lire_Reglage(Reglages::Section_Commune(), cle::Fichier_Indicatifs, QString()).trimmed();
    return chemin.isEmpty() ? Chemin_Indicatifs_Debian : chemin;
}

Fichier_Indicatifs Lit_Indicatifs(QByteArrayView contenu) {
    Fichier_Indicatifs f;
    if (contenu.contains('\0')) {
        f.erreur = u"ce n'est pas un fichier de texte (il contient des octets nuls)"_s;
        return f;
    }
    for (QByteArrayView ligne : Decoupe_Lignes(contenu)) {
        ligne = ligne.trimmed();
        if (ligne.isEmpty() || ligne.startsWith('#')) {
            continue;
        }
        if (const auto c = Court(ligne)) {
            f.indicatifs.push_back(*c);
        } else {
            ++f.ignorees;
        }
    }
    std::sort(f.indicatifs.begin(), f.indicatifs.end());
    f.indicatifs.erase(std::unique(f.indicatifs.begin(), f.indicatifs.end()), f.indicatifs.end());
    if (f.indicatifs.empty()) {
        f.erreur = u"le fichier ne contient aucun indicatif"_s;
    }
    return f;
}

Fichier_Indicatifs Lit_Fichier_Indicatifs(const QString& chemin) {
    Fichier_Indicatifs f;
    const QFileInfo info(chemin);
    QFile fichier(chemin);
    if (!info.isFile() || !fichier.open(QIODevice::ReadOnly)) {
        f.erreur = u"le fichier «\u00A0"_s + chemin + u"\u00A0» est introuvable ou illisible"_s;
        return f;
    }
    if (info.size() > Taille_Maximale_Fichier_Indicatifs) {
        f.erreur = u"le fichier «\u00A0"_s + chemin + u"\u00A0» fait "_s +
                   Nombre_Francais(info.size() / (1024 * 1024)) +
                   u"\u00A0Mo, bien plus qu'un fichier d'indicatifs (8\u00A0Mo au plus)"_s;
        return f;
    }
    f = Lit_Indicatifs(fichier.read(Taille_Maximale_Fichier_Indicatifs));
    if (!f.erreur.isEmpty()) {
        f.erreur = u"le fichier «\u00A0"_s + chemin + u"\u00A0» ne peut pas servir\u00A0: "_s + f.erreur;
    }
    return f;
}

Index_Indicatifs Index_Indicatifs::Construit(const Lignes_Log& log, QByteArrayView annuaire,
                                             std::shared_ptr<const Fichier_Indicatifs> fichier) {
    Index_Indicatifs index;
    index.fichier_ = std::move(fichier);
    QHash<Cle_Indicatif, Entree> vus;
    // A department given at a later QSO wins.
    QHash<Cle_Indicatif, qint64> moment_departement;
    for (int i = 0; i < log.Nombre(); ++i) {
        const QByteArrayView l = log.Octets(i);
        const qint64 moment = Moment_QSO(l).value_or(0);
        const QByteArrayView date = Colonne_Log(l, 48, 8);
        for (const auto& [colonne, colonne_dpt] : {std::pair{1, 27}, std::pair{14, 29}}) {
            const auto c = Court(Colonne_Log(l, colonne, 12));
            if (!c) {
                continue;
            }
            const Cle_Indicatif cle(c->Vue());
            Entree& e = vus[cle];
            e.indicatif = *c;
            ++e.qso;
            if (e.qso == 1 || moment >= e.dernier) {
                e.dernier = moment;
                std::fill(e.date.begin(), e.date.end(), ' ');
                std::copy_n(date.begin(), std::min<qsizetype>(date.size(), 8), e.date.begin());
            }
            const QByteArrayView dpt = Colonne_Log(l, colonne_dpt, 2);
            if (!dpt.isEmpty() && moment >= moment_departement.value(cle, -1)) {
                moment_departement.insert(cle, moment);
                e.departement = {dpt[0], dpt.size() > 1 ? dpt[1] : ' '};
            }
        }
    }
    index.journal_.reserve(std::size_t(vus.size()));
    for (const Entree& e : std::as_const(vus)) {
        index.journal_.push_back(e);
        index.connus_.push_back(e.indicatif);
    }
    std::sort(index.journal_.begin(), index.journal_.end(), [](const Entree& a, const Entree& b) {
        return a.qso != b.qso ? a.qso > b.qso : a.indicatif < b.indicatif;
    });
    // The directory: callsign padded to 12, a space, the department; its last record counts.
    QHash<Cle_Indicatif, Entree> repertoire;
    for (const QByteArrayView l : Decoupe_Lignes(annuaire)) {
        const auto c = Court(Colonne_Log(l, 1, 12));
        if (!c || vus.contains(Cle_Indicatif(c->Vue()))) {
            continue;
        }
        Entree e;
        e.indicatif = *c;
        const QByteArrayView dpt = Colonne_Log(l, 14, 2);
        e.departement = {dpt.isEmpty() ? ' ' : dpt[0], dpt.size() > 1 ? dpt[1] : ' '};
        repertoire.insert(Cle_Indicatif(c->Vue()), e);
    }
    for (const Entree& e : std::as_const(repertoire)) {
        index.annuaire_.push_back(e);
        index.connus_.push_back(e.indicatif);
    }
    std::sort(index.annuaire_.begin(), index.annuaire_.end(),
              [](const Entree& a, const Entree& b) { return a.indicatif < b.indicatif; });
    std::sort(index.connus_.begin(), index.connus_.end());
    return index;
}

QList<Index_Indicatifs::Proposition> Index_Indicatifs::Cherche(QStringView texte, int limite) const {
    QList<Proposition> r;
    std::array<char, 12> tape{};
    const QStringView t = texte.trimmed();
    if (t.isEmpty() || t.size() > 12 || limite <= 0) {
        return r;
    }
    for (qsizetype i = 0; i < t.size(); ++i) {
        const char16_t c = t[i].unicode();
        tape[std::size_t(i)] = c >= u'a' && c <= u'z' ? char(c - 32) : c < 0x80 ? char(c) : '?';
    }
    const QByteArrayView cherche(tape.data(), t.size());
    for (const bool proche : {false, true}) {
        const auto convient = [&](const Indicatif_Court& c) {
            return proche ? A_Un_Caractere(c.Vue(), cherche) : c.Vue().contains(cherche);
        };
        const auto ajoute = [&](const Entree& e, Source source) {
            Proposition p;
            p.indicatif = QString::fromLatin1(e.indicatif.Vue());
            p.source = source;
            p.qso = e.qso;
            p.dernier = QString::fromLatin1(e.date.data(), 8).trimmed();
            p.departement = QString::fromLatin1(e.departement.data(), 2).trimmed();
            p.proche = proche;
            r.append(p);
        };
        for (const Entree& e : journal_) {
            if (r.size() < limite && convient(e.indicatif)) {
                ajoute(e, Source::Journal);
            }
        }
        for (const Entree& e : annuaire_) {
            if (r.size() < limite && convient(e.indicatif)) {
                ajoute(e, Source::Annuaire);
            }
        }
        if (fichier_) {
            for (const Indicatif_Court& c : fichier_->indicatifs) {
                if (r.size() >= limite) {
                    break;
                }
                if (convient(c) && !std::binary_search(connus_.begin(), connus_.end(), c)) {
                    Entree e;
                    e.indicatif = c;
                    std::fill(e.date.begin(), e.date.end(), ' ');
                    e.departement = {' ', ' '};
                    ajoute(e, Source::Fichier);
                }
            }
        }
        if (!r.isEmpty()) {
            break;
        }
    }
    return r;
}

QString Texte_Proposition(const Index_Indicatifs::Proposition& p) {
    QString t = p.indicatif;
    switch (p.source) {
    case Index_Indicatifs::Source::Journal:
        t += u", "_s + Nombre_Francais(p.qso) + u" QSO, dernier le "_s + p.dernier;
        break;
    case Index_Indicatifs::Source::Annuaire:
        t += u", répertoire des prénoms"_s;
        break;
    case Index_Indicatifs::Source::Fichier:
        t += u", fichier des indicatifs"_s;
        break;
    }
    if (!p.departement.isEmpty()) {
        t += u", département "_s + p.departement.toUpper();
    }
    if (p.proche) {
        t += u", à un caractère près"_s;
    }
    return t;
}

} // namespace swl
