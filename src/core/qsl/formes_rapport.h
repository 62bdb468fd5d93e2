#pragma once

// The forms a report takes, in French or English as the label window's language: a QSL card
// at its usual size (140 × 90 mm, one or four to an A4 page), labels of the four stocks (three
// QSOs a label at most), an e-mail, and the ADIF eQSL takes.
#include "core/qsl/rapports.h"
#include "core/reports/etiquettes.h"
#include "core/reports/mise_en_page.h"

#include <QByteArray>
#include <QDateTime>
#include <QRectF>

namespace swl {

// The listener as a report names him.
struct Station_Rapport {
    QString indicatif; // "/" in place of "_"
    QString recepteur;
    QString antenne;
    bool francais = true;
};

inline constexpr double Largeur_Carte_Mm = 140;
inline constexpr double Hauteur_Carte_Mm = 90;
inline constexpr int Qso_Par_Carte = 8;
inline constexpr int Qso_Par_Etiquette = 3;

// "To G3XYZ — SWL report" / "À G3XYZ — rapport d'écoute SWL".
QString Titre_Rapport(const Rapport& r, bool francais);

// One card a report (a longer report goes on over more cards); `quatre`: four cards to a page,
// A4 landscape, two by two; else one, A4 portrait, at 15 mm from the corner. The card's outline
// is drawn, to cut along.
QList<Page_Document> Pages_Cartes(const QList<Rapport>& rapports, const Station_Rapport& s, bool quatre);
// The same on labels of the stock, from the label `p.depart`, moved by the offsets.
QList<Page_Document> Pages_Etiquettes_Rapport(const QList<Rapport>& rapports, const Station_Rapport& s,
                                              const Parametres_Etiquettes& p);

struct Courriel {
    QString sujet;
    QString corps; // lines ended by LF
};
Courriel Courriel_Rapport(const Rapport& r, const Station_Rapport& s);

// One record a QSO: CALL the heard station, QSO_DATE, TIME_ON, BAND, MODE and SUBMODE by ADIF's
// enumerations, RST_SENT the report given, SWL Y, QSLMSG "SWL report: wkd EA3AAA".
QByteArray ADIF_eQSL(const QList<Rapport>& rapports, const Station_Rapport& s,
                     const QDateTime& maintenant_utc);

} // namespace swl
