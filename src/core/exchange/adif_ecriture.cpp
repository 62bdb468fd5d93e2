#include "core/exchange/adif_commun.h"

#include "core/base/texte_1252.h"
#include "core/countries/pays.h"
#include "core/log/fiche_qso.h"
#include "core/program/textes_programme.h"

#include <array>
#include <functional>
#include <string>

namespace swl {

using namespace Qt::Literals::StringLiterals;
using namespace adif;

namespace {

// The exact text of each field of a log line, trailing spaces (the padding) left out.
// Views into the line they are cut from, which must outlive them.
struct Colonnes {
    QStringView ind_a, ind_b, dpt_a, dpt_b, prenom, date, heure, mode, bande, rst_a, rst_b, qth;
    bool qsl = false;
};

QStringView Sans_Fin(QStringView t) {
    qsizetype n = t.size();
    while (n > 0 && t[n - 1] == u' ') {
        --n;
    }
    return t.first(n);
}

Colonnes Colonnes_De(QStringView l) {
    Colonnes c;
    c.ind_a = Sans_Fin(Piece(l, 1, 12));
    c.ind_b = Sans_Fin(Piece(l, 14, 12));
    c.dpt_a = Sans_Fin(Piece(l, 27, 2));
    c.dpt_b = Sans_Fin(Piece(l, 29, 2));
    c.prenom = Sans_Fin(Piece(l, 32, 15));
    c.date = Sans_Fin(Piece(l, 48, 8));
    c.heure = Sans_Fin(Piece(l, 57, 5));
    c.mode = Sans_Fin(Piece(l, 63, 3));
    c.bande = Sans_Fin(Piece(l, 67, 7));
    c.rst_a = Sans_Fin(Piece(l, 75, 3));
    c.rst_b = Sans_Fin(Piece(l, 79, 3));
    c.qth = Sans_Fin(Piece(l, 83, 30));
    c.qsl = Piece(l, 114, 1) == u"*";
    return c;
}

// Whether reading `source` back gives `exact` (trimmed, in capitals, cut to its column),
// without making the text.
bool Relu_A_L_Identique(QStringView source, qsizetype largeur, QStringView exact) {
    source = source.trimmed();
    if (qMin(source.size(), largeur) != exact.size()) {
        return false;
    }
    for (qsizetype i = 0; i < exact.size(); ++i) {
        if (Majuscule_1252(source[i]) != exact[i]) {
            return false;
        }
    }
    return true;
}

// Receives each field of a record in its order: name, value, and whether it is one of our own.
using Sortie_Champ = std::function<void(QStringView nom, QStringView valeur, bool propre)>;

// The fields of the record of one log line, in their order. `adx`: the XML form, where the
// exact texts go into the _INTL fields.
void Champs_Export(QStringView ligne, const Entete_Export& e, bool adx, const Sortie_Champ& sortie) {
    const Colonnes c = Colonnes_De(ligne);
    const auto ajoute = [&sortie](QStringView nom, QStringView valeur) {
        if (!valeur.isEmpty()) {
            sortie(nom, valeur, false);
        }
    };
    // Our own fields come last; their values are views into the line.
    std::array<std::pair<QStringView, QStringView>, 14> propres;
    std::size_t n_propres = 0;
    const auto propre = [&](QStringView nom, QStringView valeur) { propres[n_propres++] = {nom, valeur}; };

    // A text already ASCII is written as it is, without a copy.
    QString tampons[6];
    const auto ascii_de = [](QStringView v, QString& tampon) -> QStringView {
        if (Ascii(v)) {
            return v;
        }
        tampon = Sans_Accents(v);
        return tampon;
    };
    sortie(u"SWL", u"Y", false);
    const QStringView call = ascii_de(c.ind_a.trimmed(), tampons[0]);
    ajoute(u"CALL", call);
    // A line without a callsign (damaged or hand-written) keeps its exact, blank text.
    if (call.isEmpty() || !Relu_A_L_Identique(call, 12, c.ind_a)) {
        propre(u"CALL_A", c.ind_a);
    }
    ajoute(u"STATION_CALLSIGN", ascii_de(e.indicatif_station, tampons[1]));
    const auto date = Date_Vers_ADIF(c.date);
    if (date) {
        ajoute(u"QSO_DATE", *date);
    } else {
        propre(u"DATE", c.date);
    }
    const auto heure = Heure_Vers_ADIF(c.heure);
    if (heure) {
        ajoute(u"TIME_ON", *heure);
    } else {
        propre(u"HEURE", c.heure);
    }
    ajoute(u"BAND", Bande_ADIF(c.bande.trimmed()));
    if (const Paire_Mode* mode = Mode_Du_Log(c.mode.trimmed())) {
        ajoute(u"MODE", mode->mode);
        ajoute(u"SUBMODE", mode->sous_mode);
    }
    const QStringView rst = ascii_de(c.rst_a.trimmed(), tampons[2]);
    ajoute(u"RST_RCVD", rst);
    if (!Relu_A_L_Identique(rst, 3, c.rst_a)) {
        propre(u"RST_A", c.rst_a);
    }
    // A text and its exact form: ASCII in the plain field, the text itself in ADX's _INTL.
    const auto texte = [&](QStringView nom, QStringView nom_intl, QStringView exact, qsizetype largeur,
                           QStringView nom_propre) {
        QString tampon;
        const QStringView ascii = ascii_de(exact.trimmed(), tampon);
        ajoute(nom, ascii);
        const bool intl = adx && !Ascii(exact.trimmed());
        if (intl) {
            ajoute(nom_intl, exact.trimmed());
        }
        if (!Relu_A_L_Identique(intl ? exact : ascii, largeur, exact)) {
            propre(nom_propre, exact);
        }
    };
    texte(u"NAME", u"NAME_INTL", c.prenom, 15, u"PRENOM");
    texte(u"QTH", u"QTH_INTL", c.qth, 30, u"QTH");
    sortie(u"QSL_RCVD", c.qsl ? u"Y" : u"N", false);
    const auto dpt = Departement_Vers_ADIF(c.dpt_a);
    if (dpt) {
        ajoute(u"STATE", dpt->state);
        ajoute(u"DXCC", dpt->dxcc == 214 ? u"214" : u"227");
    }
    // The country of station A: a department's entity stays the department's.
    if (const auto pays = e.pays ? e.pays->Cherche(c.ind_a) : std::nullopt) {
        const Entite_Pays& entite = e.pays->Entite(e.pays->Entite_DXCC(pays->entite));
        const Entite_Pays* de_dpt = dpt ? e.pays->Entite_De_Numero(dpt->dxcc) : nullptr;
        QString numero;
        if (!dpt && entite.dxcc > 0) {
            numero = QString::number(entite.dxcc);
            ajoute(u"DXCC", numero);
        }
        ajoute(u"COUNTRY", de_dpt ? de_dpt->nom : entite.nom);
        ajoute(u"CONT", de_dpt ? de_dpt->continent : pays->continent);
    }
    const auto libre = [&](QStringView nom, QStringView nom_intl, QStringView valeur) {
        QString tampon;
        ajoute(nom, ascii_de(valeur, tampon));
        if (adx && !Ascii(valeur)) {
            ajoute(nom_intl, valeur);
        }
    };
    libre(u"MY_RIG", u"MY_RIG_INTL", e.recepteur.trimmed());
    libre(u"MY_ANTENNA", u"MY_ANTENNA_INTL", e.antenne.trimmed());
    if (!c.ind_b.trimmed().isEmpty()) {
        QString commentaire = u"en QSO avec "_s;
        commentaire += c.ind_b.trimmed();
        libre(u"COMMENT", u"COMMENT_INTL", commentaire);
    }
    propre(u"CALL_B", c.ind_b);
    propre(u"DPT_A", c.dpt_a);
    propre(u"DPT_B", c.dpt_b);
    propre(u"RST_B", c.rst_b);
    propre(u"BANDE", c.bande);
    propre(u"MODE", c.mode);
    for (std::size_t i = 0; i < n_propres; ++i) {
        sortie(propres[i].first, propres[i].second, true);
    }
}

// Our own fields in ADI carry any text of the log: a byte outside ASCII, a control character
// or "%" is written "%" and the two hexadecimal digits of its Windows-1252 byte.
QString Echappe(QStringView exact) {
    if (Ascii(exact) && !exact.contains(u'%')) {
        return exact.toString();
    }
    QString r;
    const QByteArray octets = Encode_1252(exact);
    for (const char c : octets) {
        const auto o = static_cast<unsigned char>(c);
        if (o < 0x20 || o > 0x7E || c == '%') {
            r += u'%' + QString::number(o, 16).toUpper().rightJustified(2, u'0');
        } else {
            r += QChar(char16_t(o));
        }
    }
    return r;
}

QString Horodatage(const QDateTime& t) {
    return t.toUTC().toString(u"yyyyMMdd HHmmss"_s);
}

} // namespace

namespace {

QByteArray Ecrit_ADI(const Lignes_Log& log, const Entete_Export& e, bool verifie, QList<int>* ecartees);
QByteArray Ecrit_ADX(const Lignes_Log& log, const Entete_Export& e, bool verifie, QList<int>* ecartees);

// Whether the import gives `ligne` back exactly. A line whole, placed and made of what the log
// holds always comes back (the exchange's own tests say so); any other is tried through the
// import itself.
bool Relue_A_L_Identique(const Lignes_Log& log, int i, const Entete_Export& e, bool adx) {
    const QString ligne = log.Ligne_Log(i);
    if (ligne.size() == Largeur_Ligne_Log && Premier_Caractere_Interdit(ligne) < 0 &&
        Moment_QSO(log.Octets(i))) {
        return true;
    }
    const Lignes_Log seule(log.Octets(i).toByteArray() + "\r\n");
    const Lecture_ADIF lu =
        adx ? Lit_ADX(Ecrit_ADX(seule, e, false, nullptr)) : Lit_ADI(Ecrit_ADI(seule, e, false, nullptr));
    return lu.enregistrements.size() == 1 &&
           Ligne_De_Enregistrement(lu.enregistrements.constFirst()).octets == log.Octets(i);
}

QByteArray Ecrit_ADI(const Lignes_Log& log, const Entete_Export& e, bool verifie, QList<int>* ecartees) {
    // Every text written is ASCII: its characters go straight into the file's bytes.
    std::string o = Entete_ADI(u"Journal SWL de "_s + e.indicatif_station, e.maintenant_utc).toStdString();
    o.reserve(std::size_t(log.Nombre()) * 520 + o.size());
    const auto ascii = [&o](QStringView v) {
        for (const QChar c : v) {
            o.push_back(static_cast<char>(c.unicode()));
        }
    };
    const Sortie_Champ sortie = [&](QStringView nom, QStringView valeur, bool propre) {
        o.push_back('<');
        if (propre) {
            o += "APP_ORBELSWL_";
        }
        ascii(nom);
        o.push_back(':');
        const bool echappe = propre && (!Ascii(valeur) || valeur.contains(u'%'));
        const QString ecrit = echappe ? Echappe(valeur) : QString();
        o += std::to_string(echappe ? ecrit.size() : valeur.size());
        o.push_back('>');
        ascii(echappe ? QStringView(ecrit) : valeur);
        o.push_back(' ');
    };
    for (int i = 0; i < log.Nombre(); ++i) {
        if (verifie && !Relue_A_L_Identique(log, i, e, false)) {
            if (ecartees) {
                ecartees->append(i + 1);
            }
            continue;
        }
        const QString ligne = log.Ligne_Log(i);
        Champs_Export(ligne, e, false, sortie);
        o += "<EOR>\r\n";
    }
    return QByteArray(o.data(), static_cast<qsizetype>(o.size()));
}

// XML text in UTF-8 into `o`: "&", "<", ">" and, in attribute values, '"' as entities; a
// control character (a damaged line's) as a character reference.
void Ecrit_XML(std::string& o, QStringView texte) {
    for (qsizetype i = 0; i < texte.size(); ++i) {
        const char16_t c = texte[i].unicode();
        switch (c) {
        case u'&':
            o += "&amp;";
            break;
        case u'<':
            o += "&lt;";
            break;
        case u'>':
            o += "&gt;";
            break;
        case u'"':
            o += "&quot;";
            break;
        default:
            if (c < 0x20) {
                o += "&#";
                o += std::to_string(c);
                o += ';';
            } else if (c < 0x80) {
                o.push_back(static_cast<char>(c));
            } else {
                // The rest of the text as UTF-8, a surrogate pair kept whole.
                qsizetype fin = i + 1;
                while (fin < texte.size() && texte[fin].unicode() >= 0x80) {
                    ++fin;
                }
                const QByteArray utf8 = texte.sliced(i, fin - i).toUtf8();
                o.append(utf8.constData(), static_cast<std::size_t>(utf8.size()));
                i = fin - 1;
            }
        }
    }
}

QByteArray Ecrit_ADX(const Lignes_Log& log, const Entete_Export& e, bool verifie, QList<int>* ecartees) {
    // Written by hand, one record a line: as quick as the ADI export, and read back by any
    // XML reader.
    std::string o = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<ADX>\n <HEADER>\n";
    const auto element = [&o](QStringView nom, QStringView valeur) {
        o.push_back('<');
        Ecrit_XML(o, nom);
        o.push_back('>');
        Ecrit_XML(o, valeur);
        o += "</";
        Ecrit_XML(o, nom);
        o.push_back('>');
    };
    for (const auto& [nom, valeur] : {std::pair<QString, QString>{u"ADIF_VER"_s, u"3.1.6"_s},
                                      {u"PROGRAMID"_s, Programme_ADIF},
                                      {u"PROGRAMVERSION"_s, Revision().trimmed()},
                                      {u"CREATED_TIMESTAMP"_s, Horodatage(e.maintenant_utc)}}) {
        o += "  ";
        element(nom, valeur);
        o.push_back('\n');
    }
    o += " </HEADER>\n <RECORDS>\n";
    o.reserve(std::size_t(log.Nombre()) * 900 + o.size());
    const Sortie_Champ sortie = [&](QStringView nom, QStringView valeur, bool propre) {
        if (propre) {
            o += "<APP PROGRAMID=\"ORBELSWL\" FIELDNAME=\"";
            Ecrit_XML(o, nom);
            o += Ascii(valeur) ? "\" TYPE=\"S\">" : "\" TYPE=\"I\">";
            Ecrit_XML(o, valeur);
            o += "</APP>";
        } else {
            element(nom, valeur);
        }
    };
    for (int i = 0; i < log.Nombre(); ++i) {
        if (verifie && !Relue_A_L_Identique(log, i, e, true)) {
            if (ecartees) {
                ecartees->append(i + 1);
            }
            continue;
        }
        o += "  <RECORD>";
        const QString ligne = log.Ligne_Log(i);
        Champs_Export(ligne, e, true, sortie);
        o += "</RECORD>\n";
    }
    o += " </RECORDS>\n</ADX>\n";
    return QByteArray(o.data(), static_cast<qsizetype>(o.size()));
}

} // namespace

QByteArray Entete_ADI(const QString& titre, const QDateTime& maintenant_utc) {
    QString t = Sans_Accents(titre) + u", ORBEL_SWL"_s + Revision() + u"\r\n"_s;
    const auto champ = [&t](const QString& nom, const QString& valeur) {
        t += u'<' + nom + u':' + QString::number(valeur.size()) + u'>' + valeur + u"\r\n"_s;
    };
    champ(u"ADIF_VER"_s, u"3.1.6"_s);
    champ(u"PROGRAMID"_s, Programme_ADIF);
    champ(u"PROGRAMVERSION"_s, Revision().trimmed());
    champ(u"CREATED_TIMESTAMP"_s, Horodatage(maintenant_utc));
    t += u"<EOH>\r\n\r\n"_s;
    return t.toLatin1();
}

QByteArray Enregistrement_ADI(const QList<std::pair<QString, QString>>& champs) {
    QString t;
    for (const auto& [nom, valeur] : champs) {
        const QString v = Sans_Accents(valeur);
        if (!v.isEmpty()) {
            t += u'<' + nom + u':' + QString::number(v.size()) + u'>' + v + u' ';
        }
    }
    return (t + u"<EOR>\r\n"_s).toLatin1();
}

QByteArray Exporte_ADI(const Lignes_Log& log, const Entete_Export& e, QList<int>* ecartees) {
    return Ecrit_ADI(log, e, true, ecartees);
}

QByteArray Exporte_ADX(const Lignes_Log& log, const Entete_Export& e, QList<int>* ecartees) {
    return Ecrit_ADX(log, e, true, ecartees);
}

QString Texte_Lignes_Ecartees(const QList<int>& ecartees) {
    if (ecartees.isEmpty()) {
        return {};
    }
    constexpr qsizetype Nommees = 20;
    QStringList numeros;
    for (qsizetype i = 0; i < ecartees.size() && i < Nommees; ++i) {
        numeros.append(Nombre_Francais(ecartees[i]));
    }
    QString liste = numeros.size() == 1
                        ? numeros.constFirst()
                        : numeros.mid(0, numeros.size() - 1).join(u", "_s) + u" et "_s + numeros.constLast();
    if (ecartees.size() > Nommees) {
        liste =
            numeros.join(u", "_s) + u"… (et "_s + Nombre_Francais(ecartees.size() - Nommees) + u" autres)"_s;
    }
    const bool une = ecartees.size() == 1;
    return u"\r\n"_s +
           (une ? u"Une ligne abîmée n'a pas été exportée\u00A0: le journal ne pourrait pas la relire"_s
                : Nombre_Francais(ecartees.size()) +
                      u" lignes abîmées n'ont pas été exportées\u00A0: le journal ne pourrait pas les relire"_s) +
           u" (date ou heure illisible, caractère interdit). "_s + (une ? u"Ligne"_s : u"Lignes"_s) +
           u"\u00A0: "_s + liste + u'.';
}

QString Cellule_CSV(QString v) {
    // A text a spreadsheet would take for a formula stays a text.
    if (!v.isEmpty() && (v[0] == u'=' || v[0] == u'+' || v[0] == u'@' ||
                         (v[0] == u'-' && (v.size() == 1 || !v[1].isDigit())))) {
        v.prepend(u'\'');
    }
    if (v.contains(u';') || v.contains(u'"') || v.contains(u'\n') || v.contains(u'\r') ||
        v.startsWith(u' ') || v.endsWith(u' ')) {
        v.replace(u"\""_s, u"\"\""_s);
        v = u'"' + v + u'"';
    }
    return v;
}

QByteArray Exporte_CSV(const Lignes_Log& log) {
    QString t =
        u"Indicatif A;Dpt A;RST A;Prénom;QTH;Indicatif B;Dpt B;RST B;Date;Heure UTC;Mode;Bande;QSL\r\n"_s;
    for (int i = 0; i < log.Nombre(); ++i) {
        const QString ligne = log.Ligne_Log(i);
        const Colonnes c = Colonnes_De(ligne);
        const auto date = Date_Vers_ADIF(c.date);
        const QString jour =
            date ? date->left(4) + u'-' + date->mid(4, 2) + u'-' + date->right(2) : c.date.toString();
        const auto n = [](QStringView v) { return v.trimmed().toString(); };
        const QStringList cellules = {n(c.ind_a),
                                      n(c.dpt_a),
                                      n(c.rst_a),
                                      n(c.prenom),
                                      n(c.qth),
                                      n(c.ind_b),
                                      n(c.dpt_b),
                                      n(c.rst_b),
                                      jour,
                                      n(c.heure),
                                      n(c.mode),
                                      n(c.bande),
                                      c.qsl ? u"*"_s : QString()};
        for (qsizetype k = 0; k < cellules.size(); ++k) {
            t += (k ? u";"_s : QString()) + Cellule_CSV(cellules[k]);
        }
        t += u"\r\n"_s;
    }
    return "\xEF\xBB\xBF" + t.toUtf8();
}

} // namespace swl
