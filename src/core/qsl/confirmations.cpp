#include "core/qsl/confirmations.h"

#include "core/base/texte_1252.h"
#include "core/exchange/adif.h"
#include "core/exchange/adif_commun.h"
#include "core/log/colonnes_log.h"
#include "core/log/fiche_qso.h"

#include <QHash>

#include <algorithm>

namespace swl {

using namespace Qt::Literals::StringLiterals;

namespace {

bool Oui(std::optional<QStringView> v) {
    return v && v->trimmed().compare(u"Y", Qt::CaseInsensitive) == 0;
}

QDate Date_ADIF(std::optional<QStringView> v) {
    return v ? QDate::fromString(v->trimmed().toString(), u"yyyyMMdd"_s) : QDate();
}

// The part before <EOH> names eQSL: an inbox download, every record a confirmation.
bool Boite_eQSL(const QByteArray& contenu) {
    const qsizetype eoh = contenu.indexOf("<EOH>") >= 0 ? contenu.indexOf("<EOH>") : contenu.indexOf("<eoh>");
    return eoh > 0 && QByteArrayView(contenu).first(eoh).toByteArray().toLower().contains("eqsl");
}

QString Heure(int minutes) {
    return QString::number(minutes / 60).rightJustified(2, u'0') + u':' +
           QString::number(minutes % 60).rightJustified(2, u'0');
}

} // namespace

Lecture_Confirmations Lit_Confirmations(const QByteArray& contenu, bool adx, const QDate& aujourdhui) {
    Lecture_Confirmations l;
    if (contenu.size() > Taille_Maximale_Confirmations) {
        l.erreur = u"Le fichier fait plus de 64\u00A0Mo\u00A0: ce n'est pas un fichier de confirmations."_s;
        return l;
    }
    const Lecture_ADIF lu = adx ? Lit_ADX(contenu) : Lit_ADI(contenu);
    if (lu.enregistrements.isEmpty()) {
        l.erreur = lu.arret.isEmpty() ? u"Aucun enregistrement ADIF dans ce fichier."_s
                                      : u"Le fichier ne peut pas être lu\u00A0: "_s + lu.arret + u'.';
        return l;
    }
    const bool boite = Boite_eQSL(contenu);
    for (const Enregistrement_ADIF& e : lu.enregistrements) {
        const auto ecarte = [&l, &e](const QString& raison) { l.ecartes.append({e.numero, raison}); };
        if (!e.refus.isEmpty()) {
            ecarte(e.refus);
            continue;
        }
        if (Oui(e.Trouve(u"APP_EQSL_SWL")) || Oui(e.Trouve(u"SWL"))) {
            ecarte(u"enregistrement d'un écouteur, pas une confirmation"_s);
            continue;
        }
        const bool eqsl = boite || Oui(e.Trouve(u"EQSL_QSL_RCVD"));
        const bool lotw = Oui(e.Trouve(u"LOTW_QSL_RCVD"));
        if (!eqsl && !lotw && !Oui(e.Trouve(u"QSL_RCVD"))) {
            ecarte(u"ne dit pas qu'une QSL a été reçue"_s);
            continue;
        }
        Confirmation c;
        c.numero = e.numero;
        c.indicatif = e.Trouve(u"CALL").value_or(QStringView()).trimmed().toString().toUpper();
        c.date = Date_ADIF(e.Trouve(u"QSO_DATE"));
        const QStringView heure = e.Trouve(u"TIME_ON").value_or(QStringView()).trimmed();
        const int h = heure.size() >= 4 ? heure.first(2).toInt() : -1;
        const int m = heure.size() >= 4 ? heure.sliced(2, 2).toInt() : -1;
        c.minutes = h >= 0 && h < 24 && m >= 0 && m < 60 ? h * 60 + m : -1;
        c.bande = Bande_De_ADIF(e.Trouve(u"BAND").value_or(QStringView()));
        if (c.bande.isEmpty()) {
            bool ok = false;
            const double mhz = e.Trouve(u"FREQ").value_or(QStringView()).trimmed().toDouble(&ok);
            c.bande = ok ? Bande_De_Frequence(mhz * 1000) : QString();
        }
        const QString mode = Mode_De_ADIF(e.Trouve(u"MODE").value_or(QStringView()),
                                          e.Trouve(u"SUBMODE").value_or(QStringView()));
        c.groupe = mode.isEmpty() ? -1 : int(Groupe_De_Mode(mode));
        c.source = eqsl ? u"eQSL"_s : lotw ? u"LoTW"_s : u"QSL"_s;
        c.recue = Date_ADIF(e.Trouve(eqsl ? u"EQSL_QSLRDATE" : lotw ? u"LOTW_QSLRDATE" : u"QSLRDATE"));
        if (!c.recue.isValid()) {
            c.recue = aujourdhui;
        }
        if (c.indicatif.isEmpty() || !c.date.isValid() || c.minutes < 0 || c.bande.isEmpty() ||
            c.groupe < 0) {
            ecarte(c.indicatif.isEmpty() ? u"pas d'indicatif (CALL)"_s
                   : !c.date.isValid()   ? u"pas de date (QSO_DATE)"_s
                   : c.minutes < 0       ? u"pas d'heure (TIME_ON)"_s
                   : c.bande.isEmpty()   ? u"bande que le journal n'a pas"_s
                                         : u"pas de mode (MODE)"_s);
            continue;
        }
        l.confirmations.append(c);
    }
    return l;
}

Rapprochement Rapproche(const Lignes_Log& log, const QList<Confirmation>& confirmations) {
    Rapprochement r;
    // Each callsign's lines, as A or B.
    QHash<Cle_Indicatif, QList<int>> lignes;
    for (int i = 0; i < log.Nombre(); ++i) {
        const QByteArrayView l = log.Octets(i);
        for (const qsizetype colonne : {qsizetype(1), qsizetype(14)}) {
            const QByteArrayView indicatif = Colonne_Log(l, colonne, 12);
            if (!indicatif.isEmpty()) {
                lignes[Cle_Indicatif(indicatif)].append(i);
            }
        }
    }
    QSet<int> prises;
    for (const Confirmation& c : confirmations) {
        const QByteArray cle = Encode_1252(c.indicatif);
        const QList<int> siennes = lignes.value(Cle_Indicatif(cle));
        QList<int> jour, proches, bande, candidats;
        for (const int i : siennes) {
            const QByteArrayView l = log.Octets(i);
            if (Date_Ligne_Log(l) == c.date) {
                jour << i;
            }
        }
        const auto minutes = [&log](int i) {
            const QByteArrayView h = Colonne_Log(log.Octets(i), 57, 5);
            return h.size() == 5 ? Deux_Chiffres(h, 0) * 60 + Deux_Chiffres(h, 3) : -10000;
        };
        for (const int i : jour) {
            if (std::abs(minutes(i) - c.minutes) <= 15) {
                proches << i;
            }
        }
        for (const int i : proches) {
            if (Decode_1252(Colonne_Log(log.Octets(i), 67, 7)) == c.bande) {
                bande << i;
            }
        }
        for (const int i : bande) {
            if (int(Groupe_De_Mode(Decode_1252(Colonne_Log(log.Octets(i), 63, 3)))) == c.groupe) {
                candidats << i;
            }
        }
        if (candidats.isEmpty()) {
            QString raison;
            if (siennes.isEmpty()) {
                raison = u"aucun QSO de cette station"_s;
            } else if (jour.isEmpty()) {
                raison = u"aucun QSO de cette station le "_s + c.date.toString(u"dd/MM/yyyy"_s);
            } else if (proches.isEmpty()) {
                const int plus_proche = *std::min_element(jour.begin(), jour.end(), [&](int x, int y) {
                    return std::abs(minutes(x) - c.minutes) < std::abs(minutes(y) - c.minutes);
                });
                raison = u"aucun QSO à 15\u00A0minutes de "_s + Heure(c.minutes) + u" (le plus proche à "_s +
                         Decode_1252(Colonne_Log(log.Octets(plus_proche), 57, 5)) + u')';
            } else if (bande.isEmpty()) {
                raison = u"autre bande (QSO sur "_s +
                         Decode_1252(Colonne_Log(log.Octets(proches.first()), 67, 7)) +
                         u", confirmation sur "_s + c.bande + u')';
            } else {
                raison = u"autre mode (QSO en "_s +
                         Decode_1252(Colonne_Log(log.Octets(bande.first()), 63, 3)) +
                         u", confirmation en "_s + Nom_Groupe_Mode(Groupe_Mode(c.groupe)) + u')';
            }
            r.sans_qso.append({c.numero, c.indicatif, raison});
            continue;
        }
        std::stable_sort(candidats.begin(), candidats.end(), [&](int x, int y) {
            return std::abs(minutes(x) - c.minutes) < std::abs(minutes(y) - c.minutes);
        });
        if (candidats.size() > 1) {
            r.doubles.append({c.numero, c.indicatif, candidats[0], candidats[1]});
        }
        if (!prises.contains(candidats[0])) {
            prises.insert(candidats[0]);
            r.lignes << candidats[0];
            r.par_ligne.insert(candidats[0], c);
        }
    }
    std::sort(r.lignes.begin(), r.lignes.end());
    return r;
}

QString Texte_Rapprochement(const Rapprochement& r, const Lecture_Confirmations& l, int deja_confirmes) {
    const auto accord = [](qsizetype n, const QString& un, const QString& plusieurs) -> QString {
        return Nombre_Francais(n) + u' ' + (n > 1 ? plusieurs : un);
    };
    QString t = accord(r.lignes.size(), u"QSO confirmé"_s, u"QSO confirmés"_s);
    if (deja_confirmes > 0) {
        t += u" (dont "_s + Nombre_Francais(deja_confirmes) +
             (deja_confirmes > 1 ? u" l'étaient déjà)"_s : u" l'était déjà)"_s);
    }
    t += u"."_s;
    if (!r.sans_qso.isEmpty()) {
        t += u"\r\n"_s + accord(r.sans_qso.size(), u"confirmation ne correspond à aucun QSO\u00A0:"_s,
                                u"confirmations ne correspondent à aucun QSO\u00A0:"_s);
        for (qsizetype i = 0; i < r.sans_qso.size() && i < 20; ++i) {
            t += u"\r\n  n° "_s + Nombre_Francais(r.sans_qso[i].numero) + u" ("_s + r.sans_qso[i].indicatif +
                 u")\u00A0: "_s + r.sans_qso[i].raison;
        }
        if (r.sans_qso.size() > 20) {
            t += u"\r\n  … et "_s + Nombre_Francais(r.sans_qso.size() - 20) + u" autres."_s;
        }
    }
    for (const Rapprochement::Double& d : r.doubles) {
        t += u"\r\nn° "_s + Nombre_Francais(d.numero) + u" ("_s + d.indicatif +
             u")\u00A0: deux QSO correspondent, le plus "
             u"proche à l'heure est pris (QSO "_s +
             Nombre_Francais(d.ligne + 1) + u", pas le QSO "_s + Nombre_Francais(d.autre + 1) + u")."_s;
    }
    if (!l.ecartes.isEmpty()) {
        t += u"\r\n"_s +
             accord(l.ecartes.size(), u"enregistrement n'est pas une confirmation"_s,
                    u"enregistrements ne sont pas des confirmations"_s) +
             u" (écouteur, pas de QSL reçue, date ou bande illisible)."_s;
    }
    return t;
}

QByteArray CSV_Sans_Qso(const Rapprochement& r, const QList<Confirmation>& confirmations) {
    QHash<int, const Confirmation*> par_numero;
    for (const Confirmation& c : confirmations) {
        par_numero.insert(c.numero, &c);
    }
    QString t = u"N°;Indicatif;Date;Heure UTC;Bande;Raison\r\n"_s;
    for (const Rapprochement::Sans_Qso& s : r.sans_qso) {
        const Confirmation* c = par_numero.value(s.numero);
        t += QStringList{QString::number(s.numero),
                         Cellule_CSV(s.indicatif),
                         c ? c->date.toString(u"dd/MM/yyyy"_s) : QString(),
                         c ? Heure(c->minutes) : QString(),
                         c ? c->bande : QString(),
                         Cellule_CSV(s.raison)}
                 .join(u';') +
             u"\r\n"_s;
    }
    return "\xEF\xBB\xBF" + t.toUtf8();
}

} // namespace swl
