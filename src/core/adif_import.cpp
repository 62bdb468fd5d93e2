#include "adif_commun.h"

#include "fiche_qso.h"
#include "fichier_texte.h"
#include "texte_1252.h"

#include <QSet>

namespace swl {

using namespace Qt::Literals::StringLiterals;
using namespace adif;

namespace {

// What the reading makes of a text of another program: trimmed, in capitals, cut to its column.
QString Texte_Importe(QStringView v, qsizetype largeur, int* coupes = nullptr) {
    QString t = Majuscules_1252(v.trimmed());
    if (t.size() > largeur) {
        t.truncate(largeur);
        if (coupes) {
            ++*coupes;
        }
    }
    return t;
}

// Whether reading `source` back gives `exact` (see Texte_Importe), without making the text.
} // namespace

Conversion_ADIF Ligne_De_Enregistrement(const Enregistrement_ADIF& e) {
    Conversion_ADIF r;
    const auto propre = [&e](QStringView nom) -> std::optional<QString> {
        // Our own fields: "APP_ORBELSWL_" and the name.
        for (auto i = e.champs.crbegin(); i != e.champs.crend(); ++i) {
            const QString& n = i->first;
            if (n.size() == Prefixe_Propre.size() + nom.size() && n.endsWith(nom) &&
                n.startsWith(Prefixe_Propre)) {
                return i->second;
            }
        }
        return std::nullopt;
    };
    const auto champ = [&e](QStringView nom) {
        const QString* v = e.Trouve(nom);
        return v ? v->trimmed() : QString();
    };
    const auto intl = [&](QStringView nom, QStringView nom_intl) {
        const QString v = champ(nom_intl);
        return v.isEmpty() ? champ(nom) : v;
    };
    Fiche_QSO f;
    if (const auto a = propre(u"CALL_A"_s)) {
        f.Indicatif_A = *a;
    } else {
        const QString call = Majuscules_1252(champ(u"CALL"_s));
        if (call.isEmpty()) {
            r.refus = u"pas d'indicatif de station (CALL)"_s;
            return r;
        }
        if (call.size() > 12) {
            r.refus = u"indicatif de plus de 12 caractères (« "_s + call + u" »)"_s;
            return r;
        }
        f.Indicatif_A = call;
    }
    f.Indicatif_B = propre(u"CALL_B"_s).value_or(QString());
    if (const auto d = propre(u"DATE"_s)) {
        f.Date = *d;
    } else {
        const auto date = Date_De_ADIF(champ(u"QSO_DATE"_s), &r.refus);
        if (!date) {
            if (champ(u"QSO_DATE"_s).isEmpty()) {
                r.refus = u"pas de date (QSO_DATE)"_s;
            }
            return r;
        }
        f.Date = *date;
    }
    if (const auto h = propre(u"HEURE"_s)) {
        f.Heure = *h;
    } else {
        const auto heure = Heure_De_ADIF(champ(u"TIME_ON"_s));
        if (!heure) {
            r.refus = u"heure illisible (TIME_ON « "_s + champ(u"TIME_ON"_s) + u" »)"_s;
            return r;
        }
        f.Heure = *heure;
    }
    if (const auto b = propre(u"BANDE"_s)) {
        f.Bande = *b;
    } else if (!champ(u"BAND"_s).isEmpty()) {
        f.Bande = Bande_De_ADIF(champ(u"BAND"_s));
        if (f.Bande.isEmpty()) {
            r.refus = u"bande que le journal n'a pas (BAND « "_s + champ(u"BAND"_s) + u" »)"_s;
            return r;
        }
    } else {
        bool ok = false;
        const double mhz = champ(u"FREQ"_s).toDouble(&ok);
        f.Bande = ok ? Bande_De_Frequence(mhz * 1000) : QString();
        if (f.Bande.isEmpty()) {
            r.refus = champ(u"FREQ"_s).isEmpty() ? u"pas de bande (ni BAND ni FREQ)"_s
                                                 : u"fréquence hors des bandes du journal (FREQ « "_s +
                                                       champ(u"FREQ"_s) + u" » MHz)"_s;
            return r;
        }
    }
    if (const auto m = propre(u"MODE"_s)) {
        f.Mode = *m;
    } else {
        f.Mode = Mode_De_ADIF(champ(u"MODE"_s), champ(u"SUBMODE"_s), &r.mode_dig);
    }
    if (const auto v = propre(u"RST_A"_s)) {
        f.RST_A = *v;
    } else {
        f.RST_A = Texte_Importe(champ(u"RST_RCVD"_s), 3, &r.coupes);
    }
    f.RST_B = propre(u"RST_B"_s).value_or(QString());
    if (const auto v = propre(u"PRENOM"_s)) {
        f.Prenom_A = *v;
    } else {
        f.Prenom_A = Texte_Importe(intl(u"NAME", u"NAME_INTL"), 15, &r.coupes);
    }
    if (const auto v = propre(u"QTH"_s)) {
        f.QTH_A = *v;
    } else {
        f.QTH_A = Texte_Importe(intl(u"QTH", u"QTH_INTL"), 30, &r.coupes);
    }
    f.QSL = champ(u"QSL_RCVD"_s).compare(u"Y", Qt::CaseInsensitive) == 0;
    if (const auto v = propre(u"DPT_A"_s)) {
        f.Dpt_A = *v;
    } else {
        // A French department only where the entity is France or Corsica.
        const QString dxcc = champ(u"DXCC"_s);
        const QString state = champ(u"STATE"_s);
        const auto dpt = Departement_Vers_ADIF(state);
        if (dpt &&
            (dxcc.isEmpty() ? Majuscules_1252(f.Indicatif_A).startsWith(u'F') : dxcc.toInt() == dpt->dxcc)) {
            f.Dpt_A = state.toLower();
        }
    }
    f.Dpt_B = propre(u"DPT_B"_s).value_or(QString());
    for (const QString* t : {&f.Indicatif_A, &f.Indicatif_B, &f.Dpt_A, &f.Dpt_B, &f.Prenom_A, &f.QTH_A,
                             &f.RST_A, &f.RST_B, &f.Mode, &f.Bande, &f.Date, &f.Heure}) {
        const qsizetype i = Premier_Caractere_Interdit(*t);
        if (i >= 0) {
            r.refus = u"caractère que le journal ne peut pas enregistrer (« "_s + t->mid(i, 1) + u" »)"_s;
            return r;
        }
    }
    r.ligne = Place_Colonnes_Log(f);
    return r;
}

namespace {

// What makes two QSOs the same: stations A and B, date, time, mode and band, as the log writes them.
QString Cle_Doublon(QStringView ligne) {
    return Piece(ligne, 1, 25).toString() + Piece(ligne, 48, 26).toString();
}

} // namespace

Bilan_Import Importe_ADIF(const Fichier_Log& log, const QByteArray& contenu, bool adx,
                          const Progression& progression) {
    Bilan_Import b;
    const Progression lecture = [&progression](int p) { return !progression || progression(p * 8 / 10); };
    const Lecture_ADIF l = adx ? Lit_ADX(contenu, lecture) : Lit_ADI(contenu, lecture);
    b.arret = l.arret;
    if (l.annulee) {
        b.annule = true;
        return b;
    }
    const Fichier_Log::Lecture existant = log.Lit_Log();
    if (existant.erreur != Lecture_Reussie || !existant.message.isEmpty()) {
        b.ecriture =
            Resultat::Echec(!existant.message.isEmpty()
                                ? existant.message
                                : u"Le journal ne peut pas être lu (Erreur N° "_s +
                                      QString::number(existant.erreur) + u") : rien n'a été importé."_s);
        return b;
    }
    QSet<QString> connus;
    connus.reserve(existant.lignes.Nombre() + l.enregistrements.size());
    for (int i = 0; i < existant.lignes.Nombre(); ++i) {
        connus.insert(Cle_Doublon(existant.lignes.Ligne_Log(i)));
    }
    QList<QByteArray> nouvelles;
    nouvelles.reserve(l.enregistrements.size());
    for (qsizetype i = 0; i < l.enregistrements.size(); ++i) {
        if (progression && i % 2000 == 0 &&
            !progression(80 + static_cast<int>(i * 15 / qMax<qsizetype>(1, l.enregistrements.size())))) {
            b.annule = true;
            return b;
        }
        const Enregistrement_ADIF& e = l.enregistrements[i];
        const Conversion_ADIF c = Ligne_De_Enregistrement(e);
        if (!c.refus.isEmpty()) {
            b.refus.append({e.numero, c.refus});
            continue;
        }
        const QString cle = Cle_Doublon(c.ligne);
        if (connus.contains(cle)) {
            ++b.deja_la;
            continue;
        }
        connus.insert(cle);
        b.modes_dig += c.mode_dig ? 1 : 0;
        b.textes_coupes += c.coupes;
        nouvelles.append(Encode_1252(c.ligne));
    }
    if (progression && !progression(95)) {
        b.annule = true;
        return b;
    }
    if (!nouvelles.isEmpty()) {
        b.ecriture = log.Fusionne_QSO_Log(existant.lignes, nouvelles);
        if (b.ecriture) {
            b.ajoutes = static_cast<int>(nouvelles.size());
        }
    }
    return b;
}

QString Texte_Bilan(const Bilan_Import& b, const QString& fichier, int limite) {
    QString t = u"Import du fichier « "_s + fichier + u" » :\r\n"_s;
    if (b.annule) {
        return t + u"Import annulé : rien n'a été ajouté au journal."_s;
    }
    if (!b.ecriture) {
        t += b.ecriture.message + u"\r\n"_s;
    }
    // "1 QSO ajouté", "2 QSO ajoutés".
    const auto accord = [](qsizetype n, const QString& un, const QString& plusieurs) -> QString {
        return QString::number(n) + u' ' + (n > 1 ? plusieurs : un);
    };
    t += accord(b.ajoutes, u"QSO ajouté au journal."_s, u"QSO ajoutés au journal."_s);
    t += u"\r\n"_s + accord(b.deja_la, u"QSO déjà dans le journal, laissé de côté."_s,
                            u"QSO déjà dans le journal, laissés de côté."_s);
    if (b.modes_dig > 0) {
        t += u"\r\n"_s + accord(b.modes_dig, u"QSO d'un autre mode numérique, noté DIG."_s,
                                u"QSO d'autres modes numériques, notés DIG."_s);
    }
    if (b.textes_coupes > 0) {
        t += u"\r\n"_s + accord(b.textes_coupes, u"texte coupé à la largeur de sa colonne."_s,
                                u"textes coupés à la largeur de leur colonne."_s);
    }
    if (!b.refus.isEmpty()) {
        t += u"\r\n"_s + accord(b.refus.size(), u"enregistrement refusé :"_s, u"enregistrements refusés :"_s);
        for (qsizetype i = 0; i < b.refus.size() && i < limite; ++i) {
            t += u"\r\n  n° "_s + QString::number(b.refus[i].first) + u" : "_s + b.refus[i].second;
        }
        if (b.refus.size() > limite) {
            t += u"\r\n  … et "_s + QString::number(b.refus.size() - limite) + u" autres."_s;
        }
    }
    if (!b.arret.isEmpty()) {
        t += u"\r\nLecture arrêtée avant la fin : "_s + b.arret +
             u". Les enregistrements lus avant sont importés."_s;
    }
    return t;
}

} // namespace swl
