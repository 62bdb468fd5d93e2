#include "core/radio/cluster.h"

#include "core/base/texte_1252.h"
#include "core/log/fiche_qso.h"

#include <array>

namespace swl {

using namespace Qt::Literals::StringLiterals;

namespace {

// Each choice of the band list and the part of its page's address.
struct Choix_Cluster {
    const char16_t* libelle;
    const char16_t* partie;
};
constexpr std::array<Choix_Cluster, 14> Choix = {{{u"All HF", u"HF"},
                                                  {u"1.8 Mhz", u"1.8"},
                                                  {u"3.5 Mhz", u"3.5"},
                                                  {u"7.0 Mhz", u"7"},
                                                  {u"10 Mhz", u"10"},
                                                  {u"14 Mhz", u"14"},
                                                  {u"18 Mhz", u"18"},
                                                  {u"21 Mhz", u"21"},
                                                  {u"24 Mhz", u"24"},
                                                  {u"28 Mhz", u"28"},
                                                  {u"50 Mhz", u"50"},
                                                  {u"144 Mhz", u"144"},
                                                  {u"432 Mhz", u"430"},
                                                  {u"All VHF", u"VHF"}}};

} // namespace

const QStringList& Choix_Bandes_Cluster() {
    static const QStringList libelles = [] {
        QStringList l;
        for (const Choix_Cluster& c : Choix) {
            l << QString::fromUtf16(c.libelle);
        }
        return l;
    }();
    return libelles;
}

QString Adresse_Cluster(const QString& base, int index) {
    const QStringView partie = index >= 0 && index < int(Choix.size())
                                   ? QStringView(Choix[std::size_t(index)].partie)
                                   : QStringView();
    if (partie == u"HF" || partie == u"VHF") {
        return base + u"/dxc/top_250_"_s + partie + u".html"_s;
    }
    return base + u"/dxc/top_50_"_s + partie + u"_MHz.html"_s;
}

int Index_Cluster_Stocke(const QString& texte) {
    // The leading whole number, spaces before it skipped.
    const QString t = texte.trimmed();
    qsizetype fin = 0;
    if (fin < t.size() && (t[fin] == u'-' || t[fin] == u'+')) {
        ++fin;
    }
    const qsizetype chiffres = fin;
    while (fin < t.size() && fin - chiffres < 6 && t[fin].isDigit() && t[fin].unicode() < 128) {
        ++fin;
    }
    bool ok = false;
    const int index = fin > chiffres ? t.left(fin).toInt(&ok) : 0;
    if (!ok) {
        return 0;
    }
    if (index == -1) {
        return -1;
    }
    return index >= 0 && index < Choix_Bandes_Cluster().size() ? index : 0;
}

QString Base_Cluster(const QString& stockee) {
    QString base = stockee.trimmed();
    while (base.endsWith(u'/')) {
        base.chop(1);
    }
    return base.isEmpty() ? Adresse_Cluster_Defaut : base;
}

Noeud_Cluster Controle_Noeud(const QString& hote, const QString& port) {
    Noeud_Cluster n{hote.trimmed(), 0, {}};
    bool ok = false;
    const int p = port.trimmed().toInt(&ok);
    if (n.hote.isEmpty()) {
        n.refus =
            u"Indiquez le nom du nœud du cluster et son port (par exemple hamqth.com et 7300)\u00A0: rien "
            u"n'a été envoyé."_s;
    } else if (n.hote.contains(u' ') || !ok || p < 1 || p > 65535) {
        n.refus =
            u"Le nœud «\u00A0"_s + n.hote + u"\u00A0», port «\u00A0"_s + port.trimmed() +
            u"\u00A0», ne peut pas être utilisé.\r\nIndiquez le nom du nœud et un port de 1 à 65535 (par "
            u"exemple hamqth.com et 7300)."_s;
    } else {
        n.port = static_cast<quint16>(p);
    }
    return n;
}

QString Controle_Commande(const QString& commande) {
    for (const QChar c : commande) {
        if (c.unicode() < 0x20 || c.unicode() > 0x7E) {
            return u"Le nœud n'accepte que des lettres sans accent, des chiffres et des signes "
                   u"simples\u00A0: la "
                   u"commande n'a pas été envoyée."_s;
        }
    }
    return {};
}

QString Raison_Echec_Page(Domaine_Erreur domaine, int code) {
    switch (domaine) {
    case Domaine_Erreur::Statut_Http:
        return code == 404 ? u"la page n'existe pas sur le site (erreur HTTP 404)"_s
                           : u"le site a répondu par l'erreur HTTP "_s + QString::number(code);
    case Domaine_Erreur::Nom:
        return u"le nom du site est introuvable (pas de réseau, ou adresse inconnue)"_s;
    case Domaine_Erreur::Certificat:
        return u"le certificat de sécurité du site n'est pas valable"_s;
    case Domaine_Erreur::Connexion:
    case Domaine_Erreur::Http:
    case Domaine_Erreur::Autre:
        break;
    }
    // Network error numbers of the browser engine.
    switch (code) {
    case -105:
    case -137:
        return u"le nom du site est introuvable (pas de réseau, ou adresse inconnue)"_s;
    case -106:
        return u"l'ordinateur n'est pas connecté à Internet"_s;
    case -102:
        return u"le site a refusé la connexion"_s;
    case -7:
    case -118:
        return u"le site ne répond pas"_s;
    case -109:
        return u"le site est injoignable"_s;
    default:
        return u"erreur de connexion n° "_s + QString::number(code);
    }
}

QString Page_Hors_Ligne(const QString& adresse, const QString& raison, bool site_a_repondu) {
    return u"<!DOCTYPE html><html lang=\"fr\"><head><meta charset=\"utf-8\">"
           u"<title>Statistiques du cluster indisponibles</title></head>"
           u"<body style=\"font-family: sans-serif; margin: 2em;\">"
           u"<h2>Statistiques du cluster indisponibles</h2>"
           u"<p>La page <b>"_s +
           adresse.toHtmlEscaped() + u"</b> ne peut pas être affichée\u00A0: "_s + raison.toHtmlEscaped() +
           u".</p><p>"_s +
           (site_a_repondu
                ? u"Le site est joignable mais n'a pas donné la page\u00A0: cliquez plus tard sur "
                  u"«\u00A0Afficher\u00A0» "
                  u"pour réessayer."_s
                : u"Vérifiez la connexion à Internet, puis cliquez sur «\u00A0Afficher\u00A0» pour réessayer."_s) +
           u"</p></body></html>"_s;
}

QString Page_Chargement(const QString& adresse) {
    return u"<!DOCTYPE html><html lang=\"fr\"><head><meta charset=\"utf-8\">"
           u"<title>Chargement des statistiques du cluster</title></head>"
           u"<body style=\"font-family: sans-serif; margin: 2em;\">"
           u"<h2>Chargement…</h2><p>La page <b>"_s +
           adresse.toHtmlEscaped() + u"</b> est demandée au site, veuillez patienter.</p></body></html>"_s;
}

namespace {

bool Est_Indicatif(QStringView t) {
    if (t.isEmpty() || t.size() > 15) {
        return false;
    }
    bool lettre = false, chiffre = false;
    for (const QChar c : t) {
        const char16_t u = c.toUpper().unicode();
        if (u >= 'A' && u <= 'Z') {
            lettre = true;
        } else if (u >= '0' && u <= '9') {
            chiffre = true;
        } else if (u != '/' && u != '-' && u != '#') {
            return false;
        }
    }
    return lettre && chiffre;
}

bool Est_Heure(QStringView t) {
    if (t.size() != 5 || (t[4] != u'Z' && t[4] != u'z')) {
        return false;
    }
    for (int i = 0; i < 4; ++i) {
        if (t[i] < u'0' || t[i] > u'9') {
            return false;
        }
    }
    const int h = t.left(2).toInt(), m = t.mid(2, 2).toInt();
    return h <= 23 && m <= 59;
}

bool Est_Locator(QStringView t) {
    if (t.size() != 4 && t.size() != 6) {
        return false;
    }
    const auto entre = [](QChar c, char16_t a, char16_t b) {
        const char16_t u = c.toUpper().unicode();
        return u >= a && u <= b;
    };
    return entre(t[0], 'A', 'R') && entre(t[1], 'A', 'R') && entre(t[2], '0', '9') && entre(t[3], '0', '9') &&
           (t.size() == 4 || (entre(t[4], 'A', 'X') && entre(t[5], 'A', 'X')));
}

struct Mot {
    qsizetype debut;
    QStringView texte;
};

QList<Mot> Mots(QStringView ligne) {
    QList<Mot> mots;
    qsizetype i = 0;
    while (i < ligne.size()) {
        while (i < ligne.size() && ligne[i].isSpace()) {
            ++i;
        }
        const qsizetype debut = i;
        while (i < ligne.size() && !ligne[i].isSpace()) {
            ++i;
        }
        if (i > debut) {
            mots.append({debut, ligne.sliced(debut, i - debut)});
        }
    }
    return mots;
}

} // namespace

std::optional<Spot> Analyse_Spot(QStringView ligne) {
    if (ligne.size() > Flux_Telnet::Longueur_Maximale || !ligne.startsWith(u"DX de ", Qt::CaseInsensitive)) {
        return std::nullopt;
    }
    for (const QChar c : ligne) {
        if ((c.unicode() < 0x20 && c != u'\t') || (c.unicode() >= 0x7F && c.unicode() <= 0x9F) ||
            c.isSurrogate() || c == QChar::ReplacementCharacter) {
            return std::nullopt;
        }
    }
    const QList<Mot> mots = Mots(ligne.sliced(6));
    if (mots.size() < 4) {
        return std::nullopt;
    }
    Spot s;
    QStringView spotteur = mots[0].texte;
    if (spotteur.endsWith(u':')) {
        spotteur.chop(1);
    }
    if (!Est_Indicatif(spotteur)) {
        return std::nullopt;
    }
    s.spotteur = spotteur.toString().toUpper();

    const QStringView frequence = mots[1].texte;
    bool ok = false;
    const double khz = frequence.toDouble(&ok);
    const qsizetype point = frequence.indexOf(u'.');
    const qsizetype decimales = point < 0 ? 0 : frequence.size() - point - 1;
    if (!ok || khz < 100 || khz > 300e6 || decimales > 3 || frequence.startsWith(u'-') ||
        frequence.startsWith(u'+')) {
        return std::nullopt;
    }
    s.khz = khz;
    s.frequence = frequence.toString();
    s.bande = Bande_De_Frequence(khz);

    if (!Est_Indicatif(mots[2].texte)) {
        return std::nullopt;
    }
    s.indicatif = mots[2].texte.toString().toUpper();

    // From the end: a locator may follow the time.
    qsizetype fin = mots.size() - 1;
    if (Est_Locator(mots[fin].texte) && fin > 3 && Est_Heure(mots[fin - 1].texte)) {
        s.locator = mots[fin].texte.toString().toUpper();
        --fin;
    }
    if (fin < 3 || !Est_Heure(mots[fin].texte)) {
        return std::nullopt;
    }
    s.heure = mots[fin].texte.left(4).toString();
    const QStringView reste = ligne.sliced(6);
    const qsizetype debut_commentaire = mots[2].debut + mots[2].texte.size();
    s.commentaire = reste.sliced(debut_commentaire, mots[fin].debut - debut_commentaire)
                        .trimmed()
                        .left(Longueur_Commentaire_Spot)
                        .trimmed() // the cut may land on blanks
                        .toString();
    return s;
}

QString Heure_Spot(const Spot& spot) {
    return spot.heure.size() == 4 ? spot.heure.left(2) + u':' + spot.heure.right(2) : spot.heure;
}

bool Spot_Dans_Choix(const Spot& spot, int index) {
    const QStringList& choix = Choix_Bandes_Cluster();
    if (index < 0 || index >= choix.size()) {
        return true;
    }
    if (index == 0) {
        return spot.khz < 30000;
    }
    if (index == choix.size() - 1) {
        return spot.khz >= 30000;
    }
    return spot.bande == choix[index];
}

int Delai_Reconnexion_Ms(int essai, int initial_ms) {
    qint64 delai = initial_ms;
    for (int i = 1; i < essai && delai < 300000; ++i) {
        delai *= 2;
    }
    return static_cast<int>(qMin<qint64>(delai, 300000));
}

QStringList Flux_Telnet::Ajoute(QByteArrayView octets) {
    constexpr auto IAC = static_cast<char>(0xFF);
    constexpr auto SB = static_cast<char>(0xFA);
    constexpr auto SE = static_cast<char>(0xF0);
    QStringList lignes;
    const auto garde = [this](char c) {
        if (debordement_) {
            return;
        }
        if (ligne_.size() >= Longueur_Maximale) {
            debordement_ = true;
            ligne_.clear();
            ++trop_longues_;
            return;
        }
        ligne_.append(c);
    };
    for (const char c : octets) {
        const auto o = static_cast<unsigned char>(c);
        switch (etat_) {
        case Etat::Iac:
            if (c == IAC) {
                garde(c); // an escaped 0xFF
                etat_ = Etat::Texte;
            } else if (c == SB) {
                etat_ = Etat::Sous_Negociation;
            } else if (o >= 0xFB) {
                etat_ = Etat::Option; // WILL, WONT, DO, DONT and their option
            } else {
                etat_ = Etat::Texte;
            }
            continue;
        case Etat::Option:
            etat_ = Etat::Texte;
            continue;
        case Etat::Sous_Negociation:
            if (c == IAC) {
                etat_ = Etat::Sous_Iac;
            }
            continue;
        case Etat::Sous_Iac:
            etat_ = c == SE ? Etat::Texte : Etat::Sous_Negociation;
            continue;
        case Etat::Texte:
            break;
        }
        if (c == IAC) {
            etat_ = Etat::Iac;
        } else if (c == '\n') {
            if (!debordement_) {
                if (ligne_.endsWith('\r')) {
                    ligne_.chop(1);
                }
                lignes.append(Decode_Utf8_Ou_1252(ligne_));
            }
            ligne_.clear();
            debordement_ = false;
        } else {
            garde(c);
        }
    }
    return lignes;
}

QString Flux_Telnet::En_Attente() const {
    return debordement_ ? QString() : Decode_1252(ligne_);
}

QString Flux_Telnet::Termine_En_Attente() {
    const QString ligne = En_Attente();
    ligne_.clear();
    debordement_ = false;
    return ligne;
}

bool Demande_Indicatif(const QString& en_attente) {
    const QString t = en_attente.trimmed().toLower();
    return t.endsWith(u"login:"_s) || t.contains(u"please enter your call"_s) || t.endsWith(u"call:"_s);
}

QString Ligne_Affichable(QStringView ligne) {
    QString r = ligne.left(300).toString();
    for (QChar& c : r) {
        if (c.unicode() < 0x20 || (c.unicode() >= 0x7F && c.unicode() <= 0x9F)) {
            c = u'·';
        }
    }
    return r;
}

} // namespace swl
