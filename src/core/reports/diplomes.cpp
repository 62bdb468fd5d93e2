#include "core/reports/diplomes.h"

#include "core/base/texte_1252.h"
#include "core/countries/departements.h"
#include "core/log/colonnes_log.h"
#include "core/log/fiche_qso.h"
#include "core/program/reglages.h"

#include <QHash>

#include <algorithm>

namespace swl {

using namespace Qt::Literals::StringLiterals;

namespace {

// DDFM (REF): QSOs from 30/06/1957 on; the WARC bands from 01/01/1982 on; 10 MHz in CW only.
const QDate Debut_DDFM(1957, 6, 30);
const QDate Debut_WARC(1982, 1, 1);
constexpr int Bande_10_Mhz = 3;
bool Bande_WARC(int b) {
    return b == 3 || b == 5 || b == 7; // 10, 18, 24 MHz
}

// DDFM thresholds (REF): 50 departments in HF, 30 in VHF/UHF for a French applicant, 40 and
// 20 otherwise; a sticker each further 10; EXCELLENCE at 96.
constexpr int Palier_DDFM = 10;
// Countries (ISWL): 100, then every 25. WAC: six continents.
constexpr int Seuil_Pays = 100;
constexpr int Palier_Pays = 25;
const std::array<std::pair<const char16_t*, const char16_t*>, 6> Continents = {{{u"AF", u"Afrique"},
                                                                                {u"AS", u"Asie"},
                                                                                {u"EU", u"Europe"},
                                                                                {u"NA", u"Amérique du Nord"},
                                                                                {u"OC", u"Océanie"},
                                                                                {u"SA", u"Amérique du Sud"}}};
// "5 bandes" (ISWL): 100 countries on each of 3.5, 7, 14, 21 and 28 MHz.
constexpr std::array<int, 5> Cinq_Bandes = {1, 2, 4, 6, 9};

// The departments in their own order: 01 to 19, 2A, 2B, 21 to 95.
QList<int> Ordre_Departements() {
    QList<int> ordre;
    for (int n = 1; n <= 95; ++n) {
        if (n == 20) {
            ordre << 96 << 97;
        } else {
            ordre << n;
        }
    }
    return ordre;
}

QString Pluriel(int n, const QString& un, const QString& plusieurs) {
    return Nombre_Francais(n) + u' ' + (n > 1 ? plusieurs : un);
}

} // namespace

Reglage_Diplomes Lit_Reglage_Diplomes(const Reglages& reglages) {
    const QString section = Reglages::Section_Commune();
    return {reglages.Lire_Reglage(section, cle::Diplomes_Station_B, u"Non"_s) == u"Oui",
            reglages.Lire_Reglage(section, cle::Diplomes_En_France, u"Oui"_s) != u"Non"};
}

void Ecrit_Reglage_Diplomes(Reglages& reglages, const Reglage_Diplomes& r) {
    reglages.Ecrire_Reglages(Reglages::Section_Commune(),
                             {{cle::Diplomes_Station_B, r.station_b ? u"Oui"_s : u"Non"_s},
                              {cle::Diplomes_En_France, r.en_france ? u"Oui"_s : u"Non"_s}});
}

bool Bande_VHF(int bande) {
    return bande >= 10;
}

QString Texte_Raison(Raison raison, const QString& bande, const QString& departement) {
    const QString deux_points = u"\u00A0: "_s;
    switch (raison) {
    case Raison::Compte:
        return u"compte"_s;
    case Raison::Bande_CB:
        return bande + deux_points + u"bande CB, pas radioamateur"_s;
    case Raison::Sans_Departement:
        return u"pas de département"_s;
    case Raison::Departement_Inconnu:
        return u"département «\u00A0"_s + departement + u"\u00A0» inconnu"_s;
    case Raison::Avant_1957:
        return u"avant le 30/06/1957"_s;
    case Raison::WARC_Avant_1982:
        return bande + deux_points + u"avant le 01/01/1982"_s;
    case Raison::Dix_Mhz_Hors_CW:
        return u"10 MHz"_s + deux_points + u"CW seulement"_s;
    case Raison::Sans_Pays:
        return u"indicatif dont le pays est inconnu"_s;
    case Raison::Maritime_Mobile:
        return u"maritime mobile"_s + deux_points + u"aucun pays"_s;
    case Raison::Aeronautique_Mobile:
        return u"aéronautique mobile"_s + deux_points + u"aucun pays"_s;
    case Raison::Hors_Metropole:
        return u"pas de département, station hors de France métropolitaine"_s;
    case Raison::Sans_Fichier_Pays:
        return u"pas de fichier des pays"_s;
    case Raison::Hors_Continents:
        return u"continent hors des six du WAC"_s;
    }
    return {};
}

Evaluateur_Diplomes::Evaluateur_Diplomes(const Fichier_Pays* fichier, const Reglage_Diplomes& r)
    : fichier_(fichier), reglage_(r) {
    for (const QString& b : Liste_Bandes()) {
        bandes_ << Encode_1252(b);
    }
    if (fichier) {
        for (qsizetype i = 0; i < fichier->Nombre_Entites(); ++i) {
            if (!fichier->Entite(i).hors_dxcc) {
                entites_ << i;
            }
        }
        std::sort(entites_.begin(), entites_.end(), [fichier](qsizetype x, qsizetype y) {
            return Avant_En_Francais(fichier->Entite(x).nom_francais, fichier->Entite(y).nom_francais);
        });
        for (qsizetype k = 0; k < entites_.size(); ++k) {
            element_entite_.insert(entites_[k], static_cast<int>(k));
        }
    }
}

const Evaluateur_Diplomes::Pays_Station& Evaluateur_Diplomes::Pays_De(QByteArrayView indicatif) {
    auto s = stations_.find(Cle_Indicatif(indicatif));
    if (s == stations_.end()) {
        Pays_Station p;
        if (const auto trouve = fichier_ ? fichier_->Cherche(QString::fromLatin1(indicatif)) : std::nullopt) {
            p.connu = true;
            const qsizetype dxcc = fichier_->Entite_DXCC(trouve->entite);
            p.element = element_entite_.value(dxcc, -1);
            const QString& prefixe = fichier_->Entite(dxcc).prefixe;
            p.metropole = prefixe == u"F" || prefixe == u"TK";
            for (std::size_t k = 0; k < Continents.size(); ++k) {
                if (trouve->continent == QStringView(Continents[k].first)) {
                    p.continent = static_cast<int>(k);
                }
            }
        }
        s = stations_.insert(Cle_Indicatif(indicatif), p);
    }
    return *s;
}

Ligne_Evaluee Evaluateur_Diplomes::Evalue(QByteArrayView l) {
    Ligne_Evaluee e;
    const QDate date = Date_Ligne_Log(l);
    const QByteArrayView heure = Colonne_Log(l, 57, 5);
    e.bande = static_cast<int>(bandes_.indexOf(Colonne_Log(l, 67, 7)));
    if (!date.isValid() || heure.size() != 5 || e.bande < 0 || !Moment_QSO(l)) {
        return e;
    }
    e.lisible = true;
    e.groupe = static_cast<int>(Groupe_De_Mode(QString::fromLatin1(Colonne_Log(l, 63, 3))));
    e.confirme = l.size() >= 114 && l[113] == '*';
    const bool cb = e.bande == Bande_CB;
    // Station A, and B when the listener counts both stations of a heard QSO.
    for (const char station : {'A', 'B'}) {
        if (station == 'B' && !reglage_.station_b) {
            break;
        }
        Station_Evaluee& s = e.stations[std::size_t(e.nombre_stations++)];
        s.station = station;
        s.code = station == 'A' ? Colonne_Log(l, 27, 2) : Colonne_Log(l, 29, 2);
        s.indicatif = station == 'A' ? Colonne_Log(l, 1, 12) : Colonne_Log(l, 14, 12);
        s.departement = Numero_Departement(s.code);
        // A callsign of no country (unknown to the country file, a maritime or aeronautical
        // mobile) counts for nothing; without a country file, departments count as typed.
        const Pays_Station p = fichier_ && !s.indicatif.isEmpty() ? Pays_De(s.indicatif) : Pays_Station{};
        const Raison sans_pays = s.indicatif.endsWith("/MM")   ? Raison::Maritime_Mobile
                                 : s.indicatif.endsWith("/AM") ? Raison::Aeronautique_Mobile
                                                               : Raison::Sans_Pays;
        const bool sans_pays_connu = fichier_ && !s.indicatif.isEmpty() && !p.connu;
        s.raison_departement =
            cb                 ? Raison::Bande_CB
            : sans_pays_connu  ? sans_pays
            : s.code.isEmpty() ? (p.connu && !p.metropole ? Raison::Hors_Metropole : Raison::Sans_Departement)
            : s.departement < 0                                           ? Raison::Departement_Inconnu
            : date < Debut_DDFM                                           ? Raison::Avant_1957
            : Bande_WARC(e.bande) && date < Debut_WARC                    ? Raison::WARC_Avant_1982
            : e.bande == Bande_10_Mhz && e.groupe != int(Groupe_Mode::CW) ? Raison::Dix_Mhz_Hors_CW
                                                                          : Raison::Compte;
        if (s.indicatif.isEmpty()) {
            continue;
        }
        s.pays = p.element;
        s.continent = p.continent;
        s.raison_pays = cb                          ? Raison::Bande_CB
                        : !fichier_                 ? Raison::Sans_Fichier_Pays
                        : !p.connu || p.element < 0 ? sans_pays
                                                    : Raison::Compte;
        s.raison_continent = s.raison_pays != Raison::Compte ? s.raison_pays
                             : p.continent < 0               ? Raison::Hors_Continents
                                                             : Raison::Compte;
    }
    return e;
}

Comptes_Diplomes Compte_Diplomes(const Lignes_Log& log, const Fichier_Pays* fichier,
                                 const Reglage_Diplomes& r) {
    Comptes_Diplomes c;
    c.ddfm.diplome = Diplome::DDFM;
    c.pays.diplome = Diplome::Pays;
    c.wac.diplome = Diplome::WAC;
    Evaluateur_Diplomes evaluateur(fichier, r);

    // The elements of each award, in its order.
    std::array<int, 98> element_dpt{};
    element_dpt.fill(-1);
    for (const int n : Ordre_Departements()) {
        Element_Diplome e;
        e.code = Code_Departement(n);
        e.nom = Nom_Departement(e.code);
        element_dpt[std::size_t(n)] = static_cast<int>(c.ddfm.elements.size());
        c.ddfm.elements.append(std::move(e));
    }
    for (const qsizetype i : evaluateur.Entites()) {
        c.pays.elements.append({fichier->Entite(i).prefixe, fichier->Entite(i).nom_francais, {}, {}, {}, {}});
    }
    for (const auto& [code, nom] : Continents) {
        c.wac.elements.append({QString::fromUtf16(code), QString::fromUtf16(nom), {}, {}, {}, {}});
    }

    // What counts goes to its element; what does not, to its element with the reason, or to
    // the QSOs of no element.
    const auto compte = [](Compte_Diplome& d, int element, const Ligne_Evaluee& e, int ligne, char station,
                           Raison raison) {
        if (element < 0) {
            d.sans_element.append({ligne, raison, station});
            return;
        }
        Element_Diplome& x = d.elements[element];
        if (raison != Raison::Compte) {
            x.refuses.append({ligne, raison, station});
            return;
        }
        x.entendu[std::size_t(e.bande)] |= quint8(1u << e.groupe);
        if (e.confirme) {
            x.confirme[std::size_t(e.bande)] |= quint8(1u << e.groupe);
        }
        x.comptent.append(ligne);
    };
    for (int i = 0; i < log.Nombre(); ++i) {
        const Ligne_Evaluee e = evaluateur.Evalue(log.Octets(i));
        if (!e.lisible) {
            c.illisibles.Ajoute(i);
            continue;
        }
        for (int k = 0; k < e.nombre_stations; ++k) {
            const Station_Evaluee& s = e.stations[std::size_t(k)];
            compte(c.ddfm, s.departement < 0 ? -1 : element_dpt[std::size_t(s.departement)], e, i, s.station,
                   s.raison_departement);
            if (s.indicatif.isEmpty()) {
                continue;
            }
            compte(c.pays, s.pays, e, i, s.station, s.raison_pays);
            compte(c.wac, s.continent, e, i, s.station, s.raison_continent);
        }
    }
    return c;
}

bool Filtre_Diplome::Contient(int b) const {
    if (b == Bande_CB) {
        return false;
    }
    switch (portee) {
    case Portee::Toutes:
        return true;
    case Portee::HF:
        return !Bande_VHF(b);
    case Portee::VHF:
        return Bande_VHF(b);
    case Portee::Bande:
        return b == bande;
    }
    return false;
}

Etat_Case Etat_Bande(const Element_Diplome& e, int bande, int groupe) {
    const quint8 masque = groupe < 0 ? quint8(0x7) : quint8(1u << groupe);
    if (e.confirme[std::size_t(bande)] & masque) {
        return Etat_Case::Confirme;
    }
    return e.entendu[std::size_t(bande)] & masque ? Etat_Case::Entendu : Etat_Case::Manquant;
}

Etat_Case Etat_Element(const Element_Diplome& e, const Filtre_Diplome& f) {
    Etat_Case etat = Etat_Case::Manquant;
    for (int b = 0; b < Nombre_Bandes_Diplome; ++b) {
        if (f.Contient(b)) {
            etat = std::max(etat, Etat_Bande(e, b, f.groupe));
        }
    }
    return etat;
}

QString Texte_Etat(Etat_Case etat) {
    return etat == Etat_Case::Confirme  ? u"confirmé"_s
           : etat == Etat_Case::Entendu ? u"entendu"_s
                                        : u"manquant"_s;
}

Totaux_Diplome Totaux(const Compte_Diplome& c, const Filtre_Diplome& f) {
    Totaux_Diplome t;
    t.total = static_cast<int>(c.elements.size());
    for (const Element_Diplome& e : c.elements) {
        const Etat_Case etat = Etat_Element(e, f);
        t.entendus += etat != Etat_Case::Manquant ? 1 : 0;
        t.confirmes += etat == Etat_Case::Confirme ? 1 : 0;
    }
    return t;
}

namespace {
bool Filtre_VHF(const Filtre_Diplome& f) {
    return f.portee == Filtre_Diplome::Portee::VHF ||
           (f.portee == Filtre_Diplome::Portee::Bande && Bande_VHF(f.bande));
}
} // namespace

int Seuil_Diplome(Diplome d, const Filtre_Diplome& f, const Reglage_Diplomes& r) {
    switch (d) {
    case Diplome::DDFM:
        return Filtre_VHF(f) ? (r.en_france ? 30 : 20) : (r.en_france ? 50 : 40);
    case Diplome::Pays:
        return Seuil_Pays;
    case Diplome::WAC:
        return 6;
    }
    return 0;
}

QString Texte_Seuil_Non_Atteint(int confirmes, int seuil) {
    if (confirmes >= seuil) {
        return {};
    }
    return u"seuil non atteint\u00A0: "_s + Nombre_Francais(confirmes) +
           (confirmes > 1 ? u" confirmés sur "_s : u" confirmé sur "_s) + Nombre_Francais(seuil);
}

QString Texte_Avancement(const Compte_Diplome& c, const Filtre_Diplome& f, const Reglage_Diplomes& r) {
    const Totaux_Diplome t = Totaux(c, f);
    const QString point_virgule = u"\u00A0; "_s;
    const QString mode = f.groupe < 0 ? QString() : u' ' + Nom_Groupe_Mode(Groupe_Mode(f.groupe));
    const auto encore = [](int n, const QString& pour) -> QString {
        return u"encore "_s + Pluriel(n, u"confirmé"_s, u"confirmés"_s) + u" pour "_s + pour;
    };
    switch (c.diplome) {
    case Diplome::DDFM: {
        const bool vhf = Filtre_VHF(f);
        const int base = Seuil_Diplome(Diplome::DDFM, f, r);
        QString texte = u"DDFM"_s + mode + u" — "_s +
                        Pluriel(t.entendus, u"département entendu"_s, u"départements entendus"_s) + u", "_s +
                        Pluriel(t.confirmes, u"confirmé"_s, u"confirmés"_s) + u" sur 96"_s + point_virgule;
        if (t.confirmes < base) {
            return texte + encore(base - t.confirmes, u"le diplôme ("_s + QString::number(base) +
                                                          (vhf ? u" en VHF/UHF)"_s : u" en HF)"_s));
        }
        if (t.confirmes >= Nombre_Departements_Metropole) {
            return texte + u"EXCELLENCE, les 96 départements confirmés"_s;
        }
        const int palier = base + ((t.confirmes - base) / Palier_DDFM + 1) * Palier_DDFM;
        return texte + u"diplôme obtenu, "_s +
               (palier >= Nombre_Departements_Metropole
                    ? encore(Nombre_Departements_Metropole - t.confirmes, u"l'EXCELLENCE (96)"_s)
                    : encore(palier - t.confirmes, u"le palier de "_s + QString::number(palier)));
    }
    case Diplome::Pays: {
        QString texte = u"Pays"_s + mode + u" — "_s +
                        Pluriel(t.entendus, u"pays entendu"_s, u"pays entendus"_s) + u", "_s +
                        Pluriel(t.confirmes, u"confirmé"_s, u"confirmés"_s) + u" sur "_s +
                        Nombre_Francais(t.total) + point_virgule;
        if (t.confirmes < Seuil_Pays) {
            return texte + encore(Seuil_Pays - t.confirmes, u"le diplôme (100)"_s);
        }
        const int palier = Seuil_Pays + ((t.confirmes - Seuil_Pays) / Palier_Pays + 1) * Palier_Pays;
        return texte + u"diplôme obtenu, "_s +
               encore(palier - t.confirmes, u"le palier de "_s + QString::number(palier));
    }
    case Diplome::WAC: {
        QString texte = u"WAC"_s + mode + u" — "_s +
                        Pluriel(t.entendus, u"continent entendu"_s, u"continents entendus"_s) + u", "_s +
                        Pluriel(t.confirmes, u"confirmé"_s, u"confirmés"_s) + u" sur 6"_s + point_virgule;
        return texte + (t.confirmes >= 6 ? u"diplôme obtenu, les six continents confirmés"_s
                                         : QString(encore(6 - t.confirmes, u"le diplôme"_s)));
    }
    }
    return {};
}

QString Texte_Cinq_Bandes(const Compte_Diplome& c, int groupe) {
    QStringList bandes;
    for (const int b : Cinq_Bandes) {
        int n = 0;
        for (const Element_Diplome& e : c.elements) {
            n += Etat_Bande(e, b, groupe) == Etat_Case::Confirme ? 1 : 0;
        }
        bandes << Liste_Bandes()[b] + u' ' + Nombre_Francais(n);
    }
    return u"5 bandes\u00A0: "_s + bandes.join(u", "_s) + u" confirmés (100 sur chacune)"_s;
}

bool Ligne_Dans_Filtre(QByteArrayView ligne, const Filtre_Diplome& f) {
    const int bande =
        static_cast<int>(Liste_Bandes().indexOf(QString::fromLatin1(Colonne_Log(ligne, 67, 7))));
    const int groupe = static_cast<int>(Groupe_De_Mode(QString::fromLatin1(Colonne_Log(ligne, 63, 3))));
    return bande >= 0 && f.Contient(bande) && (f.groupe < 0 || f.groupe == groupe);
}

} // namespace swl
