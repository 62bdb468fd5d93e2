// Written by tools/pays/genere_dxcc.py from the CSV form of the country file: do not edit.
#include "core/countries/pays.h"

#include <algorithm>
#include <iterator>

namespace swl {

namespace {

struct Numero {
    const char16_t* prefixe;
    int dxcc;
};

// Sorted by prefix.
constexpr Numero Numeros[] = {
    {u"*4U1V", 206}, // Vienna Intl Ctr
    {u"*GM/s", 279}, // Shetland Islands
    {u"*IG9", 248},  // African Italy
    {u"*IT9", 248},  // Sicily
    {u"*JW/b", 259}, // Bear Island
    {u"*TA1", 390},  // European Turkey
    {u"1A", 246},    // Sov Mil Order of Malta
    {u"1S", 247},    // Spratly Islands
    {u"3A", 260},    // Monaco
    {u"3B6", 4},     // Agalega & St. Brandon
    {u"3B8", 165},   // Mauritius
    {u"3B9", 207},   // Rodriguez Island
    {u"3C", 49},     // Equatorial Guinea
    {u"3C0", 195},   // Annobon Island
    {u"3D2", 176},   // Fiji
    {u"3D2/c", 489}, // Conway Reef
    {u"3D2/r", 460}, // Rotuma Island
    {u"3DA", 468},   // Kingdom of Eswatini
    {u"3V", 474},    // Tunisia
    {u"3W", 293},    // Vietnam
    {u"3X", 107},    // Guinea
    {u"3Y/b", 24},   // Bouvet
    {u"3Y/p", 199},  // Peter 1 Island
    {u"4J", 18},     // Azerbaijan
    {u"4L", 75},     // Georgia
    {u"4O", 514},    // Montenegro
    {u"4S", 315},    // Sri Lanka
    {u"4U1I", 117},  // ITU HQ
    {u"4U1U", 289},  // United Nations HQ
    {u"4W", 511},    // Timor - Leste
    {u"4X", 336},    // Israel
    {u"5A", 436},    // Libya
    {u"5B", 215},    // Cyprus
    {u"5H", 470},    // Tanzania
    {u"5N", 450},    // Nigeria
    {u"5R", 438},    // Madagascar
    {u"5T", 444},    // Mauritania
    {u"5U", 187},    // Niger
    {u"5V", 483},    // Togo
    {u"5W", 190},    // Samoa
    {u"5X", 286},    // Uganda
    {u"5Z", 430},    // Kenya
    {u"6W", 456},    // Senegal
    {u"6Y", 82},     // Jamaica
    {u"7O", 492},    // Yemen
    {u"7P", 432},    // Lesotho
    {u"7Q", 440},    // Malawi
    {u"7X", 400},    // Algeria
    {u"8P", 62},     // Barbados
    {u"8Q", 159},    // Maldives
    {u"8R", 129},    // Guyana
    {u"9A", 497},    // Croatia
    {u"9G", 424},    // Ghana
    {u"9H", 257},    // Malta
    {u"9J", 482},    // Zambia
    {u"9K", 348},    // Kuwait
    {u"9L", 458},    // Sierra Leone
    {u"9M2", 299},   // West Malaysia
    {u"9M6", 46},    // East Malaysia
    {u"9N", 369},    // Nepal
    {u"9Q", 414},    // Dem. Rep. of the Congo
    {u"9U", 404},    // Burundi
    {u"9V", 381},    // Singapore
    {u"9X", 454},    // Rwanda
    {u"9Y", 90},     // Trinidad & Tobago
    {u"A2", 402},    // Botswana
    {u"A3", 160},    // Tonga
    {u"A4", 370},    // Oman
    {u"A5", 306},    // Bhutan
    {u"A6", 391},    // United Arab Emirates
    {u"A7", 376},    // Qatar
    {u"A9", 304},    // Bahrain
    {u"AP", 372},    // Pakistan
    {u"BS7", 506},   // Scarborough Reef
    {u"BV", 386},    // Taiwan
    {u"BV9P", 505},  // Pratas Island
    {u"BY", 318},    // China
    {u"C2", 157},    // Nauru
    {u"C3", 203},    // Andorra
    {u"C5", 422},    // The Gambia
    {u"C6", 60},     // Bahamas
    {u"C9", 181},    // Mozambique
    {u"CE", 112},    // Chile
    {u"CE0X", 217},  // San Felix & San Ambrosio
    {u"CE0Y", 47},   // Easter Island
    {u"CE0Z", 125},  // Juan Fernandez Islands
    {u"CE9", 13},    // Antarctica
    {u"CM", 70},     // Cuba
    {u"CN", 446},    // Morocco
    {u"CP", 104},    // Bolivia
    {u"CT", 272},    // Portugal
    {u"CT3", 256},   // Madeira Islands
    {u"CU", 149},    // Azores
    {u"CX", 144},    // Uruguay
    {u"CY0", 211},   // Sable Island
    {u"CY9", 252},   // St. Paul Island
    {u"D2", 401},    // Angola
    {u"D4", 409},    // Cape Verde
    {u"D6", 411},    // Comoros
    {u"DL", 230},    // Fed. Rep. of Germany
    {u"DU", 375},    // Philippines
    {u"E3", 51},     // Eritrea
    {u"E4", 510},    // Palestine
    {u"E5/n", 191},  // North Cook Islands
    {u"E5/s", 234},  // South Cook Islands
    {u"E6", 188},    // Niue
    {u"E7", 501},    // Bosnia-Herzegovina
    {u"EA", 281},    // Spain
    {u"EA6", 21},    // Balearic Islands
    {u"EA8", 29},    // Canary Islands
    {u"EA9", 32},    // Ceuta & Melilla
    {u"EI", 245},    // Ireland
    {u"EK", 14},     // Armenia
    {u"EL", 434},    // Liberia
    {u"EP", 330},    // Iran
    {u"ER", 179},    // Moldova
    {u"ES", 52},     // Estonia
    {u"ET", 53},     // Ethiopia
    {u"EU", 27},     // Belarus
    {u"EX", 135},    // Kyrgyzstan
    {u"EY", 262},    // Tajikistan
    {u"EZ", 280},    // Turkmenistan
    {u"F", 227},     // France
    {u"FG", 79},     // Guadeloupe
    {u"FH", 169},    // Mayotte
    {u"FJ", 516},    // St. Barthelemy
    {u"FK", 162},    // New Caledonia
    {u"FK/c", 512},  // Chesterfield Islands
    {u"FM", 84},     // Martinique
    {u"FO", 175},    // French Polynesia
    {u"FO/a", 508},  // Austral Islands
    {u"FO/c", 36},   // Clipperton Island
    {u"FO/m", 509},  // Marquesas Islands
    {u"FP", 277},    // St. Pierre & Miquelon
    {u"FR", 453},    // Reunion Island
    {u"FS", 213},    // St. Martin
    {u"FT/g", 99},   // Glorioso Islands
    {u"FT/j", 124},  // Juan de Nova & Europa
    {u"FT/t", 276},  // Tromelin Island
    {u"FT/w", 41},   // Crozet Island
    {u"FT/x", 131},  // Kerguelen Islands
    {u"FT/z", 10},   // Amsterdam & St. Paul Is.
    {u"FW", 298},    // Wallis & Futuna Islands
    {u"FY", 63},     // French Guiana
    {u"G", 223},     // England
    {u"GD", 114},    // Isle of Man
    {u"GI", 265},    // Northern Ireland
    {u"GJ", 122},    // Jersey
    {u"GM", 279},    // Scotland
    {u"GU", 106},    // Guernsey
    {u"GW", 294},    // Wales
    {u"H4", 185},    // Solomon Islands
    {u"H40", 507},   // Temotu Province
    {u"HA", 239},    // Hungary
    {u"HB", 287},    // Switzerland
    {u"HB0", 251},   // Liechtenstein
    {u"HC", 120},    // Ecuador
    {u"HC8", 71},    // Galapagos Islands
    {u"HH", 78},     // Haiti
    {u"HI", 72},     // Dominican Republic
    {u"HK", 116},    // Colombia
    {u"HK0/a", 216}, // San Andres & Providencia
    {u"HK0/m", 161}, // Malpelo Island
    {u"HL", 137},    // Republic of Korea
    {u"HP", 88},     // Panama
    {u"HR", 80},     // Honduras
    {u"HS", 387},    // Thailand
    {u"HV", 295},    // Vatican City
    {u"HZ", 378},    // Saudi Arabia
    {u"I", 248},     // Italy
    {u"IS", 225},    // Sardinia
    {u"J2", 382},    // Djibouti
    {u"J3", 77},     // Grenada
    {u"J5", 109},    // Guinea-Bissau
    {u"J6", 97},     // St. Lucia
    {u"J7", 95},     // Dominica
    {u"J8", 98},     // St. Vincent
    {u"JA", 339},    // Japan
    {u"JD/m", 177},  // Minami Torishima
    {u"JD/o", 192},  // Ogasawara
    {u"JT", 363},    // Mongolia
    {u"JW", 259},    // Svalbard
    {u"JX", 118},    // Jan Mayen
    {u"JY", 342},    // Jordan
    {u"K", 291},     // United States
    {u"KG4", 105},   // Guantanamo Bay
    {u"KH0", 166},   // Mariana Islands
    {u"KH1", 20},    // Baker & Howland Islands
    {u"KH2", 103},   // Guam
    {u"KH3", 123},   // Johnston Island
    {u"KH4", 174},   // Midway Island
    {u"KH5", 197},   // Palmyra & Jarvis Islands
    {u"KH6", 110},   // Hawaii
    {u"KH7K", 138},  // Kure Island
    {u"KH8", 9},     // American Samoa
    {u"KH8/s", 515}, // Swains Island
    {u"KH9", 297},   // Wake Island
    {u"KL", 6},      // Alaska
    {u"KP1", 182},   // Navassa Island
    {u"KP2", 285},   // US Virgin Islands
    {u"KP4", 202},   // Puerto Rico
    {u"KP5", 43},    // Desecheo Island
    {u"LA", 266},    // Norway
    {u"LU", 100},    // Argentina
    {u"LX", 254},    // Luxembourg
    {u"LY", 146},    // Lithuania
    {u"LZ", 212},    // Bulgaria
    {u"OA", 136},    // Peru
    {u"OD", 354},    // Lebanon
    {u"OE", 206},    // Austria
    {u"OH", 224},    // Finland
    {u"OH0", 5},     // Aland Islands
    {u"OJ0", 167},   // Market Reef
    {u"OK", 503},    // Czech Republic
    {u"OM", 504},    // Slovak Republic
    {u"ON", 209},    // Belgium
    {u"OX", 237},    // Greenland
    {u"OY", 222},    // Faroe Islands
    {u"OZ", 221},    // Denmark
    {u"P2", 163},    // Papua New Guinea
    {u"P4", 91},     // Aruba
    {u"P5", 344},    // DPR of Korea
    {u"PA", 263},    // Netherlands
    {u"PJ2", 517},   // Curacao
    {u"PJ4", 520},   // Bonaire
    {u"PJ5", 519},   // Saba & St. Eustatius
    {u"PJ7", 518},   // Sint Maarten
    {u"PY", 108},    // Brazil
    {u"PY0F", 56},   // Fernando de Noronha
    {u"PY0S", 253},  // St. Peter & St. Paul
    {u"PY0T", 273},  // Trindade & Martim Vaz
    {u"PZ", 140},    // Suriname
    {u"R1FJ", 61},   // Franz Josef Land
    {u"S0", 302},    // Western Sahara
    {u"S2", 305},    // Bangladesh
    {u"S5", 499},    // Slovenia
    {u"S7", 379},    // Seychelles
    {u"S9", 219},    // Sao Tome & Principe
    {u"SM", 284},    // Sweden
    {u"SP", 269},    // Poland
    {u"ST", 466},    // Sudan
    {u"SU", 478},    // Egypt
    {u"SV", 236},    // Greece
    {u"SV/a", 180},  // Mount Athos
    {u"SV5", 45},    // Dodecanese
    {u"SV9", 40},    // Crete
    {u"T2", 282},    // Tuvalu
    {u"T30", 301},   // Western Kiribati
    {u"T31", 31},    // Central Kiribati
    {u"T32", 48},    // Eastern Kiribati
    {u"T33", 490},   // Banaba Island
    {u"T5", 232},    // Somalia
    {u"T7", 278},    // San Marino
    {u"T8", 22},     // Palau
    {u"TA", 390},    // Asiatic Turkey
    {u"TF", 242},    // Iceland
    {u"TG", 76},     // Guatemala
    {u"TI", 308},    // Costa Rica
    {u"TI9", 37},    // Cocos Island
    {u"TJ", 406},    // Cameroon
    {u"TK", 214},    // Corsica
    {u"TL", 408},    // Central African Republic
    {u"TN", 412},    // Republic of the Congo
    {u"TR", 420},    // Gabon
    {u"TT", 410},    // Chad
    {u"TU", 428},    // Cote d'Ivoire
    {u"TY", 416},    // Benin
    {u"TZ", 442},    // Mali
    {u"UA", 54},     // European Russia
    {u"UA2", 126},   // Kaliningrad
    {u"UA9", 15},    // Asiatic Russia
    {u"UK", 292},    // Uzbekistan
    {u"UN", 130},    // Kazakhstan
    {u"UR", 288},    // Ukraine
    {u"V2", 94},     // Antigua & Barbuda
    {u"V3", 66},     // Belize
    {u"V4", 249},    // St. Kitts & Nevis
    {u"V5", 464},    // Namibia
    {u"V6", 173},    // Micronesia
    {u"V7", 168},    // Marshall Islands
    {u"V8", 345},    // Brunei Darussalam
    {u"VE", 1},      // Canada
    {u"VK", 150},    // Australia
    {u"VK0H", 111},  // Heard Island
    {u"VK0M", 153},  // Macquarie Island
    {u"VK9C", 38},   // Cocos (Keeling) Islands
    {u"VK9L", 147},  // Lord Howe Island
    {u"VK9M", 171},  // Mellish Reef
    {u"VK9N", 189},  // Norfolk Island
    {u"VK9W", 303},  // Willis Island
    {u"VK9X", 35},   // Christmas Island
    {u"VP2E", 12},   // Anguilla
    {u"VP2M", 96},   // Montserrat
    {u"VP2V", 65},   // British Virgin Islands
    {u"VP5", 89},    // Turks & Caicos Islands
    {u"VP6", 172},   // Pitcairn Island
    {u"VP6/d", 513}, // Ducie Island
    {u"VP8", 141},   // Falkland Islands
    {u"VP8/g", 235}, // South Georgia Island
    {u"VP8/h", 241}, // South Shetland Islands
    {u"VP8/o", 238}, // South Orkney Islands
    {u"VP8/s", 240}, // South Sandwich Islands
    {u"VP9", 64},    // Bermuda
    {u"VQ9", 33},    // Chagos Islands
    {u"VR", 321},    // Hong Kong
    {u"VU", 324},    // India
    {u"VU4", 11},    // Andaman & Nicobar Is.
    {u"VU7", 142},   // Lakshadweep Islands
    {u"XE", 50},     // Mexico
    {u"XF4", 204},   // Revillagigedo
    {u"XT", 480},    // Burkina Faso
    {u"XU", 312},    // Cambodia
    {u"XW", 143},    // Laos
    {u"XX9", 152},   // Macao
    {u"XZ", 309},    // Myanmar
    {u"YA", 3},      // Afghanistan
    {u"YB", 327},    // Indonesia
    {u"YI", 333},    // Iraq
    {u"YJ", 158},    // Vanuatu
    {u"YK", 384},    // Syria
    {u"YL", 145},    // Latvia
    {u"YN", 86},     // Nicaragua
    {u"YO", 275},    // Romania
    {u"YS", 74},     // El Salvador
    {u"YU", 296},    // Serbia
    {u"YV", 148},    // Venezuela
    {u"YV0", 17},    // Aves Island
    {u"Z2", 452},    // Zimbabwe
    {u"Z3", 502},    // North Macedonia
    {u"Z6", 522},    // Republic of Kosovo
    {u"Z8", 521},    // Republic of South Sudan
    {u"ZA", 7},      // Albania
    {u"ZB", 233},    // Gibraltar
    {u"ZC4", 283},   // UK Base Areas on Cyprus
    {u"ZD7", 250},   // St. Helena
    {u"ZD8", 205},   // Ascension Island
    {u"ZD9", 274},   // Tristan da Cunha & Gough Islands
    {u"ZF", 69},     // Cayman Islands
    {u"ZK3", 270},   // Tokelau Islands
    {u"ZL", 170},    // New Zealand
    {u"ZL7", 34},    // Chatham Islands
    {u"ZL8", 133},   // Kermadec Islands
    {u"ZL9", 16},    // N.Z. Subantarctic Is.
    {u"ZP", 132},    // Paraguay
    {u"ZS", 462},    // South Africa
    {u"ZS8", 201},   // Pr. Edward & Marion Is.
};

} // namespace

int Numero_DXCC(QStringView prefixe_primaire) {
    const auto i =
        std::lower_bound(std::begin(Numeros), std::end(Numeros), prefixe_primaire,
                         [](const Numero& n, QStringView p) { return QStringView(n.prefixe) < p; });
    return i != std::end(Numeros) && QStringView(i->prefixe) == prefixe_primaire ? i->dxcc : 0;
}

} // namespace swl
