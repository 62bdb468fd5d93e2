#include "core/log/fiche_qso.h"

#include "core/base/texte_1252.h"

#include <array>

namespace swl {

using namespace Qt::Literals::StringLiterals;

const QStringList& Liste_Bandes() {
    static const QStringList bandes = {u"1.8 Mhz"_s, u"3.5 Mhz"_s, u"7.0 Mhz"_s, u"10 Mhz"_s, u"14 Mhz"_s,
                                       u"18 Mhz"_s,  u"21 Mhz"_s,  u"24 Mhz"_s,  u"27 Mhz"_s, u"28 Mhz"_s,
                                       u"50 Mhz"_s,  u"144 Mhz"_s, u"432 Mhz"_s};
    return bandes;
}

Groupe_Mode Groupe_De_Mode(QStringView mode) {
    const QStringView m = mode.trimmed();
    if (m.compare(u"CW", Qt::CaseInsensitive) == 0) {
        return Groupe_Mode::CW;
    }
    for (const char16_t* phonie : {u"SSB", u"LSB", u"USB", u"AM", u"FM"}) {
        if (m.compare(QStringView(phonie), Qt::CaseInsensitive) == 0) {
            return Groupe_Mode::Phonie;
        }
    }
    return Groupe_Mode::Autres;
}

QString Nom_Groupe_Mode(Groupe_Mode g) {
    return g == Groupe_Mode::CW ? u"CW"_s : g == Groupe_Mode::Phonie ? u"phonie"_s : u"autres modes"_s;
}

const QStringList& Liste_Modes() {
    static const QStringList modes = {u"SSB"_s, u"CW"_s, u"FM"_s, u"DIG"_s};
    return modes;
}

QString Bande_De_Frequence(double khz) {
    struct Plage {
        double de, a;
        int bande; // index in the logbook's bands
    };
    static constexpr std::array<Plage, 13> plages = {{{1800, 2000, 0},
                                                      {3500, 4000, 1},
                                                      {7000, 7300, 2},
                                                      {10100, 10150, 3},
                                                      {14000, 14350, 4},
                                                      {18068, 18168, 5},
                                                      {21000, 21450, 6},
                                                      {24890, 24990, 7},
                                                      {26065, 27995, 8},
                                                      {28000, 29700, 9},
                                                      {50000, 54000, 10},
                                                      {144000, 148000, 11},
                                                      {430000, 440000, 12}}};
    for (const Plage& p : plages) {
        if (khz >= p.de && khz <= p.a) {
            return Liste_Bandes()[p.bande];
        }
    }
    return {};
}

QString Libelle_Colonnes_Liste() {
    return u"     N°   Indicatif A       Dpt RST   Prenom                    QTH                   "
           u"                      Indicatif B      Dpt RST     Date       QTR  Mode   QRG   QSL"_s;
}

QStringView Piece(QStringView ligne, qsizetype colonne, qsizetype largeur) {
    const qsizetype debut = colonne - 1;
    if (debut >= ligne.size()) {
        return {};
    }
    return ligne.sliced(debut, qMin(largeur, ligne.size() - debut));
}

QString QTH_Conserve(const QString& qth) {
    return qth.trimmed().left(30);
}

namespace {

void Ajoute_Champ(QString& ligne, QStringView texte, qsizetype largeur) {
    const qsizetype n = qMin(texte.size(), largeur);
    ligne.append(texte.first(n));
    ligne.resize(ligne.size() + largeur - n, u' ');
}

struct Colonne {
    qsizetype debut;
    qsizetype largeur;
};

// Fields in log order: where each lies in the log line and in the list line.
struct Champ {
    Colonne log;
    Colonne liste;
};
constexpr Champ Ind_A{{1, 12}, {8, 12}};
constexpr Champ Ind_B{{14, 12}, {80, 12}};
constexpr Champ Dpt_A{{27, 2}, {22, 2}};
constexpr Champ Dpt_B{{29, 2}, {94, 2}};
constexpr Champ Prenom{{32, 15}, {31, 15}};
constexpr Champ Date{{48, 8}, {103, 8}};
constexpr Champ Heure{{57, 5}, {113, 5}};
constexpr Champ Mode{{63, 3}, {120, 3}};
constexpr Champ Bande{{67, 7}, {125, 7}};
constexpr Champ RST_A{{75, 3}, {26, 3}};
constexpr Champ RST_B{{79, 3}, {98, 3}};
constexpr Champ QTH{{83, 30}, {48, 30}};
constexpr Champ QSL{{114, 1}, {134, 1}};

// List order, each field preceded by the two-space separator.
constexpr Champ Ordre_Liste[] = {Ind_A, Dpt_A, RST_A, Prenom, QTH,   Ind_B, Dpt_B,
                                 RST_B, Date,  Heure, Mode,   Bande, QSL};

} // namespace

QString Forme_Ligne_Log(const Fiche_QSO& fiche) {
    Fiche_QSO f = fiche;
    f.Prenom_A = Majuscules_1252(f.Prenom_A);
    f.QTH_A = Majuscules_1252(QTH_Conserve(f.QTH_A));
    return Place_Colonnes_Log(f);
}

QString Place_Colonnes_Log(const Fiche_QSO& f) {
    QString l;
    l.reserve(Largeur_Ligne_Log);
    const auto champ = [&l](QStringView texte, qsizetype largeur, bool espace) {
        Ajoute_Champ(l, texte, largeur);
        if (espace) {
            l.append(u' ');
        }
    };
    champ(f.Indicatif_A, 12, true);
    champ(f.Indicatif_B, 12, true);
    champ(f.Dpt_A, 2, false);
    champ(f.Dpt_B, 2, true);
    champ(f.Prenom_A, 15, true);
    champ(f.Date, 8, true);
    champ(f.Heure, 5, true);
    champ(f.Mode, 3, true);
    champ(f.Bande, 7, true);
    champ(f.RST_A, 3, true);
    champ(f.RST_B, 3, true);
    champ(f.QTH_A, 30, true);
    l.append(f.QSL ? u'*' : u' ');
    return l;
}

QString Forme_Ligne_Liste(QStringView log, int numero) {
    QString l;
    l.reserve(Largeur_Ligne_Liste);
    const QString chiffres = QString::number(numero);
    l.append(QString(qMax<qsizetype>(0, 5 - chiffres.size()), u' '));
    l.append(chiffres);
    for (const Champ& c : Ordre_Liste) {
        l.append(u"  ");
        l.append(Piece(log, c.log.debut, c.log.largeur));
    }
    return l;
}

QString Ligne_Log_De_Liste(QStringView liste) {
    QString l;
    l.reserve(Largeur_Ligne_Log);
    const auto piece = [&](const Champ& c) { return Piece(liste, c.liste.debut, c.liste.largeur); };
    l.append(piece(Ind_A)).append(u' ').append(piece(Ind_B)).append(u' ');
    l.append(piece(Dpt_A)).append(piece(Dpt_B)).append(u' ');
    l.append(piece(Prenom)).append(u' ').append(piece(Date)).append(u' ');
    l.append(piece(Heure)).append(u' ').append(piece(Mode)).append(u' ');
    l.append(piece(Bande)).append(u' ').append(piece(RST_A)).append(u' ');
    l.append(piece(RST_B)).append(u' ').append(piece(QTH)).append(u' ');
    l.append(piece(QSL));
    return l;
}

Fiche_QSO Fiche_De_Ligne_Liste(QStringView liste) {
    const auto piece = [&](const Champ& c) {
        return Piece(liste, c.liste.debut, c.liste.largeur).toString();
    };
    Fiche_QSO f;
    f.Indicatif_A = piece(Ind_A);
    f.Dpt_A = piece(Dpt_A);
    f.RST_A = piece(RST_A);
    f.Prenom_A = piece(Prenom);
    f.QTH_A = piece(QTH);
    f.Indicatif_B = piece(Ind_B);
    f.Dpt_B = piece(Dpt_B);
    f.RST_B = piece(RST_B);
    f.Date = piece(Date);
    f.Heure = piece(Heure);
    f.Mode = piece(Mode);
    f.Bande = piece(Bande);
    f.QSL = piece(QSL) == u"*";
    return f;
}

int Numero_Ligne_Liste(QStringView liste) {
    bool ok = false;
    const int n = Piece(liste, 1, 5).trimmed().toInt(&ok);
    return ok && n > 0 ? n : 0;
}

} // namespace swl
