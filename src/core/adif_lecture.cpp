#include "adif_commun.h"

#include "texte_1252.h"

#include <QXmlStreamReader>

#include <utility>

namespace swl {

using namespace Qt::Literals::StringLiterals;
using namespace adif;

namespace {

QString Desechappe(const QString& texte) {
    if (!texte.contains(u'%')) {
        return texte;
    }
    QString r;
    r.reserve(texte.size());
    for (qsizetype i = 0; i < texte.size(); ++i) {
        bool ok = false;
        const int o =
            texte[i] == u'%' && i + 2 < texte.size() ? QStringView(texte).sliced(i + 1, 2).toInt(&ok, 16) : 0;
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

const QString* Enregistrement_ADIF::Trouve(QStringView nom) const {
    for (auto i = champs.crbegin(); i != champs.crend(); ++i) {
        if (i->first == nom) {
            return &i->second;
        }
    }
    return nullptr;
}

void Enregistrement_ADIF::Fixe(const QString& nom, const QString& valeur) {
    for (auto& c : champs) {
        if (c.first == nom) {
            c.second = valeur;
            return;
        }
    }
    champs.append({nom, valeur});
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

} // namespace

Lecture_ADIF Lit_ADI(const QByteArray& octets, const Progression& progression) {
    Lecture_ADIF l;
    const QString texte = Decode_Fichier(octets);
    Enregistrement_ADIF courant;
    courant.numero = 1;
    courant.champs.reserve(32);
    // Lengths count characters: only a text with characters outside the BMP needs counting.
    const bool paires = std::any_of(texte.begin(), texte.end(), [](QChar c) { return c.isHighSurrogate(); });
    // The few field names of a file, each made once and shared by every record.
    // Records mostly repeat their fields in the same order: the name after the last one found
    // is tried first, as it is written, before all of them in any case.
    QList<QString> noms;
    QList<QString> ecrits;
    qsizetype suivant = 0;
    const auto nom_de = [&](QStringView n) {
        if (suivant < ecrits.size() && ecrits[suivant] == n) {
            return noms[suivant++];
        }
        for (qsizetype i = 0; i < noms.size(); ++i) {
            if (ecrits[i] == n || n.compare(noms[i], Qt::CaseInsensitive) == 0) {
                suivant = i + 1;
                return noms[i];
            }
        }
        noms.append(n.toString().toUpper());
        ecrits.append(n.toString());
        suivant = noms.size();
        return noms.last();
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
        const QString nom = nom_de((deux_points < 0 ? balise : balise.first(deux_points)).trimmed());
        pos = ferme + 1;
        if (deux_points < 0) {
            if (nom == u"EOH") {
                courant.champs.clear();
            } else if (nom == u"EOR") {
                if (!courant.champs.isEmpty()) {
                    l.enregistrements.append(std::exchange(courant, {}));
                    courant.champs.reserve(32);
                }
                courant.numero = static_cast<int>(l.enregistrements.size()) + 1;
            }
            continue; // any other text between "<" and ">" is not a field
        }
        QStringView longueur = balise.sliced(deux_points + 1);
        if (const qsizetype type = longueur.indexOf(u':'); type >= 0) {
            longueur = longueur.first(type);
        }
        longueur = longueur.trimmed();
        bool ok = !longueur.isEmpty() && longueur.size() <= 9;
        qsizetype n = 0;
        for (const QChar c : longueur) {
            ok = ok && c >= u'0' && c <= u'9';
            n = n * 10 + (c.unicode() - u'0');
        }
        if (!ok || nom.isEmpty()) {
            l.arret = u"l'enregistrement n° "_s + QString::number(courant.numero) +
                      u" contient un champ illisible « <"_s + balise.left(40).toString() + u"> »"_s;
            return l;
        }
        const qsizetype fin =
            paires ? Fin_Des_Caracteres(texte, pos, n) : (pos + n <= texte.size() ? pos + n : -1);
        if (fin < 0) {
            l.arret = u"le fichier se termine au milieu de l'enregistrement n° "_s +
                      QString::number(courant.numero);
            return l;
        }
        QString valeur = texte.sliced(pos, fin - pos);
        pos = fin;
        if (nom.startsWith(Prefixe_Propre)) {
            valeur = Desechappe(valeur);
        }
        courant.champs.append({nom, std::move(valeur)});
    }
    if (!courant.champs.isEmpty()) {
        l.arret = u"le dernier enregistrement (n° "_s + QString::number(courant.numero) +
                  u") n'est pas terminé par <EOR>"_s;
    }
    return l;
}

Lecture_ADIF Lit_ADX(const QByteArray& octets, const Progression& progression) {
    Lecture_ADIF l;
    QXmlStreamReader x(octets);
    int numero = 0;
    int depuis_rapport = 0;
    while (!x.atEnd()) {
        x.readNext();
        if (!x.isStartElement() || x.name() != u"RECORD") {
            continue;
        }
        Enregistrement_ADIF e;
        e.numero = ++numero;
        while (x.readNextStartElement()) {
            const QString nom = x.name().toString().toUpper();
            if (nom == u"APP") {
                const QString programme = x.attributes().value(u"PROGRAMID"_s).toString();
                const QString champ = x.attributes().value(u"FIELDNAME"_s).toString().toUpper();
                const QString valeur = x.readElementText();
                if (programme.compare(Programme_ADIF, Qt::CaseInsensitive) == 0) {
                    e.Fixe(Prefixe_Propre + champ, valeur);
                }
            } else if (nom == u"USERDEF") {
                x.skipCurrentElement();
            } else {
                e.Fixe(nom, x.readElementText(QXmlStreamReader::IncludeChildElements));
            }
        }
        if (x.hasError()) {
            break;
        }
        l.enregistrements.append(e);
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
                  u", dans l'enregistrement n° "_s +
                  QString::number(numero + (l.enregistrements.size() < numero ? 0 : 1)) + u" ("_s +
                  x.errorString() + u')';
    }
    return l;
}

} // namespace swl
