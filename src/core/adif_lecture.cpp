#include "adif_commun.h"

#include "texte_1252.h"

#include <QXmlStreamReader>

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

QString Decode_Fichier(const QByteArray& octets) {
    QByteArrayView v(octets);
    if (v.startsWith("\xEF\xBB\xBF")) {
        v = v.sliced(3);
    }
    return Decode_Utf8_Ou_1252(v);
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

// A field longer than any column of the log: the record is refused when the import reads that
// field, the value is dropped either way.
void Refuse_Trop_Long(Enregistrement_ADIF& e, const QString& nom, qsizetype longueur) {
    if (e.refus.isEmpty() && Champ_Lu(nom)) {
        e.refus = u"champ "_s + Extrait_Visible(nom) + u" de "_s + Nombre_Francais(longueur) +
                  u" caractères, plus que les "_s + QString::number(Longueur_Maximale_Champ) +
                  u" qu'un champ peut avoir"_s;
    }
}

// The French words of an XML error; the parser's own text goes to the report only.
QString Erreur_XML(const QXmlStreamReader& x) {
    switch (x.error()) {
    case QXmlStreamReader::PrematureEndOfDocumentError:
        return u"le document XML s'arrête avant sa fin"_s;
    case QXmlStreamReader::CustomError:
        return x.errorString();
    default:
        return u"le XML n'est pas bien formé"_s;
    }
}

} // namespace

Lecture_ADIF adif::Parcourt_ADI(const QByteArray& octets, const Progression& progression,
                                const Recoit_Enregistrement& recoit) {
    Lecture_ADIF l;
    int lus = 0;
    const QString texte = Decode_Fichier(octets);
    Enregistrement_ADIF courant;
    courant.numero = 1;
    courant.champs.reserve(32);
    courant.textes = {texte};
    // Lengths count characters: only a text with characters outside the BMP needs counting,
    // and in UTF-8 those alone start with a byte from 0xF0.
    const bool paires = std::any_of(octets.begin(), octets.end(),
                                    [](char c) { return static_cast<unsigned char>(c) >= 0xF0; }) &&
                        std::any_of(texte.begin(), texte.end(), [](QChar c) { return c.isHighSurrogate(); });
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
        const qsizetype fin = !ok      ? -1
                              : paires ? Fin_Des_Caracteres(texte, pos, n)
                                       : (pos + n <= texte.size() ? pos + n : -1);
        if (fin < 0) {
            // The value cannot be found: the record is refused and reading goes on after its end.
            const qsizetype eor = texte.indexOf(u"<EOR>"_s, pos, Qt::CaseInsensitive);
            if (eor < 0) {
                l.arret = ok ? QString(u"le fichier se termine au milieu de l'enregistrement n° "_s +
                                       QString::number(courant.numero))
                             : u"l'enregistrement n° "_s + QString::number(courant.numero) +
                                   u" contient un champ illisible « <"_s + Extrait_Visible(balise) + u"> »"_s;
                return l;
            }
            if (courant.refus.isEmpty()) {
                courant.refus = ok ? QString(u"la longueur du champ « "_s + Extrait_Visible(balise) +
                                             u" » dépasse la fin du fichier"_s)
                                   : u"champ illisible « <"_s + Extrait_Visible(balise) + u"> »"_s;
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
    return l;
}

Lecture_ADIF adif::Parcourt_ADX(const QByteArray& octets, const Progression& progression,
                                const Recoit_Enregistrement& recoit) {
    Lecture_ADIF l;
    int lus = 0;
    QXmlStreamReader x(octets);
    int numero = 0;
    int depuis_rapport = 0;
    // ADX has no DTD and no entity of its own: one would let a small file grow into a huge text.
    const auto refuse_dtd = [&x] {
        if (x.tokenType() == QXmlStreamReader::DTD) {
            x.raiseError(u"le fichier déclare une DTD (<!DOCTYPE …>), ce qu'un fichier ADX ne fait pas"_s);
        } else if (x.tokenType() == QXmlStreamReader::EntityReference) {
            x.raiseError(u"le fichier utilise l'entité XML « &"_s + Extrait_Visible(x.name()) +
                         u"; », ce qu'un fichier ADX ne fait pas"_s);
        }
    };
    // The text of the element, never longer than a field may be.
    const auto texte = [&x](Enregistrement_ADIF& e, const QString& nom) {
        QString v = x.readElementText(QXmlStreamReader::IncludeChildElements);
        if (v.size() > Longueur_Maximale_Champ) {
            Refuse_Trop_Long(e, nom, v.size());
            v.clear();
        }
        return v;
    };
    while (!x.atEnd()) {
        x.readNext();
        refuse_dtd();
        if (x.hasError() || !x.isStartElement() || x.name() != u"RECORD") {
            continue;
        }
        Enregistrement_ADIF e;
        e.numero = ++numero;
        while (x.readNextStartElement()) {
            const QString nom = x.name().toString().toUpper();
            if (nom == u"APP") {
                const QString programme = x.attributes().value(u"PROGRAMID"_s).toString();
                const QString champ =
                    Prefixe_Propre + x.attributes().value(u"FIELDNAME"_s).toString().toUpper();
                const QString valeur = texte(e, champ);
                if (programme.compare(Programme_ADIF, Qt::CaseInsensitive) == 0) {
                    e.Fixe(champ, valeur);
                }
            } else if (nom == u"USERDEF") {
                x.skipCurrentElement();
            } else {
                e.Fixe(nom, texte(e, nom));
            }
        }
        if (x.hasError()) {
            break;
        }
        ++lus;
        recoit(e);
        if (progression && ++depuis_rapport >= 1000) {
            depuis_rapport = 0;
            if (!progression(
                    static_cast<int>(x.characterOffset() * 100 / qMax<qsizetype>(1, octets.size())))) {
                l.annulee = true;
                return l;
            }
        }
    }
    if (x.hasError()) {
        l.arret = u"le fichier est illisible à la ligne "_s + QString::number(x.lineNumber()) +
                  u", dans l'enregistrement n° "_s + QString::number(numero + (lus < numero ? 0 : 1)) +
                  u" ("_s + Erreur_XML(x) + u')';
        if (x.error() != QXmlStreamReader::CustomError) {
            l.detail = x.errorString();
        }
    }
    return l;
}

Lecture_ADIF Lit_ADI(const QByteArray& octets, const Progression& progression) {
    QList<Enregistrement_ADIF> enregistrements;
    Lecture_ADIF l =
        Parcourt_ADI(octets, progression, [&](Enregistrement_ADIF& e) { enregistrements.append(e); });
    l.enregistrements = std::move(enregistrements);
    return l;
}

Lecture_ADIF Lit_ADX(const QByteArray& octets, const Progression& progression) {
    QList<Enregistrement_ADIF> enregistrements;
    Lecture_ADIF l =
        Parcourt_ADX(octets, progression, [&](Enregistrement_ADIF& e) { enregistrements.append(e); });
    l.enregistrements = std::move(enregistrements);
    return l;
}

} // namespace swl
