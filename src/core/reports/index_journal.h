#pragma once

// What the log holds, department by department and country by country, per band and mode
// group: what a spot, a heard QSO or a callsign being typed would bring the listener.
#include "core/reports/diplomes.h"

#include <QByteArray>
#include <QHash>
#include <QString>

#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

namespace swl {

// The kinds of what is new, in order of value.
enum class Nouveaute : quint8 {
    Rien,
    Mode_Inconnu,         // heard on this band; the spot's mode group is unknown (off the band plan)
    Entendu_Pas_Confirme, // heard on this band and mode, never confirmed
    Nouveau_Mode,         // heard on this band, not in this mode group
    Departement_Bande,    // the department, heard, never on this band
    Pays_Bande,           // the country, heard, never on this band
    Nouveau_Pays,
    Nouveau_Departement,
};

struct Marque_Nouveaute {
    Nouveaute sorte = Nouveaute::Rien;
    int departement = -1; // the station's department (as the map numbers them), or -1
    int bande = -1;
};
// "nouveau département (29)", "nouveau pays", "nouveau pays sur 14 Mhz", "nouveau département
// sur 7.0 Mhz", "nouveau sur ce mode", "entendu, pas confirmé", "mode inconnu", or nothing.
QString Texte_Nouveaute(const Marque_Nouveaute& m);

// The short sounds a mark may ask for, each turned on by the listener ("Station → Alertes…").
enum class Son_Alerte { Nouveau_Departement, Nouveau_Pays };
struct Reglage_Alertes {
    bool departement = false; // off by default
    bool pays = false;
};
class Reglages;
Reglage_Alertes Lit_Reglage_Alertes(const Reglages& reglages);
void Ecrit_Reglage_Alertes(Reglages& reglages, const Reglage_Alertes& r);

// Built from the log once, then following it change after change by what differs between its
// contents before and after (no full reading again for a QSO saved, edited or deleted). What
// counts is what the awards count: station A (and B when the listener counts it), 27 Mhz never.
class Index_Journal final {
public:
    Index_Journal();
    ~Index_Journal();
    Index_Journal(const Index_Journal&) = delete;
    Index_Journal& operator=(const Index_Journal&) = delete;

    // The log's lines now. The index reads them when it is next asked (built then, or brought
    // up to date from the lines it read last).
    void Suit(const Lignes_Log& journal);
    // The country file, the awards' choice, the first-name directory's contents: any change
    // builds the index again when it is next asked.
    void Fixe_Pays(const Fichier_Pays* pays);
    void Fixe_Reglage(const Reglage_Diplomes& r);
    void Fixe_Annuaire(const QByteArray& liste_prenom);
    // The directory read when the index is built (not before: start-up reads nothing).
    void Fixe_Lecture_Annuaire(std::function<QByteArray()> lecture);

    // What `indicatif` would bring on `bande` (Liste_Bandes() index) in `groupe`: nothing for a
    // station of no known department nor country, a band of none (-1) or 27 Mhz. A group out of
    // range (a spot off the band plan, -1) gives the marks of the band, else "mode inconnu".
    Marque_Nouveaute Marque(QStringView indicatif, int bande, int groupe);
    // The station's department: the latest one the log gives it (as station A or B), else the
    // first-name directory's; -1 when none.
    int Departement_De(QStringView indicatif);

    // The sound the most valuable mark of a batch (of spots, of heard QSOs) asks for, when the
    // listener turned it on and no sound was asked for in the last 10 s (`maintenant_ms`: a
    // clock in ms).
    static constexpr qint64 Intervalle_Sons_Ms = 10000;
    std::optional<Son_Alerte> Alerte(Nouveaute meilleure, const Reglage_Alertes& r, qint64 maintenant_ms);

    // Lines read since it was built, for the benchmarks: a saved QSO reads one.
    qint64 Lignes_Lues() const { return lignes_lues_; }

private:
    struct Etat;
    void A_Jour();
    void Construit();
    void Compte(QByteArrayView ligne, int sens);

    std::unique_ptr<Etat> etat_;
    Lignes_Log a_lire_;  // the lines to index at the next question
    QByteArray contenu_; // the contents indexed
    bool a_construire_ = true;
    bool en_attente_ = false;
    const Fichier_Pays* pays_ = nullptr;
    Reglage_Diplomes reglage_;
    QByteArray annuaire_;
    std::function<QByteArray()> lecture_annuaire_;
    qint64 lignes_lues_ = 0;
    std::optional<qint64> dernier_son_ms_;
};

} // namespace swl
