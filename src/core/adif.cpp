#include "adif.h"

#include "controles_saisie.h"
#include "fiche_qso.h"
#include "fichier_texte.h"
#include "texte_1252.h"
#include "textes_programme.h"

#include <QSet>
#include <QXmlStreamReader>
#include <QXmlStreamWriter>

#include <array>
#include <string>
#include <utility>

namespace swl {

using namespace Qt::Literals::StringLiterals;

namespace {

struct Paire_Bande {
    const char16_t* log;
    const char16_t* adif;
};
constexpr std::array<Paire_Bande, 12> Bandes = {{{u"1.8 Mhz", u"160m"},
                                                 {u"3.5 Mhz", u"80m"},
                                                 {u"7.0 Mhz", u"40m"},
                                                 {u"10 Mhz", u"30m"},
                                                 {u"14 Mhz", u"20m"},
                                                 {u"18 Mhz", u"17m"},
                                                 {u"21 Mhz", u"15m"},
                                                 {u"24 Mhz", u"12m"},
                                                 {u"28 Mhz", u"10m"},
                                                 {u"50 Mhz", u"6m"},
                                                 {u"144 Mhz", u"2m"},
                                                 {u"432 Mhz", u"70cm"}}};

struct Paire_Mode {
    const char16_t* log;
    const char16_t* mode;
    const char16_t* sous_mode;
};
constexpr std::array<Paire_Mode, 10> Modes = {{{u"SSB", u"SSB", u""},
                                               {u"LSB", u"SSB", u"LSB"},
                                               {u"USB", u"SSB", u"USB"},
                                               {u"CW", u"CW", u""},
                                               {u"FM", u"FM", u""},
                                               {u"AM", u"AM", u""},
                                               {u"FT8", u"FT8", u""},
                                               {u"FT4", u"MFSK", u"FT4"},
                                               {u"PSK", u"PSK", u""},
                                               {u"RTY", u"RTTY", u""}}};

// The ADIF band of a logbook band, a view of the table; empty when ADIF has none.
QStringView Bande_ADIF(QStringView bande) {
    for (const Paire_Bande& p : Bandes) {
        if (bande == QStringView(p.log)) {
            return p.adif;
        }
    }
    return {};
}

// The table's entry of a logbook mode, or nothing.
const Paire_Mode* Mode_Du_Log(QStringView mode) {
    for (const Paire_Mode& p : Modes) {
        if (mode == QStringView(p.log)) {
            return &p;
        }
    }
    return nullptr;
}

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

// What the reading makes of a text of another program: trimmed, in capitals, cut to its column.
QString Texte_Importe(QStringView v, qsizetype largeur, int* coupes = nullptr) {
    QString t = Majuscules_1252(v.trimmed());
    if (t.size() > largeur) {
        t.truncate(largeur);
        if (coupes) {
            ++*coupes;
        }
    }
    return t;
}

// Whether reading `source` back gives `exact` (see Texte_Importe), without making the text.
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

QString Deux_Chiffres(int n) {
    const char16_t c[2] = {char16_t(u'0' + n / 10 % 10), char16_t(u'0' + n % 10)};
    return QString(reinterpret_cast<const QChar*>(c), 2);
}

std::optional<QString> Date_De_ADIF(QStringView d, QString* refus = nullptr) {
    bool ok = d.size() == 8;
    for (const QChar c : d) {
        ok = ok && c >= u'0' && c <= u'9';
    }
    const QDate date =
        ok ? QDate(d.first(4).toInt(), d.sliced(4, 2).toInt(), d.sliced(6, 2).toInt()) : QDate();
    if (!date.isValid()) {
        if (refus) {
            *refus = u"date illisible (QSO_DATE « "_s + d.toString() + u" »)"_s;
        }
        return std::nullopt;
    }
    if (date.year() < 1950 || date.year() > 2049) {
        if (refus) {
            *refus = u"année "_s + QString::number(date.year()) +
                     u" hors de 1950 à 2049 (le journal ne garde que deux chiffres)"_s;
        }
        return std::nullopt;
    }
    return Deux_Chiffres(date.day()) + u'/' + Deux_Chiffres(date.month()) + u'/' +
           Deux_Chiffres(date.year() % 100);
}

std::optional<QString> Heure_De_ADIF(QStringView h) {
    bool ok = h.size() == 4 || h.size() == 6;
    for (const QChar c : h) {
        ok = ok && c >= u'0' && c <= u'9';
    }
    if (!ok || h.first(2).toInt() > 23 || h.sliced(2, 2).toInt() > 59 ||
        (h.size() == 6 && h.sliced(4, 2).toInt() > 59)) {
        return std::nullopt;
    }
    return h.first(2).toString() + u':' + h.sliced(2, 2).toString();
}

std::optional<QString> Heure_Vers_ADIF(QStringView h) {
    const auto chiffre = [h](qsizetype i) { return h[i] >= u'0' && h[i] <= u'9'; };
    if (h.size() != 5 || h[2] != u':' || !chiffre(0) || !chiffre(1) || !chiffre(3) || !chiffre(4) ||
        (h[0].unicode() - u'0') * 10 + (h[1].unicode() - u'0') > 23 || h[3] > u'5') {
        return std::nullopt;
    }
    const QChar c[4] = {h[0], h[1], h[3], h[4]};
    return QString(c, 4);
}

bool Ascii(QStringView t) {
    for (const QChar c : t) {
        if (c.unicode() < 0x20 || c.unicode() > 0x7E) {
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
    if (!Relu_A_L_Identique(call, 12, c.ind_a)) {
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
    if (const auto dpt = Departement_Vers_ADIF(c.dpt_a)) {
        ajoute(u"STATE", dpt->state);
        ajoute(u"DXCC", dpt->dxcc == 214 ? u"214" : u"227");
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

QString Horodatage(const QDateTime& t) {
    return t.toUTC().toString(u"yyyyMMdd HHmmss"_s);
}

} // namespace

QString Bande_Vers_ADIF(const QString& bande) {
    return Bande_ADIF(bande).toString();
}

QString Bande_De_ADIF(const QString& band) {
    const QString b = band.trimmed();
    for (const Paire_Bande& p : Bandes) {
        if (b.compare(QStringView(p.adif), Qt::CaseInsensitive) == 0) {
            return QString::fromUtf16(p.log);
        }
    }
    return {};
}

Mode_ADIF Mode_Vers_ADIF(const QString& mode) {
    const Paire_Mode* p = Mode_Du_Log(mode);
    return p ? Mode_ADIF{QString::fromUtf16(p->mode), QString::fromUtf16(p->sous_mode)} : Mode_ADIF{};
}

QString Mode_De_ADIF(const QString& mode, const QString& sous_mode, bool* autre) {
    const QString m = mode.trimmed().toUpper();
    const QString s = sous_mode.trimmed().toUpper();
    if (autre) {
        *autre = false;
    }
    if (m.isEmpty()) {
        return {};
    }
    // A submode of the table first (SSB/LSB, MFSK/FT4), then the mode alone.
    for (const Paire_Mode& p : Modes) {
        if (m == QStringView(p.mode) && !s.isEmpty() && s == QStringView(p.sous_mode)) {
            return QString::fromUtf16(p.log);
        }
    }
    for (const Paire_Mode& p : Modes) {
        if (m == QStringView(p.mode) && QStringView(p.sous_mode).isEmpty()) {
            return QString::fromUtf16(p.log);
        }
    }
    if (autre) {
        *autre = true;
    }
    return u"DIG"_s;
}

std::optional<QString> Date_Vers_ADIF(QStringView d) {
    // "JJ/MM/AA" as the entry form checks it, and a day the calendar has.
    if (d.size() != 8 || Controle_Date(d) != 0) {
        return std::nullopt;
    }
    const int jour = d.first(2).toInt(), mois = d.sliced(3, 2).toInt(), an = d.sliced(6, 2).toInt();
    const int annee = an >= 50 ? 1900 + an : 2000 + an;
    if (!QDate(annee, mois, jour).isValid()) {
        return std::nullopt;
    }
    const char16_t adif[8] = {char16_t(u'0' + annee / 1000),
                              char16_t(u'0' + annee / 100 % 10),
                              char16_t(u'0' + annee / 10 % 10),
                              char16_t(u'0' + annee % 10),
                              d[3].unicode(),
                              d[4].unicode(),
                              d[0].unicode(),
                              d[1].unicode()};
    return QString(reinterpret_cast<const QChar*>(adif), 8);
}

std::optional<Departement_ADIF> Departement_Vers_ADIF(QStringView code) {
    if (code.size() != 2) {
        return std::nullopt;
    }
    if (code.compare(u"2a", Qt::CaseInsensitive) == 0 || code.compare(u"2b", Qt::CaseInsensitive) == 0) {
        return Departement_ADIF{code.toString().toUpper(), 214};
    }
    if (code[0] < u'0' || code[0] > u'9' || code[1] < u'0' || code[1] > u'9') {
        return std::nullopt;
    }
    const int n = code.toInt();
    if (n < 1 || n > 95 || n == 20) {
        return std::nullopt;
    }
    return Departement_ADIF{code.toString(), 227};
}

namespace {

// The ASCII of one character outside ASCII.
QString Ascii_De(QChar c) {
    switch (c.unicode()) {
    case u'œ':
        return u"oe"_s;
    case u'Œ':
        return u"OE"_s;
    case u'æ':
        return u"ae"_s;
    case u'Æ':
        return u"AE"_s;
    case u'ß':
        return u"ss"_s;
    case u'°':
    case u'º':
        return u"o"_s;
    case u'€':
        return u"EUR"_s;
    case u'‘':
    case u'’':
    case u'´':
        return u"'"_s;
    case u'“':
    case u'”':
    case u'«':
    case u'»':
        return u"\""_s;
    case u'–':
    case u'—':
        return u"-"_s;
    case 0xA0:
        return u" "_s;
    case u'ø':
        return u"o"_s;
    case u'ł':
        return u"l"_s;
    case u'Ø':
        return u"O"_s;
    case u'Ł':
        return u"L"_s;
    case u'đ':
        return u"d"_s;
    default:
        break;
    }
    // A letter with its accent: the base letter of its canonical decomposition.
    const QString d = QString(c).normalized(QString::NormalizationForm_D);
    return QString(!d.isEmpty() && d[0].unicode() >= 0x20 && d[0].unicode() < 0x7F ? d[0] : u'?');
}

} // namespace

QString Sans_Accents(QStringView texte) {
    // The Latin-1 letters, those of French first names and places, are worked out once.
    static const std::array<QString, 0x60> latin1 = [] {
        std::array<QString, 0x60> t;
        for (char16_t u = 0xA0; u <= 0xFF; ++u) {
            t[u - 0xA0u] = Ascii_De(QChar(u));
        }
        return t;
    }();
    if (Ascii(texte)) {
        return texte.toString();
    }
    QString r;
    r.reserve(texte.size());
    for (const QChar c : texte) {
        const char16_t u = c.unicode();
        if (u >= 0x20 && u < 0x7F) {
            r += c;
        } else if (u >= 0xA0 && u <= 0xFF) {
            r += latin1[u - 0xA0u];
        } else {
            r += Ascii_De(c);
        }
    }
    return r;
}

QByteArray Exporte_ADI(const Lignes_Log& log, const Entete_Export& e) {
    QString t;
    t += u"Journal SWL de "_s + Sans_Accents(e.indicatif_station) + u", ORBEL_SWL"_s + Revision() + u"\r\n"_s;
    const auto champ = [&t](const QString& nom, const QString& valeur) {
        t += u'<' + nom + u':' + QString::number(valeur.size()) + u'>' + valeur;
    };
    champ(u"ADIF_VER"_s, u"3.1.6"_s);
    t += u"\r\n"_s;
    champ(u"PROGRAMID"_s, Programme_ADIF);
    t += u"\r\n"_s;
    champ(u"PROGRAMVERSION"_s, Revision().trimmed());
    t += u"\r\n"_s;
    champ(u"CREATED_TIMESTAMP"_s, Horodatage(e.maintenant_utc));
    t += u"\r\n<EOH>\r\n\r\n"_s;
    // Every text written is ASCII by now: its characters go straight into the file's bytes.
    std::string o = t.toStdString();
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
        const QString ligne = log.Ligne_Log(i);
        Champs_Export(ligne, e, false, sortie);
        o += "<EOR>\r\n";
    }
    return QByteArray(o.data(), static_cast<qsizetype>(o.size()));
}

QByteArray Exporte_ADX(const Lignes_Log& log, const Entete_Export& e) {
    QByteArray octets;
    QXmlStreamWriter x(&octets);
    x.setAutoFormatting(true);
    x.setAutoFormattingIndent(1);
    x.writeStartDocument();
    x.writeStartElement(u"ADX"_s);
    x.writeStartElement(u"HEADER"_s);
    x.writeTextElement(u"ADIF_VER"_s, u"3.1.6"_s);
    x.writeTextElement(u"PROGRAMID"_s, Programme_ADIF);
    x.writeTextElement(u"PROGRAMVERSION"_s, Revision().trimmed());
    x.writeTextElement(u"CREATED_TIMESTAMP"_s, Horodatage(e.maintenant_utc));
    x.writeEndElement();
    x.writeStartElement(u"RECORDS"_s);
    const Sortie_Champ sortie = [&x](QStringView nom, QStringView valeur, bool propre) {
        if (propre) {
            x.writeStartElement(u"APP"_s);
            x.writeAttribute(u"PROGRAMID"_s, Programme_ADIF);
            x.writeAttribute(u"FIELDNAME"_s, nom.toString());
            x.writeAttribute(u"TYPE"_s, Ascii(valeur) ? u"S"_s : u"I"_s);
            x.writeCharacters(valeur.toString());
            x.writeEndElement();
        } else {
            x.writeTextElement(nom.toString(), valeur.toString());
        }
    };
    for (int i = 0; i < log.Nombre(); ++i) {
        x.writeStartElement(u"RECORD"_s);
        const QString ligne = log.Ligne_Log(i);
        Champs_Export(ligne, e, true, sortie);
        x.writeEndElement();
    }
    x.writeEndElement();
    x.writeEndElement();
    x.writeEndDocument();
    return octets;
}

QByteArray Exporte_CSV(const Lignes_Log& log) {
    const auto cellule = [](QString v) {
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
    };
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
            t += (k ? u";"_s : QString()) + cellule(cellules[k]);
        }
        t += u"\r\n"_s;
    }
    return "\xEF\xBB\xBF" + t.toUtf8();
}

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

const QString Prefixe_Propre = u"APP_ORBELSWL_"_s;

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

Conversion_ADIF Ligne_De_Enregistrement(const Enregistrement_ADIF& e) {
    Conversion_ADIF r;
    const auto propre = [&e](QStringView nom) -> std::optional<QString> {
        // Our own fields: "APP_ORBELSWL_" and the name.
        for (auto i = e.champs.crbegin(); i != e.champs.crend(); ++i) {
            const QString& n = i->first;
            if (n.size() == Prefixe_Propre.size() + nom.size() && n.endsWith(nom) &&
                n.startsWith(Prefixe_Propre)) {
                return i->second;
            }
        }
        return std::nullopt;
    };
    const auto champ = [&e](QStringView nom) {
        const QString* v = e.Trouve(nom);
        return v ? v->trimmed() : QString();
    };
    const auto intl = [&](QStringView nom, QStringView nom_intl) {
        const QString v = champ(nom_intl);
        return v.isEmpty() ? champ(nom) : v;
    };
    Fiche_QSO f;
    if (const auto a = propre(u"CALL_A"_s)) {
        f.Indicatif_A = *a;
    } else {
        const QString call = Majuscules_1252(champ(u"CALL"_s));
        if (call.isEmpty()) {
            r.refus = u"pas d'indicatif de station (CALL)"_s;
            return r;
        }
        if (call.size() > 12) {
            r.refus = u"indicatif de plus de 12 caractères (« "_s + call + u" »)"_s;
            return r;
        }
        f.Indicatif_A = call;
    }
    f.Indicatif_B = propre(u"CALL_B"_s).value_or(QString());
    if (const auto d = propre(u"DATE"_s)) {
        f.Date = *d;
    } else {
        const auto date = Date_De_ADIF(champ(u"QSO_DATE"_s), &r.refus);
        if (!date) {
            if (champ(u"QSO_DATE"_s).isEmpty()) {
                r.refus = u"pas de date (QSO_DATE)"_s;
            }
            return r;
        }
        f.Date = *date;
    }
    if (const auto h = propre(u"HEURE"_s)) {
        f.Heure = *h;
    } else {
        const auto heure = Heure_De_ADIF(champ(u"TIME_ON"_s));
        if (!heure) {
            r.refus = u"heure illisible (TIME_ON « "_s + champ(u"TIME_ON"_s) + u" »)"_s;
            return r;
        }
        f.Heure = *heure;
    }
    if (const auto b = propre(u"BANDE"_s)) {
        f.Bande = *b;
    } else if (!champ(u"BAND"_s).isEmpty()) {
        f.Bande = Bande_De_ADIF(champ(u"BAND"_s));
        if (f.Bande.isEmpty()) {
            r.refus = u"bande que le journal n'a pas (BAND « "_s + champ(u"BAND"_s) + u" »)"_s;
            return r;
        }
    } else {
        bool ok = false;
        const double mhz = champ(u"FREQ"_s).toDouble(&ok);
        f.Bande = ok ? Bande_De_Frequence(mhz * 1000) : QString();
        if (f.Bande.isEmpty()) {
            r.refus = champ(u"FREQ"_s).isEmpty() ? u"pas de bande (ni BAND ni FREQ)"_s
                                                 : u"fréquence hors des bandes du journal (FREQ « "_s +
                                                       champ(u"FREQ"_s) + u" » MHz)"_s;
            return r;
        }
    }
    if (const auto m = propre(u"MODE"_s)) {
        f.Mode = *m;
    } else {
        f.Mode = Mode_De_ADIF(champ(u"MODE"_s), champ(u"SUBMODE"_s), &r.mode_dig);
    }
    if (const auto v = propre(u"RST_A"_s)) {
        f.RST_A = *v;
    } else {
        f.RST_A = Texte_Importe(champ(u"RST_RCVD"_s), 3, &r.coupes);
    }
    f.RST_B = propre(u"RST_B"_s).value_or(QString());
    if (const auto v = propre(u"PRENOM"_s)) {
        f.Prenom_A = *v;
    } else {
        f.Prenom_A = Texte_Importe(intl(u"NAME", u"NAME_INTL"), 15, &r.coupes);
    }
    if (const auto v = propre(u"QTH"_s)) {
        f.QTH_A = *v;
    } else {
        f.QTH_A = Texte_Importe(intl(u"QTH", u"QTH_INTL"), 30, &r.coupes);
    }
    f.QSL = champ(u"QSL_RCVD"_s).compare(u"Y", Qt::CaseInsensitive) == 0;
    if (const auto v = propre(u"DPT_A"_s)) {
        f.Dpt_A = *v;
    } else {
        // A French department only where the entity is France or Corsica.
        const QString dxcc = champ(u"DXCC"_s);
        const QString state = champ(u"STATE"_s);
        const auto dpt = Departement_Vers_ADIF(state);
        if (dpt &&
            (dxcc.isEmpty() ? Majuscules_1252(f.Indicatif_A).startsWith(u'F') : dxcc.toInt() == dpt->dxcc)) {
            f.Dpt_A = state.toLower();
        }
    }
    f.Dpt_B = propre(u"DPT_B"_s).value_or(QString());
    for (const QString* t : {&f.Indicatif_A, &f.Indicatif_B, &f.Dpt_A, &f.Dpt_B, &f.Prenom_A, &f.QTH_A,
                             &f.RST_A, &f.RST_B, &f.Mode, &f.Bande, &f.Date, &f.Heure}) {
        const qsizetype i = Premier_Caractere_Interdit(*t);
        if (i >= 0) {
            r.refus = u"caractère que le journal ne peut pas enregistrer (« "_s + t->mid(i, 1) + u" »)"_s;
            return r;
        }
    }
    r.ligne = Place_Colonnes_Log(f);
    return r;
}

namespace {

// What makes two QSOs the same: stations A and B, date, time, mode and band, as the log writes them.
QString Cle_Doublon(QStringView ligne) {
    return Piece(ligne, 1, 25).toString() + Piece(ligne, 48, 26).toString();
}

} // namespace

Bilan_Import Importe_ADIF(const Fichier_Log& log, const QByteArray& contenu, bool adx,
                          const Progression& progression) {
    Bilan_Import b;
    const Progression lecture = [&progression](int p) { return !progression || progression(p * 8 / 10); };
    const Lecture_ADIF l = adx ? Lit_ADX(contenu, lecture) : Lit_ADI(contenu, lecture);
    b.arret = l.arret;
    if (l.annulee) {
        b.annule = true;
        return b;
    }
    const Fichier_Log::Lecture existant = log.Lit_Log();
    if (existant.erreur != Lecture_Reussie || !existant.message.isEmpty()) {
        b.ecriture =
            Resultat::Echec(!existant.message.isEmpty()
                                ? existant.message
                                : u"Le journal ne peut pas être lu (Erreur N° "_s +
                                      QString::number(existant.erreur) + u") : rien n'a été importé."_s);
        return b;
    }
    QSet<QString> connus;
    connus.reserve(existant.lignes.Nombre() + l.enregistrements.size());
    for (int i = 0; i < existant.lignes.Nombre(); ++i) {
        connus.insert(Cle_Doublon(existant.lignes.Ligne_Log(i)));
    }
    QList<QByteArray> nouvelles;
    nouvelles.reserve(l.enregistrements.size());
    for (qsizetype i = 0; i < l.enregistrements.size(); ++i) {
        if (progression && i % 2000 == 0 &&
            !progression(80 + static_cast<int>(i * 15 / qMax<qsizetype>(1, l.enregistrements.size())))) {
            b.annule = true;
            return b;
        }
        const Enregistrement_ADIF& e = l.enregistrements[i];
        const Conversion_ADIF c = Ligne_De_Enregistrement(e);
        if (!c.refus.isEmpty()) {
            b.refus.append({e.numero, c.refus});
            continue;
        }
        const QString cle = Cle_Doublon(c.ligne);
        if (connus.contains(cle)) {
            ++b.deja_la;
            continue;
        }
        connus.insert(cle);
        b.modes_dig += c.mode_dig ? 1 : 0;
        b.textes_coupes += c.coupes;
        nouvelles.append(Encode_1252(c.ligne));
    }
    if (progression && !progression(95)) {
        b.annule = true;
        return b;
    }
    if (!nouvelles.isEmpty()) {
        b.ecriture = log.Fusionne_QSO_Log(existant.lignes, nouvelles);
        if (b.ecriture) {
            b.ajoutes = static_cast<int>(nouvelles.size());
        }
    }
    return b;
}

QString Texte_Bilan(const Bilan_Import& b, const QString& fichier, int limite) {
    QString t = u"Import du fichier « "_s + fichier + u" » :\r\n"_s;
    if (b.annule) {
        return t + u"Import annulé : rien n'a été ajouté au journal."_s;
    }
    if (!b.ecriture) {
        t += b.ecriture.message + u"\r\n"_s;
    }
    // "1 QSO ajouté", "2 QSO ajoutés".
    const auto accord = [](qsizetype n, const QString& un, const QString& plusieurs) -> QString {
        return QString::number(n) + u' ' + (n > 1 ? plusieurs : un);
    };
    t += accord(b.ajoutes, u"QSO ajouté au journal."_s, u"QSO ajoutés au journal."_s);
    t += u"\r\n"_s + accord(b.deja_la, u"QSO déjà dans le journal, laissé de côté."_s,
                            u"QSO déjà dans le journal, laissés de côté."_s);
    if (b.modes_dig > 0) {
        t += u"\r\n"_s + accord(b.modes_dig, u"QSO d'un autre mode numérique, noté DIG."_s,
                                u"QSO d'autres modes numériques, notés DIG."_s);
    }
    if (b.textes_coupes > 0) {
        t += u"\r\n"_s + accord(b.textes_coupes, u"texte coupé à la largeur de sa colonne."_s,
                                u"textes coupés à la largeur de leur colonne."_s);
    }
    if (!b.refus.isEmpty()) {
        t += u"\r\n"_s + accord(b.refus.size(), u"enregistrement refusé :"_s, u"enregistrements refusés :"_s);
        for (qsizetype i = 0; i < b.refus.size() && i < limite; ++i) {
            t += u"\r\n  n° "_s + QString::number(b.refus[i].first) + u" : "_s + b.refus[i].second;
        }
        if (b.refus.size() > limite) {
            t += u"\r\n  … et "_s + QString::number(b.refus.size() - limite) + u" autres."_s;
        }
    }
    if (!b.arret.isEmpty()) {
        t += u"\r\nLecture arrêtée avant la fin : "_s + b.arret +
             u". Les enregistrements lus avant sont importés."_s;
    }
    return t;
}

} // namespace swl
