#include "core/exchange/adif_commun.h"

#include "core/log/controles_saisie.h"

#include <QDate>

#include <array>
#include <utility>

namespace swl {

using namespace Qt::Literals::StringLiterals;
using adif::Paire_Mode;

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

} // namespace

namespace adif {

QStringView Bande_ADIF(QStringView bande) {
    for (const Paire_Bande& p : Bandes) {
        if (bande == QStringView(p.log)) {
            return p.adif;
        }
    }
    return {};
}

const Paire_Mode* Mode_Du_Log(QStringView mode) {
    for (const Paire_Mode& p : Modes) {
        if (mode == QStringView(p.log)) {
            return &p;
        }
    }
    return nullptr;
}

namespace {

// The number written by digits already checked.
int Chiffres(QStringView t) {
    int n = 0;
    for (const QChar c : t) {
        n = n * 10 + (c.unicode() - u'0');
    }
    return n;
}

} // namespace

std::optional<QString> Date_De_ADIF(QStringView d, QString* refus) {
    bool ok = d.size() == 8;
    for (const QChar c : d) {
        ok = ok && c >= u'0' && c <= u'9';
    }
    const QDate date =
        ok ? QDate(Chiffres(d.first(4)), Chiffres(d.sliced(4, 2)), Chiffres(d.sliced(6, 2))) : QDate();
    if (!date.isValid()) {
        if (refus) {
            *refus = u"date illisible (QSO_DATE «\u00A0"_s + d.toString() + u"\u00A0»)"_s;
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
    const QChar jj_mm_aa[8] = {d[6], d[7], u'/', d[4], d[5], u'/', d[2], d[3]};
    return QString(jj_mm_aa, 8);
}

std::optional<QString> Heure_De_ADIF(QStringView h) {
    bool ok = h.size() == 4 || h.size() == 6;
    for (const QChar c : h) {
        ok = ok && c >= u'0' && c <= u'9';
    }
    if (!ok || Chiffres(h.first(2)) > 23 || Chiffres(h.sliced(2, 2)) > 59 ||
        (h.size() == 6 && Chiffres(h.sliced(4, 2)) > 59)) {
        return std::nullopt;
    }
    const QChar hh_mm[5] = {h[0], h[1], u':', h[2], h[3]};
    return QString(hh_mm, 5);
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

} // namespace adif

using namespace adif;

QString Bande_Vers_ADIF(const QString& bande) {
    return Bande_ADIF(bande).toString();
}

QString Bande_De_ADIF(QStringView band) {
    const QStringView b = band.trimmed();
    // ADIF has no CB band; loggers that keep it write "11m", the log's 27 Mhz.
    if (b.compare(u"11m", Qt::CaseInsensitive) == 0) {
        return u"27 Mhz"_s;
    }
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

QString Mode_De_ADIF(QStringView mode, QStringView sous_mode, bool* autre) {
    QString m = mode.trimmed().toString().toUpper();
    QString s = sous_mode.trimmed().toString().toUpper();
    // USB and LSB are submodes of SSB, though some programs write them as the mode.
    if (m == u"USB" || m == u"LSB") {
        s = std::exchange(m, u"SSB"_s);
    }
    if (autre) {
        *autre = false;
    }
    if (m.isEmpty() && s.isEmpty()) {
        return {};
    }
    // A submode of the table first (without its mode, the mode it belongs to) (SSB/LSB, MFSK/FT4), then the
    // mode alone.
    for (const Paire_Mode& p : Modes) {
        if ((m.isEmpty() || m == QStringView(p.mode)) && !s.isEmpty() && s == QStringView(p.sous_mode)) {
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

} // namespace swl
