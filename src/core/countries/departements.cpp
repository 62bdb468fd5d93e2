#include "core/countries/departements.h"

#include <array>

namespace swl {

namespace {

constexpr std::array<const char16_t*, 96> Noms = {
    u"Ain",
    u"Aisne",
    u"Allier",
    u"Alpes-de-Haute-Provence",
    u"Hautes-Alpes",
    u"Alpes-Maritimes",
    u"Ardèche",
    u"Ardennes",
    u"Ariège",
    u"Aube",
    u"Aude",
    u"Aveyron",
    u"Bouches-du-Rhône",
    u"Calvados",
    u"Cantal",
    u"Charente",
    u"Charente-Maritime",
    u"Cher",
    u"Corrèze",
    u"Côte-d'Or", // 21: 20 is Corsica's two, at the end
    u"Côtes-d'Armor",
    u"Creuse",
    u"Dordogne",
    u"Doubs",
    u"Drôme",
    u"Eure",
    u"Eure-et-Loir",
    u"Finistère",
    u"Gard",
    u"Haute-Garonne",
    u"Gers",
    u"Gironde",
    u"Hérault",
    u"Ille-et-Vilaine",
    u"Indre",
    u"Indre-et-Loire",
    u"Isère",
    u"Jura",
    u"Landes",
    u"Loir-et-Cher",
    u"Loire",
    u"Haute-Loire",
    u"Loire-Atlantique",
    u"Loiret",
    u"Lot",
    u"Lot-et-Garonne",
    u"Lozère",
    u"Maine-et-Loire",
    u"Manche",
    u"Marne",
    u"Haute-Marne",
    u"Mayenne",
    u"Meurthe-et-Moselle",
    u"Meuse",
    u"Morbihan",
    u"Moselle",
    u"Nièvre",
    u"Nord",
    u"Oise",
    u"Orne",
    u"Pas-de-Calais",
    u"Puy-de-Dôme",
    u"Pyrénées-Atlantiques",
    u"Hautes-Pyrénées",
    u"Pyrénées-Orientales",
    u"Bas-Rhin",
    u"Haut-Rhin",
    u"Rhône",
    u"Haute-Saône",
    u"Saône-et-Loire",
    u"Sarthe",
    u"Savoie",
    u"Haute-Savoie",
    u"Paris",
    u"Seine-Maritime",
    u"Seine-et-Marne",
    u"Yvelines",
    u"Deux-Sèvres",
    u"Somme",
    u"Tarn",
    u"Tarn-et-Garonne",
    u"Var",
    u"Vaucluse",
    u"Vendée",
    u"Vienne",
    u"Haute-Vienne",
    u"Vosges",
    u"Yonne",
    u"Territoire de Belfort",
    u"Essonne",
    u"Hauts-de-Seine",
    u"Seine-Saint-Denis",
    u"Val-de-Marne",
    u"Val-d'Oise",
    u"Corse-du-Sud", // 2a
    u"Haute-Corse",  // 2b
};

constexpr std::array<Departement_Outre_Mer, 5> Outre_Mer = {{{u"971", u"Guadeloupe", 79},
                                                             {u"972", u"Martinique", 84},
                                                             {u"973", u"Guyane", 63},
                                                             {u"974", u"La Réunion", 453},
                                                             {u"976", u"Mayotte", 169}}};

} // namespace

QString Nom_Departement(QStringView code) {
    code = code.trimmed();
    if (code.size() != 2 || !code[0].isDigit()) {
        return {};
    }
    if (code[0] == u'2' && (code[1] == u'a' || code[1] == u'A')) {
        return QString::fromUtf16(Noms[94]);
    }
    if (code[0] == u'2' && (code[1] == u'b' || code[1] == u'B')) {
        return QString::fromUtf16(Noms[95]);
    }
    if (!code[1].isDigit()) {
        return {};
    }
    const int n = (code[0].unicode() - u'0') * 10 + (code[1].unicode() - u'0');
    if (n < 1 || n > 95 || n == 20) {
        return {};
    }
    return QString::fromUtf16(Noms[n < 20 ? n - 1 : n - 2]);
}

const Departement_Outre_Mer* Departement_De_Entite(int dxcc) {
    for (const Departement_Outre_Mer& d : Outre_Mer) {
        if (d.dxcc == dxcc) {
            return &d;
        }
    }
    return nullptr;
}

} // namespace swl
