#include "core/countries/pays.h"

#include "core/base/fichier_texte.h"
#include "core/program/reglages.h"

#include <QFile>
#include <QFileInfo>

namespace swl {

using namespace Qt::Literals::StringLiterals;

namespace {

constexpr qsizetype Longueur_Ligne_Maximale = 4096;
constexpr qint64 Taille_Maximale = 16LL * 1024 * 1024;
constexpr int Longueur_Cle_Maximale = 10; // characters a packed prefix holds

// 1 to 37 for A-Z, 0-9 and "/"; 0 for any other character.
quint64 Code(QChar c) {
    const char16_t u = c.unicode();
    if (u >= u'A' && u <= u'Z') {
        return u - u'A' + 1;
    }
    if (u >= u'a' && u <= u'z') {
        return u - u'a' + 1;
    }
    if (u >= u'0' && u <= u'9') {
        return u - u'0' + 27;
    }
    return u == u'/' ? 37 : 0;
}

// A prefix of up to 10 characters as one number; nothing for a longer one or another character.
std::optional<quint64> Cle(QStringView prefixe) {
    if (prefixe.isEmpty() || prefixe.size() > Longueur_Cle_Maximale) {
        return std::nullopt;
    }
    quint64 k = 0;
    for (const QChar c : prefixe) {
        const quint64 code = Code(c);
        if (code == 0) {
            return std::nullopt;
        }
        k = k << 6 | code;
    }
    return k;
}

// The text between `ouvre` and `ferme` in an alias, taken out of it.
std::optional<QString> Extrait(QString& alias, QChar ouvre, QChar ferme) {
    const qsizetype debut = alias.indexOf(ouvre);
    if (debut < 0) {
        return std::nullopt;
    }
    const qsizetype fin = alias.indexOf(ferme, debut + 1);
    if (fin < 0) {
        return std::nullopt;
    }
    QString dedans = alias.mid(debut + 1, fin - debut - 1);
    alias.remove(debut, fin - debut + 1);
    return dedans;
}

bool Suffixe_Sans_Effet(QStringView s) {
    return s == u"P" || s == u"M" || s == u"QRP" || s == u"A" || s == u"LH" ||
           (s.size() == 1 && s[0].isDigit());
}

} // namespace

std::optional<Fichier_Pays> Fichier_Pays::Lit(QByteArrayView contenu, QString* erreur) {
    const auto refuse = [erreur](const QString& raison) -> std::optional<Fichier_Pays> {
        if (erreur) {
            *erreur = raison;
        }
        return std::nullopt;
    };
    Fichier_Pays f;
    qsizetype ligne = 0;
    qsizetype position = 0;
    bool dans_entite = false;
    qsizetype ligne_entite = 0;
    QList<std::pair<quint64, Alias>> primaires;
    while (position < contenu.size()) {
        qsizetype fin = contenu.indexOf('\n', position);
        if (fin < 0) {
            fin = contenu.size();
        }
        ++ligne;
        QByteArrayView octets = contenu.sliced(position, fin - position);
        position = fin + 1;
        if (octets.size() > Longueur_Ligne_Maximale) {
            return refuse(u"la ligne "_s + QString::number(ligne) + u" est trop longue ("_s +
                          QString::number(octets.size()) + u" caractères)"_s);
        }
        for (const char c : octets) {
            const auto u = static_cast<unsigned char>(c);
            if ((u < 0x20 && c != '\r' && c != '\t') || u >= 0x7f) {
                return refuse(u"la ligne "_s + QString::number(ligne) +
                              u" contient des octets qui ne sont pas du texte"_s);
            }
        }
        const QString texte = QString::fromLatin1(octets).trimmed();
        if (texte.isEmpty()) {
            continue;
        }
        if (!dans_entite) {
            // "Name: CQ: ITU: Cont: Lat: Lon: Offset: Prefix:"
            const QStringList champs = texte.split(u':');
            bool ok[6] = {};
            Entite_Pays e;
            if (champs.size() >= 8) {
                e.nom = champs[0].trimmed();
                e.zone_cq = champs[1].trimmed().toInt(&ok[0]);
                e.zone_itu = champs[2].trimmed().toInt(&ok[1]);
                e.continent = champs[3].trimmed();
                e.latitude = champs[4].trimmed().toDouble(&ok[2]);
                e.longitude = champs[5].trimmed().toDouble(&ok[3]);
                e.decalage_utc = champs[6].trimmed().toDouble(&ok[4]);
                e.prefixe = champs[7].trimmed();
                ok[5] = !e.nom.isEmpty() && !e.prefixe.isEmpty() && e.continent.size() == 2;
            }
            if (std::find(std::begin(ok), std::end(ok), false) != std::end(ok)) {
                return refuse(u"la ligne "_s + QString::number(ligne) +
                              u" n'est pas une ligne d'entité lisible"_s);
            }
            e.dxcc = Numero_DXCC(e.prefixe);
            e.nom_francais = Nom_Francais_Pays(e.prefixe);
            if (e.nom_francais.isEmpty()) {
                e.nom_francais = e.nom;
            }
            if (e.prefixe.startsWith(u'*')) {
                e.hors_dxcc = true;
                e.prefixe.remove(0, 1);
            }
            f.entites_.append(e);
            // The primary prefix stands for a callsign too ("R1FJ") when no prefix of the file
            // says otherwise.
            if (const auto cle = Cle(e.prefixe)) {
                Alias a;
                a.entite = static_cast<qint32>(f.entites_.size() - 1);
                primaires.append({*cle, a});
                f.longueur_prefixe_ = std::max(f.longueur_prefixe_, static_cast<int>(e.prefixe.size()));
            }
            dans_entite = true;
            ligne_entite = ligne;
            continue;
        }
        // The entity's prefixes and callsigns, up to its ";".
        const bool derniere = texte.endsWith(u';');
        const auto entite = static_cast<qint32>(f.entites_.size() - 1);
        for (const QStringView morceau : QStringView(texte).chopped(derniere ? 1 : 0).split(u',')) {
            QString alias = morceau.trimmed().toString();
            if (alias.isEmpty()) {
                continue;
            }
            Alias a;
            a.entite = entite;
            if (const auto cq = Extrait(alias, u'(', u')')) {
                a.zone_cq = static_cast<qint16>(cq->toInt());
            }
            if (const auto itu = Extrait(alias, u'[', u']')) {
                a.zone_itu = static_cast<qint16>(itu->toInt());
            }
            if (const auto position_alias = Extrait(alias, u'<', u'>')) {
                const QStringList ll = position_alias->split(u'/');
                a.a_position = ll.size() == 2;
                a.latitude = a.a_position ? ll[0].toFloat() : 0;
                a.longitude = a.a_position ? ll[1].toFloat() : 0;
            }
            if (const auto continent = Extrait(alias, u'{', u'}'); continent && continent->size() == 2) {
                a.continent[0] = continent->at(0).toLatin1();
                a.continent[1] = continent->at(1).toLatin1();
            }
            if (const auto decalage = Extrait(alias, u'~', u'~')) {
                a.a_decalage = true;
                a.decalage = decalage->toFloat();
            }
            if (alias.startsWith(u"=VER"_s) && alias.size() == 12) {
                f.version_ = QDate::fromString(alias.mid(4), u"yyyyMMdd"_s);
            }
            if (alias.startsWith(u'=')) {
                f.exacts_.insert(alias.mid(1).toUpper(), a);
            } else if (const auto cle = Cle(alias)) {
                f.prefixes_.insert(*cle, a);
                f.longueur_prefixe_ = std::max(f.longueur_prefixe_, static_cast<int>(alias.size()));
            }
        }
        dans_entite = !derniere;
    }
    for (const auto& [cle, a] : primaires) {
        if (!f.prefixes_.contains(cle)) {
            f.prefixes_.insert(cle, a);
        }
    }
    if (dans_entite) {
        return refuse(u"l'entité «\u00A0"_s + f.entites_.back().nom.left(60) + u"\u00A0» de la ligne "_s +
                      QString::number(ligne_entite) +
                      u" n'est pas terminée par «\u00A0;\u00A0» (fichier tronqué\u00A0?)"_s);
    }
    if (f.entites_.isEmpty()) {
        return refuse(u"le fichier ne contient aucune entité"_s);
    }
    return f;
}

qsizetype Fichier_Pays::Entite_DXCC(qsizetype index) const {
    const Entite_Pays& e = entites_[index];
    if (!e.hors_dxcc || e.dxcc == 0) {
        return index;
    }
    for (qsizetype i = 0; i < entites_.size(); ++i) {
        if (!entites_[i].hors_dxcc && entites_[i].dxcc == e.dxcc) {
            return i;
        }
    }
    return index;
}

const Entite_Pays* Fichier_Pays::Entite_De_Numero(int dxcc) const {
    for (const Entite_Pays& e : entites_) {
        if (!e.hors_dxcc && e.dxcc == dxcc) {
            return &e;
        }
    }
    return nullptr;
}

Pays_Indicatif Fichier_Pays::Resout(const Alias& a) const {
    const Entite_Pays& e = entites_[a.entite];
    Pays_Indicatif p;
    p.entite = a.entite;
    p.zone_cq = a.zone_cq >= 0 ? a.zone_cq : e.zone_cq;
    p.zone_itu = a.zone_itu >= 0 ? a.zone_itu : e.zone_itu;
    p.continent = a.continent[0] ? QString::fromLatin1(a.continent, 2) : e.continent;
    p.latitude = a.a_position ? a.latitude : e.latitude;
    p.longitude = a.a_position ? a.longitude : e.longitude;
    p.decalage_utc = a.a_decalage ? a.decalage : e.decalage_utc;
    return p;
}

std::optional<Pays_Indicatif> Fichier_Pays::Plus_Long_Prefixe(QStringView indicatif) const {
    // The packed key of each leading part, longest first.
    quint64 cles[Longueur_Cle_Maximale];
    const int n =
        static_cast<int>(std::min<qsizetype>({indicatif.size(), longueur_prefixe_, Longueur_Cle_Maximale}));
    quint64 k = 0;
    int longueur = 0;
    for (; longueur < n; ++longueur) {
        const quint64 code = Code(indicatif[longueur]);
        if (code == 0) {
            break;
        }
        k = k << 6 | code;
        cles[longueur] = k;
    }
    for (int i = longueur - 1; i >= 0; --i) {
        const auto a = prefixes_.constFind(cles[i]);
        if (a != prefixes_.cend()) {
            return Resout(*a);
        }
    }
    return std::nullopt;
}

std::optional<Pays_Indicatif> Fichier_Pays::Cherche(QStringView indicatif) const {
    indicatif = indicatif.trimmed();
    if (indicatif.isEmpty()) {
        return std::nullopt;
    }
    QString majuscules = indicatif.toString();
    if (std::any_of(majuscules.cbegin(), majuscules.cend(), [](QChar c) { return c.isLower(); })) {
        majuscules = std::move(majuscules).toUpper();
    }
    if (const auto a = exacts_.constFind(majuscules); a != exacts_.cend()) {
        return Resout(*a);
    }
    if (!majuscules.contains(u'/')) {
        return Plus_Long_Prefixe(majuscules);
    }
    QList<QStringView> parties = QStringView(majuscules).split(u'/', Qt::SkipEmptyParts);
    if (parties.isEmpty() || parties.back() == u"MM" || parties.back() == u"AM") {
        return std::nullopt;
    }
    while (parties.size() > 1 && Suffixe_Sans_Effet(parties.back())) {
        parties.removeLast();
    }
    if (parties.size() == 1) {
        if (const auto a = exacts_.constFind(parties[0].toString()); a != exacts_.cend()) {
            return Resout(*a);
        }
        return Plus_Long_Prefixe(parties[0]);
    }
    // "EA8/F5ABC", "DL1ABC/F": the shorter part is the prefix the station uses.
    const QStringView prefixe = parties[1].size() < parties[0].size() ? parties[1] : parties[0];
    return Plus_Long_Prefixe(prefixe);
}

Lecture_Pays Lit_Fichier_Pays(const QString& chemin) {
    Lecture_Pays l;
    const auto echec = [&](const QString& raison) {
        l.erreur = u"Le fichier des pays «\u00A0"_s + chemin + u"\u00A0» "_s + raison +
                   u"\u00A0: les pays des indicatifs ne sont pas connus."_s;
        return l;
    };
    const QFileInfo info(chemin);
    if (!info.exists()) {
        return echec(u"n'existe pas (paquet hamradio-files installé\u00A0?)"_s);
    }
    if (!info.isFile()) {
        return echec(u"n'est pas un fichier"_s);
    }
    if (info.size() > Taille_Maximale) {
        return echec(u"est trop grand pour être un fichier des pays"_s);
    }
    QFile f(chemin);
    if (!f.open(QIODevice::ReadOnly)) {
        return echec(u"ne peut pas être lu ("_s + f.errorString() + u')');
    }
    const QByteArray contenu = f.read(Taille_Maximale + 1);
    QString erreur;
    l.fichier = Fichier_Pays::Lit(contenu, &erreur);
    if (!l.fichier) {
        return echec(u"est illisible\u00A0: "_s + erreur);
    }
    return l;
}

QString Chemin_Fichier_Pays(const Reglages& reglages) {
    const QString chemin =
        reglages.Lire_Reglage(Reglages::Section_Commune(), cle::Fichier_Pays, QString()).trimmed();
    return chemin.isEmpty() ? Chemin_Pays_Debian : chemin;
}

void Base_Pays::Charge(const QString& chemin) {
    Prend(chemin, Lit_Fichier_Pays(chemin));
}

void Base_Pays::Prend(const QString& chemin, Lecture_Pays lecture) {
    chemin_ = chemin;
    lecture_ = std::move(lecture);
}

QString Base_Pays::Texte_Pays(QStringView indicatif) const {
    if (indicatif.trimmed().isEmpty()) {
        return {};
    }
    const auto p = lecture_.fichier ? lecture_.fichier->Cherche(indicatif) : std::nullopt;
    if (!p) {
        return u"pays inconnu"_s;
    }
    return lecture_.fichier->Entite(p->entite).nom_francais + u"  "_s + p->continent;
}

} // namespace swl
