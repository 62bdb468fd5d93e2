#include "core/log/difference_journal.h"

#include "core/base/texte_1252.h"

#include <algorithm>
#include <cstring>

namespace swl {

Difference_Journal Difference_Lignes(const QByteArray& ancien, const QByteArray& nouveau) {
    Difference_Journal d;
    // What both start with, compared block by block, cut back to a line's start.
    const qsizetype commun = std::min(ancien.size(), nouveau.size());
    qsizetype debut = 0;
    constexpr qsizetype Bloc = 4096;
    while (debut + Bloc <= commun &&
           std::memcmp(ancien.constData() + debut, nouveau.constData() + debut, Bloc) == 0) {
        debut += Bloc;
    }
    while (debut < commun && ancien[debut] == nouveau[debut]) {
        ++debut;
    }
    while (debut > 0 && ancien[debut - 1] != '\n') {
        --debut;
    }
    // What both end with, starting on a line's start in both.
    qsizetype fin = 0;
    while (fin < commun - debut && ancien[ancien.size() - 1 - fin] == nouveau[nouveau.size() - 1 - fin]) {
        ++fin;
    }
    const auto debut_de_ligne = [](const QByteArray& t, qsizetype i) { return i == 0 || t[i - 1] == '\n'; };
    while (fin > 0 &&
           !(debut_de_ligne(ancien, ancien.size() - fin) && debut_de_ligne(nouveau, nouveau.size() - fin))) {
        --fin;
    }
    const QByteArrayView retire = QByteArrayView(ancien).sliced(debut, ancien.size() - fin - debut);
    const QByteArrayView ajoute = QByteArrayView(nouveau).sliced(debut, nouveau.size() - fin - debut);
    d.octets = retire.size() + ajoute.size();
    d.retirees = Decoupe_Lignes(retire);
    d.ajoutees = Decoupe_Lignes(ajoute);
    return d;
}

std::optional<Difference_Journal> Suivi_Journal::Suit(const QString& station, const QByteArray& contenu) {
    const bool meme = station == station_ && !station_.isEmpty();
    station_ = station;
    ancien_ = std::exchange(contenu_, contenu);
    if (!meme) {
        return std::nullopt;
    }
    return Difference_Lignes(ancien_, contenu_);
}

} // namespace swl
