#include "core/exchange/adif_commun.h"
#include "core/log/doublons.h"

#include "core/base/fichier_texte.h"
#include "core/base/texte_1252.h"
#include "core/log/fiche_qso.h"

#include <QSet>

#include <algorithm>
#include <array>
#include <deque>
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
    return u"«\u00A0"_s + Extrait_Visible(valeur) + u"\u00A0»"_s;
}

} // namespace

namespace {

// The fields the import reads, each in its slot; then our own fields, in the order of
// `Colonnes` below.
enum Emplacement {
    E_CALL,
    E_QSO_DATE,
    E_TIME_ON,
    E_BAND,
    E_FREQ,
    E_MODE,
    E_SUBMODE,
    E_RST_RCVD,
    E_NAME,
    E_NAME_INTL,
    E_QTH,
    E_QTH_INTL,
    E_QSL_RCVD,
    E_DXCC,
    E_STATE,
    E_COMMENT,
    E_NOTES,
    E_Propres
};

// Our own fields hold the exact text of a column: one that does not fit was not written
// by this program, and would shift every later column.
struct Colonne {
    QString Fiche_QSO::*texte;
    const char16_t* nom;
    qsizetype largeur;
};
constexpr Colonne Colonnes[] = {
    {&Fiche_QSO::Indicatif_A, u"CALL_A", 12}, {&Fiche_QSO::Indicatif_B, u"CALL_B", 12},
    {&Fiche_QSO::Dpt_A, u"DPT_A", 2},         {&Fiche_QSO::Dpt_B, u"DPT_B", 2},
    {&Fiche_QSO::Prenom_A, u"PRENOM", 15},    {&Fiche_QSO::Date, u"DATE", 8},
    {&Fiche_QSO::Heure, u"HEURE", 5},         {&Fiche_QSO::Mode, u"MODE", 3},
    {&Fiche_QSO::Bande, u"BANDE", 7},         {&Fiche_QSO::RST_A, u"RST_A", 3},
    {&Fiche_QSO::RST_B, u"RST_B", 3},         {&Fiche_QSO::QTH_A, u"QTH", 30}};
constexpr int Nombre_Emplacements = E_Propres + static_cast<int>(std::size(Colonnes));

const QHash<QString, int>& Emplacements() {
    static const QHash<QString, int> e = [] {
        QHash<QString, int> h;
        const QStringList lus = {u"CALL"_s,    u"QSO_DATE"_s, u"TIME_ON"_s,  u"BAND"_s, u"FREQ"_s,
                                 u"MODE"_s,    u"SUBMODE"_s,  u"RST_RCVD"_s, u"NAME"_s, u"NAME_INTL"_s,
                                 u"QTH"_s,     u"QTH_INTL"_s, u"QSL_RCVD"_s, u"DXCC"_s, u"STATE"_s,
                                 u"COMMENT"_s, u"NOTES"_s};
        for (int i = 0; i < lus.size(); ++i) {
            h.insert(lus[i], i);
        }
        for (std::size_t i = 0; i < std::size(Colonnes); ++i) {
            h.insert(Prefixe_Propre + QString::fromUtf16(Colonnes[i].nom), E_Propres + static_cast<int>(i));
        }
        return h;
    }();
    return e;
}

} // namespace

QString Station_B_Du_Commentaire(QStringView commentaire) {
    static const std::array<QStringView, 3> Annonces = {u"en QSO avec ", u"QSO with ", u"wkd "};
    for (const QStringView annonce : Annonces) {
        for (qsizetype i = commentaire.indexOf(annonce, 0, Qt::CaseInsensitive); i >= 0;
             i = commentaire.indexOf(annonce, i + 1, Qt::CaseInsensitive)) {
            // A word on its own: "wkd" not inside another word.
            if (i > 0 && commentaire[i - 1].isLetterOrNumber()) {
                continue;
            }
            QStringView suite = commentaire.sliced(i + annonce.size()).trimmed();
            qsizetype n = 0;
            while (n < suite.size() && (suite[n].isLetterOrNumber() || suite[n] == u'/') &&
                   suite[n].unicode() < 0x80) {
                ++n;
            }
            const QString indicatif = suite.first(n).toString().toUpper();
            const bool chiffre =
                std::any_of(indicatif.begin(), indicatif.end(), [](QChar c) { return c.isDigit(); });
            const bool lettre =
                std::any_of(indicatif.begin(), indicatif.end(), [](QChar c) { return c.isLetter(); });
            if (n >= 3 && n <= 12 && chiffre && lettre &&
                (n == suite.size() || !suite[n].isLetterOrNumber())) {
                return indicatif;
            }
        }
    }
    return {};
}

bool adif::Champ_Lu(QStringView nom) {
    // A comment is only looked into for station B: a long one is left aside, never a refusal.
    if (nom == u"COMMENT" || nom == u"NOTES") {
        return false;
    }
    return nom.startsWith(Prefixe_Propre) || Emplacements().contains(nom.toString());
}

Conversion_ADIF Ligne_De_Enregistrement(const Enregistrement_ADIF& e) {
    Conversion_ADIF r;
    if (!e.refus.isEmpty()) {
        r.refus = e.refus;
        return r;
    }
    // One pass over the fields: each one read goes to its slot, the last of a name counts.
    // The records of a file share their field names (one text each) and mostly their order:
    // the slot found at a place of the previous record is taken again for the same name.
    struct Memo {
        QString nom; // held, so that its text cannot be freed and stand for another name
        int emplacement = -1;
    };
    thread_local std::array<Memo, 40> memo;
    std::array<std::optional<QStringView>, Nombre_Emplacements> valeurs{};
    const QHash<QString, int>& emplacements = Emplacements();
    for (qsizetype k = 0; k < e.champs.size(); ++k) {
        const auto& [nom, valeur] = e.champs[k];
        Memo* m = k < qsizetype(memo.size()) ? &memo[std::size_t(k)] : nullptr;
        int i = -1;
        if (m && m->nom.constData() == nom.constData() && m->nom.size() == nom.size() && !nom.isEmpty()) {
            i = m->emplacement;
        } else {
            i = emplacements.value(nom, -1);
            if (m) {
                *m = {nom, i};
            }
        }
        if (i >= 0) {
            valeurs[static_cast<std::size_t>(i)] = valeur;
        }
    }
    const auto champ = [&valeurs](Emplacement i) { return valeurs[i].value_or(QStringView()).trimmed(); };
    const auto intl = [&](Emplacement nom, Emplacement nom_intl) {
        const QStringView v = champ(nom_intl);
        return v.isEmpty() ? champ(nom) : v;
    };
    Fiche_QSO f;
    std::array<bool, std::size(Colonnes)> exact{};
    for (std::size_t i = 0; i < std::size(Colonnes); ++i) {
        const Colonne& c = Colonnes[i];
        if (const auto v = valeurs[E_Propres + i]) {
            if (v->size() > c.largeur) {
                r.refus = Prefixe_Propre + QString::fromUtf16(c.nom) + u" plus long que sa colonne de "_s +
                          QString::number(c.largeur) + u" caractères ("_s + Cite(*v) + u')';
                return r;
            }
            f.*c.texte = v->toString();
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
        const QString call = Majuscules_1252(champ(E_CALL));
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
        const auto date = Date_De_ADIF(champ(E_QSO_DATE), &r.refus);
        if (!date) {
            if (champ(E_QSO_DATE).isEmpty()) {
                r.refus = u"pas de date (QSO_DATE)"_s;
            }
            return r;
        }
        f.Date = *date;
    }
    if (!a_exact(&Fiche_QSO::Heure)) {
        const auto heure = Heure_De_ADIF(champ(E_TIME_ON));
        if (!heure) {
            r.refus = champ(E_TIME_ON).isEmpty()
                          ? u"pas d'heure (TIME_ON)"_s
                          : u"heure illisible (TIME_ON "_s + Cite(champ(E_TIME_ON)) + u')';
            return r;
        }
        f.Heure = *heure;
    }
    if (a_exact(&Fiche_QSO::Bande)) {
    } else if (!champ(E_BAND).isEmpty()) {
        f.Bande = Bande_De_ADIF(champ(E_BAND));
        if (f.Bande.isEmpty()) {
            r.refus = u"bande que le journal n'a pas (BAND "_s + Cite(champ(E_BAND)) + u')';
            return r;
        }
    } else {
        bool ok = false;
        const double mhz = champ(E_FREQ).toDouble(&ok);
        f.Bande = ok ? Bande_De_Frequence(mhz * 1000) : QString();
        if (f.Bande.isEmpty()) {
            r.refus = champ(E_FREQ).isEmpty() ? u"pas de bande (ni BAND ni FREQ)"_s
                                              : u"fréquence hors des bandes du journal (FREQ "_s +
                                                    Cite(champ(E_FREQ)) + u" MHz)"_s;
            return r;
        }
    }
    if (!a_exact(&Fiche_QSO::Mode)) {
        f.Mode = Mode_De_ADIF(champ(E_MODE), champ(E_SUBMODE), &r.mode_dig);
        if (f.Mode.isEmpty()) {
            r.refus = u"pas de mode (MODE)"_s;
            return r;
        }
    }
    if (!a_exact(&Fiche_QSO::RST_A)) {
        f.RST_A = Texte_Importe(champ(E_RST_RCVD), 3, &r.coupes);
    }
    if (!a_exact(&Fiche_QSO::Prenom_A)) {
        f.Prenom_A = Texte_Importe(intl(E_NAME, E_NAME_INTL), 15, &r.coupes);
    }
    if (!a_exact(&Fiche_QSO::QTH_A)) {
        f.QTH_A = Texte_Importe(intl(E_QTH, E_QTH_INTL), 30, &r.coupes);
    }
    f.QSL = champ(E_QSL_RCVD).compare(u"Y", Qt::CaseInsensitive) == 0;
    if (!a_exact(&Fiche_QSO::Indicatif_B)) {
        f.Indicatif_B = Station_B_Du_Commentaire(champ(E_COMMENT));
        if (f.Indicatif_B.isEmpty()) {
            f.Indicatif_B = Station_B_Du_Commentaire(champ(E_NOTES));
        }
    }
    r.sans_b = f.Indicatif_B.trimmed().isEmpty();
    if (!a_exact(&Fiche_QSO::Dpt_A)) {
        // A French department only where the entity is France or Corsica.
        const QStringView dxcc = champ(E_DXCC);
        const QStringView state = champ(E_STATE);
        const auto dpt = Departement_Vers_ADIF(state);
        if (dpt &&
            (dxcc.isEmpty() ? Majuscules_1252(f.Indicatif_A).startsWith(u'F') : dxcc.toInt() == dpt->dxcc)) {
            f.Dpt_A = state.toString().toLower();
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

Bilan_Import Importe_ADIF(const Fichier_Log& log, const QByteArray& contenu, bool adx,
                          const Progression& progression, const std::function<void()>& avant_ecriture) {
    Bilan_Import b;
    const Fichier_Log::Lecture existant = log.Lit_Log();
    if (const auto echec = Log_Illisible(existant, u"importé"_s)) {
        b.ecriture = *echec;
        return b;
    }
    // A record takes some 500 bytes of a file.
    QSet<Cle_Doublon> connus =
        Cles_Doublons(existant.lignes, qMin<qsizetype>(contenu.size() / 400, Numero_Maximal));
    // Each record is made into its log line as soon as it is read (a large file's two halves at
    // once); then, in the file's order, only the new lines are kept.
    struct Faite {
        int numero = 0;
        Conversion_ADIF conversion;
    };
    std::array<std::deque<Faite>, 2> faites;
    const auto recoit = [&faites](int partie, const Enregistrement_ADIF& e) {
        Faite f{e.numero, Ligne_De_Enregistrement(e)};
        f.conversion.ligne.clear(); // the bytes are what the merge takes
        faites[std::size_t(partie)].push_back(std::move(f));
    };
    const Progression lecture = [&progression](int p) { return !progression || progression(p * 95 / 100); };
    Lecture_En_Deux l;
    if (adx) {
        l.lecture = Parcourt_ADX(contenu, lecture, [&recoit](const Enregistrement_ADIF& e) { recoit(0, e); });
    } else {
        l = Parcourt_ADI_En_Deux(contenu, lecture, recoit, [&faites] {
            faites[0].clear();
            faites[1].clear();
        });
    }
    b.arret = l.lecture.arret;
    b.arret_detail = l.lecture.detail;
    if (l.lecture.annulee || (progression && !progression(95))) {
        b = {};
        b.annule = true;
        return b;
    }
    for (Faite& f : faites[1]) {
        f.numero += l.premiers;
    }
    b.lus = static_cast<int>(faites[0].size() + faites[1].size());
    QList<QByteArray> nouvelles;
    nouvelles.reserve(qsizetype(faites[0].size() + faites[1].size()));
    for (auto& partie : faites) {
        for (Faite& f : partie) {
            Conversion_ADIF& c = f.conversion;
            if (!c.refus.isEmpty()) {
                b.refus.append({f.numero, c.refus});
                continue;
            }
            const Cle_Doublon cle(c.octets);
            if (connus.contains(cle)) {
                ++b.deja_la;
                continue;
            }
            connus.insert(cle);
            b.modes_dig += c.mode_dig ? 1 : 0;
            b.sans_b += c.sans_b ? 1 : 0;
            b.textes_coupes += c.coupes;
            nouvelles.append(std::move(c.octets));
        }
        partie.clear();
    }
    if (!nouvelles.isEmpty()) {
        b.ecriture = log.Fusionne_QSO_Log(existant.lignes, nouvelles, &b.trace, avant_ecriture);
        if (b.ecriture) {
            b.ajoutes = static_cast<int>(nouvelles.size());
        }
    }
    return b;
}

QString Texte_Bilan(const Bilan_Import& b, const QString& fichier, int limite) {
    QString t = u"Import du fichier «\u00A0"_s + Extrait_Visible(fichier, 255) + u"\u00A0»\u00A0:\r\n"_s;
    if (b.annule) {
        return t + u"Import annulé\u00A0: rien n'a été ajouté au journal."_s;
    }
    // "1 QSO ajouté", "2 QSO ajoutés", "1 000 QSO ajoutés".
    const auto accord = [](qsizetype n, const QString& un, const QString& plusieurs) -> QString {
        return Nombre_Francais(n) + u' ' + (n > 1 ? plusieurs : un);
    };
    if (b.lus == 0 && b.arret.isEmpty()) {
        return t + u"Rien n'a été ajouté au journal\u00A0: aucun enregistrement ADIF dans ce fichier."_s;
    }
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
    if (b.sans_b > 0 && b.ecriture) {
        t += u"\r\n"_s + accord(b.sans_b,
                                u"QSO sans station B (ni APP_ORBELSWL_CALL_B, ni «\u00A0en QSO avec…\u00A0» "
                                u"dans COMMENT ou NOTES)."_s,
                                u"QSO sans station B (ni APP_ORBELSWL_CALL_B, ni «\u00A0en QSO avec…\u00A0» "
                                u"dans COMMENT ou NOTES)."_s);
    }
    if (b.textes_coupes > 0) {
        t += u"\r\n"_s + accord(b.textes_coupes, u"texte coupé à la largeur de sa colonne."_s,
                                u"textes coupés à la largeur de leur colonne."_s);
    }
    if (!b.refus.isEmpty()) {
        t += u"\r\n"_s +
             accord(b.refus.size(), u"enregistrement refusé\u00A0:"_s, u"enregistrements refusés\u00A0:"_s);
        for (qsizetype i = 0; i < b.refus.size() && i < limite; ++i) {
            t += u"\r\n  n° "_s + Nombre_Francais(b.refus[i].first) + u"\u00A0: "_s + b.refus[i].second;
        }
        if (b.refus.size() > limite) {
            t += u"\r\n  … et "_s + Nombre_Francais(b.refus.size() - limite) + u" autres."_s;
        }
    }
    if (!b.arret.isEmpty()) {
        t += u"\r\nLecture arrêtée avant la fin\u00A0: "_s + b.arret +
             (b.ecriture ? u". Les enregistrements lus avant sont importés."_s : u"."_s);
    }
    return t;
}

QByteArray Octets_Rapport_Import(const Bilan_Import& b, const QString& fichier) {
    QString t = Texte_Bilan(b, fichier, static_cast<int>(b.refus.size()));
    if (!b.arret_detail.isEmpty()) {
        t += u"\r\n(Message du lecteur XML\u00A0: "_s + Extrait_Visible(b.arret_detail, 200) + u')';
    }
    return Octets_Lignes(Marque_Hors_1252(t).split(u"\r\n"_s));
}

} // namespace swl
