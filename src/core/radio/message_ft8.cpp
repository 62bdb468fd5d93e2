#include "core/radio/message_ft8.h"

#include <QList>

namespace swl {

using namespace Qt::Literals::StringLiterals;

namespace {

bool Lettre(QChar c) {
    return c >= u'A' && c <= u'Z';
}
bool Chiffre(QChar c) {
    return c >= u'0' && c <= u'9';
}

// A 4-character Maidenhead square ("JN18"); "RR73" is the closing, not the square.
bool Locator(QStringView t) {
    return t.size() == 4 && t[0] >= u'A' && t[0] <= u'R' && t[1] >= u'A' && t[1] <= u'R' && Chiffre(t[2]) &&
           Chiffre(t[3]) && t != u"RR73";
}

// "-12", "+05": the value, or nothing.
std::optional<int> Rapport(QStringView t) {
    if (t.size() != 3 || (t[0] != u'-' && t[0] != u'+') || !Chiffre(t[1]) || !Chiffre(t[2])) {
        return std::nullopt;
    }
    const int v = (t[1].unicode() - u'0') * 10 + (t[2].unicode() - u'0');
    return t[0] == u'-' ? -v : v;
}

// The CQ modifier: "DX", "NA", "TEST", "POTA" (1 to 4 letters) or a 3-digit number.
bool Modificateur(QStringView t) {
    if (t.size() == 3 && Chiffre(t[0]) && Chiffre(t[1]) && Chiffre(t[2])) {
        return true;
    }
    if (t.isEmpty() || t.size() > 4) {
        return false;
    }
    for (const QChar c : t) {
        if (!Lettre(c)) {
            return false;
        }
    }
    return true;
}

struct Indicatif_Lu {
    QString texte;
    bool inconnu = false;
};

// A callsign as a decode prints it: plain, compound, or hashed between angle brackets.
std::optional<Indicatif_Lu> Lit_Indicatif(QStringView t) {
    if (t.size() >= 2 && t.front() == u'<' && t.back() == u'>') {
        const QStringView dedans = t.sliced(1, t.size() - 2);
        if (dedans == u"...") {
            return Indicatif_Lu{{}, true};
        }
        t = dedans;
    }
    if (!Indicatif_FT8(t)) {
        return std::nullopt;
    }
    return Indicatif_Lu{t.toString(), false};
}

} // namespace

bool Indicatif_FT8(QStringView indicatif) {
    if (indicatif.size() < 3 || indicatif.size() > 12) {
        return false;
    }
    for (const QChar c : indicatif) {
        if (!Lettre(c) && !Chiffre(c) && c != u'/') {
            return false;
        }
    }
    // The words of the protocol are never callsigns.
    static const QStringView mots[] = {u"RRR", u"RR73", u"QRZ", u"TNX", u"TU"};
    for (const QStringView m : mots) {
        if (indicatif == m) {
            return false;
        }
    }
    bool base = false;
    for (const QStringView partie : indicatif.split(u'/')) {
        if (partie.isEmpty()) {
            return false;
        }
        bool lettre = false;
        bool chiffre = false;
        for (const QChar c : partie) {
            lettre |= Lettre(c);
            chiffre |= Chiffre(c);
        }
        // A square ("JN18") is no callsign on its own.
        base |= lettre && chiffre && !Locator(partie);
    }
    return base;
}

QString Texte_Rapport_FT8(int snr) {
    const int v = qBound(-99, snr, 99);
    const int a = v < 0 ? -v : v;
    const char16_t c[3] = {v < 0 ? u'-' : u'+', char16_t(u'0' + a / 10), char16_t(u'0' + a % 10)};
    return QString(reinterpret_cast<const QChar*>(c), 3);
}

std::optional<Message_FT8> Lit_Message_FT8(QStringView texte) {
    // Far longer than any standard message: free text or garbage, not worth splitting.
    if (texte.size() > 64) {
        return std::nullopt;
    }
    QList<QStringView> mots = texte.split(u' ', Qt::SkipEmptyParts);
    // The decoder's marks of an uncertain or assisted decode.
    while (!mots.isEmpty() && (mots.back() == u"?" || (mots.back().size() == 2 && mots.back()[0] == u'a' &&
                                                       mots.back()[1] >= u'1' && mots.back()[1] <= u'7'))) {
        mots.removeLast();
    }
    if (mots.size() < 2 || mots.size() > 4) {
        return std::nullopt;
    }
    Message_FT8 m;
    if (mots[0] == u"CQ") {
        // CQ CALL, CQ CALL GRID, CQ MOD CALL, CQ MOD CALL GRID.
        qsizetype i = 1;
        if (mots.size() == 4 || (mots.size() == 3 && !Locator(mots[2]))) {
            if (!Modificateur(mots[1])) {
                return std::nullopt;
            }
            i = 2;
        }
        if (i + 1 < mots.size() && !Locator(mots[i + 1])) {
            return std::nullopt;
        }
        const auto appelant = Lit_Indicatif(mots[i]);
        if (!appelant || appelant->inconnu) {
            return std::nullopt;
        }
        m.sorte = Message_FT8::Sorte::Appel;
        m.emetteur = appelant->texte;
        return m;
    }
    if (mots.size() > 3) {
        return std::nullopt;
    }
    const auto destinataire = Lit_Indicatif(mots[0]);
    const auto emetteur = Lit_Indicatif(mots[1]);
    if (!destinataire || !emetteur) {
        return std::nullopt;
    }
    m.destinataire = destinataire->texte;
    m.destinataire_inconnu = destinataire->inconnu;
    m.emetteur = emetteur->texte;
    m.emetteur_inconnu = emetteur->inconnu;
    if (mots.size() == 2) {
        m.sorte = Message_FT8::Sorte::Indicatifs;
        return m;
    }
    const QStringView fin = mots[2];
    if (Locator(fin)) {
        m.sorte = Message_FT8::Sorte::Locator;
    } else if (fin == u"RRR") {
        m.sorte = Message_FT8::Sorte::RRR;
    } else if (fin == u"RR73") {
        m.sorte = Message_FT8::Sorte::RR73;
    } else if (fin == u"73") {
        m.sorte = Message_FT8::Sorte::Soixante_Treize;
    } else if (const auto r = Rapport(fin)) {
        m.sorte = Message_FT8::Sorte::Rapport;
        m.rapport = *r;
    } else if (const auto rr = fin.startsWith(u'R') ? Rapport(fin.sliced(1)) : std::nullopt) {
        m.sorte = Message_FT8::Sorte::R_Rapport;
        m.rapport = *rr;
    } else {
        return std::nullopt;
    }
    return m;
}

} // namespace swl
