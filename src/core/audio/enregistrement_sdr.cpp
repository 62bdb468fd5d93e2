#include "core/audio/enregistrement_sdr.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <vector>

namespace swl {

using namespace Qt::Literals::StringLiterals;

std::optional<Fichier_Son> Enregistrement_SDR_Du_QSO(const QList<Fichier_Son>& fichiers, qint64 depuis_ms) {
    std::optional<Fichier_Son> choisi;
    for (const Fichier_Son& f : fichiers) {
        if (!f.nom.endsWith(u".wav"_s, Qt::CaseInsensitive) || f.modifie_ms < depuis_ms - Ecart_Horloges_Ms) {
            continue;
        }
        // Two written in the same millisecond: the later name (GQRX's and SDR++'s hold the time).
        if (!choisi || f.modifie_ms > choisi->modifie_ms ||
            (f.modifie_ms == choisi->modifie_ms && f.nom > choisi->nom)) {
            choisi = f;
        }
    }
    return choisi;
}

bool Commence_Avant_Le_QSO(qint64 duree_ms, qint64 aos_ms, qint64 los_ms) {
    return duree_ms > los_ms - aos_ms + 5000;
}

QList<qint16> Reechantillonne(const QList<qint16>& echantillons, int de, int vers) {
    if (de <= 0 || vers <= 0 || de == vers || echantillons.isEmpty()) {
        return echantillons;
    }
    // The cut-off, in cycles per input sample: a little below the lower rate's half.
    const double coupure = 0.45 * std::min(1.0, double(vers) / de);
    // Eight zero crossings of the sinc on each side, Blackman window; the kernel tabulated
    // finely and read between its points, no sine computed per sample.
    constexpr int Passages = 8;
    constexpr int Finesse = 256; // points per input sample
    const double demi_largeur = Passages / (2 * coupure);
    const int points = int(std::ceil(demi_largeur * Finesse)) + 2;
    std::vector<float> noyau(static_cast<size_t>(points));
    for (int i = 0; i < points; ++i) {
        const double t = double(i) / Finesse;
        if (t >= demi_largeur) {
            break;
        }
        const double x = 2 * coupure * t;
        const double sinc = x == 0 ? 1.0 : std::sin(std::numbers::pi * x) / (std::numbers::pi * x);
        const double u = 0.5 + 0.5 * t / demi_largeur; // 0.5 at the centre, 1 at the edge
        const double fenetre =
            0.42 - 0.5 * std::cos(2 * std::numbers::pi * u) + 0.08 * std::cos(4 * std::numbers::pi * u);
        noyau[size_t(i)] = float(2 * coupure * sinc * fenetre);
    }
    const auto valeur_noyau = [&](double t) {
        const double p = std::abs(t) * Finesse;
        const auto i = size_t(p);
        if (i + 1 >= noyau.size()) {
            return 0.0f;
        }
        const auto f = float(p - double(i));
        return noyau[i] + (noyau[i + 1] - noyau[i]) * f;
    };
    const qsizetype n = echantillons.size();
    const qsizetype sortie = qsizetype(qint64(n) * vers / de);
    const double pas = double(de) / vers;
    QList<qint16> resultat(sortie);
    for (qsizetype j = 0; j < sortie; ++j) {
        const double centre = double(j) * pas;
        const auto premier = qsizetype(std::max(0.0, std::ceil(centre - demi_largeur)));
        const auto dernier = qsizetype(std::min(double(n - 1), std::floor(centre + demi_largeur)));
        float somme = 0;
        for (qsizetype k = premier; k <= dernier; ++k) {
            somme += float(echantillons[k]) * valeur_noyau(centre - double(k));
        }
        resultat[j] = qint16(std::clamp(std::lround(somme), -32768L, 32767L));
    }
    return resultat;
}

} // namespace swl
