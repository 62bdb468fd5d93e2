#include "core/exchange/adif_commun.h"

#include "core/base/texte_1252.h"

#include "core/exchange/lecteur_xml.h"

#include <QStringDecoder>

#include <atomic>
#include <thread>
#include <utility>

namespace swl {

using namespace Qt::Literals::StringLiterals;
using namespace adif;

namespace {

QString Desechappe(QStringView texte) {
    QString r;
    r.reserve(texte.size());
    for (qsizetype i = 0; i < texte.size(); ++i) {
        bool ok = false;
        const int o = texte[i] == u'%' && i + 2 < texte.size() ? texte.sliced(i + 1, 2).toInt(&ok, 16) : 0;
        if (ok) {
            r += Decode_1252(QByteArray(1, static_cast<char>(o)));
            i += 2;
        } else {
            r += texte[i];
        }
    }
    return r;
}

} // namespace

std::optional<QStringView> Enregistrement_ADIF::Trouve(QStringView nom) const {
    for (auto i = champs.crbegin(); i != champs.crend(); ++i) {
        if (i->first == nom) {
            return i->second;
        }
    }
    return std::nullopt;
}

void Enregistrement_ADIF::Fixe(const QString& nom, const QString& valeur) {
    textes.append(valeur);
    for (auto& c : champs) {
        if (c.first == nom) {
            c.second = textes.last();
            return;
        }
    }
    champs.append({nom, textes.last()});
}

namespace {

// The file's text, UTF-8 (a byte-order mark or not) else Windows-1252; `utf8` says which.
QString Decode_Fichier(const QByteArray& octets, bool* utf8 = nullptr) {
    QByteArrayView v(octets);
    if (v.startsWith("\xEF\xBB\xBF")) {
        v = v.sliced(3);
    }
    auto decodeur = QStringDecoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString texte = decodeur.decode(v);
    if (utf8) {
        *utf8 = !decodeur.hasError();
    }
    return decodeur.hasError() ? Decode_1252(v) : texte;
}

// An XML file's text: the encoding its byte-order mark or its declaration gives, else UTF-8
// or, failing that, Windows-1252. `inconnu` receives a declared encoding that cannot be read.
QString Decode_XML(const QByteArray& octets, QString& inconnu) {
    if (const auto bom = QStringConverter::encodingForData(octets, u'<');
        bom && *bom != QStringConverter::Utf8) {
        return QStringDecoder(*bom).decode(octets);
    }
    // <?xml version="1.0" encoding="ISO-8859-1"?>
    const QByteArrayView debut = QByteArrayView(octets).first(qMin<qsizetype>(octets.size(), 200));
    const qsizetype fin_declaration = debut.indexOf("?>");
    const qsizetype attribut = fin_declaration < 0 ? -1 : debut.first(fin_declaration).indexOf("encoding");
    if (attribut >= 0) {
        const QByteArrayView reste = debut.sliced(attribut, fin_declaration - attribut);
        const qsizetype ouvre = reste.indexOf('"') >= 0 ? reste.indexOf('"') : reste.indexOf('\'');
        const qsizetype ferme = ouvre < 0 ? -1 : reste.indexOf(reste[ouvre], ouvre + 1);
        const QByteArray nom =
            ferme < 0 ? QByteArray() : reste.sliced(ouvre + 1, ferme - ouvre - 1).toByteArray().toLower();
        if (nom == "windows-1252" || nom == "cp1252") {
            return Decode_1252(octets);
        }
        if (!nom.isEmpty() && nom != "utf-8" && nom != "utf8") {
            QStringDecoder decodeur(nom.constData());
            if (!decodeur.isValid()) {
                inconnu = QString::fromLatin1(nom);
                return {};
            }
            return decodeur.decode(octets);
        }
    }
    return Decode_Fichier(octets);
}

// `texte` from `debut`, `n` characters counted as such (a character outside the BMP is one).
qsizetype Fin_Des_Caracteres(const QString& texte, qsizetype debut, qsizetype n) {
    qsizetype i = debut;
    while (n > 0 && i < texte.size()) {
        i += texte[i].isHighSurrogate() && i + 1 < texte.size() ? 2 : 1;
        --n;
    }
    return n == 0 ? i : -1;
}

// `texte` from `debut`, the characters that `n` bytes of UTF-8 make; -1 when they end inside a
// character or past the text.
qsizetype Fin_Des_Octets(const QString& texte, qsizetype debut, qsizetype n) {
    qsizetype i = debut;
    while (n > 0 && i < texte.size()) {
        const char16_t c = texte[i].unicode();
        const bool paire = QChar::isHighSurrogate(c) && i + 1 < texte.size();
        n -= c < 0x80 ? 1 : c < 0x800 ? 2 : paire ? 4 : 3;
        i += paire ? 2 : 1;
    }
    return n == 0 ? i : -1;
}

// Where a value ends by its length: counted in characters (as ADIF says) or in UTF-8 bytes (as
// most loggers write it). The two differ only for a value with letters outside ASCII: then the
// one that ends at a tag, a blank or the text's end is taken (the bytes when both do and only
// blanks lie between); -1 when neither does, so that a value never runs into the next field.
qsizetype Fin_De_Valeur(const QString& texte, qsizetype pos, qsizetype n, bool paires, bool utf8) {
    const qsizetype car =
        paires ? Fin_Des_Caracteres(texte, pos, n) : (pos + n <= texte.size() ? pos + n : -1);
    if (!utf8) {
        return car;
    }
    const qsizetype jusque = car < 0 ? texte.size() : car;
    if (std::all_of(texte.cbegin() + pos, texte.cbegin() + jusque,
                    [](QChar c) { return c.unicode() < 0x80; })) {
        return car;
    }
    const qsizetype oct = Fin_Des_Octets(texte, pos, n);
    const auto finit = [&texte](qsizetype f) {
        return f >= 0 && (f == texte.size() || texte[f] == u'<' || texte[f].isSpace());
    };
    if (finit(oct) && (!finit(car) || QStringView(texte).sliced(oct, car - oct).trimmed().isEmpty())) {
        return oct;
    }
    return finit(car) ? car : -1;
}

// A field longer than any column of the log: the record is refused when the import reads that
// field, the value is dropped either way.
void Refuse_Trop_Long(Enregistrement_ADIF& e, const QString& nom, qsizetype longueur) {
    if (e.refus.isEmpty() && Champ_Lu(nom)) {
        e.refus = u"champ "_s + Extrait_Visible(nom) + u" de "_s + Nombre_Francais(longueur) +
                  u" caractères, plus que les "_s + QString::number(Longueur_Maximale_Champ) +
                  u" qu'un champ peut avoir"_s;
    }
}

} // namespace

namespace {

// Lengths count characters: only a text with characters outside the BMP needs counting, and
// in UTF-8 those alone start with a byte from 0xF0.
bool A_Des_Paires(QByteArrayView octets, const QString& texte) {
    return std::any_of(octets.begin(), octets.end(),
                       [](char c) { return static_cast<unsigned char>(c) >= 0xF0; }) &&
           std::any_of(texte.begin(), texte.end(), [](QChar c) { return c.isHighSurrogate(); });
}

// How a text was read: `lus` records; `propre`: it ended on a record's end, none of its values
// running past the text's end (so that another text may go on from there).
struct Fin_Texte {
    int lus = 0;
    bool propre = true;
};

// The records of an ADI text, numbered from 1.
Lecture_ADIF Parcourt_Texte_ADI(const QString& texte, bool paires, bool utf8, const Progression& progression,
                                const Recoit_Enregistrement& recoit, Fin_Texte* fin_texte = nullptr) {
    Lecture_ADIF l;
    int lus = 0;
    Enregistrement_ADIF courant;
    courant.numero = 1;
    courant.champs.reserve(32);
    courant.textes = {texte};
    // The few field names of a file, each made once and shared by every record.
    // Records mostly repeat their fields in the same order: the name after the last one found
    // is tried first, as it is written, before all of them in any case.
    QList<QString> noms;
    QList<QString> ecrits;
    QList<bool> propres; // one of our own fields
    qsizetype suivant = 0;
    const auto nom_de = [&](QStringView n) -> qsizetype {
        if (suivant < ecrits.size() && ecrits[suivant] == n) {
            return suivant++;
        }
        for (qsizetype i = 0; i < noms.size(); ++i) {
            if (ecrits[i] == n || n.compare(noms[i], Qt::CaseInsensitive) == 0) {
                suivant = i + 1;
                return i;
            }
        }
        noms.append(n.toString().toUpper());
        ecrits.append(n.toString());
        propres.append(noms.last().startsWith(Prefixe_Propre));
        suivant = noms.size();
        return suivant - 1;
    };
    qsizetype pos = 0;
    qsizetype prochain_rapport = 0;
    while (true) {
        if (progression && pos >= prochain_rapport) {
            prochain_rapport = pos + 65536;
            if (!progression(texte.isEmpty() ? 100 : static_cast<int>(pos * 100 / texte.size()))) {
                l.annulee = true;
                return l;
            }
        }
        const qsizetype ouvre = texte.indexOf(u'<', pos);
        if (ouvre < 0) {
            break;
        }
        const qsizetype ferme = texte.indexOf(u'>', ouvre);
        if (ferme < 0) {
            if (!courant.champs.isEmpty()) {
                l.arret = u"le fichier se termine au milieu de l'enregistrement n° "_s +
                          QString::number(courant.numero);
            }
            return l;
        }
        const QStringView balise = QStringView(texte).sliced(ouvre + 1, ferme - ouvre - 1);
        const qsizetype deux_points = balise.indexOf(u':');
        const qsizetype index_nom = nom_de((deux_points < 0 ? balise : balise.first(deux_points)).trimmed());
        const QString& nom = noms[index_nom];
        pos = ferme + 1;
        if (deux_points < 0) {
            if (nom == u"EOH") {
                courant.champs.clear();
            } else if (nom == u"EOR") {
                if (!courant.champs.isEmpty()) {
                    ++lus;
                    recoit(courant);
                    // The same record takes the next one, its lists kept.
                    courant.champs.clear();
                    courant.refus.clear();
                    courant.textes.resize(1);
                    courant.textes[0] = texte;
                }
                courant.numero = lus + 1;
            }
            continue; // any other text between "<" and ">" is not a field
        }
        QStringView longueur = balise.sliced(deux_points + 1);
        if (const qsizetype type = longueur.indexOf(u':'); type >= 0) {
            longueur = longueur.first(type);
        }
        longueur = longueur.trimmed();
        // Digits only; a length past the end of the file stops growing, so that no count of
        // digits can overflow.
        bool ok = !longueur.isEmpty() && !nom.isEmpty();
        qsizetype n = 0;
        for (const QChar c : longueur) {
            ok = ok && c >= u'0' && c <= u'9';
            n = ok ? qMin(n * 10 + (c.unicode() - u'0'), texte.size() + 1) : 0;
        }
        const qsizetype fin = ok ? Fin_De_Valeur(texte, pos, n, paires, utf8) : -1;
        const bool hors_texte = ok && fin < 0 && Fin_Des_Octets(texte, pos, n) < 0 &&
                                (paires ? Fin_Des_Caracteres(texte, pos, n) < 0 : pos + n > texte.size());
        if (fin < 0) {
            if (fin_texte) {
                fin_texte->propre = false;
            }
            // The value cannot be found: the record is refused and reading goes on after its end.
            const qsizetype eor = texte.indexOf(u"<EOR>"_s, pos, Qt::CaseInsensitive);
            if (eor < 0) {
                l.arret = ok ? QString(u"le fichier se termine au milieu de l'enregistrement n° "_s +
                                       QString::number(courant.numero))
                             : u"l'enregistrement n° "_s + QString::number(courant.numero) +
                                   u" contient un champ illisible «\u00A0<"_s + Extrait_Visible(balise) +
                                   u">\u00A0»"_s;
                return l;
            }
            if (courant.refus.isEmpty()) {
                courant.refus =
                    !ok ? u"champ illisible «\u00A0<"_s + Extrait_Visible(balise) + u">\u00A0»"_s
                    : hors_texte
                        ? QString(u"la longueur du champ «\u00A0"_s + Extrait_Visible(balise) +
                                  u"\u00A0» dépasse la fin du fichier"_s)
                        : u"la longueur du champ «\u00A0"_s + Extrait_Visible(balise) +
                              u"\u00A0» ne tombe sur la fin de sa valeur ni en caractères ni en octets"_s;
            }
            courant.Ajoute(nom, {});
            pos = eor;
            continue;
        }
        if (fin - pos > Longueur_Maximale_Champ) {
            // Never copied: no column of the log holds such a text.
            Refuse_Trop_Long(courant, nom, n);
            courant.Ajoute(nom, {});
            pos = fin;
            continue;
        }
        const QStringView valeur = QStringView(texte).sliced(pos, fin - pos);
        pos = fin;
        if (propres[index_nom] && valeur.contains(u'%')) {
            courant.Fixe(nom, Desechappe(valeur));
        } else {
            courant.Ajoute(nom, valeur);
        }
    }
    if (!courant.champs.isEmpty()) {
        l.arret = u"le dernier enregistrement (n° "_s + QString::number(courant.numero) +
                  u") n'est pas terminé par <EOR>"_s;
    }
    if (fin_texte) {
        fin_texte->lus = lus;
        fin_texte->propre = fin_texte->propre && l.arret.isEmpty() && !l.annulee;
    }
    return l;
}

// Where the second half of an ADI file may start: just after the first "<EOR>" (in any case)
// from the middle on; 0 when there is none.
qsizetype Milieu_ADI(QByteArrayView octets) {
    for (qsizetype i = octets.indexOf('<', octets.size() / 2); i >= 0 && i + 5 <= octets.size();
         i = octets.indexOf('<', i + 1)) {
        if ((octets[i + 1] | 0x20) == 'e' && (octets[i + 2] | 0x20) == 'o' && (octets[i + 3] | 0x20) == 'r' &&
            octets[i + 4] == '>') {
            return i + 5;
        }
    }
    return 0;
}

QString Decode_Utf8(QByteArrayView octets, bool* erreur) {
    auto utf8 = QStringDecoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString texte = utf8.decode(octets);
    *erreur = utf8.hasError();
    return texte;
}

} // namespace

Lecture_ADIF adif::Parcourt_ADI(const QByteArray& octets, const Progression& progression,
                                const Recoit_Enregistrement& recoit) {
    bool utf8 = false;
    const QString texte = Decode_Fichier(octets, &utf8);
    return Parcourt_Texte_ADI(texte, A_Des_Paires(octets, texte), utf8, progression, recoit);
}

Lecture_En_Deux adif::Parcourt_ADI_En_Deux(const QByteArray& octets, const Progression& progression,
                                           const Recoit_Partie& recoit,
                                           const std::function<void()>& recommence) {
    Lecture_En_Deux r;
    const auto seul = [&] {
        r.lecture = Parcourt_ADI(octets, progression, [&recoit](Enregistrement_ADIF& e) { recoit(0, e); });
        return r;
    };
    QByteArrayView tout(octets);
    if (tout.startsWith("\xEF\xBB\xBF")) {
        tout = tout.sliced(3);
    }
    const qsizetype milieu = tout.size() >= Taille_Lecture_En_Deux && std::thread::hardware_concurrency() > 1
                                 ? Milieu_ADI(tout)
                                 : 0;
    if (milieu == 0) {
        return seul();
    }
    // The second half decoded and read on a thread of its own while this one does the first.
    std::atomic_bool arret = false;
    Lecture_ADIF seconde;
    Fin_Texte fin_seconde;
    bool erreur_seconde = false;
    std::thread fil([&] {
        const QByteArrayView octets_seconde = tout.sliced(milieu);
        const QString texte = Decode_Utf8(octets_seconde, &erreur_seconde);
        if (erreur_seconde) {
            return;
        }
        seconde = Parcourt_Texte_ADI(
            texte, A_Des_Paires(octets_seconde, texte), true, [&arret](int) { return !arret.load(); },
            [&recoit](Enregistrement_ADIF& e) { recoit(1, e); }, &fin_seconde);
    });
    bool erreur_premiere = false;
    const QByteArrayView octets_premiere = tout.first(milieu);
    const QString texte = Decode_Utf8(octets_premiere, &erreur_premiere);
    Fin_Texte fin_premiere;
    const Progression avance = [&progression](int p) { return !progression || progression(p / 2); };
    Lecture_ADIF premiere;
    if (!erreur_premiere) {
        premiere = Parcourt_Texte_ADI(
            texte, A_Des_Paires(octets_premiere, texte), true, avance,
            [&recoit](Enregistrement_ADIF& e) { recoit(0, e); }, &fin_premiere);
    }
    arret = erreur_premiere || premiere.annulee || !fin_premiere.propre;
    fil.join();
    if (premiere.annulee) {
        r.lecture.annulee = true;
        return r;
    }
    // Not UTF-8 (read as Windows-1252), the middle inside a value, or a damaged end whose
    // message names a record by its number in the whole file: read whole.
    if (erreur_premiere || erreur_seconde || !fin_premiere.propre || !seconde.arret.isEmpty()) {
        if (recommence) {
            recommence();
        }
        return seul();
    }
    if (progression && !progression(100)) {
        r.lecture.annulee = true;
        return r;
    }
    r.lecture = std::move(seconde);
    r.premiers = fin_premiere.lus;
    return r;
}

Lecture_ADIF adif::Parcourt_ADX(const QByteArray& octets, const Progression& progression,
                                const Recoit_Enregistrement& recoit) {
    Lecture_ADIF l;
    QString encodage_inconnu;
    const QString texte = Decode_XML(octets, encodage_inconnu);
    if (!encodage_inconnu.isEmpty()) {
        l.arret = u"le fichier est écrit dans l'encodage «\u00A0"_s + Extrait_Visible(encodage_inconnu) +
                  u"\u00A0», que ORBEL_SWL ne sait pas lire"_s;
        return l;
    }
    Lecteur_XML x(texte);
    Enregistrement_ADIF e;
    e.textes = {texte};
    int numero = 0;
    int lus = 0;
    // Field names as written, and as kept: in capitals, ours with their prefix. Records mostly
    // repeat their fields in the same order: the name after the last one found is tried first.
    struct Nom {
        QString ecrit;
        bool propre;
        QString garde;
    };
    QList<Nom> noms;
    qsizetype suivant = 0;
    const auto nom_de = [&](QStringView ecrit, bool propre) -> const QString& {
        const auto est = [&](const Nom& n) { return n.propre == propre && n.ecrit == ecrit; };
        if (suivant < noms.size() && est(noms[suivant])) {
            return noms[suivant++].garde;
        }
        for (qsizetype i = 0; i < noms.size(); ++i) {
            if (est(noms[i])) {
                suivant = i + 1;
                return noms[i].garde;
            }
        }
        noms.append({ecrit.toString(), propre, ((propre ? Prefixe_Propre : QString()) + ecrit).toUpper()});
        suivant = noms.size();
        return noms.last().garde;
    };
    const auto est_nom = [](QStringView nom, QStringView cherche) {
        return nom.size() == cherche.size() && nom.compare(cherche, Qt::CaseInsensitive) == 0;
    };
    QString tampon;
    QString tampon_attribut;
    while (true) {
        Lecteur_XML::Jeton j = x.Suivant();
        if (j == Lecteur_XML::Jeton::Fin_Du_Document || j == Lecteur_XML::Jeton::Erreur) {
            break;
        }
        if (j != Lecteur_XML::Jeton::Debut || x.Nom() != u"RECORD") {
            continue;
        }
        e.champs.clear();
        e.refus.clear();
        e.textes.resize(1);
        e.numero = ++numero;
        while ((j = x.Suivant()) == Lecteur_XML::Jeton::Debut) {
            const QString* nom = nullptr;
            bool garde = true;
            if (est_nom(x.Nom(), u"APP")) {
                const auto programme = x.Attribut(u"PROGRAMID", tampon_attribut);
                garde = programme && est_nom(*programme, Programme_ADIF);
                nom = &nom_de(x.Attribut(u"FIELDNAME", tampon_attribut).value_or(QStringView()), true);
            } else if (est_nom(x.Nom(), u"USERDEF")) {
                x.Passe();
                continue;
            } else {
                nom = &nom_de(x.Nom(), false);
            }
            qsizetype longueur = 0;
            const QStringView valeur = x.Texte(Longueur_Maximale_Champ, longueur, tampon);
            if (!garde) {
                continue;
            }
            if (longueur > Longueur_Maximale_Champ) {
                // Never kept: no column of the log holds such a text.
                Refuse_Trop_Long(e, *nom, longueur);
                e.Ajoute(*nom, {});
            } else if (!valeur.isEmpty() && valeur.data() == tampon.constData()) {
                e.Fixe(*nom, tampon);
            } else {
                e.Ajoute(*nom, valeur);
            }
        }
        if (j == Lecteur_XML::Jeton::Erreur) {
            break;
        }
        ++lus;
        recoit(e);
        if (progression && lus % 1000 == 0 &&
            !progression(static_cast<int>(x.Position() * 100 / qMax<qsizetype>(1, texte.size())))) {
            l.annulee = true;
            return l;
        }
    }
    if (x.En_Erreur()) {
        const QString raison = x.Sorte() == Lecteur_XML::Sorte_Erreur::Refus ? x.Erreur()
                               : x.Sorte() == Lecteur_XML::Sorte_Erreur::Prematuree
                                   ? u"le document XML s'arrête avant sa fin"_s
                                   : u"le XML n'est pas bien formé"_s;
        l.arret = u"le fichier est illisible à la ligne "_s + QString::number(x.Ligne()) +
                  u", dans l'enregistrement n° "_s + QString::number(numero + (lus < numero ? 0 : 1)) +
                  u" ("_s + raison + u')';
        if (x.Sorte() != Lecteur_XML::Sorte_Erreur::Refus) {
            l.detail = x.Erreur();
        }
    }
    return l;
}

namespace {

// Every record of a file, kept.
template <class Parcours>
Lecture_ADIF Garde_Tout(const Parcours& parcourt, const QByteArray& octets, const Progression& progression) {
    QList<Enregistrement_ADIF> enregistrements;
    Lecture_ADIF l =
        parcourt(octets, progression, [&](Enregistrement_ADIF& e) { enregistrements.append(e); });
    l.enregistrements = std::move(enregistrements);
    return l;
}

} // namespace

Lecture_ADIF Lit_ADI(const QByteArray& octets, const Progression& progression) {
    return Garde_Tout(Parcourt_ADI, octets, progression);
}

Lecture_ADIF Lit_ADX(const QByteArray& octets, const Progression& progression) {
    return Garde_Tout(Parcourt_ADX, octets, progression);
}

} // namespace swl
