#include "adif_commun.h"

#include "fiche_qso.h"
#include "fichier_texte.h"
#include "texte_1252.h"

#include <QSet>

#include <array>
#include <iterator>

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

// « text », a short visible excerpt of a value quoted in a reason.
QString Cite(QStringView valeur) {
    return u"« "_s + Extrait_Visible(valeur) + u" »"_s;
}

} // namespace

bool adif::Champ_Lu(QStringView nom) {
    static const QSet<QString> lus = {u"CALL"_s, u"QSO_DATE"_s, u"TIME_ON"_s,  u"BAND"_s, u"FREQ"_s,
                                      u"MODE"_s, u"SUBMODE"_s,  u"RST_RCVD"_s, u"NAME"_s, u"NAME_INTL"_s,
                                      u"QTH"_s,  u"QTH_INTL"_s, u"QSL_RCVD"_s, u"DXCC"_s, u"STATE"_s};
    return nom.startsWith(Prefixe_Propre) || lus.contains(nom.toString());
}

Conversion_ADIF Ligne_De_Enregistrement(const Enregistrement_ADIF& e) {
    Conversion_ADIF r;
    if (!e.refus.isEmpty()) {
        r.refus = e.refus;
        return r;
    }
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
    // Our own fields hold the exact text of a column: one that does not fit was not written
    // by this program, and would shift every later column.
    struct Colonne {
        QString Fiche_QSO::*texte;
        const char16_t* nom;
        qsizetype largeur;
    };
    static constexpr Colonne Colonnes[] = {
        {&Fiche_QSO::Indicatif_A, u"CALL_A", 12}, {&Fiche_QSO::Indicatif_B, u"CALL_B", 12},
        {&Fiche_QSO::Dpt_A, u"DPT_A", 2},         {&Fiche_QSO::Dpt_B, u"DPT_B", 2},
        {&Fiche_QSO::Prenom_A, u"PRENOM", 15},    {&Fiche_QSO::Date, u"DATE", 8},
        {&Fiche_QSO::Heure, u"HEURE", 5},         {&Fiche_QSO::Mode, u"MODE", 3},
        {&Fiche_QSO::Bande, u"BANDE", 7},         {&Fiche_QSO::RST_A, u"RST_A", 3},
        {&Fiche_QSO::RST_B, u"RST_B", 3},         {&Fiche_QSO::QTH_A, u"QTH", 30}};
    Fiche_QSO f;
    std::array<bool, std::size(Colonnes)> exact{};
    for (std::size_t i = 0; i < std::size(Colonnes); ++i) {
        const Colonne& c = Colonnes[i];
        if (const auto v = propre(c.nom)) {
            if (v->size() > c.largeur) {
                r.refus = Prefixe_Propre + QString::fromUtf16(c.nom) + u" plus long que sa colonne de "_s +
                          QString::number(c.largeur) + u" caractères ("_s + Cite(*v) + u')';
                return r;
            }
            f.*c.texte = *v;
            exact[i] = true;
        }
    }
    const auto a_exact = [&](QString Fiche_QSO::*texte) {
        for (std::size_t i = 0; i < std::size(Colonnes); ++i) {
            if (Colonnes[i].texte == texte) {
                return exact[i];
            }
        }
        return false;
    };
    if (!a_exact(&Fiche_QSO::Indicatif_A)) {
        const QString call = Majuscules_1252(champ(u"CALL"_s));
        if (call.isEmpty()) {
            r.refus = u"pas d'indicatif de station (CALL)"_s;
            return r;
        }
        if (call.size() > 12) {
            r.refus = u"indicatif de plus de 12 caractères ("_s + Cite(call) + u')';
            return r;
        }
        f.Indicatif_A = call;
    }
    if (!a_exact(&Fiche_QSO::Date)) {
        const auto date = Date_De_ADIF(champ(u"QSO_DATE"_s), &r.refus);
        if (!date) {
            if (champ(u"QSO_DATE"_s).isEmpty()) {
                r.refus = u"pas de date (QSO_DATE)"_s;
            }
            return r;
        }
        f.Date = *date;
    }
    if (!a_exact(&Fiche_QSO::Heure)) {
        const auto heure = Heure_De_ADIF(champ(u"TIME_ON"_s));
        if (!heure) {
            r.refus = champ(u"TIME_ON"_s).isEmpty()
                          ? u"pas d'heure (TIME_ON)"_s
                          : u"heure illisible (TIME_ON "_s + Cite(champ(u"TIME_ON"_s)) + u')';
            return r;
        }
        f.Heure = *heure;
    }
    if (a_exact(&Fiche_QSO::Bande)) {
    } else if (!champ(u"BAND"_s).isEmpty()) {
        f.Bande = Bande_De_ADIF(champ(u"BAND"_s));
        if (f.Bande.isEmpty()) {
            r.refus = u"bande que le journal n'a pas (BAND "_s + Cite(champ(u"BAND"_s)) + u')';
            return r;
        }
    } else {
        bool ok = false;
        const double mhz = champ(u"FREQ"_s).toDouble(&ok);
        f.Bande = ok ? Bande_De_Frequence(mhz * 1000) : QString();
        if (f.Bande.isEmpty()) {
            r.refus = champ(u"FREQ"_s).isEmpty() ? u"pas de bande (ni BAND ni FREQ)"_s
                                                 : u"fréquence hors des bandes du journal (FREQ "_s +
                                                       Cite(champ(u"FREQ"_s)) + u" MHz)"_s;
            return r;
        }
    }
    if (!a_exact(&Fiche_QSO::Mode)) {
        f.Mode = Mode_De_ADIF(champ(u"MODE"_s), champ(u"SUBMODE"_s), &r.mode_dig);
        if (f.Mode.isEmpty()) {
            r.refus = u"pas de mode (MODE)"_s;
            return r;
        }
    }
    if (!a_exact(&Fiche_QSO::RST_A)) {
        f.RST_A = Texte_Importe(champ(u"RST_RCVD"_s), 3, &r.coupes);
    }
    if (!a_exact(&Fiche_QSO::Prenom_A)) {
        f.Prenom_A = Texte_Importe(intl(u"NAME", u"NAME_INTL"), 15, &r.coupes);
    }
    if (!a_exact(&Fiche_QSO::QTH_A)) {
        f.QTH_A = Texte_Importe(intl(u"QTH", u"QTH_INTL"), 30, &r.coupes);
    }
    f.QSL = champ(u"QSL_RCVD"_s).compare(u"Y", Qt::CaseInsensitive) == 0;
    if (!a_exact(&Fiche_QSO::Dpt_A)) {
        // A French department only where the entity is France or Corsica.
        const QString dxcc = champ(u"DXCC"_s);
        const QString state = champ(u"STATE"_s);
        const auto dpt = Departement_Vers_ADIF(state);
        if (dpt &&
            (dxcc.isEmpty() ? Majuscules_1252(f.Indicatif_A).startsWith(u'F') : dxcc.toInt() == dpt->dxcc)) {
            f.Dpt_A = state.toLower();
        }
    }
    for (const Colonne& c : Colonnes) {
        const QString& t = f.*c.texte;
        const qsizetype i = Premier_Caractere_Interdit(t);
        if (i >= 0) {
            r.refus = u"caractère que le journal ne peut pas enregistrer ("_s + Cite(t.mid(i, 1)) + u')';
            return r;
        }
    }
    r.ligne = Place_Colonnes_Log(f);
    r.octets = Encode_1252(r.ligne);
    // The merge places a QSO by its date and time: one it could not read would stop it all.
    if (!Moment_QSO(r.octets)) {
        r.refus = u"date ou heure que le journal ne peut pas classer ("_s + Cite(f.Date) + u' ' +
                  Cite(f.Heure) + u')';
        r.ligne.clear();
        r.octets.clear();
    }
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
    b.arret_detail = l.detail;
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
        nouvelles.append(c.octets);
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
    QString t = u"Import du fichier « "_s + Extrait_Visible(fichier, 255) + u" » :\r\n"_s;
    if (b.annule) {
        return t + u"Import annulé : rien n'a été ajouté au journal."_s;
    }
    // "1 QSO ajouté", "2 QSO ajoutés", "1 000 QSO ajoutés".
    const auto accord = [](qsizetype n, const QString& un, const QString& plusieurs) -> QString {
        return Nombre_Francais(n) + u' ' + (n > 1 ? plusieurs : un);
    };
    if (b.ecriture) {
        t += accord(b.ajoutes, u"QSO ajouté au journal."_s, u"QSO ajoutés au journal."_s);
    } else {
        // Its message says that nothing was added.
        t += b.ecriture.message;
    }
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
            t += u"\r\n  n° "_s + Nombre_Francais(b.refus[i].first) + u" : "_s + b.refus[i].second;
        }
        if (b.refus.size() > limite) {
            t += u"\r\n  … et "_s + Nombre_Francais(b.refus.size() - limite) + u" autres."_s;
        }
    }
    if (!b.arret.isEmpty()) {
        t += u"\r\nLecture arrêtée avant la fin : "_s + b.arret +
             (b.ecriture ? u". Les enregistrements lus avant sont importés."_s : u"."_s);
    }
    return t;
}

QByteArray Octets_Rapport_Import(const Bilan_Import& b, const QString& fichier) {
    QString t = Texte_Bilan(b, fichier, static_cast<int>(b.refus.size()));
    if (!b.arret_detail.isEmpty()) {
        t += u"\r\n(Message du lecteur XML : "_s + Extrait_Visible(b.arret_detail, 200) + u')';
    }
    return Octets_Lignes(Marque_Hors_1252(t).split(u"\r\n"_s));
}

} // namespace swl
