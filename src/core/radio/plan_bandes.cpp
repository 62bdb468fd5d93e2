#include "core/radio/plan_bandes.h"

#include <array>

namespace swl {

namespace {

struct Segment {
    double de; // kHz, included
    double a;  // kHz, excluded
    Groupe_Mode groupe;
};

constexpr auto CW = Groupe_Mode::CW;
constexpr auto Numerique = Groupe_Mode::Autres;
constexpr auto Phonie = Groupe_Mode::Phonie;

// The IARU Region 1 band plans (HF: 2020, VHF/UHF: 2021), simplified to the three groups the
// marks use: the CW part, the narrow digital modes, the rest (phone, all modes). The beacon
// segments (14 099–14 101, 18 109–18 111, 21 149–21 151, 24 929–24 931, 28 190–28 225 kHz) and
// the 27 MHz CB band read as phone, each whole.
constexpr std::array<Segment, 34> Plan = {{
    {1810, 1838, CW},          {1838, 1843, Numerique},   {1843, 2000, Phonie},
    {3500, 3570, CW},          {3570, 3600, Numerique},   {3600, 3800, Phonie},
    {7000, 7040, CW},          {7040, 7060, Numerique},   {7060, 7200, Phonie},
    {10100, 10130, CW},        {10130, 10150, Numerique}, {14000, 14070, CW},
    {14070, 14099, Numerique}, {14099, 14350, Phonie},    {18068, 18095, CW},
    {18095, 18109, Numerique}, {18109, 18168, Phonie},    {21000, 21070, CW},
    {21070, 21149, Numerique}, {21149, 21450, Phonie},    {24890, 24915, CW},
    {24915, 24929, Numerique}, {24929, 24990, Phonie},    {26065, 27995, Phonie},
    {28000, 28070, CW},        {28070, 28190, Numerique}, {28190, 29700, Phonie},
    {50000, 50100, CW},        {50100, 52000, Phonie},    {144000, 144150, CW},
    {144150, 148000, Phonie},  {430000, 432000, Phonie},  {432000, 432150, CW},
    {432150, 440000, Phonie},
}};

} // namespace

int Groupe_Du_Commentaire(QStringView commentaire) {
    static const std::array<std::pair<const char16_t*, Groupe_Mode>, 20> Mots = {{
        {u"CW", CW},          {u"SSB", Phonie},       {u"USB", Phonie},     {u"LSB", Phonie},
        {u"AM", Phonie},      {u"FM", Phonie},        {u"FT8", Numerique},  {u"FT4", Numerique},
        {u"RTTY", Numerique}, {u"RTY", Numerique},    {u"PSK", Numerique},  {u"PSK31", Numerique},
        {u"JT65", Numerique}, {u"JT9", Numerique},    {u"Q65", Numerique},  {u"MSK144", Numerique},
        {u"JS8", Numerique},  {u"OLIVIA", Numerique}, {u"SSTV", Numerique}, {u"DIGI", Numerique},
    }};
    qsizetype i = 0;
    while (i < commentaire.size()) {
        while (i < commentaire.size() && !commentaire[i].isLetterOrNumber()) {
            ++i;
        }
        qsizetype fin = i;
        while (fin < commentaire.size() && commentaire[fin].isLetterOrNumber()) {
            ++fin;
        }
        const QStringView mot = commentaire.sliced(i, fin - i);
        for (const auto& [m, g] : Mots) {
            if (mot.compare(QStringView(m), Qt::CaseInsensitive) == 0) {
                return int(g);
            }
        }
        i = fin;
    }
    return -1;
}

int Groupe_Du_Plan(double khz) {
    for (const Segment& s : Plan) {
        if (khz >= s.de && khz < s.a) {
            return int(s.groupe);
        }
    }
    return -1;
}

int Groupe_Du_Spot(double khz, QStringView commentaire) {
    const int g = Groupe_Du_Commentaire(commentaire);
    return g >= 0 ? g : Groupe_Du_Plan(khz);
}

} // namespace swl
