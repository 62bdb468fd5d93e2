#include "core/reports/liste_bande.h"

#include "core/base/texte_1252.h"
#include "core/log/fiche_qso.h"
#include "core/program/textes_programme.h"

#include <algorithm>

namespace swl {

using namespace Qt::Literals::StringLiterals;

QString Ligne_Bande(QStringView l) {
    QString r;
    r.reserve(87);
    r.append(u' ').append(Piece(l, 48, 8));
    r.append(u"  ").append(Piece(l, 57, 5));
    r.append(u"  ").append(Piece(l, 1, 12));
    r.append(u"  ").append(Piece(l, 27, 2));
    r.append(u"    ").append(Piece(l, 75, 3));
    r.append(u' ').append(Piece(l, 14, 12));
    r.append(u"  ").append(Piece(l, 29, 2));
    r.append(u"    ").append(Piece(l, 79, 3));
    r.append(u"    ").append(Piece(l, 63, 3));
    r.append(u"    ").append(Piece(l, 67, 7).trimmed());
    r.append(u"   ").append(Piece(l, 114, 1));
    return r;
}

Liste_Bande Construit_Liste_Bande(const Lignes_Log& log, const QString& bande) {
    Liste_Bande liste;
    // A band text the file cannot hold matches no line.
    if (Premier_Caractere_Interdit(bande) >= 0) {
        return liste;
    }
    const QByteArray cle = Encode_1252(bande);
    for (int i = 0; i < log.Nombre(); ++i) {
        const QByteArrayView ligne = log.Octets(i);
        if (ligne.size() < 67 ||
            Sans_Espaces_Autour(ligne.sliced(66, qMin<qsizetype>(7, ligne.size() - 66))) != cle) {
            continue;
        }
        liste.lignes.append(Ligne_Bande(Decode_1252(ligne)));
        ++liste.entendus;
        if (ligne.size() >= 114 && ligne[113] == '*') {
            ++liste.confirmes;
        }
    }
    std::sort(liste.lignes.begin(), liste.lignes.end());
    return liste;
}

QString Date_Liste(const QDate& jour) {
    return jour.toString(u"dd/MM/yyyy"_s);
}

QString Nom_Fichier_Liste(const QString& indicatif, const QString& bande, const QDate& jour) {
    const QString date = Date_Liste(jour);
    return indicatif + u"_Liste_QSO_Bande_"_s + bande + u'_' + date.mid(0, 2) + u'_' + date.mid(3, 2) + u'_' +
           date.right(2) + u".txt"_s;
}

QString Controle_Bande_Fichier(const QString& bande, const QString& indicatif) {
    const QString interdits = u"/\\:*?\"<>|"_s;
    for (const QChar c : bande) {
        if (interdits.contains(c) || c.unicode() < 0x20 || c.unicode() == 0x7F) {
            const QString nom = c.unicode() < 0x20 || c.unicode() == 0x7F ? u"un caractère de contrôle"_s
                                                                          : u"«\u00A0"_s + c + u"\u00A0»"_s;
            return u"La bande «\u00A0"_s + Extrait_Visible(bande) + u"\u00A0» contient "_s + nom +
                   u", qu'un nom de fichier ne peut pas contenir.\r\nChoisissez une bande de la liste\u00A0: "
                   u"la liste n'a pas été enregistrée."_s;
        }
    }
    const qsizetype interdit = Premier_Caractere_Interdit(bande);
    if (interdit >= 0) {
        return Message_Caractere_Interdit(bande, interdit) + u"\r\nLa liste n'a pas été enregistrée."_s;
    }
    if (bande.count(u'.') == bande.size()) {
        return u"Choisissez une bande de la liste\u00A0: la liste n'a pas été enregistrée."_s;
    }
    // Linux file systems take names of at most 255 bytes.
    if (Nom_Fichier_Liste(indicatif, bande, QDate(2000, 1, 1)).toUtf8().size() > 255) {
        return u"La bande «\u00A0"_s + Extrait_Visible(bande) +
               u"\u00A0» est trop longue pour nommer un fichier.\r\nChoisissez une bande de la liste\u00A0: "
               u"la liste n'a pas été enregistrée."_s;
    }
    return {};
}

namespace {

// Title, caption, numbered rows and footer, with the indentation of the file or the paper.
QStringList Lignes_Liste(const QString& indicatif, const QString& bande, const QDate& jour,
                         const QStringList& lignes, bool papier) {
    QStringList r;
    r.reserve(lignes.size() + 8);
    r << QString(papier ? 11 : 7, u' ') + indicatif + u" Liste alphanumerique des QSO entendus bande "_s +
             bande + u" au "_s + Date_Liste(jour);
    r << QString();
    r << (papier ? u"    "_s : QString()) +
             u"   N°    Date    Heure  Indicatif A  Dpt   RST  Indicatif B  Dpt   RST     Mode    Bande   QSL"_s;
    r << QString();
    const QString retrait = papier ? u"    "_s : QString();
    for (qsizetype n = 1; n <= lignes.size(); ++n) {
        r << retrait + QString::number(n).rightJustified(5) + u' ' + lignes[n - 1];
    }
    r << QString();
    if (papier) {
        r << QString();
    }
    r << QString(papier ? 21 : 24, u' ') + Notice_Programme();
    return r;
}

} // namespace

QStringList Lignes_Fichier_Liste(const QString& indicatif, const QString& bande, const QDate& jour,
                                 const QStringList& lignes) {
    return Lignes_Liste(indicatif, bande, jour, lignes, false);
}

QStringList Lignes_Impression_Liste(const QString& indicatif, const QString& bande, const QDate& jour,
                                    const QStringList& lignes) {
    return Lignes_Liste(indicatif, bande, jour, lignes, true);
}

} // namespace swl
