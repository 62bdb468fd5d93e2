#include "core/audio/clips.h"

#include "core/base/texte_1252.h"
#include "core/log/colonnes_log.h"
#include "core/program/reglages.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>

#include <algorithm>

namespace swl {

using namespace Qt::Literals::StringLiterals;

namespace {

// A callsign or band as a file name holds it: letters, digits and "." as they are, "/" and
// anything else "-", spaces left out.
QString Pour_Nom(QByteArrayView texte) {
    QString r;
    for (const char c : texte) {
        if (c == ' ') {
            continue;
        }
        const bool garde =
            (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '.';
        r += garde ? QChar::fromLatin1(c) : u'-';
    }
    return r;
}

// "2026-12-08_1432" of a line's date and time, the key a clip's name starts with.
std::optional<QString> Moment_Nom(QByteArrayView l) {
    const QDate date = Date_Ligne_Log(l);
    const QByteArrayView heure = Colonne_Log(l, 57, 5);
    const int h = Deux_Chiffres(heure, 0);
    const int m = heure.size() == 5 && heure[2] == ':' ? Deux_Chiffres(heure, 3) : -1;
    if (!date.isValid() || h < 0 || h > 23 || m < 0 || m > 59) {
        return std::nullopt;
    }
    return date.toString(u"yyyy-MM-dd"_s) + u'_' + QString::number(h).rightJustified(2, u'0') +
           QString::number(m).rightJustified(2, u'0');
}

bool Est_Suite(QStringView reste) {
    // "-2", "-3"…: the further clips of one QSO.
    return reste.size() >= 2 && reste[0] == u'-' &&
           std::all_of(reste.begin() + 1, reste.end(), [](QChar c) { return c.isDigit(); });
}

} // namespace

std::optional<QString> Nom_Clip(QByteArrayView l) {
    const auto moment = Moment_Nom(l);
    const QByteArrayView a = Colonne_Log(l, 1, 12);
    if (!moment || a.isEmpty()) {
        return std::nullopt;
    }
    const QByteArrayView b = Colonne_Log(l, 14, 12);
    return *moment + u'_' + Pour_Nom(a) + u'_' + (b.isEmpty() ? u"-"_s : Pour_Nom(b)) + u'_' +
           Pour_Nom(Colonne_Log(l, 67, 7));
}

QString Moment_Du_Clip(const QString& base) {
    return base.mid(8, 2) + u'/' + base.mid(5, 2) + u'/' + base.left(4) + u' ' + base.mid(11, 2) + u':' +
           base.mid(13, 2);
}

QString Dossier_Clips(const QString& repertoire, const QString& indicatif_station) {
    return QDir(repertoire).filePath(u"Enregistrements/"_s + indicatif_station);
}

QString Base_Clip(const QString& nom_fichier) {
    if (!nom_fichier.endsWith(Extension_Clip)) {
        return {};
    }
    QString base = nom_fichier.chopped(Extension_Clip.size());
    const qsizetype tiret = base.lastIndexOf(u'-');
    if (tiret > 0 && Est_Suite(QStringView(base).sliced(tiret))) {
        base.truncate(tiret);
    }
    // A name the program made: "AAAA-MM-JJ_HHMM_…".
    return base.size() > 16 && base[4] == u'-' && base[7] == u'-' && base[10] == u'_' ? base : QString();
}

QStringList Fichiers_Clip(const QString& dossier, const QString& base) {
    QStringList r;
    const QDir d(dossier);
    if (d.exists(base + Extension_Clip)) {
        r << base + Extension_Clip;
    }
    for (const QString& f : d.entryList({base + u"-*"_s + Extension_Clip}, QDir::Files, QDir::Name)) {
        if (Base_Clip(f) == base) {
            r << f;
        }
    }
    return r;
}

QString Nom_Nouveau_Clip(const QString& dossier, const QString& base) {
    const QDir d(dossier);
    QString nom = base + Extension_Clip;
    for (int n = 2; d.exists(nom); ++n) {
        nom = base + u'-' + QString::number(n) + Extension_Clip;
    }
    return nom;
}

QList<Renommage_Clip> Renommages_Clips(const Difference_Journal& d) {
    if (d.retirees.size() != 1 || d.ajoutees.size() != 1) {
        return {};
    }
    const auto de = Nom_Clip(d.retirees[0]);
    const auto vers = Nom_Clip(d.ajoutees[0]);
    if (!de || !vers || *de == *vers) {
        return {};
    }
    return {{*de, *vers}};
}

QString Applique_Renommages(const QString& dossier, const QList<Renommage_Clip>& renommages) {
    QStringList gardes;
    const QDir d(dossier);
    for (const Renommage_Clip& r : renommages) {
        for (const QString& f : Fichiers_Clip(dossier, r.de)) {
            const QString cible = r.vers + f.sliced(r.de.size());
            if (d.exists(cible) || !QFile::rename(d.filePath(f), d.filePath(cible))) {
                gardes << f;
            }
        }
    }
    if (gardes.isEmpty()) {
        return {};
    }
    return u"L'enregistrement «\u00A0"_s + gardes.join(u"\u00A0», «\u00A0"_s) +
           u"\u00A0» garde son nom\u00A0: un fichier porte déjà le nouveau nom du QSO, ou le dossier ne peut "
           u"pas "
           u"être modifié."_s;
}

Reglage_Enregistrement Lit_Reglage_Enregistrement(const Reglages& reglages) {
    const QString section = Reglages::Section_Commune();
    Reglage_Enregistrement r;
    r.actif = reglages.Lire_Reglage(section, cle::Enregistrement_Actif, u"Non"_s) == u"Oui";
    r.source = reglages.Lire_Reglage(section, cle::Enregistrement_Source, QString());
    bool ok = false;
    const int avant = reglages.Lire_Reglage(section, cle::Enregistrement_Avant, 60).toInt(&ok);
    r.avant_s = ok ? std::clamp(avant, 0, Reglage_Enregistrement::Avant_Maximum_S) : 60;
    r.sdr = reglages.Lire_Reglage(section, cle::Enregistrement_SDR, u"Non"_s) == u"Oui";
    r.dossier_sdr = reglages.Lire_Reglage(section, cle::Enregistrement_Dossier_SDR, QString());
    return r;
}

void Ecrit_Reglage_Enregistrement(Reglages& reglages, const Reglage_Enregistrement& r) {
    reglages.Ecrire_Reglages(Reglages::Section_Commune(),
                             {{cle::Enregistrement_Actif, r.actif ? u"Oui"_s : u"Non"_s},
                              {cle::Enregistrement_Source, r.source},
                              {cle::Enregistrement_Avant, QString::number(r.avant_s)},
                              {cle::Enregistrement_SDR, r.sdr ? u"Oui"_s : u"Non"_s},
                              {cle::Enregistrement_Dossier_SDR, r.dossier_sdr}});
}

QList<Clip_Liste> Liste_Clips(const QString& dossier, const Lignes_Log& log) {
    QList<Clip_Liste> clips;
    QSet<QString> moments;
    for (const QFileInfo& f : QDir(dossier).entryInfoList({u"*"_s + Extension_Clip}, QDir::Files)) {
        Clip_Liste c;
        c.fichier = f.fileName();
        c.base = Base_Clip(c.fichier);
        if (c.base.isEmpty()) {
            continue;
        }
        c.octets = f.size();
        c.modifie = f.lastModified();
        moments.insert(c.base.left(15));
        clips.append(std::move(c));
    }
    // The QSO of each clip: only the lines of a moment some clip has are named.
    QHash<QString, int> lignes;
    for (int i = 0; i < log.Nombre() && !moments.isEmpty(); ++i) {
        const QByteArrayView l = log.Octets(i);
        const auto moment = Moment_Nom(l);
        if (moment && moments.contains(*moment)) {
            if (const auto nom = Nom_Clip(l)) {
                lignes.insert(*nom, i);
            }
        }
    }
    for (Clip_Liste& c : clips) {
        c.ligne = lignes.value(c.base, -1);
    }
    std::sort(clips.begin(), clips.end(), [](const Clip_Liste& x, const Clip_Liste& y) {
        return x.base != y.base ? x.base > y.base : x.fichier < y.fichier;
    });
    return clips;
}

} // namespace swl
