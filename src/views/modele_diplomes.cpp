// The tables of the awards window.
#include "views/modele_diplomes.h"

#include "core/base/texte_1252.h"
#include "core/log/colonnes_log.h"
#include "core/log/fiche_qso.h"

#include <QColor>

namespace swl {

using namespace Qt::Literals::StringLiterals;

// Three colours a colour-blind reader can tell apart too, the text saying it anyway.
const QColor Modele_Grille_Diplome::Couleur_Confirme{120, 200, 120};
const QColor Modele_Grille_Diplome::Couleur_Entendu{255, 190, 90};
const QColor Modele_Grille_Diplome::Couleur_Manquant{235, 235, 235};

void Modele_Grille_Diplome::Affiche(const Compte_Diplome* compte, const Filtre_Diplome& filtre,
                                    Montres montres) {
    beginResetModel();
    compte_ = compte;
    filtre_ = filtre;
    bandes_.clear();
    for (int b = 0; b < Nombre_Bandes_Diplome; ++b) {
        if (filtre.Contient(b)) {
            bandes_ << b;
        }
    }
    elements_.clear();
    for (int e = 0; compte && e < compte->elements.size(); ++e) {
        const bool entendu = Etat_Element(compte->elements[e], filtre) != Etat_Case::Manquant;
        if (montres == Montres::Tous || entendu == (montres == Montres::Entendus)) {
            elements_ << e;
        }
    }
    endResetModel();
}

int Modele_Grille_Diplome::rowCount(const QModelIndex& parent) const {
    return parent.isValid() || !compte_ ? 0 : static_cast<int>(elements_.size());
}

int Modele_Grille_Diplome::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : 1 + static_cast<int>(bandes_.size());
}

QVariant Modele_Grille_Diplome::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || !compte_) {
        return {};
    }
    const Element_Diplome& e = compte_->elements[elements_[index.row()]];
    const QString nom = (compte_->diplome == Diplome::DDFM ? e.code.toUpper() : e.code) + u' ' + e.nom;
    if (index.column() == 0) {
        if (role == Qt::DisplayRole || role == Qt::AccessibleTextRole) {
            return role == Qt::DisplayRole ? nom : nom + u", "_s + Texte_Etat(Etat_Element(e, filtre_));
        }
        return {};
    }
    const int bande = bandes_[index.column() - 1];
    const Etat_Case etat = Etat_Bande(e, bande, filtre_.groupe);
    switch (role) {
    case Qt::DisplayRole:
        return etat == Etat_Case::Confirme ? u"C"_s : etat == Etat_Case::Entendu ? u"E"_s : u"–"_s;
    case Qt::AccessibleTextRole:
    case Qt::ToolTipRole:
        return QString(nom + u", "_s + Liste_Bandes()[bande] + u"\u00A0: "_s + Texte_Etat(etat));
    case Qt::BackgroundRole:
        return etat == Etat_Case::Confirme  ? Couleur_Confirme
               : etat == Etat_Case::Entendu ? Couleur_Entendu
                                            : Couleur_Manquant;
    case Qt::ForegroundRole:
        return QColor(Qt::black);
    case Qt::TextAlignmentRole:
        return int(Qt::AlignCenter);
    default:
        return {};
    }
}

QVariant Modele_Grille_Diplome::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || !compte_) {
        return {};
    }
    if (section == 0) {
        return compte_->diplome == Diplome::DDFM   ? u"Département"_s
               : compte_->diplome == Diplome::Pays ? u"Pays"_s
                                                   : u"Continent"_s;
    }
    return Liste_Bandes().value(bandes_.value(section - 1));
}

void Modele_Detail_Diplome::Affiche(const Lignes_Log* log, QList<Rangee> rangees) {
    beginResetModel();
    log_ = log;
    rangees_ = std::move(rangees);
    endResetModel();
}

int Modele_Detail_Diplome::rowCount(const QModelIndex& parent) const {
    return parent.isValid() || !log_ ? 0 : static_cast<int>(rangees_.size());
}

int Modele_Detail_Diplome::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : 8;
}

QVariant Modele_Detail_Diplome::data(const QModelIndex& index, int role) const {
    // The reason, cut in a narrow column, whole in the tooltip.
    if (!index.isValid() || !log_ ||
        (role != Qt::DisplayRole && role != Qt::AccessibleTextRole && role != Qt::ToolTipRole)) {
        return {};
    }
    const Rangee& r = rangees_[index.row()];
    const QByteArrayView l = log_->Octets(r.ligne);
    const bool b = r.station == 'B';
    const auto t = [&l](qsizetype debut, qsizetype largeur) {
        return Decode_1252(Colonne_Log(l, debut, largeur));
    };
    QString texte;
    switch (index.column()) {
    case 0:
        texte = t(48, 8);
        break;
    case 1:
        texte = t(57, 5);
        break;
    case 2:
        texte = b ? t(14, 12) + u" (B)"_s : t(1, 12);
        break;
    case 3:
        texte = b ? t(29, 2) : t(27, 2);
        break;
    case 4:
        texte = t(67, 7);
        break;
    case 5:
        texte = t(63, 3);
        break;
    case 6:
        texte = l.size() >= 114 && l[113] == '*' ? u"oui"_s : u"non"_s;
        break;
    default:
        texte = r.compte;
    }
    if (role == Qt::AccessibleTextRole) {
        return QString(headerData(index.column(), Qt::Horizontal).toString() + u"\u00A0: "_s + texte);
    }
    return texte;
}

QVariant Modele_Detail_Diplome::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole) {
        return {};
    }
    static const QStringList titres = {u"Date"_s,  u"Heure UTC"_s, u"Indicatif"_s, u"Dpt"_s,
                                       u"Bande"_s, u"Mode"_s,      u"QSL"_s,       u"Compte"_s};
    return titres.value(section);
}

} // namespace swl
