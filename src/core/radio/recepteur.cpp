#include "core/radio/recepteur.h"

#include "core/base/texte_1252.h"
#include "core/log/fiche_qso.h"
#include "core/program/reglages.h"

#include <QRegularExpression>

#include <utility>

namespace swl {

using namespace Qt::Literals::StringLiterals;

namespace {

constexpr qint64 Frequence_Maximale_Hz = 10'000'000'000;

// A whole number written in ASCII digits, with an optional sign, and nothing else.
std::optional<qint64> Nombre(QByteArrayView texte) {
    const QByteArray t = texte.trimmed().toByteArray();
    if (t.isEmpty() || t.size() > 19) {
        return std::nullopt;
    }
    bool ok = false;
    const qint64 n = t.toLongLong(&ok);
    return ok ? std::optional<qint64>(n) : std::nullopt;
}

// The n of "RPRT -n" (0 for "RPRT 0"), or nothing when the line is not such a report.
std::optional<int> Rapport(QByteArrayView ligne) {
    if (!ligne.startsWith("RPRT ")) {
        return std::nullopt;
    }
    const auto n = Nombre(ligne.sliced(5));
    if (!n || *n > 0 || *n < -1000) {
        return std::nullopt;
    }
    return int(-*n);
}

} // namespace

bool Frequence_Valide(qint64 hz) {
    return hz > 0 && hz <= Frequence_Maximale_Hz;
}

QString Texte_Frequence(qint64 hz, const QString& mode) {
    if (!Frequence_Valide(hz)) {
        return u"fréquence inconnue"_s;
    }
    // Tenths of kHz, rounded.
    const qint64 dixiemes = (hz + 50) / 100;
    QString texte = Nombre_Francais(dixiemes / 10) + u',' + QString::number(dixiemes % 10) + u"\u00A0kHz"_s;
    if (!mode.isEmpty()) {
        texte += u' ' + mode;
    }
    return texte;
}

QString Bande_Recepteur(qint64 hz) {
    return Frequence_Valide(hz) ? Bande_De_Frequence(double(hz) / 1000.0) : QString();
}

QString Mode_Journal(const QString& mode_hamlib) {
    const QString m = mode_hamlib.trimmed().toUpper();
    // OFF: GQRX with its demodulator off hears no mode at all.
    if (m.isEmpty() || m == u"OFF"_s) {
        return {};
    }
    if (m == u"USB"_s || m == u"LSB"_s) {
        return u"SSB"_s;
    }
    // CWU and CWL: GQRX's names for CW heard on either side.
    if (m == u"CW"_s || m == u"CWR"_s || m == u"CWU"_s || m == u"CWL"_s) {
        return u"CW"_s;
    }
    // WFM_ST and WFM_ST_OIRT: stereo broadcast FM of GQRX and Hamlib.
    if (m == u"FM"_s || m == u"WFM"_s || m.startsWith(u"WFM_"_s)) {
        return u"FM"_s;
    }
    // AMS: synchronous AM (GQRX, Hamlib); DSB: SDR++'s double sideband, heard as AM.
    if (m == u"AM"_s || m == u"SAM"_s || m == u"AMS"_s || m == u"DSB"_s) {
        return u"AM"_s;
    }
    return u"DIG"_s;
}

QString Erreur_Hamlib(int code) {
    static const QStringList mots = {
        u"aucune erreur"_s,
        u"paramètre invalide"_s,
        u"configuration invalide (port série, vitesse…)"_s,
        u"mémoire insuffisante"_s,
        u"fonction pas encore réalisée"_s,
        u"délai de communication dépassé"_s,
        u"erreur d'entrée-sortie (le port n'a pas pu être ouvert\u00A0?)"_s,
        u"erreur interne de Hamlib"_s,
        u"erreur de protocole"_s,
        u"commande refusée par le récepteur"_s,
        u"commande exécutée, argument tronqué"_s,
        u"fonction non disponible sur ce récepteur"_s,
        u"VFO inaccessible"_s,
        u"erreur du bus de communication"_s,
        u"collision sur le bus de communication"_s,
        u"argument invalide"_s,
        u"VFO invalide"_s,
        u"argument hors limites"_s,
        u"fonction abandonnée"_s,
        u"erreur de sécurité"_s,
        u"le récepteur n'est pas allumé"_s,
    };
    const QString mot = code >= 0 && code < mots.size() ? mots[code] : u"erreur inconnue"_s;
    return mot + u" (RPRT -"_s + QString::number(code) + u')';
}

void Lecteur_Rigctl::Oublie() {
    attendues_.clear();
    ligne_.clear();
    trop_longue_ = false;
    mode_.clear();
    mode_lu_ = false;
}

QList<Lecteur_Rigctl::Reponse> Lecteur_Rigctl::Ajoute(QByteArrayView octets) {
    QList<Reponse> reponses;
    while (!octets.isEmpty()) {
        const qsizetype fin = octets.indexOf('\n');
        const QByteArrayView morceau = fin < 0 ? octets : octets.first(fin);
        // Only the first bytes of a line are kept: a longer line is no answer.
        if (!trop_longue_) {
            if (ligne_.size() + morceau.size() > Longueur_Ligne_Maximale) {
                trop_longue_ = true;
                ligne_.clear();
            } else {
                ligne_.append(morceau);
            }
        }
        if (fin < 0) {
            break;
        }
        octets = octets.sliced(fin + 1);
        if (trop_longue_) {
            trop_longue_ = false;
            Ligne_Complete({}, reponses);
            reponses.last().lisible = false;
        } else {
            Ligne_Complete(ligne_, reponses);
        }
        ligne_.clear();
    }
    return reponses;
}

void Lecteur_Rigctl::Ligne_Complete(QByteArrayView ligne, QList<Reponse>& reponses) {
    ligne = ligne.endsWith('\r') ? ligne.chopped(1) : ligne;
    Reponse r;
    if (attendues_.isEmpty()) {
        r.lisible = false;
        reponses.append(r);
        return;
    }
    r.demande = attendues_.constFirst();
    const auto rapport = Rapport(ligne);
    switch (r.demande) {
    case Demande::Frequence:
        if (rapport) {
            r.erreur = *rapport;
            r.lisible = *rapport != 0;
        } else if (const auto n = Nombre(ligne)) {
            r.hz = *n;
        } else {
            r.lisible = false;
        }
        break;
    case Demande::Accord:
        r.lisible = rapport.has_value();
        r.erreur = rapport.value_or(0);
        break;
    case Demande::Enregistreur:
        // GQRX refuses a command it does not know with "RPRT 1".
        if (const auto n = ligne.startsWith("RPRT ") ? Nombre(ligne.sliced(5)) : std::nullopt;
            !rapport && n && *n > 0 && *n <= 1000) {
            r.erreur = int(*n);
            break;
        }
        r.lisible = rapport.has_value();
        r.erreur = rapport.value_or(0);
        break;
    case Demande::Mode:
        if (!mode_lu_) {
            if (rapport) {
                r.erreur = *rapport;
                r.lisible = *rapport != 0;
                break;
            }
            // Hamlib's names hold "_" and "-" too (WFM_ST, D-STAR). SDRangel answers on one
            // line, "USB 2700".
            static const QRegularExpression forme(u"^([A-Z][A-Z0-9_-]{0,19})(?: ([0-9]{1,12}))?$"_s);
            const QRegularExpressionMatch lu = forme.match(QString::fromLatin1(ligne));
            if (!lu.hasMatch()) {
                r.lisible = false;
                break;
            }
            if (lu.hasCaptured(2)) {
                r.mode = lu.captured(1);
                r.passband = lu.captured(2).toLongLong();
                break;
            }
            mode_ = lu.captured(1);
            mode_lu_ = true;
            return; // the passband follows, unless the server gives none
        }
        mode_lu_ = false;
        if (const auto n = Nombre(ligne); n && *n >= 0) {
            r.mode = mode_;
            r.passband = *n;
        } else {
            r.lisible = false;
        }
        break;
    }
    attendues_.removeFirst();
    reponses.append(r);
}

std::optional<Lecteur_Rigctl::Reponse> Lecteur_Rigctl::Mode_Sans_Largeur() {
    if (!mode_lu_ || !ligne_.isEmpty() || trop_longue_ || attendues_.isEmpty() ||
        attendues_.constFirst() != Demande::Mode) {
        return std::nullopt;
    }
    mode_lu_ = false;
    attendues_.removeFirst();
    Reponse r;
    r.demande = Demande::Mode;
    r.mode = std::exchange(mode_, QString());
    return r;
}

QList<Modele_Hamlib> Lit_Liste_Modeles(QByteArrayView sortie) {
    // " Rig #  Mfg                    Model                   Version  …": the columns of the
    // header give where the maker and the model start; the version column ends the model.
    QList<Modele_Hamlib> modeles;
    qsizetype col_fabricant = -1, col_modele = -1, col_version = -1;
    for (QByteArrayView ligne : QByteArrayView(sortie).toByteArray().split('\n')) {
        const QString texte = QString::fromUtf8(ligne);
        if (col_fabricant < 0) {
            if (texte.contains(u"Rig #"_s)) {
                col_fabricant = texte.indexOf(u"Mfg"_s);
                col_modele = texte.indexOf(u"Model"_s);
                col_version = texte.indexOf(u"Version"_s);
                if (col_fabricant < 0 || col_modele <= col_fabricant || col_version <= col_modele) {
                    col_fabricant = -1;
                }
            }
            continue;
        }
        bool ok = false;
        const int numero = texte.left(col_fabricant).trimmed().toInt(&ok);
        if (!ok || numero <= 0 || texte.size() <= col_modele) {
            continue;
        }
        const QString fabricant = texte.mid(col_fabricant, col_modele - col_fabricant).trimmed();
        const QString modele = texte.mid(col_modele, col_version - col_modele).trimmed();
        if (!fabricant.isEmpty() && !modele.isEmpty()) {
            modeles.append({numero, fabricant, modele});
        }
    }
    return modeles;
}

Reglage_Recepteur Lit_Reglage_Recepteur(const Reglages& reglages) {
    const QString section = Reglages::Section_Commune();
    const auto entier = [&](const QString& cle, int defaut, int de, int a) {
        bool ok = false;
        const int n = reglages.Lire_Reglage(section, cle, defaut).trimmed().toInt(&ok);
        return ok ? qBound(de, n, a) : defaut;
    };
    Reglage_Recepteur r;
    const QString sorte = reglages.Lire_Reglage(section, cle::Recepteur_Sorte, u"aucun"_s).trimmed();
    r.sorte = sorte == u"modele"_s    ? Reglage_Recepteur::Sorte::Modele
              : sorte == u"rigctld"_s ? Reglage_Recepteur::Sorte::Rigctld
                                      : Reglage_Recepteur::Sorte::Aucun;
    r.modele = entier(cle::Recepteur_Modele, r.modele, 1, 99999);
    r.peripherique = reglages.Lire_Reglage(section, cle::Recepteur_Peripherique, QString()).trimmed();
    r.vitesse = entier(cle::Recepteur_Vitesse, 0, 0, 10'000'000);
    r.hote = reglages.Lire_Reglage(section, cle::Recepteur_Hote, r.hote).trimmed();
    r.port = entier(cle::Recepteur_Port, r.port, 1, 65535);
    r.intervalle_ms =
        entier(cle::Recepteur_Intervalle, r.intervalle_ms, Intervalle_Minimal_Ms, Intervalle_Maximal_Ms);
    return r;
}

void Ecrit_Reglage_Recepteur(Reglages& reglages, const Reglage_Recepteur& r) {
    const QString section = Reglages::Section_Commune();
    static const QStringList sortes = {u"aucun"_s, u"modele"_s, u"rigctld"_s};
    reglages.Ecrire_Reglage(section, cle::Recepteur_Sorte, sortes[int(r.sorte)]);
    reglages.Ecrire_Reglage(section, cle::Recepteur_Modele, r.modele);
    reglages.Ecrire_Reglage(section, cle::Recepteur_Peripherique, r.peripherique);
    reglages.Ecrire_Reglage(section, cle::Recepteur_Vitesse, r.vitesse);
    reglages.Ecrire_Reglage(section, cle::Recepteur_Hote, r.hote);
    reglages.Ecrire_Reglage(section, cle::Recepteur_Port, r.port);
    reglages.Ecrire_Reglage(section, cle::Recepteur_Intervalle, r.intervalle_ms);
}

QString Controle_Reglage_Recepteur(const Reglage_Recepteur& r) {
    const auto invisible = [](const QString& t) {
        return std::any_of(t.begin(), t.end(), [](QChar c) { return !c.isPrint() || c.isSpace(); });
    };
    switch (r.sorte) {
    case Reglage_Recepteur::Sorte::Aucun:
        return {};
    case Reglage_Recepteur::Sorte::Modele:
        if (r.modele <= 0) {
            return u"Choisissez le récepteur dans la liste des modèles."_s;
        }
        if (invisible(r.peripherique) || r.peripherique.size() > 255) {
            return u"Le port série «\u00A0"_s + Extrait_Visible(r.peripherique) +
                   u"\u00A0» n'est pas un chemin de périphérique (par exemple /dev/ttyUSB0)."_s;
        }
        return {};
    case Reglage_Recepteur::Sorte::Rigctld:
        if (r.hote.isEmpty() || invisible(r.hote) || r.hote.size() > 253) {
            return u"L'adresse «\u00A0"_s + Extrait_Visible(r.hote) +
                   u"\u00A0» n'est pas une adresse de machine (par exemple 127.0.0.1)."_s;
        }
        if (r.port < 1 || r.port > 65535) {
            return u"Le port doit être un nombre de 1 à 65535."_s;
        }
        return {};
    }
    return {};
}

} // namespace swl
