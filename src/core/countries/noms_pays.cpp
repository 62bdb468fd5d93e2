// Written by tools/pays/genere_noms_pays.py from the CSV form of the country file and
// Debian's iso-codes: do not edit.
#include "core/countries/pays.h"

#include <algorithm>
#include <iterator>

namespace swl {

namespace {

struct Nom {
    const char16_t* prefixe;
    const char16_t* nom;
};

// Sorted by prefix; one line each, as the tool writes them.
// clang-format off
constexpr Nom Noms[] = {
    {u"*4U1V", u"Centre international de Vienne"}, // Vienna Intl Ctr
    {u"*GM/s", u"Îles Shetland"}, // Shetland Islands
    {u"*IG9", u"Italie africaine"}, // African Italy
    {u"*IT9", u"Sicile"}, // Sicily
    {u"*JW/b", u"Île aux Ours"}, // Bear Island
    {u"*TA1", u"Turquie d'Europe"}, // European Turkey
    {u"1A", u"Ordre souverain de Malte"}, // Sov Mil Order of Malta
    {u"1S", u"Îles Spratleys"}, // Spratly Islands
    {u"3A", u"Monaco"}, // Monaco
    {u"3B6", u"Agaléga et Saint-Brandon"}, // Agalega & St. Brandon
    {u"3B8", u"Maurice"}, // Mauritius
    {u"3B9", u"Île Rodrigues"}, // Rodriguez Island
    {u"3C", u"Guinée équatoriale"}, // Equatorial Guinea
    {u"3C0", u"Annobón"}, // Annobon Island
    {u"3D2", u"Fidji"}, // Fiji
    {u"3D2/c", u"Récif Conway"}, // Conway Reef
    {u"3D2/r", u"Rotuma"}, // Rotuma Island
    {u"3DA", u"Eswatini"}, // Kingdom of Eswatini
    {u"3V", u"Tunisie"}, // Tunisia
    {u"3W", u"Viêt Nam"}, // Vietnam
    {u"3X", u"Guinée"}, // Guinea
    {u"3Y/b", u"Île Bouvet"}, // Bouvet
    {u"3Y/p", u"Île Pierre-Ier"}, // Peter 1 Island
    {u"4J", u"Azerbaïdjan"}, // Azerbaijan
    {u"4L", u"Géorgie"}, // Georgia
    {u"4O", u"Monténégro"}, // Montenegro
    {u"4S", u"Sri Lanka"}, // Sri Lanka
    {u"4U1I", u"Siège de l'UIT"}, // ITU HQ
    {u"4U1U", u"Siège des Nations unies"}, // United Nations HQ
    {u"4W", u"Timor oriental"}, // Timor - Leste
    {u"4X", u"Israël"}, // Israel
    {u"5A", u"Libye"}, // Libya
    {u"5B", u"Chypre"}, // Cyprus
    {u"5H", u"Tanzanie"}, // Tanzania
    {u"5N", u"Nigeria"}, // Nigeria
    {u"5R", u"Madagascar"}, // Madagascar
    {u"5T", u"Mauritanie"}, // Mauritania
    {u"5U", u"Niger"}, // Niger
    {u"5V", u"Togo"}, // Togo
    {u"5W", u"Samoa"}, // Samoa
    {u"5X", u"Ouganda"}, // Uganda
    {u"5Z", u"Kenya"}, // Kenya
    {u"6W", u"Sénégal"}, // Senegal
    {u"6Y", u"Jamaïque"}, // Jamaica
    {u"7O", u"Yémen"}, // Yemen
    {u"7P", u"Lesotho"}, // Lesotho
    {u"7Q", u"Malawi"}, // Malawi
    {u"7X", u"Algérie"}, // Algeria
    {u"8P", u"Barbade"}, // Barbados
    {u"8Q", u"Maldives"}, // Maldives
    {u"8R", u"Guyana"}, // Guyana
    {u"9A", u"Croatie"}, // Croatia
    {u"9G", u"Ghana"}, // Ghana
    {u"9H", u"Malte"}, // Malta
    {u"9J", u"Zambie"}, // Zambia
    {u"9K", u"Koweït"}, // Kuwait
    {u"9L", u"Sierra Leone"}, // Sierra Leone
    {u"9M2", u"Malaisie occidentale"}, // West Malaysia
    {u"9M6", u"Malaisie orientale"}, // East Malaysia
    {u"9N", u"Népal"}, // Nepal
    {u"9Q", u"République démocratique du Congo"}, // Dem. Rep. of the Congo
    {u"9U", u"Burundi"}, // Burundi
    {u"9V", u"Singapour"}, // Singapore
    {u"9X", u"Rwanda"}, // Rwanda
    {u"9Y", u"Trinité-et-Tobago"}, // Trinidad & Tobago
    {u"A2", u"Botswana"}, // Botswana
    {u"A3", u"Tonga"}, // Tonga
    {u"A4", u"Oman"}, // Oman
    {u"A5", u"Bhoutan"}, // Bhutan
    {u"A6", u"Émirats arabes unis"}, // United Arab Emirates
    {u"A7", u"Qatar"}, // Qatar
    {u"A9", u"Bahreïn"}, // Bahrain
    {u"AP", u"Pakistan"}, // Pakistan
    {u"BS7", u"Récif de Scarborough"}, // Scarborough Reef
    {u"BV", u"Taïwan"}, // Taiwan
    {u"BV9P", u"Îles Pratas"}, // Pratas Island
    {u"BY", u"Chine"}, // China
    {u"C2", u"Nauru"}, // Nauru
    {u"C3", u"Andorre"}, // Andorra
    {u"C5", u"Gambie"}, // The Gambia
    {u"C6", u"Bahamas"}, // Bahamas
    {u"C9", u"Mozambique"}, // Mozambique
    {u"CE", u"Chili"}, // Chile
    {u"CE0X", u"San Félix et San Ambrosio"}, // San Felix & San Ambrosio
    {u"CE0Y", u"Île de Pâques"}, // Easter Island
    {u"CE0Z", u"Îles Juan Fernández"}, // Juan Fernandez Islands
    {u"CE9", u"Antarctique"}, // Antarctica
    {u"CM", u"Cuba"}, // Cuba
    {u"CN", u"Maroc"}, // Morocco
    {u"CP", u"Bolivie"}, // Bolivia
    {u"CT", u"Portugal"}, // Portugal
    {u"CT3", u"Madère"}, // Madeira Islands
    {u"CU", u"Açores"}, // Azores
    {u"CX", u"Uruguay"}, // Uruguay
    {u"CY0", u"Île de Sable"}, // Sable Island
    {u"CY9", u"Île Saint-Paul"}, // St. Paul Island
    {u"D2", u"Angola"}, // Angola
    {u"D4", u"Cap-Vert"}, // Cape Verde
    {u"D6", u"Comores"}, // Comoros
    {u"DL", u"Allemagne"}, // Fed. Rep. of Germany
    {u"DU", u"Philippines"}, // Philippines
    {u"E3", u"Érythrée"}, // Eritrea
    {u"E4", u"Palestine"}, // Palestine
    {u"E5/n", u"Îles Cook du Nord"}, // North Cook Islands
    {u"E5/s", u"Îles Cook du Sud"}, // South Cook Islands
    {u"E6", u"Nioue"}, // Niue
    {u"E7", u"Bosnie-Herzégovine"}, // Bosnia-Herzegovina
    {u"EA", u"Espagne"}, // Spain
    {u"EA6", u"Baléares"}, // Balearic Islands
    {u"EA8", u"Canaries"}, // Canary Islands
    {u"EA9", u"Ceuta et Melilla"}, // Ceuta & Melilla
    {u"EI", u"Irlande"}, // Ireland
    {u"EK", u"Arménie"}, // Armenia
    {u"EL", u"Libéria"}, // Liberia
    {u"EP", u"Iran"}, // Iran
    {u"ER", u"Moldavie"}, // Moldova
    {u"ES", u"Estonie"}, // Estonia
    {u"ET", u"Éthiopie"}, // Ethiopia
    {u"EU", u"Bélarus"}, // Belarus
    {u"EX", u"Kirghizistan"}, // Kyrgyzstan
    {u"EY", u"Tadjikistan"}, // Tajikistan
    {u"EZ", u"Turkménistan"}, // Turkmenistan
    {u"F", u"France"}, // France
    {u"FG", u"Guadeloupe"}, // Guadeloupe
    {u"FH", u"Mayotte"}, // Mayotte
    {u"FJ", u"Saint-Barthélemy"}, // St. Barthelemy
    {u"FK", u"Nouvelle-Calédonie"}, // New Caledonia
    {u"FK/c", u"Îles Chesterfield"}, // Chesterfield Islands
    {u"FM", u"Martinique"}, // Martinique
    {u"FO", u"Polynésie française"}, // French Polynesia
    {u"FO/a", u"Îles Australes"}, // Austral Islands
    {u"FO/c", u"Clipperton"}, // Clipperton Island
    {u"FO/m", u"Îles Marquises"}, // Marquesas Islands
    {u"FP", u"Saint-Pierre-et-Miquelon"}, // St. Pierre & Miquelon
    {u"FR", u"La Réunion"}, // Reunion Island
    {u"FS", u"Saint-Martin"}, // St. Martin
    {u"FT/g", u"Îles Glorieuses"}, // Glorioso Islands
    {u"FT/j", u"Juan de Nova et Europa"}, // Juan de Nova & Europa
    {u"FT/t", u"Tromelin"}, // Tromelin Island
    {u"FT/w", u"Îles Crozet"}, // Crozet Island
    {u"FT/x", u"Îles Kerguelen"}, // Kerguelen Islands
    {u"FT/z", u"Amsterdam et Saint-Paul"}, // Amsterdam & St. Paul Is.
    {u"FW", u"Wallis et Futuna"}, // Wallis & Futuna Islands
    {u"FY", u"Guyane française"}, // French Guiana
    {u"G", u"Angleterre"}, // England
    {u"GD", u"Île de Man"}, // Isle of Man
    {u"GI", u"Irlande du Nord"}, // Northern Ireland
    {u"GJ", u"Jersey"}, // Jersey
    {u"GM", u"Écosse"}, // Scotland
    {u"GU", u"Guernesey"}, // Guernsey
    {u"GW", u"Pays de Galles"}, // Wales
    {u"H4", u"Îles Salomon"}, // Solomon Islands
    {u"H40", u"Temotu"}, // Temotu Province
    {u"HA", u"Hongrie"}, // Hungary
    {u"HB", u"Suisse"}, // Switzerland
    {u"HB0", u"Liechtenstein"}, // Liechtenstein
    {u"HC", u"Équateur"}, // Ecuador
    {u"HC8", u"Îles Galápagos"}, // Galapagos Islands
    {u"HH", u"Haïti"}, // Haiti
    {u"HI", u"République dominicaine"}, // Dominican Republic
    {u"HK", u"Colombie"}, // Colombia
    {u"HK0/a", u"San Andrés et Providencia"}, // San Andres & Providencia
    {u"HK0/m", u"Île Malpelo"}, // Malpelo Island
    {u"HL", u"Corée du Sud"}, // Republic of Korea
    {u"HP", u"Panama"}, // Panama
    {u"HR", u"Honduras"}, // Honduras
    {u"HS", u"Thaïlande"}, // Thailand
    {u"HV", u"Vatican"}, // Vatican City
    {u"HZ", u"Arabie saoudite"}, // Saudi Arabia
    {u"I", u"Italie"}, // Italy
    {u"IS", u"Sardaigne"}, // Sardinia
    {u"J2", u"Djibouti"}, // Djibouti
    {u"J3", u"Grenade"}, // Grenada
    {u"J5", u"Guinée-Bissau"}, // Guinea-Bissau
    {u"J6", u"Sainte-Lucie"}, // St. Lucia
    {u"J7", u"Dominique"}, // Dominica
    {u"J8", u"Saint-Vincent-et-les-Grenadines"}, // St. Vincent
    {u"JA", u"Japon"}, // Japan
    {u"JD/m", u"Minami-Torishima"}, // Minami Torishima
    {u"JD/o", u"Ogasawara"}, // Ogasawara
    {u"JT", u"Mongolie"}, // Mongolia
    {u"JW", u"Svalbard"}, // Svalbard
    {u"JX", u"Jan Mayen"}, // Jan Mayen
    {u"JY", u"Jordanie"}, // Jordan
    {u"K", u"États-Unis"}, // United States
    {u"KG4", u"Guantánamo"}, // Guantanamo Bay
    {u"KH0", u"Îles Mariannes du Nord"}, // Mariana Islands
    {u"KH1", u"Îles Baker et Howland"}, // Baker & Howland Islands
    {u"KH2", u"Guam"}, // Guam
    {u"KH3", u"Atoll Johnston"}, // Johnston Island
    {u"KH4", u"Midway"}, // Midway Island
    {u"KH5", u"Palmyra et Jarvis"}, // Palmyra & Jarvis Islands
    {u"KH6", u"Hawaï"}, // Hawaii
    {u"KH7K", u"Kure"}, // Kure Island
    {u"KH8", u"Samoa américaines"}, // American Samoa
    {u"KH8/s", u"Île Swains"}, // Swains Island
    {u"KH9", u"Wake"}, // Wake Island
    {u"KL", u"Alaska"}, // Alaska
    {u"KP1", u"Île de la Navasse"}, // Navassa Island
    {u"KP2", u"Îles Vierges des États-Unis"}, // US Virgin Islands
    {u"KP4", u"Porto Rico"}, // Puerto Rico
    {u"KP5", u"Île Desecheo"}, // Desecheo Island
    {u"LA", u"Norvège"}, // Norway
    {u"LU", u"Argentine"}, // Argentina
    {u"LX", u"Luxembourg"}, // Luxembourg
    {u"LY", u"Lituanie"}, // Lithuania
    {u"LZ", u"Bulgarie"}, // Bulgaria
    {u"OA", u"Pérou"}, // Peru
    {u"OD", u"Liban"}, // Lebanon
    {u"OE", u"Autriche"}, // Austria
    {u"OH", u"Finlande"}, // Finland
    {u"OH0", u"Îles Åland"}, // Aland Islands
    {u"OJ0", u"Märket"}, // Market Reef
    {u"OK", u"Tchéquie"}, // Czech Republic
    {u"OM", u"Slovaquie"}, // Slovak Republic
    {u"ON", u"Belgique"}, // Belgium
    {u"OX", u"Groenland"}, // Greenland
    {u"OY", u"Îles Féroé"}, // Faroe Islands
    {u"OZ", u"Danemark"}, // Denmark
    {u"P2", u"Papouasie-Nouvelle-Guinée"}, // Papua New Guinea
    {u"P4", u"Aruba"}, // Aruba
    {u"P5", u"Corée du Nord"}, // DPR of Korea
    {u"PA", u"Pays-Bas"}, // Netherlands
    {u"PJ2", u"Curaçao"}, // Curacao
    {u"PJ4", u"Bonaire"}, // Bonaire
    {u"PJ5", u"Saba et Saint-Eustache"}, // Saba & St. Eustatius
    {u"PJ7", u"Sint Maarten"}, // Sint Maarten
    {u"PY", u"Brésil"}, // Brazil
    {u"PY0F", u"Fernando de Noronha"}, // Fernando de Noronha
    {u"PY0S", u"Rochers Saint-Pierre et Saint-Paul"}, // St. Peter & St. Paul
    {u"PY0T", u"Trindade et Martim Vaz"}, // Trindade & Martim Vaz
    {u"PZ", u"Surinam"}, // Suriname
    {u"R1FJ", u"Terre François-Joseph"}, // Franz Josef Land
    {u"S0", u"Sahara occidental"}, // Western Sahara
    {u"S2", u"Bangladesh"}, // Bangladesh
    {u"S5", u"Slovénie"}, // Slovenia
    {u"S7", u"Seychelles"}, // Seychelles
    {u"S9", u"Sao Tomé-et-Principe"}, // Sao Tome & Principe
    {u"SM", u"Suède"}, // Sweden
    {u"SP", u"Pologne"}, // Poland
    {u"ST", u"Soudan"}, // Sudan
    {u"SU", u"Égypte"}, // Egypt
    {u"SV", u"Grèce"}, // Greece
    {u"SV/a", u"Mont Athos"}, // Mount Athos
    {u"SV5", u"Dodécanèse"}, // Dodecanese
    {u"SV9", u"Crète"}, // Crete
    {u"T2", u"Tuvalu"}, // Tuvalu
    {u"T30", u"Kiribati occidentales"}, // Western Kiribati
    {u"T31", u"Kiribati centrales"}, // Central Kiribati
    {u"T32", u"Kiribati orientales"}, // Eastern Kiribati
    {u"T33", u"Banaba"}, // Banaba Island
    {u"T5", u"Somalie"}, // Somalia
    {u"T7", u"Saint-Marin"}, // San Marino
    {u"T8", u"Palaos"}, // Palau
    {u"TA", u"Turquie d'Asie"}, // Asiatic Turkey
    {u"TF", u"Islande"}, // Iceland
    {u"TG", u"Guatemala"}, // Guatemala
    {u"TI", u"Costa Rica"}, // Costa Rica
    {u"TI9", u"Île Cocos"}, // Cocos Island
    {u"TJ", u"Cameroun"}, // Cameroon
    {u"TK", u"Corse"}, // Corsica
    {u"TL", u"République centrafricaine"}, // Central African Republic
    {u"TN", u"République du Congo"}, // Republic of the Congo
    {u"TR", u"Gabon"}, // Gabon
    {u"TT", u"Tchad"}, // Chad
    {u"TU", u"Côte d'Ivoire"}, // Cote d'Ivoire
    {u"TY", u"Bénin"}, // Benin
    {u"TZ", u"Mali"}, // Mali
    {u"UA", u"Russie d'Europe"}, // European Russia
    {u"UA2", u"Kaliningrad"}, // Kaliningrad
    {u"UA9", u"Russie d'Asie"}, // Asiatic Russia
    {u"UK", u"Ouzbékistan"}, // Uzbekistan
    {u"UN", u"Kazakhstan"}, // Kazakhstan
    {u"UR", u"Ukraine"}, // Ukraine
    {u"V2", u"Antigua-et-Barbuda"}, // Antigua & Barbuda
    {u"V3", u"Belize"}, // Belize
    {u"V4", u"Saint-Christophe-et-Niévès"}, // St. Kitts & Nevis
    {u"V5", u"Namibie"}, // Namibia
    {u"V6", u"Micronésie"}, // Micronesia
    {u"V7", u"Îles Marshall"}, // Marshall Islands
    {u"V8", u"Brunéi Darussalam"}, // Brunei Darussalam
    {u"VE", u"Canada"}, // Canada
    {u"VK", u"Australie"}, // Australia
    {u"VK0H", u"Île Heard"}, // Heard Island
    {u"VK0M", u"Île Macquarie"}, // Macquarie Island
    {u"VK9C", u"Îles Cocos (Keeling)"}, // Cocos (Keeling) Islands
    {u"VK9L", u"Île Lord Howe"}, // Lord Howe Island
    {u"VK9M", u"Récif Mellish"}, // Mellish Reef
    {u"VK9N", u"Île Norfolk"}, // Norfolk Island
    {u"VK9W", u"Île Willis"}, // Willis Island
    {u"VK9X", u"Île Christmas"}, // Christmas Island
    {u"VP2E", u"Anguilla"}, // Anguilla
    {u"VP2M", u"Montserrat"}, // Montserrat
    {u"VP2V", u"Îles Vierges britanniques"}, // British Virgin Islands
    {u"VP5", u"Îles Turques-et-Caïques"}, // Turks & Caicos Islands
    {u"VP6", u"Îles Pitcairn"}, // Pitcairn Island
    {u"VP6/d", u"Île Ducie"}, // Ducie Island
    {u"VP8", u"Îles Malouines"}, // Falkland Islands
    {u"VP8/g", u"Géorgie du Sud"}, // South Georgia Island
    {u"VP8/h", u"Îles Shetland du Sud"}, // South Shetland Islands
    {u"VP8/o", u"Îles Orcades du Sud"}, // South Orkney Islands
    {u"VP8/s", u"Îles Sandwich du Sud"}, // South Sandwich Islands
    {u"VP9", u"Bermudes"}, // Bermuda
    {u"VQ9", u"Archipel des Chagos"}, // Chagos Islands
    {u"VR", u"Hong Kong"}, // Hong Kong
    {u"VU", u"Inde"}, // India
    {u"VU4", u"Îles Andaman-et-Nicobar"}, // Andaman & Nicobar Is.
    {u"VU7", u"Laquedives"}, // Lakshadweep Islands
    {u"XE", u"Mexique"}, // Mexico
    {u"XF4", u"Revillagigedo"}, // Revillagigedo
    {u"XT", u"Burkina Faso"}, // Burkina Faso
    {u"XU", u"Cambodge"}, // Cambodia
    {u"XW", u"Laos"}, // Laos
    {u"XX9", u"Macao"}, // Macao
    {u"XZ", u"Birmanie"}, // Myanmar
    {u"YA", u"Afghanistan"}, // Afghanistan
    {u"YB", u"Indonésie"}, // Indonesia
    {u"YI", u"Irak"}, // Iraq
    {u"YJ", u"Vanuatu"}, // Vanuatu
    {u"YK", u"Syrie"}, // Syria
    {u"YL", u"Lettonie"}, // Latvia
    {u"YN", u"Nicaragua"}, // Nicaragua
    {u"YO", u"Roumanie"}, // Romania
    {u"YS", u"Salvador"}, // El Salvador
    {u"YU", u"Serbie"}, // Serbia
    {u"YV", u"Venezuela"}, // Venezuela
    {u"YV0", u"Île d'Aves"}, // Aves Island
    {u"Z2", u"Zimbabwe"}, // Zimbabwe
    {u"Z3", u"Macédoine du Nord"}, // North Macedonia
    {u"Z6", u"Kosovo"}, // Republic of Kosovo
    {u"Z8", u"Soudan du Sud"}, // Republic of South Sudan
    {u"ZA", u"Albanie"}, // Albania
    {u"ZB", u"Gibraltar"}, // Gibraltar
    {u"ZC4", u"Bases britanniques de Chypre"}, // UK Base Areas on Cyprus
    {u"ZD7", u"Sainte-Hélène"}, // St. Helena
    {u"ZD8", u"Île de l'Ascension"}, // Ascension Island
    {u"ZD9", u"Tristan da Cunha et Gough"}, // Tristan da Cunha & Gough Islands
    {u"ZF", u"Îles Caïmans"}, // Cayman Islands
    {u"ZK3", u"Tokelau"}, // Tokelau Islands
    {u"ZL", u"Nouvelle-Zélande"}, // New Zealand
    {u"ZL7", u"Îles Chatham"}, // Chatham Islands
    {u"ZL8", u"Îles Kermadec"}, // Kermadec Islands
    {u"ZL9", u"Îles subantarctiques de Nouvelle-Zélande"}, // N.Z. Subantarctic Is.
    {u"ZP", u"Paraguay"}, // Paraguay
    {u"ZS", u"Afrique du Sud"}, // South Africa
    {u"ZS8", u"Îles du Prince-Édouard"}, // Pr. Edward & Marion Is.
};
// clang-format on

} // namespace

QString Nom_Francais_Pays(QStringView prefixe_primaire) {
    const auto i = std::lower_bound(std::begin(Noms), std::end(Noms), prefixe_primaire,
                                    [](const Nom& n, QStringView p) { return QStringView(n.prefixe) < p; });
    return i != std::end(Noms) && QStringView(i->prefixe) == prefixe_primaire ? QString::fromUtf16(i->nom)
                                                                              : QString();
}

} // namespace swl
