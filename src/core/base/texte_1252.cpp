#include "core/base/texte_1252.h"

#include <QCollator>
#include <QLocale>
#include <QStringDecoder>
#include <QStringList>

#include <algorithm>
#include <array>

namespace swl {

using namespace Qt::Literals::StringLiterals;

namespace {

// Unicode code points of bytes 0x80-0x9F. Undefined bytes keep their own value.
constexpr std::array<char16_t, 32> Table_80_9F = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

// Byte for a code point, or -1 when the code page cannot hold it. Undefined bytes are
// accepted back so that a decoded file re-encodes exactly.
int Octet_De(char16_t c) {
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) {
        return c;
    }
    for (int i = 0; i < 32; ++i) {
        if (Table_80_9F[static_cast<std::size_t>(i)] == c) {
            return 0x80 + i;
        }
    }
    return -1;
}

bool Est_Controle(char16_t c) {
    return c < 0x20 || c == 0x7F || (c >= 0x80 && c <= 0x9F);
}

QString Code_Hexadecimal(const char* prefixe, char16_t c, int chiffres) {
    return QString::fromLatin1(prefixe) + QString::number(c, 16).toUpper().rightJustified(chiffres, u'0');
}

// A character a reader would not see, or that would change what follows it: controls, format
// characters (direction marks, zero-width joiners) and line or paragraph separators.
bool Invisible(QChar c) {
    switch (c.category()) {
    case QChar::Other_Control:
    case QChar::Other_Format:
    case QChar::Separator_Line:
    case QChar::Separator_Paragraph:
        return true;
    default:
        return false;
    }
}

} // namespace

QString Extrait_Visible(QStringView texte, qsizetype maximum) {
    QString r;
    qsizetype montres = 0;
    qsizetype i = 0;
    for (; i < texte.size() && montres < maximum; ++i, ++montres) {
        const QChar c = texte[i];
        if (c.isHighSurrogate() && i + 1 < texte.size() && texte[i + 1].isLowSurrogate()) {
            r += texte.sliced(i, 2);
            ++i;
        } else if (c.unicode() < 0x100 && Invisible(c)) {
            r += Code_Hexadecimal("\\x", c.unicode(), 2);
        } else if (Invisible(c) || c.isSurrogate()) {
            r += Code_Hexadecimal("\\u", c.unicode(), 4);
        } else {
            r += c;
        }
    }
    if (i < texte.size()) {
        const qsizetype paires =
            std::count_if(texte.begin(), texte.end(), [](QChar c) { return c.isLowSurrogate(); });
        r += u"… ("_s + Nombre_Francais(texte.size() - paires) + u" caractères)"_s;
    }
    return r;
}

QString Nombre_Francais(qint64 n) {
    QString chiffres = QString::number(n < 0 ? -n : n);
    for (qsizetype i = chiffres.size() - 3; i > 0; i -= 3) {
        chiffres.insert(i, QChar(0xA0));
    }
    return n < 0 ? u'-' + chiffres : chiffres;
}

QString Decimal_Francais(double x, int decimales) {
    const QString texte = QString::number(x < 0 ? -x : x, 'f', decimales);
    const qsizetype point = texte.indexOf(u'.');
    QString r = Nombre_Francais(texte.left(point < 0 ? texte.size() : point).toLongLong());
    if (point >= 0) {
        r += u',' + texte.mid(point + 1);
    }
    const bool zero =
        std::all_of(texte.cbegin(), texte.cend(), [](QChar c) { return c == u'0' || c == u'.'; });
    return x < 0 && !zero ? u'-' + r : r;
}

QString Texte_Anciennete(const QDate& date, const QDate& aujourdhui) {
    const qint64 jours = date.daysTo(aujourdhui);
    if (jours < 0) {
        return u"dans le futur"_s;
    }
    if (jours <= 1) {
        return jours == 0 ? u"aujourd'hui"_s : u"hier"_s;
    }
    // Whole months and years, as a calendar counts them.
    int mois = (aujourdhui.year() - date.year()) * 12 + aujourdhui.month() - date.month();
    if (aujourdhui.day() < date.day()) {
        --mois;
    }
    if (mois < 1) {
        return u"il y a "_s + QString::number(jours) + u" jours"_s;
    }
    if (mois < 12) {
        return u"il y a "_s + QString::number(mois) + u" mois"_s;
    }
    const int ans = mois / 12;
    return u"il y a "_s + QString::number(ans) + (ans == 1 ? u" an"_s : u" ans"_s);
}

QString Apres_Deux_Points(const QString& phrase) {
    if (phrase.size() < 2 || !phrase[0].isUpper() || !phrase[1].isLower()) {
        return phrase;
    }
    return phrase[0].toLower() + phrase.mid(1);
}

bool Avant_En_Francais(const QString& a, const QString& b) {
    thread_local const QCollator collation = [] {
        QCollator c(QLocale(QLocale::French, QLocale::France));
        c.setCaseSensitivity(Qt::CaseInsensitive);
        return c;
    }();
    return collation.compare(a, b) < 0;
}

QString Taille_Fichier_En_Texte(qint64 octets) {
    if (octets < 1024) {
        return Nombre_Francais(octets) + u" octets"_s;
    }
    if (octets < 1024 * 1024) {
        return Nombre_Francais((octets + 512) / 1024) + u" Ko"_s;
    }
    return Decimal_Francais(static_cast<double>(octets) / (1024.0 * 1024.0), 1) + u" Mo"_s;
}

QString Marque_Hors_1252(QStringView texte) {
    QString r;
    r.reserve(texte.size());
    for (const QChar c : texte) {
        if (Octet_De(c.unicode()) < 0) {
            r += Code_Hexadecimal("\\u", c.unicode(), 4);
        } else {
            r += c;
        }
    }
    return r;
}

QString Decode_1252(QByteArrayView octets) {
    QString texte(octets.size(), Qt::Uninitialized);
    QChar* sortie = texte.data();
    for (qsizetype i = 0; i < octets.size(); ++i) {
        const auto o = static_cast<unsigned char>(octets[i]);
        sortie[i] = (o >= 0x80 && o <= 0x9F) ? QChar(Table_80_9F[o - 0x80u]) : QChar(char16_t(o));
    }
    return texte;
}

qsizetype Premier_Caractere_Interdit(QStringView texte) {
    for (qsizetype i = 0; i < texte.size(); ++i) {
        const char16_t c = texte[i].unicode();
        if (Est_Controle(c) || Octet_De(c) < 0) {
            return i;
        }
    }
    return -1;
}

QByteArray Encode_1252(QStringView texte) {
    QByteArray octets(texte.size(), Qt::Uninitialized);
    for (qsizetype i = 0; i < texte.size(); ++i) {
        const int o = Octet_De(texte[i].unicode());
        octets[i] = static_cast<char>(o < 0 ? '?' : o);
    }
    return octets;
}

QString Message_Caractere_Interdit(QStringView texte, qsizetype position) {
    const QChar c = texte[position];
    QString nom;
    if (c == u'\t') {
        nom = QStringLiteral("une tabulation");
    } else if (c == u'\r' || c == u'\n') {
        nom = QStringLiteral("un retour à la ligne");
    } else if (c.isHighSurrogate() && position + 1 < texte.size()) {
        nom = u"«\u00A0"_s + texte.mid(position, 2) + u"\u00A0»"_s;
    } else if (Est_Controle(c.unicode())) {
        nom = u"un caractère de contrôle (code "_s + QString::number(c.unicode()) + u')';
    } else {
        nom = u"«\u00A0"_s + c + u"\u00A0»"_s;
    }
    return u"Le texte contient "_s + nom +
           u", que le journal ne peut pas enregistrer. Retirez ce caractère ou remplacez-le."_s;
}

QChar Majuscule_1252(QChar c) {
    const QChar capitale = c.toUpper();
    return capitale != c && Octet_De(capitale.unicode()) >= 0 ? capitale : c;
}

QString Majuscules_1252(QStringView texte) {
    QString resultat = texte.toString();
    for (QChar& c : resultat) {
        c = Majuscule_1252(c);
    }
    return resultat;
}

QString Decode_Utf8_Ou_1252(QByteArrayView octets) {
    auto utf8 = QStringDecoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString texte = utf8.decode(octets);
    return utf8.hasError() ? Decode_1252(octets) : texte;
}

QByteArray Octets_Lignes(const QStringList& lignes) {
    QByteArray octets;
    for (const QString& l : lignes) {
        octets += Encode_1252(l);
        octets += "\r\n";
    }
    return octets;
}

QByteArrayView Sans_Espaces_Autour(QByteArrayView octets) {
    const auto espace = [](char c) {
        const auto o = static_cast<unsigned char>(c);
        return o == 0x20 || o == 0xA0 || (o >= 0x09 && o <= 0x0D);
    };
    while (!octets.isEmpty() && espace(octets.front())) {
        octets = octets.sliced(1);
    }
    while (!octets.isEmpty() && espace(octets.back())) {
        octets.chop(1);
    }
    return octets;
}

QList<QByteArrayView> Decoupe_Lignes(QByteArrayView contenu) {
    QList<QByteArrayView> lignes;
    lignes.reserve(contenu.size() / 100 + 1);
    qsizetype debut = 0;
    while (debut < contenu.size()) {
        qsizetype fin = contenu.indexOf('\n', debut);
        const qsizetype suite = fin < 0 ? contenu.size() : fin + 1;
        if (fin < 0) {
            fin = contenu.size();
        }
        qsizetype longueur = fin - debut;
        if (fin < contenu.size() && longueur > 0 && contenu[fin - 1] == '\r') {
            --longueur;
        }
        lignes.append(contenu.sliced(debut, longueur));
        debut = suite;
    }
    return lignes;
}

qsizetype Nombre_Lignes(QByteArrayView contenu) {
    const qsizetype fins = std::count(contenu.begin(), contenu.end(), '\n');
    return fins + (!contenu.isEmpty() && !contenu.endsWith('\n') ? 1 : 0);
}

QByteArray Joint_Lignes(const QList<QByteArrayView>& lignes) {
    qsizetype taille = 0;
    for (const auto& l : lignes) {
        taille += l.size() + 2;
    }
    QByteArray octets;
    octets.reserve(taille);
    for (const auto& l : lignes) {
        octets.append(l);
        octets.append("\r\n", 2);
    }
    return octets;
}

} // namespace swl
