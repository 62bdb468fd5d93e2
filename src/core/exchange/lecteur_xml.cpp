#include "core/exchange/lecteur_xml.h"

#include "core/base/texte_1252.h"

#include <algorithm>
#include <array>

namespace swl {

using namespace Qt::Literals::StringLiterals;

namespace {

bool Espace(QChar c) {
    return c == u' ' || c == u'\t' || c == u'\n' || c == u'\r';
}

// The characters of names: 1 may start one, 2 only follow.
constexpr std::array<quint8, 128> Classes_Nom = [] {
    std::array<quint8, 128> t{};
    for (char16_t c = 0; c < 128; ++c) {
        const bool debut = (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z') || c == u'_' || c == u':';
        const bool suite = (c >= u'0' && c <= u'9') || c == u'-' || c == u'.';
        t[c] = debut ? 1 : suite ? 2 : 0;
    }
    return t;
}();

inline bool Debut_De_Nom(QChar c) {
    const char16_t u = c.unicode();
    return u < 128 ? Classes_Nom[u] == 1 : u >= 0xC0;
}

inline bool Dans_Nom(QChar c) {
    const char16_t u = c.unicode();
    return u < 128 ? Classes_Nom[u] != 0 : u >= 0xC0 || u == 0xB7;
}

const QString Refus_DTD = u"le fichier déclare une DTD (<!DOCTYPE …>), ce qu'un fichier ADX ne fait pas"_s;

} // namespace

Lecteur_XML::Lecteur_XML(QStringView texte) : t_(texte) {}

bool Lecteur_XML::Echec(const QString& message, Sorte_Erreur sorte) {
    if (erreur_.isEmpty()) {
        erreur_ = message;
        sorte_ = sorte;
    }
    return false;
}

qsizetype Lecteur_XML::Ligne() const {
    return 1 + std::count(t_.begin(), t_.begin() + qMin(pos_, t_.size()), u'\n');
}

Lecteur_XML::Lu Lecteur_XML::Lit(QStringView& texte, bool& avec_entites) {
    while (!En_Erreur() && pos_ < t_.size()) {
        if (t_[pos_] != u'<') {
            qsizetype fin = t_.indexOf(u'<', pos_);
            fin = fin < 0 ? t_.size() : fin;
            texte = t_.sliced(pos_, fin - pos_);
            avec_entites = texte.contains(u'&');
            pos_ = fin;
            return Lu::Texte;
        }
        // "<?", "<!--", "<![CDATA[", "<!", "</", or a start tag.
        const QChar apres = pos_ + 1 < t_.size() ? t_[pos_ + 1] : QChar();
        const QStringView reste = apres == u'!' ? t_.sliced(pos_) : QStringView();
        const auto passe_jusqua = [this](QStringView fin, qsizetype depuis) {
            const qsizetype i = t_.indexOf(fin, depuis);
            if (i < 0) {
                pos_ = t_.size();
                return Echec(u"le document s'arrête au milieu d'une balise"_s, Sorte_Erreur::Prematuree);
            }
            pos_ = i + fin.size();
            return true;
        };
        if (apres == u'?') {
            passe_jusqua(u"?>", pos_ + 2);
        } else if (reste.startsWith(u"<!--")) {
            passe_jusqua(u"-->", pos_ + 4);
        } else if (reste.startsWith(u"<![CDATA[")) {
            const qsizetype debut = pos_ + 9;
            if (ouverts_.isEmpty()) {
                Echec(u"section CDATA hors de tout élément"_s);
            } else if (passe_jusqua(u"]]>", debut)) {
                texte = t_.sliced(debut, pos_ - 3 - debut);
                avec_entites = false;
                return Lu::Texte;
            }
        } else if (apres == u'!') {
            // A DTD or a declaration of its own: entities that could grow without end.
            Echec(Refus_DTD, Sorte_Erreur::Refus);
        } else if (apres == u'/') {
            return Lit_Fin() ? Lu::Fin : Lu::Rien;
        } else {
            return Lit_Debut() ? Lu::Debut : Lu::Rien;
        }
    }
    return Lu::Rien;
}

bool Lecteur_XML::Lit_Debut() {
    qsizetype j = pos_ + 1;
    const auto fin_de_nom = [this](qsizetype i) {
        while (i < t_.size() && Dans_Nom(t_[i])) {
            ++i;
        }
        return i;
    };
    const auto passe_espaces = [this](qsizetype i) {
        while (i < t_.size() && Espace(t_[i])) {
            ++i;
        }
        return i;
    };
    if (j >= t_.size()) {
        return Echec(u"le document s'arrête au milieu d'une balise"_s, Sorte_Erreur::Prematuree);
    }
    if (!Debut_De_Nom(t_[j])) {
        return Echec(u"balise illisible «\u00A0<"_s + Extrait_Visible(t_.sliced(j).left(20)) + u"\u00A0»"_s);
    }
    qsizetype fin = fin_de_nom(j);
    nom_ = t_.sliced(j, fin - j);
    attributs_.clear();
    j = fin;
    while (true) {
        j = passe_espaces(j);
        if (j >= t_.size()) {
            return Echec(u"le document s'arrête au milieu d'une balise"_s, Sorte_Erreur::Prematuree);
        }
        if (t_[j] == u'>') {
            vide_ = false;
            ++j;
            break;
        }
        if (t_[j] == u'/' && j + 1 < t_.size() && t_[j + 1] == u'>') {
            vide_ = true;
            j += 2;
            break;
        }
        if (!Debut_De_Nom(t_[j])) {
            return Echec(u"attribut illisible dans la balise «\u00A0"_s + Extrait_Visible(nom_) +
                         u"\u00A0»"_s);
        }
        fin = fin_de_nom(j);
        const QStringView attribut = t_.sliced(j, fin - j);
        j = passe_espaces(fin);
        if (j >= t_.size() || t_[j] != u'=') {
            return Echec(u"attribut sans valeur dans la balise «\u00A0"_s + Extrait_Visible(nom_) +
                             u"\u00A0»"_s,
                         j >= t_.size() ? Sorte_Erreur::Prematuree : Sorte_Erreur::Mal_Forme);
        }
        j = passe_espaces(j + 1);
        if (j >= t_.size() || (t_[j] != u'"' && t_[j] != u'\'')) {
            return Echec(u"valeur d'attribut sans guillemets dans la balise «\u00A0"_s +
                             Extrait_Visible(nom_) + u"\u00A0»"_s,
                         j >= t_.size() ? Sorte_Erreur::Prematuree : Sorte_Erreur::Mal_Forme);
        }
        const qsizetype ferme = t_.indexOf(t_[j], j + 1);
        if (ferme < 0) {
            return Echec(u"le document s'arrête au milieu d'une balise"_s, Sorte_Erreur::Prematuree);
        }
        const QStringView valeur = t_.sliced(j + 1, ferme - j - 1);
        if (valeur.contains(u'<')) {
            return Echec(u"«\u00A0<\u00A0» dans la valeur d'un attribut de «\u00A0"_s +
                         Extrait_Visible(nom_) + u"\u00A0»"_s);
        }
        attributs_.append({attribut, valeur});
        j = ferme + 1;
    }
    if (ouverts_.isEmpty() && racine_vue_) {
        return Echec(u"un second élément suit la fin du document"_s);
    }
    if (ouverts_.size() >= Profondeur_Maximale) {
        return Echec(u"éléments imbriqués sur plus de "_s + QString::number(Profondeur_Maximale) +
                     u" niveaux"_s);
    }
    racine_vue_ = true;
    if (!vide_) {
        ouverts_.append(nom_);
    }
    pos_ = j;
    return true;
}

bool Lecteur_XML::Lit_Fin() {
    qsizetype j = pos_ + 2;
    const qsizetype debut = j;
    while (j < t_.size() && Dans_Nom(t_[j])) {
        ++j;
    }
    const QStringView nom = t_.sliced(debut, j - debut);
    while (j < t_.size() && Espace(t_[j])) {
        ++j;
    }
    if (j >= t_.size()) {
        return Echec(u"le document s'arrête au milieu d'une balise"_s, Sorte_Erreur::Prematuree);
    }
    if (t_[j] != u'>' || nom.isEmpty()) {
        return Echec(u"balise fermante illisible «\u00A0</"_s + Extrait_Visible(nom) + u"\u00A0»"_s);
    }
    if (ouverts_.isEmpty() || ouverts_.last() != nom) {
        return Echec(u"balise fermante «\u00A0</"_s + Extrait_Visible(nom) +
                     u">\u00A0» au lieu de «\u00A0</"_s +
                     (ouverts_.isEmpty() ? QString() : Extrait_Visible(ouverts_.last())) + u">\u00A0»"_s);
    }
    ouverts_.removeLast();
    nom_ = nom;
    pos_ = j + 1;
    return true;
}

bool Lecteur_XML::Remplace_Entites(QStringView brut, QString& sortie, qsizetype maximum,
                                   qsizetype& longueur) {
    const auto ajoute = [&](QStringView morceau) {
        longueur += morceau.size();
        const qsizetype place = maximum - sortie.size();
        if (place > 0) {
            sortie.append(morceau.first(qMin(place, morceau.size())));
        }
    };
    qsizetype i = 0;
    while (i < brut.size()) {
        const qsizetype et = brut.indexOf(u'&', i);
        if (et < 0) {
            ajoute(brut.sliced(i));
            break;
        }
        ajoute(brut.sliced(i, et - i));
        const qsizetype point_virgule = brut.indexOf(u';', et);
        if (point_virgule < 0 || point_virgule - et > 12) {
            return Echec(u"caractère «\u00A0&\u00A0» seul, hors d'une entité"_s);
        }
        const QStringView nom = brut.sliced(et + 1, point_virgule - et - 1);
        char16_t simple = 0;
        if (nom == u"amp") {
            simple = u'&';
        } else if (nom == u"lt") {
            simple = u'<';
        } else if (nom == u"gt") {
            simple = u'>';
        } else if (nom == u"quot") {
            simple = u'"';
        } else if (nom == u"apos") {
            simple = u'\'';
        }
        if (simple) {
            const QChar c(simple);
            ajoute(QStringView(&c, 1));
        } else if (nom.startsWith(u'#')) {
            const bool hexa = nom.size() > 1 && (nom[1] == u'x');
            const QStringView chiffres = nom.sliced(hexa ? 2 : 1);
            bool ok = !chiffres.isEmpty() && chiffres.size() <= 8;
            const uint code = ok ? chiffres.toUInt(&ok, hexa ? 16 : 10) : 0;
            if (!ok || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) {
                return Echec(u"référence de caractère invalide «\u00A0&"_s + Extrait_Visible(nom) +
                             u";\u00A0»"_s);
            }
            const char32_t c = code;
            ajoute(QString::fromUcs4(&c, 1));
        } else {
            return Echec(u"le fichier utilise l'entité XML «\u00A0&"_s + Extrait_Visible(nom) +
                             u";\u00A0», ce qu'un fichier ADX ne fait pas"_s,
                         Sorte_Erreur::Refus);
        }
        i = point_virgule + 1;
    }
    return true;
}

Lecteur_XML::Jeton Lecteur_XML::Suivant() {
    if (En_Erreur()) {
        return Jeton::Erreur;
    }
    if (vide_a_fermer_) {
        vide_a_fermer_ = false;
        return Jeton::Fin;
    }
    QString inutile;
    while (true) {
        QStringView texte;
        bool entites = false;
        switch (Lit(texte, entites)) {
        case Lu::Debut:
            vide_a_fermer_ = vide_;
            return Jeton::Debut;
        case Lu::Fin:
            return Jeton::Fin;
        case Lu::Texte: {
            if (ouverts_.isEmpty() && !texte.trimmed().isEmpty()) {
                Echec(u"du texte hors de l'élément principal du document"_s);
                return Jeton::Erreur;
            }
            qsizetype longueur = 0;
            if (entites && !Remplace_Entites(texte, inutile, 0, longueur)) {
                return Jeton::Erreur;
            }
            break;
        }
        case Lu::Rien:
            if (!En_Erreur() && !ouverts_.isEmpty()) {
                Echec(u"l'élément «\u00A0"_s + Extrait_Visible(ouverts_.last()) +
                          u"\u00A0» n'est pas fermé"_s,
                      Sorte_Erreur::Prematuree);
            } else if (!En_Erreur() && !racine_vue_) {
                Echec(u"le document n'a aucun élément"_s, Sorte_Erreur::Prematuree);
            }
            return En_Erreur() ? Jeton::Erreur : Jeton::Fin_Du_Document;
        }
    }
}

QStringView Lecteur_XML::Texte(qsizetype maximum, qsizetype& longueur, QString& tampon) {
    longueur = 0;
    tampon.clear();
    if (vide_a_fermer_) {
        vide_a_fermer_ = false;
        return {};
    }
    const qsizetype profondeur = ouverts_.size();
    QStringView vue;
    bool dans_tampon = false;
    while (true) {
        QStringView texte;
        bool entites = false;
        const Lu lu = Lit(texte, entites);
        if (lu == Lu::Rien) {
            if (!En_Erreur()) {
                Echec(u"l'élément «\u00A0"_s + Extrait_Visible(ouverts_.last()) +
                          u"\u00A0» n'est pas fermé"_s,
                      Sorte_Erreur::Prematuree);
            }
            return {};
        }
        if (lu == Lu::Fin && ouverts_.size() < profondeur) {
            break;
        }
        if (lu != Lu::Texte) {
            continue; // a child element: its text joins the parent's
        }
        if (!entites && !dans_tampon && longueur == 0) {
            vue = texte.first(qMin(texte.size(), maximum));
            longueur = texte.size();
            continue;
        }
        if (!dans_tampon) {
            tampon = vue.toString();
            dans_tampon = true;
        }
        if (!Remplace_Entites(texte, tampon, maximum, longueur)) {
            return {};
        }
    }
    return dans_tampon ? QStringView(tampon) : vue;
}

void Lecteur_XML::Passe() {
    qsizetype longueur = 0;
    QString tampon;
    Texte(0, longueur, tampon);
}

std::optional<QStringView> Lecteur_XML::Attribut(QStringView nom, QString& tampon) {
    for (const auto& [n, valeur] : std::as_const(attributs_)) {
        if (n != nom) {
            continue;
        }
        if (!valeur.contains(u'&')) {
            return valeur;
        }
        tampon.clear();
        qsizetype longueur = 0;
        if (!Remplace_Entites(valeur, tampon, valeur.size(), longueur)) {
            return std::nullopt;
        }
        return QStringView(tampon);
    }
    return std::nullopt;
}

} // namespace swl
