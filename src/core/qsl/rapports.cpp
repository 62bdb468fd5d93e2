#include "core/qsl/rapports.h"

#include "core/base/texte_1252.h"

#include <QSet>

#include <algorithm>

namespace swl {

using namespace Qt::Literals::StringLiterals;

namespace {

// A callsign as the log's column holds it, for comparing with one typed or read.
QByteArray Cle_Texte(QStringView indicatif) {
    return Encode_1252(indicatif.trimmed().toString().toUpper());
}

// Minutes since the Julian day 0 of a line's date and time UTC: runs are measured in minutes,
// across midnight too.
std::optional<qint64> Minutes_QSO(QByteArrayView l) {
    const QDate date = Date_Ligne_Log(l);
    const QByteArrayView heure = Colonne_Log(l, 57, 5);
    const int h = Deux_Chiffres(heure, 0);
    const int m = heure.size() == 5 ? Deux_Chiffres(heure, 3) : -1;
    if (!date.isValid() || h < 0 || h > 23 || m < 0 || m > 59) {
        return std::nullopt;
    }
    return date.toJulianDay() * 1440 + h * 60 + m;
}

// The rule of a run and of a report alike.
bool Incomplet(qsizetype qso, qsizetype correspondants) {
    return qso < 2 || correspondants < 2;
}

} // namespace

QString Texte_Dernier_QSO(const Station_Entendue& s) {
    // Moment_QSO's number AAAAMMJJHHMM.
    const qint64 d = s.dernier;
    return d > 0 ? QDate(int(d / 100000000), int(d / 1000000 % 100), int(d / 10000 % 100))
                       .toString(u"dd/MM/yyyy"_s)
                 : QString();
}

QList<Station_Entendue> Stations_Entendues(const Lignes_Log& log) {
    QHash<Cle_Indicatif, int> index;
    QList<Station_Entendue> stations;
    index.reserve(log.Nombre());
    for (int i = 0; i < log.Nombre(); ++i) {
        const QByteArrayView l = log.Octets(i);
        const qint64 moment = Moment_QSO(l).value_or(0);
        for (const qsizetype colonne : {qsizetype(1), qsizetype(14)}) {
            const QByteArrayView indicatif = Colonne_Log(l, colonne, 12);
            if (indicatif.isEmpty()) {
                continue;
            }
            const Cle_Indicatif cle(indicatif);
            auto place = index.constFind(cle);
            if (place == index.cend()) {
                place = index.insert(cle, int(stations.size()));
                stations.append({Decode_1252(indicatif), 0, 0});
            }
            Station_Entendue& s = stations[*place];
            ++s.qso;
            s.dernier = std::max(s.dernier, moment);
        }
    }
    return stations;
}

QList<Qso_Station> Qso_De_Station(const Lignes_Log& log, QStringView indicatif) {
    const QByteArray cle = Cle_Texte(indicatif);
    QList<Qso_Station> r;
    if (cle.isEmpty()) {
        return r;
    }
    for (int i = 0; i < log.Nombre(); ++i) {
        const QByteArrayView l = log.Octets(i);
        const bool a = Colonne_Log(l, 1, 12) == QByteArrayView(cle);
        const bool b = !a && Colonne_Log(l, 14, 12) == QByteArrayView(cle);
        const auto moment = (a || b) ? Minutes_QSO(l) : std::nullopt;
        if (moment) {
            r.append({i, b, *moment});
        }
    }
    std::stable_sort(r.begin(), r.end(),
                     [](const Qso_Station& x, const Qso_Station& y) { return x.moment < y.moment; });
    return r;
}

QList<Serie> Series(const Lignes_Log& log, const QList<Qso_Station>& qso, int ecart_minutes) {
    QList<Serie> series;
    const auto bande_mode = [&log](const Qso_Station& q) {
        const QByteArrayView l = log.Octets(q.ligne);
        return std::pair{Colonne_Log(l, 67, 7), Colonne_Log(l, 63, 3)};
    };
    for (const Qso_Station& q : qso) {
        const bool suite = !series.isEmpty() && q.moment - series.last().qso.last().moment <= ecart_minutes &&
                           bande_mode(q) == bande_mode(series.last().qso.last());
        if (!suite) {
            series.append(Serie{});
        }
        series.last().qso.append(q);
    }
    for (Serie& s : series) {
        QSet<QByteArray> correspondants;
        for (const Qso_Station& q : s.qso) {
            correspondants.insert(Colonne_Log(log.Octets(q.ligne), q.comme_b ? 1 : 14, 12).toByteArray());
        }
        s.incomplete = Incomplet(s.qso.size(), correspondants.size());
    }
    return series;
}

QList<int> Choix_Par_Defaut(const Serie& serie) {
    QList<int> r;
    for (qsizetype i = std::max<qsizetype>(0, serie.qso.size() - 3); i < serie.qso.size(); ++i) {
        r << serie.qso[i].ligne;
    }
    return r;
}

bool Rapport_Incomplet(const Rapport& r) {
    QSet<QString> correspondants;
    for (const Ligne_Rapport& l : r.lignes) {
        correspondants.insert(l.correspondant);
    }
    return !r.lignes.isEmpty() && Incomplet(r.lignes.size(), correspondants.size());
}

QString Texte_Serie_Incomplete() {
    return u"incomplet\u00A0: un seul correspondant"_s;
}

QString Explication_Serie_Incomplete() {
    return u"Une station répond rarement à un rapport d'un seul QSO ou d'un seul correspondant\u00A0: "
           u"donnez au moins deux, mieux trois QSO consécutifs avec les stations qu'elle a contactées."_s;
}

Rapport Rapport_De(const Lignes_Log& log, QStringView station, const QList<Qso_Station>& qso) {
    Rapport r;
    r.station = station.trimmed().toString().toUpper();
    QList<Qso_Station> tri = qso;
    std::stable_sort(tri.begin(), tri.end(),
                     [](const Qso_Station& x, const Qso_Station& y) { return x.moment < y.moment; });
    for (const Qso_Station& q : tri) {
        if (q.ligne < 0 || q.ligne >= log.Nombre()) {
            continue;
        }
        const QByteArrayView l = log.Octets(q.ligne);
        const QDate date = Date_Ligne_Log(l);
        const auto t = [&l](qsizetype debut, qsizetype largeur) {
            return Decode_1252(Colonne_Log(l, debut, largeur));
        };
        r.lignes.append({q.ligne, date.toString(u"yyyy-MM-dd"_s), t(57, 5), t(67, 7), t(63, 3),
                         q.comme_b ? t(79, 3) : t(75, 3), q.comme_b ? t(1, 12) : t(14, 12)});
    }
    return r;
}

} // namespace swl
