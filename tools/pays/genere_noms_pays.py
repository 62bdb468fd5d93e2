#!/usr/bin/env python3
"""Writes src/core/countries/noms_pays.cpp: the French name of each entity of the country file,
by its primary prefix (as the file writes it, "*" included).

The entities that are countries or territories of ISO 3166 take the official French name of
Debian's iso-codes (its iso_3166-1 translations), found by the file's English name or, where
the names differ, by the code given below; the others (islands, regions, "Sov Mil Order of
Malta"…) are named here once. Run again when a new entity appears:
    tools/pays/genere_noms_pays.py /usr/share/hamradio-files/cty.csv > src/core/countries/noms_pays.cpp
A new entity with no name fails the run, naming it.
"""
import csv
import gettext
import json
import sys

ISO_JSON = '/usr/share/iso-codes/json/iso_3166-1.json'
LOCALES = '/usr/share/locale'

# Entities that are ISO countries under another English name: prefix -> ISO 3166 code.
CODES = {
    '4W': 'TL', '9Y': 'TT', 'C5': 'GM', 'DL': 'DE', 'E7': 'BA', 'FJ': 'BL', 'FP': 'PM',
    'FR': 'RE', 'FS': 'MF', 'FW': 'WF', 'HL': 'KR', 'J6': 'LC', 'J8': 'VC', 'KH0': 'MP',
    'KP2': 'VI', 'OH0': 'AX', 'P5': 'KP', 'PJ2': 'CW', 'S9': 'ST', 'TU': 'CI', 'V2': 'AG',
    'V4': 'KN', 'VP5': 'TC', 'VP6': 'PN', 'ZD7': 'SH', 'ZK3': 'TK', '3Y/b': 'BV',
}

# Names written here: the entities that are no ISO country, and the ISO names that read
# awkwardly beside a callsign ("Salomon, Îles", "Palestine, État de").
NOMS = {
    '1A': 'Ordre souverain de Malte',
    '1S': 'Îles Spratleys',
    '3B6': 'Agaléga et Saint-Brandon',
    '3B9': 'Île Rodrigues',
    '3C0': 'Annobón',
    '3D2/c': 'Récif Conway',
    '3D2/r': 'Rotuma',
    '3Y/p': 'Île Pierre-Ier',
    '4U1I': 'Siège de l\'UIT',
    '4U1U': 'Siège des Nations unies',
    '*4U1V': 'Centre international de Vienne',
    '9M2': 'Malaisie occidentale',
    '9M6': 'Malaisie orientale',
    '9Q': 'République démocratique du Congo',
    'BS7': 'Récif de Scarborough',
    'BV9P': 'Îles Pratas',
    'CE0X': 'San Félix et San Ambrosio',
    'CE0Y': 'Île de Pâques',
    'CE0Z': 'Îles Juan Fernández',
    'CT3': 'Madère',
    'CU': 'Açores',
    'CY0': 'Île de Sable',
    'CY9': 'Île Saint-Paul',
    'D4': 'Cap-Vert',
    'E4': 'Palestine',
    'E5/n': 'Îles Cook du Nord',
    'E5/s': 'Îles Cook du Sud',
    'EA6': 'Baléares',
    'EA8': 'Canaries',
    'EA9': 'Ceuta et Melilla',
    'FK/c': 'Îles Chesterfield',
    'FO/a': 'Îles Australes',
    'FO/c': 'Clipperton',
    'FO/m': 'Îles Marquises',
    'FT/g': 'Îles Glorieuses',
    'FT/j': 'Juan de Nova et Europa',
    'FT/t': 'Tromelin',
    'FT/w': 'Îles Crozet',
    'FT/x': 'Îles Kerguelen',
    'FT/z': 'Amsterdam et Saint-Paul',
    'G': 'Angleterre',
    'GI': 'Irlande du Nord',
    'GM': 'Écosse',
    '*GM/s': 'Îles Shetland',
    'GW': 'Pays de Galles',
    'H40': 'Temotu',
    'HC8': 'Îles Galápagos',
    'HK0/a': 'San Andrés et Providencia',
    'HK0/m': 'Île Malpelo',
    'HV': 'Vatican',
    '*IG9': 'Italie africaine',
    'IS': 'Sardaigne',
    '*IT9': 'Sicile',
    'JD/m': 'Minami-Torishima',
    'JD/o': 'Ogasawara',
    'JW': 'Svalbard',
    '*JW/b': 'Île aux Ours',
    'JX': 'Jan Mayen',
    'KG4': 'Guantánamo',
    'KH1': 'Îles Baker et Howland',
    'KH3': 'Atoll Johnston',
    'KH4': 'Midway',
    'KH5': 'Palmyra et Jarvis',
    'KH6': 'Hawaï',
    'KH7K': 'Kure',
    'KH8/s': 'Île Swains',
    'KH9': 'Wake',
    'KL': 'Alaska',
    'KP1': 'Île de la Navasse',
    'KP5': 'Île Desecheo',
    'OJ0': 'Märket',
    'PJ4': 'Bonaire',
    'PJ5': 'Saba et Saint-Eustache',
    'PJ7': 'Sint Maarten',
    'PY0F': 'Fernando de Noronha',
    'PY0S': 'Rochers Saint-Pierre et Saint-Paul',
    'PY0T': 'Trindade et Martim Vaz',
    'R1FJ': 'Terre François-Joseph',
    'SV/a': 'Mont Athos',
    'SV5': 'Dodécanèse',
    'SV9': 'Crète',
    'T30': 'Kiribati occidentales',
    'T31': 'Kiribati centrales',
    'T32': 'Kiribati orientales',
    'T33': 'Banaba',
    'TA': 'Turquie d\'Asie',
    '*TA1': 'Turquie d\'Europe',
    'TI9': 'Île Cocos',
    'TK': 'Corse',
    'UA': 'Russie d\'Europe',
    'UA2': 'Kaliningrad',
    'UA9': 'Russie d\'Asie',
    'V6': 'Micronésie',
    'VK0H': 'Île Heard',
    'VK0M': 'Île Macquarie',
    'VK9L': 'Île Lord Howe',
    'VK9M': 'Récif Mellish',
    'VK9W': 'Île Willis',
    'VP6/d': 'Île Ducie',
    'VP8': 'Îles Malouines',
    'VP8/g': 'Géorgie du Sud',
    'VP8/h': 'Îles Shetland du Sud',
    'VP8/o': 'Îles Orcades du Sud',
    'VP8/s': 'Îles Sandwich du Sud',
    'VQ9': 'Archipel des Chagos',
    'VU4': 'Îles Andaman-et-Nicobar',
    'VU7': 'Laquedives',
    'XF4': 'Revillagigedo',
    'YK': 'Syrie',
    'YV': 'Venezuela',
    'YV0': 'Île d\'Aves',
    'Z6': 'Kosovo',
    'ZC4': 'Bases britanniques de Chypre',
    'ZD8': 'Île de l\'Ascension',
    'ZD9': 'Tristan da Cunha et Gough',
    'ZL7': 'Îles Chatham',
    'ZL8': 'Îles Kermadec',
    'ZL9': 'Îles subantarctiques de Nouvelle-Zélande',
    'ZS8': 'Îles du Prince-Édouard',
    'OX': 'Groenland',
    'XX9': 'Macao',
    '3C': 'Guinée équatoriale',
    'FR': 'La Réunion',
    'FS': 'Saint-Martin',
    'EP': 'Iran',
    'XW': 'Laos',
    'KP2': 'Îles Vierges des États-Unis',
    'ZD7': 'Sainte-Hélène',
}


def nom_iso(pays, traduction):
    """The French name of an ISO entry, "Salomon, Îles" written "Îles Salomon"."""
    anglais = pays.get('common_name', pays['name'])
    nom = traduction.gettext(anglais)
    if nom == anglais and 'common_name' in pays:
        nom = traduction.gettext(pays['name'])
    for ile in ('Îles', 'Île', 'îles', 'île'):
        if nom.endswith(', ' + ile):
            nom = ile + ' ' + nom[:-len(ile) - 2]
    return nom[0].upper() + nom[1:]


def main():
    iso = json.load(open(ISO_JSON, encoding='utf-8'))['3166-1']
    traduction = gettext.translation('iso_3166-1', localedir=LOCALES, languages=['fr'])
    par_code = {p['alpha_2']: p for p in iso}
    par_nom = {}
    for p in iso:
        for cle in ('name', 'common_name', 'official_name'):
            if cle in p:
                par_nom[p[cle].lower()] = p['alpha_2']
    noms = []
    manquants = []
    with open(sys.argv[1], newline='', encoding='ascii') as f:
        for champs in csv.reader(f):
            if len(champs) < 2:
                continue
            prefixe, anglais = champs[0].strip(), champs[1].strip()
            if prefixe in NOMS:
                nom = NOMS[prefixe]
            elif prefixe in CODES:
                nom = nom_iso(par_code[CODES[prefixe]], traduction)
            elif anglais.lower() in par_nom:
                nom = nom_iso(par_code[par_nom[anglais.lower()]], traduction)
            else:
                manquants.append(f'{prefixe} ({anglais})')
                continue
            # "Iran, République islamique d'": an inverted official name, to be written above.
            if ',' in nom:
                manquants.append(f'{prefixe} ({anglais}, « {nom} »)')
                continue
            noms.append((prefixe, nom, anglais))
    if manquants:
        sys.exit('Sans nom français : ' + ', '.join(manquants))
    noms.sort()
    print('// Written by tools/pays/genere_noms_pays.py from the CSV form of the country file and')
    print("// Debian's iso-codes: do not edit.")
    print('#include "core/countries/pays.h"')
    print()
    print('#include <algorithm>')
    print('#include <iterator>')
    print()
    print('namespace swl {')
    print()
    print('namespace {')
    print()
    print('struct Nom {')
    print('    const char16_t* prefixe;')
    print('    const char16_t* nom;')
    print('};')
    print()
    print('// Sorted by prefix; one line each, as the tool writes them.')
    print('// clang-format off')
    print('constexpr Nom Noms[] = {')
    for prefixe, nom, anglais in noms:
        nom_c = nom.replace('\\', '\\\\').replace('"', '\\"')
        print(f'    {{u"{prefixe}", u"{nom_c}"}}, // {anglais}')
    print('};')
    print('// clang-format on')
    print()
    print('} // namespace')
    print()
    print('QString Nom_Francais_Pays(QStringView prefixe_primaire) {')
    print('    const auto i = std::lower_bound(std::begin(Noms), std::end(Noms), prefixe_primaire,')
    print('                                    [](const Nom& n, QStringView p) { return QStringView(n.prefixe) < p; });')
    print('    return i != std::end(Noms) && QStringView(i->prefixe) == prefixe_primaire ? QString::fromUtf16(i->nom)')
    print('                                                                              : QString();')
    print('}')
    print()
    print('} // namespace swl')


main()
