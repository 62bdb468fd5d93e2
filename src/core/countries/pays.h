#pragma once

#include <QDate>
#include <QHash>
#include <QList>
#include <QString>

#include <optional>

namespace swl {

// One entity of the country file (a DXCC entity, or one of the few that do not count for DXCC,
// marked "*" before their prefix).
struct Entite_Pays {
    QString nom;          // "Fed. Rep. of Germany", as the file writes it (ADIF's COUNTRY)
    QString nom_francais; // "Allemagne", what the listener reads (the file's name when unknown)
    QString prefixe;      // the primary prefix, "DL" ("*" removed)
    QString continent;    // "EU"
    int zone_cq = 0;
    int zone_itu = 0;
    double latitude = 0;
    double longitude = 0; // degrees, west positive as the file writes them
    double decalage_utc = 0;
    bool hors_dxcc = false; // "*": does not count for DXCC
    int dxcc = 0;           // ADIF's entity number, 0 when unknown
};

// The country of a callsign: its entity, with what the file says of that callsign or prefix
// in particular (zones, continent, position, UTC offset).
struct Pays_Indicatif {
    int entite = -1; // index in the file's entities
    int zone_cq = 0;
    int zone_itu = 0;
    QString continent;
    double latitude = 0;
    double longitude = 0;
    double decalage_utc = 0;
};

// The country file in the CT format ("cty.dat"): entity lines "Name: CQ: ITU: Cont: Lat: Lon:
// Offset: Prefix:", then the entity's prefixes and "=" exact callsigns, separated by commas and
// ended by ";", each with its overrides "(cq)", "[itu]", "<lat/lon>", "{cont}", "~offset~".
class Fichier_Pays final {
public:
    // Reads the file's text. A file that is not such a text (binary bytes, a line longer than
    // 4,096 characters, an entity line that cannot be read, an entity not ended by ";", no
    // entity) is refused whole: `erreur` says why in French, with the line.
    static std::optional<Fichier_Pays> Lit(QByteArrayView contenu, QString* erreur = nullptr);

    qsizetype Nombre_Entites() const { return entites_.size(); }
    // The file's date as its "=VERyyyymmdd" entry gives it, or nothing.
    QDate Date_Version() const { return version_; }
    const Entite_Pays& Entite(qsizetype index) const { return entites_[index]; }

    // The country of a callsign: an exact callsign of the file first, then its longest prefix.
    // Compound callsigns: the prefix part decides ("EA8/F5ABC", "DL1ABC/F", "F/DL1ABC"); "/P",
    // "/M", "/QRP", "/A", "/LH" and a single digit change nothing; "/MM" and "/AM" have no
    // country. Nothing when no prefix matches.
    std::optional<Pays_Indicatif> Cherche(QStringView indicatif) const;

    // The entity that counts for DXCC: itself, or for a "*" entity the DXCC entity of its number.
    qsizetype Entite_DXCC(qsizetype index) const;
    // The DXCC entity of an ADIF entity number, or nothing.
    const Entite_Pays* Entite_De_Numero(int dxcc) const;

private:
    struct Alias {
        qint32 entite = -1;
        qint16 zone_cq = -1;
        qint16 zone_itu = -1;
        char continent[2] = {0, 0};
        bool a_position = false;
        bool a_decalage = false;
        float latitude = 0;
        float longitude = 0;
        float decalage = 0;
    };
    Pays_Indicatif Resout(const Alias& a) const;
    std::optional<Pays_Indicatif> Plus_Long_Prefixe(QStringView indicatif) const;

    QList<Entite_Pays> entites_;
    QHash<QString, Alias> exacts_;
    QHash<quint64, Alias> prefixes_; // prefixes packed 6 bits a character
    int longueur_prefixe_ = 0;       // the longest prefix
    QDate version_;
};

// ADIF's entity number of an entity by its primary prefix ("DL" 230, "F" 227, "*IT9" 248),
// 0 when unknown.
int Numero_DXCC(QStringView prefixe_primaire);
// The French name of an entity by its primary prefix ("DL" Allemagne, "*IT9" Sicile), empty
// when unknown.
QString Nom_Francais_Pays(QStringView prefixe_primaire);

struct Lecture_Pays {
    std::optional<Fichier_Pays> fichier;
    QString erreur; // in French, with the path, when there is no file
};
// Reads the country file at `chemin` (at most 16 MB).
Lecture_Pays Lit_Fichier_Pays(const QString& chemin);

// Where Debian's hamradio-files puts the country file.
inline const QString Chemin_Pays_Debian = QStringLiteral("/usr/share/hamradio-files/cty.dat");

class Reglages;
// The country file the settings name, else Debian's.
QString Chemin_Fichier_Pays(const Reglages& reglages);

// The country file in use for the whole run: read at start, and again when the user chooses
// another. Without a file (missing, unreadable, broken) every country is unknown.
class Base_Pays final {
public:
    void Charge(const QString& chemin);
    // Takes a file already read from `chemin` (read once: checked, then used).
    void Prend(const QString& chemin, Lecture_Pays lecture);
    const QString& Chemin() const { return chemin_; }
    const Fichier_Pays* Fichier() const { return lecture_.fichier ? &*lecture_.fichier : nullptr; }
    // Why there is no file, in French with the path; empty when there is one.
    const QString& Erreur() const { return lecture_.erreur; }
    // What the entry form shows beside a callsign: "Allemagne  EU", "pays inconnu",
    // nothing for nothing typed.
    QString Texte_Pays(QStringView indicatif) const;

private:
    QString chemin_;
    Lecture_Pays lecture_;
};

} // namespace swl
