#pragma once

// The callsigns the listener may mean while he types one: those of the log (with how many QSOs,
// the last one's date and the station's department), of the first-name directory, and of a
// file of active callsigns (MASTER.SCP, one a line, as contest loggers use it).
#include "core/log/fichier_log.h"

#include <QByteArrayView>
#include <QList>
#include <QString>

#include <array>
#include <memory>
#include <vector>

namespace swl {

// Where Debian's hamradio-files puts the file of active callsigns.
inline const QString Chemin_Indicatifs_Debian = QStringLiteral("/usr/share/hamradio-files/MASTER.SCP");

class Reglages;
// What is stored in the common section: the list under the entry form shown ("Indicatifs
// Connus", "Oui" by default) and the file of active callsigns ("Fichier Indicatifs", empty:
// Debian's).
bool Liste_Indicatifs_Active(const Reglages& reglages);
QString Chemin_Fichier_Indicatifs(const Reglages& reglages);

// A callsign kept as its 12 bytes (capitals, digits, "/").
struct Indicatif_Court {
    std::array<char, 12> octets{};
    quint8 longueur = 0;
    QByteArrayView Vue() const { return QByteArrayView(octets.data(), longueur); }
    friend bool operator<(const Indicatif_Court& a, const Indicatif_Court& b) { return a.Vue() < b.Vue(); }
    friend bool operator==(const Indicatif_Court& a, const Indicatif_Court& b) { return a.Vue() == b.Vue(); }
};

// A file of callsigns, read whole: those it holds, sorted, and the lines left out.
struct Fichier_Indicatifs {
    std::vector<Indicatif_Court> indicatifs;
    qsizetype ignorees = 0; // lines longer than a callsign or holding another character
    QString erreur;         // why the file cannot be used, in French with its path; empty: read
};
inline constexpr qsizetype Taille_Maximale_Fichier_Indicatifs = 8 * 1024 * 1024;
// Comment lines ("#") and empty ones skipped; a line is a callsign of 1 to 12 capitals, digits
// and "/" (letters in lower case read as capitals), else it is left out and counted. Bytes
// that are no text (a NUL) refuse the whole file.
Fichier_Indicatifs Lit_Indicatifs(QByteArrayView contenu);
// The file at `chemin`: one larger than 8 MB is refused before it is read.
Fichier_Indicatifs Lit_Fichier_Indicatifs(const QString& chemin);

class Index_Indicatifs final {
public:
    enum class Source { Journal, Annuaire, Fichier };
    struct Proposition {
        QString indicatif;
        Source source = Source::Journal;
        int qso = 0;         // in the log
        QString dernier;     // the last QSO's date, "JJ/MM/AA"
        QString departement; // the station's latest, as the log or the directory writes it
        bool proche = false; // one character away from what was typed
    };

    // The log's callsigns (stations A and B), the directory's, the file's; built off the
    // interface thread (it reads nothing but what it is given).
    static Index_Indicatifs Construit(const Lignes_Log& log, QByteArrayView annuaire,
                                      std::shared_ptr<const Fichier_Indicatifs> fichier);

    // The callsigns that hold `texte` (letter case aside): the log's first, by QSOs heard then
    // alphabetically, then the directory's, then the file's; when none does, those one
    // character away (one changed, added or missing). At most `limite`.
    QList<Proposition> Cherche(QStringView texte, int limite = 10) const;
    qsizetype Nombre_Journal() const { return static_cast<qsizetype>(journal_.size()); }

private:
    struct Entree {
        Indicatif_Court indicatif;
        int qso = 0;
        qint64 dernier = 0;
        std::array<char, 8> date{' ', ' ', ' ', ' ', ' ', ' ', ' ', ' '};
        std::array<char, 2> departement{' ', ' '};
    };
    std::vector<Entree> journal_;         // by QSOs heard, then alphabetically
    std::vector<Entree> annuaire_;        // alphabetically, those not in the log
    std::vector<Indicatif_Court> connus_; // the log's and the directory's, sorted, for the file's
    std::shared_ptr<const Fichier_Indicatifs> fichier_;
};

// "F5ABC, 12 QSO, dernier le 03/05/25, département 29"; "F5ABC, répertoire des prénoms,
// département 29"; "F5ABC, fichier des indicatifs"; ", à un caractère près" when it is one.
QString Texte_Proposition(const Index_Indicatifs::Proposition& p);

} // namespace swl
