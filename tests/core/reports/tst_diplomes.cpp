// The awards counted from the log: each rule at its edge, heard against confirmed, per band and
// mode group, station B, the thresholds, countries and continents, the claim list and its CSV.
#include "core/log/fiche_qso.h"
#include "core/reports/demande_diplome.h"
#include "core/reports/diplomes.h"

#include <QTest>

using namespace Qt::Literals::StringLiterals;
using namespace swl;

Q_DECLARE_METATYPE(swl::Filtre_Diplome)

namespace {

const QByteArray Fichier = "France:  14:  27:  EU:   46.00:    -2.00:    -1.0:  F:\n    F,TM;\n"
                           "Fed. Rep. of Germany:  14:  28:  EU:   51.00:   -10.00:    -1.0:  DL:\n    DL;\n"
                           "Italy:  15:  28:  EU:   42.82:   -12.58:    -1.0:  I:\n    I;\n"
                           "Sicily:  15:  28:  EU:   37.50:   -14.00:    -1.0:  *IT9:\n    IT9;\n"
                           "Antarctica:  13:  74:  SA:  -90.00:     0.00:     0.0:  CE9:\n    CE9{AN};\n"
                           "Japan:  25:  45:  AS:   36.40:  -138.38:    -9.0:  JA:\n    JA;\n";

QString Ligne(const QString& a, const QString& dpt_a, const QString& date, const QString& bande,
              const QString& mode, bool qsl = true, const QString& b = u"F5ZZZ"_s, const QString& dpt_b = {},
              const QString& heure = u"10:00"_s) {
    Fiche_QSO f;
    f.Indicatif_A = a;
    f.Dpt_A = dpt_a;
    f.RST_A = u"59"_s;
    f.Indicatif_B = b;
    f.Dpt_B = dpt_b;
    f.RST_B = u"57"_s;
    f.Date = date;
    f.Heure = heure;
    f.Mode = mode;
    f.Bande = bande;
    f.QSL = qsl;
    return Forme_Ligne_Log(f);
}

Lignes_Log Journal(const QStringList& lignes) {
    QByteArray octets;
    for (const QString& l : lignes) {
        octets += l.toLatin1() + "\r\n";
    }
    return Lignes_Log(octets);
}

Filtre_Diplome Filtre(Filtre_Diplome::Portee p, int bande = 0, int groupe = -1) {
    Filtre_Diplome f;
    f.portee = p;
    f.bande = bande;
    f.groupe = groupe;
    return f;
}

// What the DDFM makes of a one-QSO log: "29:compte", "29:avant le 30/06/1957", "-:département…".
QString Verdict_DDFM(const QString& ligne) {
    const Comptes_Diplomes c = Compte_Diplomes(Journal({ligne}), nullptr, {});
    if (c.illisibles.nombre) {
        return u"illisible"_s;
    }
    for (const Element_Diplome& e : c.ddfm.elements) {
        if (!e.comptent.isEmpty()) {
            return e.code + u":compte"_s;
        }
        if (!e.refuses.isEmpty()) {
            return e.code + u':' +
                   Texte_Raison(e.refuses[0].raison,
                                Fiche_De_Ligne_Liste(Forme_Ligne_Liste(ligne, 1)).Bande.trimmed());
        }
    }
    return u"-:"_s + Texte_Raison(c.ddfm.sans_element.value(0).raison, {}, ligne.mid(26, 2).trimmed());
}

// A log confirming the first `n` departments on `bande`.
QStringList Departements_Confirmes(int n, const QString& bande = u"14 Mhz"_s) {
    QStringList l;
    for (int i = 1, pris = 0; pris < n; ++i) {
        if (i == 20) {
            continue;
        }
        const QString code =
            i > 95 ? (i == 96 ? u"2a"_s : u"2b"_s) : QString::number(i).rightJustified(2, u'0');
        l << Ligne(u"F5AA"_s, code, u"01/06/08"_s, bande, u"SSB"_s);
        ++pris;
    }
    return l;
}

} // namespace

class Tst_Diplomes : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void reglesDDFM_data() {
        QTest::addColumn<QString>("ligne");
        QTest::addColumn<QString>("verdict");
        const auto l = [](const QString& dpt, const QString& date, const QString& bande,
                          const QString& mode) { return Ligne(u"F5ABC"_s, dpt, date, bande, mode); };
        QTest::newRow("29/06/1957") << l(u"29"_s, u"29/06/57"_s, u"14 Mhz"_s, u"SSB"_s)
                                    << u"29:avant le 30/06/1957"_s;
        QTest::newRow("30/06/1957") << l(u"29"_s, u"30/06/57"_s, u"14 Mhz"_s, u"SSB"_s) << u"29:compte"_s;
        QTest::newRow("an 50\u00A0: 1950")
            << l(u"29"_s, u"01/01/50"_s, u"14 Mhz"_s, u"SSB"_s) << u"29:avant le 30/06/1957"_s;
        QTest::newRow("an 49\u00A0: 2049")
            << l(u"29"_s, u"01/01/49"_s, u"14 Mhz"_s, u"SSB"_s) << u"29:compte"_s;
        QTest::newRow("10 MHz le 31/12/1981")
            << l(u"29"_s, u"31/12/81"_s, u"10 Mhz"_s, u"CW"_s) << u"29:10 Mhz\u00A0: avant le 01/01/1982"_s;
        QTest::newRow("10 MHz le 01/01/1982")
            << l(u"29"_s, u"01/01/82"_s, u"10 Mhz"_s, u"CW"_s) << u"29:compte"_s;
        QTest::newRow("18 MHz le 31/12/1981")
            << l(u"29"_s, u"31/12/81"_s, u"18 Mhz"_s, u"SSB"_s) << u"29:18 Mhz\u00A0: avant le 01/01/1982"_s;
        QTest::newRow("24 MHz le 01/01/1982")
            << l(u"29"_s, u"01/01/82"_s, u"24 Mhz"_s, u"SSB"_s) << u"29:compte"_s;
        QTest::newRow("10 MHz en SSB")
            << l(u"29"_s, u"01/06/08"_s, u"10 Mhz"_s, u"SSB"_s) << u"29:10 MHz\u00A0: CW seulement"_s;
        QTest::newRow("10 MHz en FT8")
            << l(u"29"_s, u"01/06/08"_s, u"10 Mhz"_s, u"FT8"_s) << u"29:10 MHz\u00A0: CW seulement"_s;
        QTest::newRow("2a") << l(u"2a"_s, u"01/06/08"_s, u"7.0 Mhz"_s, u"SSB"_s) << u"2a:compte"_s;
        QTest::newRow("2B") << l(u"2B"_s, u"01/06/08"_s, u"7.0 Mhz"_s, u"SSB"_s) << u"2b:compte"_s;
        QTest::newRow("95") << l(u"95"_s, u"01/06/08"_s, u"7.0 Mhz"_s, u"SSB"_s) << u"95:compte"_s;
        for (const QString& d : {u"20"_s, u"00"_s, u"97"_s, u"X1"_s, u"2c"_s}) {
            QTest::addRow("département %s", qPrintable(d))
                << l(d, u"01/06/08"_s, u"7.0 Mhz"_s, u"SSB"_s)
                << u"-:département «\u00A0"_s + d + u"\u00A0» inconnu"_s;
        }
        QTest::newRow("sans département")
            << l({}, u"01/06/08"_s, u"7.0 Mhz"_s, u"SSB"_s) << u"-:pas de département"_s;
        QTest::newRow("27 MHz") << l(u"29"_s, u"01/06/08"_s, u"27 Mhz"_s, u"FM"_s)
                                << u"29:27 Mhz\u00A0: bande CB, pas radioamateur"_s;
        QTest::newRow("date illisible")
            << l(u"29"_s, u"31/02/08"_s, u"7.0 Mhz"_s, u"SSB"_s) << u"illisible"_s;
    }
    void reglesDDFM() {
        QFETCH(QString, ligne);
        QFETCH(QString, verdict);
        QCOMPARE(Verdict_DDFM(ligne), verdict);
    }

    // With a country file: a callsign it does not know never counts, a maritime mobile has no
    // country, a foreign station without a department is said apart from a French one.
    void stationsSansPays_data() {
        QTest::addColumn<QString>("indicatif");
        QTest::addColumn<QString>("departement");
        QTest::addColumn<QString>("ddfm");
        QTest::addColumn<QString>("pays");
        QTest::newRow("inconnu du fichier")
            << u"QQ9ZZ"_s << u"70"_s << u"70:indicatif dont le pays est inconnu"_s
            << u"indicatif dont le pays est inconnu"_s;
        QTest::newRow("maritime mobile")
            << u"F5ABC/MM"_s << u"29"_s << u"29:maritime mobile\u00A0: aucun pays"_s
            << u"maritime mobile\u00A0: aucun pays"_s;
        QTest::newRow("aéronautique mobile")
            << u"DL1AA/AM"_s << QString() << u"-:aéronautique mobile\u00A0: aucun pays"_s
            << u"aéronautique mobile\u00A0: aucun pays"_s;
        QTest::newRow("étranger sans département")
            << u"DL1AA"_s << QString() << u"-:pas de département, station hors de France métropolitaine"_s
            << QString();
        QTest::newRow("français sans département")
            << u"F5ABC"_s << QString() << u"-:pas de département"_s << QString();
        QTest::newRow("français") << u"F5ABC"_s << u"70"_s << u"70:compte"_s << QString();
    }
    void stationsSansPays() {
        QFETCH(QString, indicatif);
        QFETCH(QString, departement);
        QFETCH(QString, ddfm);
        QFETCH(QString, pays);
        const auto fichier = Fichier_Pays::Lit(Fichier);
        const Lignes_Log log = Journal({Ligne(indicatif, departement, u"01/06/08"_s, u"14 Mhz"_s, u"SSB"_s)});
        const Comptes_Diplomes c = Compte_Diplomes(log, &*fichier, {});
        QString verdict;
        for (const Element_Diplome& e : c.ddfm.elements) {
            if (!e.comptent.isEmpty()) {
                verdict = e.code + u":compte"_s;
            } else if (!e.refuses.isEmpty()) {
                verdict = e.code + u':' + Texte_Raison(e.refuses[0].raison, u"14 Mhz"_s);
            }
        }
        if (verdict.isEmpty()) {
            verdict = u"-:"_s + Texte_Raison(c.ddfm.sans_element.value(0).raison, {});
        }
        QCOMPARE(verdict, ddfm);
        QCOMPARE(pays.isEmpty() ? QString() : Texte_Raison(c.pays.sans_element.value(0).raison, {}), pays);
        // Never in the claim list.
        if (!ddfm.endsWith(u":compte"_s)) {
            QVERIFY(Liste_Demande(c.ddfm, log, Filtre(Filtre_Diplome::Portee::HF)).isEmpty());
        }
    }

    // Heard against confirmed, per band, HF against VHF/UHF and per mode group.
    void etatsParBandeEtMode_data() {
        QTest::addColumn<Filtre_Diplome>("filtre");
        QTest::addColumn<QString>("etat");
        using P = Filtre_Diplome::Portee;
        const int cw = int(Groupe_Mode::CW);
        const int phonie = int(Groupe_Mode::Phonie);
        const int autres = int(Groupe_Mode::Autres);
        QTest::newRow("HF") << Filtre(P::HF) << u"confirmé"_s;
        QTest::newRow("HF en CW") << Filtre(P::HF, 0, cw) << u"entendu"_s;
        QTest::newRow("HF en phonie") << Filtre(P::HF, 0, phonie) << u"confirmé"_s;
        QTest::newRow("HF, autres modes") << Filtre(P::HF, 0, autres) << u"manquant"_s;
        QTest::newRow("7 MHz") << Filtre(P::Bande, 2) << u"entendu"_s;
        QTest::newRow("14 MHz") << Filtre(P::Bande, 4) << u"confirmé"_s;
        QTest::newRow("21 MHz") << Filtre(P::Bande, 6) << u"manquant"_s;
        QTest::newRow("VHF/UHF") << Filtre(P::VHF) << u"entendu"_s;
        QTest::newRow("144 MHz en FM") << Filtre(P::Bande, 11, phonie) << u"entendu"_s;
        QTest::newRow("27 MHz jamais") << Filtre(P::Bande, Bande_CB) << u"manquant"_s;
        QTest::newRow("toutes bandes") << Filtre(P::Toutes) << u"confirmé"_s;
    }
    void etatsParBandeEtMode() {
        QFETCH(Filtre_Diplome, filtre);
        QFETCH(QString, etat);
        const Comptes_Diplomes c =
            Compte_Diplomes(Journal({Ligne(u"F5AA"_s, u"29"_s, u"01/06/08"_s, u"7.0 Mhz"_s, u"CW"_s, false),
                                     Ligne(u"F5AA"_s, u"29"_s, u"02/06/08"_s, u"14 Mhz"_s, u"SSB"_s, true),
                                     Ligne(u"F5AA"_s, u"29"_s, u"03/06/08"_s, u"144 Mhz"_s, u"FM"_s, false),
                                     Ligne(u"F5AA"_s, u"29"_s, u"04/06/08"_s, u"27 Mhz"_s, u"FM"_s, true)}),
                            nullptr, {});
        const Element_Diplome& e = *std::find_if(c.ddfm.elements.begin(), c.ddfm.elements.end(),
                                                 [](const Element_Diplome& x) { return x.code == u"29"_s; });
        QCOMPARE(Texte_Etat(Etat_Element(e, filtre)), etat);
    }

    // Station B's department counts only when the listener says so.
    void stationB() {
        const Lignes_Log log = Journal(
            {Ligne(u"F5AA"_s, u"75"_s, u"01/06/08"_s, u"14 Mhz"_s, u"SSB"_s, true, u"F6BB"_s, u"13"_s)});
        for (const bool b : {false, true}) {
            Reglage_Diplomes r;
            r.station_b = b;
            const Totaux_Diplome t =
                Totaux(Compte_Diplomes(log, nullptr, r).ddfm, Filtre(Filtre_Diplome::Portee::HF));
            QCOMPARE(t.confirmes, b ? 2 : 1);
            QCOMPARE(t.total, 96);
        }
    }

    // The next threshold, HF and VHF/UHF, French and not; the 96th.
    void paliersDDFM_data() {
        QTest::addColumn<int>("confirmes");
        QTest::addColumn<bool>("vhf");
        QTest::addColumn<bool>("en_france");
        QTest::addColumn<QString>("suite");
        QTest::newRow("49 en HF") << 49 << false << true << u"encore 1 confirmé pour le diplôme (50 en HF)"_s;
        QTest::newRow("50 en HF") << 50 << false << true
                                  << u"diplôme obtenu, encore 10 confirmés pour le palier de 60"_s;
        QTest::newRow("39 hors de France")
            << 39 << false << false << u"encore 1 confirmé pour le diplôme (40 en HF)"_s;
        QTest::newRow("29 en VHF") << 29 << true << true
                                   << u"encore 1 confirmé pour le diplôme (30 en VHF/UHF)"_s;
        QTest::newRow("20 en VHF hors de France")
            << 20 << true << false << u"diplôme obtenu, encore 10 confirmés pour le palier de 30"_s;
        QTest::newRow("95") << 95 << false << true
                            << u"diplôme obtenu, encore 1 confirmé pour l'EXCELLENCE (96)"_s;
        QTest::newRow("96") << 96 << false << true << u"EXCELLENCE, les 96 départements confirmés"_s;
    }
    void paliersDDFM() {
        QFETCH(int, confirmes);
        QFETCH(bool, vhf);
        QFETCH(bool, en_france);
        QFETCH(QString, suite);
        Reglage_Diplomes r;
        r.en_france = en_france;
        const Comptes_Diplomes c = Compte_Diplomes(
            Journal(Departements_Confirmes(confirmes, vhf ? u"144 Mhz"_s : u"14 Mhz"_s)), nullptr, r);
        const Filtre_Diplome f = Filtre(vhf ? Filtre_Diplome::Portee::VHF : Filtre_Diplome::Portee::HF);
        QCOMPARE(Texte_Avancement(c.ddfm, f, r),
                 u"DDFM — "_s + QString::number(confirmes) + u" départements entendus, "_s +
                     QString::number(confirmes) + u" confirmés sur 96\u00A0; "_s + suite);
    }

    // Countries by the file's DXCC entity (Sicily counts as Italy), continents, and what
    // counts for neither.
    void paysEtContinents() {
        const auto fichier = Fichier_Pays::Lit(Fichier);
        QVERIFY(fichier);
        const Comptes_Diplomes c =
            Compte_Diplomes(Journal({Ligne(u"DL1AA"_s, {}, u"01/06/08"_s, u"14 Mhz"_s, u"SSB"_s),
                                     Ligne(u"IT9AA"_s, {}, u"02/06/08"_s, u"14 Mhz"_s, u"CW"_s, false),
                                     Ligne(u"JA1AA"_s, {}, u"03/06/08"_s, u"21 Mhz"_s, u"FT8"_s),
                                     Ligne(u"CE9AA"_s, {}, u"04/06/08"_s, u"14 Mhz"_s, u"SSB"_s),
                                     Ligne(u"ZZ9ZZ"_s, {}, u"05/06/08"_s, u"14 Mhz"_s, u"SSB"_s)}),
                            &*fichier, {});
        QStringList pays;
        for (const Element_Diplome& e : c.pays.elements) {
            pays << e.code + u'=' + Texte_Etat(Etat_Element(e, Filtre(Filtre_Diplome::Portee::Toutes)));
        }
        // In French order: Allemagne, Antarctique, France, Italie, Japon.
        QCOMPARE(pays, (QStringList{u"DL=confirmé"_s, u"CE9=confirmé"_s, u"F=manquant"_s, u"I=entendu"_s,
                                    u"JA=confirmé"_s}));
        QCOMPARE(c.pays.sans_element.size(), 1);
        QCOMPARE(Texte_Raison(c.pays.sans_element[0].raison, {}), u"indicatif dont le pays est inconnu"_s);
        QCOMPARE(
            Texte_Avancement(c.wac, Filtre(Filtre_Diplome::Portee::Toutes), {}),
            u"WAC — 2 continents entendus, 2 confirmés sur 6\u00A0; encore 4 confirmés pour le diplôme"_s);
        QCOMPARE(Texte_Raison(c.wac.sans_element.value(0).raison, {}), u"continent hors des six du WAC"_s);
        QCOMPARE(c.wac.sans_element.size(), 2);
        QCOMPARE(
            Texte_Cinq_Bandes(c.pays, -1),
            u"5 bandes\u00A0: 3.5 Mhz 0, 7.0 Mhz 0, 14 Mhz 2, 21 Mhz 1, 28 Mhz 0 confirmés (100 sur chacune)"_s);
    }

    // One QSO a department, the earliest confirmed one that counts, in the departments' order
    // (2A and 2B after 19); never one that does not count; the CSV byte for byte.
    void listePourLaDemande() {
        const Lignes_Log log = Journal({
            Ligne(u"F6ZZ"_s, u"21"_s, u"01/06/08"_s, u"14 Mhz"_s, u"SSB"_s),
            Ligne(u"F6YY"_s, u"2a"_s, u"03/06/08"_s, u"14 Mhz"_s, u"SSB"_s),
            Ligne(u"F6XX"_s, u"2a"_s, u"02/06/08"_s, u"14 Mhz"_s, u"SSB"_s, true, u"F5ZZZ"_s, {}, u"23:00"_s),
            Ligne(u"F6WW"_s, u"2a"_s, u"01/06/08"_s, u"14 Mhz"_s, u"SSB"_s, false),
            Ligne(u"F6VV"_s, u"01"_s, u"01/06/08"_s, u"10 Mhz"_s, u"SSB"_s),
            Ligne(u"F6UU"_s, u"01"_s, u"05/06/08"_s, u"7.0 Mhz"_s, u"CW"_s),
            Ligne(u"F6TT"_s, u"13"_s, u"05/06/08"_s, u"7.0 Mhz"_s, u"CW"_s, false),
            Ligne(u"F6SS"_s, u"20"_s, u"05/06/08"_s, u"7.0 Mhz"_s, u"CW"_s),
        });
        const Comptes_Diplomes c = Compte_Diplomes(log, nullptr, {});
        const Filtre_Diplome f = Filtre(Filtre_Diplome::Portee::HF);
        const QList<Ligne_Demande> lignes = Liste_Demande(c.ddfm, log, f);
        QStringList resume;
        for (const Ligne_Demande& l : lignes) {
            resume << c.ddfm.elements[l.element].code + u'=' + QString::number(l.ligne);
        }
        QCOMPARE(resume, (QStringList{u"01=5"_s, u"2a=2"_s, u"21=0"_s}));
        const QByteArray csv = CSV_Demande(c.ddfm, log, f, lignes, {u"F1ABC"_s, QDate(2026, 12, 7)});
        QCOMPARE(csv, QByteArray(
                          "\xEF\xBB\xBF"
                          "Liste pour la demande;DDFM — Diplôme des Départements Français Métropolitains\r\n"
                          "Écouteur;F1ABC\r\n"
                          "Bandes;Toutes bandes HF\r\n"
                          "Mode;Tous modes\r\n"
                          "Établie le;07/12/2026\r\n"
                          "N°;Département;Nom;Indicatif;Date;Heure UTC;Bande;Mode;Report;QSL\r\n"
                          "1;01;Ain;F6UU;05/06/08;10:00;7.0 Mhz;CW;59;oui\r\n"
                          "2;2A;Corse-du-Sud;F6XX;02/06/08;23:00;14 Mhz;SSB;59;oui\r\n"
                          "3;21;Côte-d'Or;F6ZZ;01/06/08;10:00;14 Mhz;SSB;59;oui\r\n"
                          "Total;3 départements confirmés sur 96\r\n"));
        // The document: the row's cells in their columns, the headings whole, every text inside
        // 15 mm margins; below the threshold, it says so.
        Entete_Demande entete{u"F1ABC"_s, QDate(2026, 12, 7), 50};
        const QList<Page_Document> pages = Pages_Demande(c.ddfm, log, f, lignes, entete);
        QCOMPARE(pages.size(), 1);
        QStringList textes;
        for (const Texte_Place& t : pages[0].textes) {
            textes << t.texte;
            QVERIFY2(t.x >= 15 && t.x + Largeur_Fixe_Mm(t.texte.size(), t.points) <= 195 && t.y >= 15 &&
                         t.y <= 282,
                     qPrintable(t.texte));
        }
        for (const QString& attendu :
             {u"DDFM — Diplôme des Départements Français Métropolitains"_s, u"Département"_s,
              u"Corse-du-Sud"_s, u"Total\u00A0: 3 départements confirmés sur 96"_s,
              u"seuil non atteint\u00A0: 3 confirmés sur 50"_s, u"page 1 sur 1"_s}) {
            QVERIFY2(textes.contains(attendu), qPrintable(attendu));
        }
        QVERIFY(CSV_Demande(c.ddfm, log, f, lignes, entete)
                    .endsWith("Seuil;seuil non atteint\xC2\xA0: 3 confirmés sur 50\r\n"));
    }

    // A long list goes on over pages, the heading row at the top of each; a long name wraps in
    // its cell.
    void tableauSurPlusieursPages() {
        Tableau_Document t;
        t.entetes = {u"N°"_s, u"Nom"_s};
        t.largeurs = {4, 12};
        for (int i = 1; i <= 80; ++i) {
            t.rangees.append({QString::number(i), i == 3 ? u"Saint-Vincent-et-les-Grenadines"_s : u"Ain"_s});
        }
        const QList<Page_Document> pages = Pages_Tableau(t);
        QCOMPARE(pages.size(), 2);
        for (const Page_Document& p : pages) {
            QCOMPARE(std::count_if(p.textes.begin(), p.textes.end(),
                                   [](const Texte_Place& x) { return x.texte == u"Nom"_s; }),
                     1);
        }
        QStringList nom;
        for (const Texte_Place& x : pages[0].textes) {
            if (x.x > 20 && x.texte != u"Ain"_s && x.texte != u"Nom"_s && !x.texte.startsWith(u"page"_s)) {
                nom << x.texte;
            }
        }
        QCOMPARE(nom, (QStringList{u"Saint-"_s, u"Vincent-et-"_s, u"les-"_s, u"Grenadines"_s}));
        QCOMPARE(pages[1].textes.last().texte, u"page 2 sur 2"_s);
    }
};

QTEST_APPLESS_MAIN(Tst_Diplomes)
#include "tst_diplomes.moc"
