#include "core/reports/recherche.h"

#include "core/base/texte_1252.h"
#include "core/log/fiche_qso.h"

namespace swl {

using namespace Qt::Literals::StringLiterals;

namespace {

// Where each criterion's field lies in a list line, and in the log line it is copied from.
struct Champ_Critere {
    qsizetype liste;
    qsizetype log;
    qsizetype largeur;
    bool sans_espaces;
};

Champ_Critere Champ(Critere critere) {
    switch (critere) {
    case Critere::Indicatif:
        return {8, 1, 12, true};
    case Critere::Date:
        return {103, 48, 8, true};
    case Critere::Departement:
        break;
    }
    return {22, 27, 2, false};
}

template <class Vue> bool Compare(Vue champ, Vue texte, Critere critere) {
    if (critere == Critere::Indicatif) {
        return champ.contains(texte);
    }
    return champ == texte;
}

} // namespace

bool Correspond(QStringView ligne_liste, Critere critere, QStringView texte) {
    const Champ_Critere c = Champ(critere);
    QStringView champ = Piece(ligne_liste, c.liste, c.largeur);
    if (c.sans_espaces) {
        champ = champ.trimmed();
    }
    return Compare(champ, texte, critere);
}

QString Texte_Recherche(Critere critere, const QString& saisie) {
    return critere == Critere::Departement ? saisie : Majuscules_1252(saisie);
}

QString Ligne_Resultat(QStringView ligne_liste) {
    QString r;
    r.reserve(87);
    r.append(Piece(ligne_liste, 1, 29));
    r.append(u"   ");
    r.append(Piece(ligne_liste, 80, 55));
    return r;
}

QList<int> Lignes_Trouvees(const Lignes_Log& lignes, Critere critere, const QString& texte) {
    QList<int> trouvees;
    const Champ_Critere c = Champ(critere);
    // A text the log cannot hold matches no full-width line; other lines are compared as text.
    const bool codable = Premier_Caractere_Interdit(texte) < 0;
    const QByteArray octets = Encode_1252(texte);
    for (int i = 0; i < lignes.Nombre(); ++i) {
        const QByteArrayView ligne = lignes.Octets(i);
        bool oui = false;
        if (ligne.size() == Largeur_Ligne_Log) {
            QByteArrayView champ = ligne.sliced(c.log - 1, c.largeur);
            if (c.sans_espaces) {
                champ = Sans_Espaces_Autour(champ);
            }
            oui = codable && Compare(champ, QByteArrayView(octets), critere);
        } else {
            oui = Correspond(lignes.Ligne_Liste(i), critere, texte);
        }
        if (oui) {
            trouvees.append(i);
        }
    }
    return trouvees;
}

} // namespace swl
