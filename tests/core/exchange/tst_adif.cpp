#include "core/base/texte_1252.h"
#include "core/countries/pays.h"
#include "core/exchange/adif.h"
#include "core/exchange/adif_commun.h"
#include "core/log/fiche_qso.h"
#include "support/fichiers_test.h"

#include <QFile>
#include <QRandomGenerator>
#include <QTest>

#include <thread>

using namespace swl;
using namespace swl::test;
using namespace Qt::Literals::StringLiterals;

namespace {

const QString Indicatif = u"F1ABC"_s;

QString Ligne(const QString& a, const QString& date, const QString& heure, const QString& bande,
              const QString& mode, const QString& prenom = u"Jean"_s, const QString& qth = u"Paris"_s,
              const QString& dpt_a = u"75"_s, bool qsl = false) {
    Fiche_QSO f;
    f.Indicatif_A = a;
    f.Dpt_A = dpt_a;
    f.RST_A = u"59"_s;
    f.Prenom_A = prenom;
    f.QTH_A = qth;
    f.Indicatif_B = u"F5XYZ"_s;
    f.Dpt_B = u"2b"_s;
    f.RST_B = u"57"_s;
    f.Date = date;
    f.Heure = heure;
    f.Mode = mode;
    f.Bande = bande;
    f.QSL = qsl;
    return Forme_Ligne_Log(f);
}

// Every band and mode of the logbook, accented texts, departments of every kind, in order.
QStringList Log_Complet() {
    const QStringList modes = {u"SSB"_s, u"CW"_s,  u"FM"_s,  u"DIG"_s, u"LSB"_s, u"USB"_s,
                               u"FT4"_s, u"PSK"_s, u"RTY"_s, u"AM"_s,  u"FT8"_s, u"XYZ"_s};
    QStringList l;
    int n = 0;
    for (const QString& bande : Liste_Bandes()) {
        for (int k = 0; k < 2; ++k, ++n) {
            const QString date = QString::number(1 + n % 28).rightJustified(2, u'0') + u"/0"_s +
                                 QString::number(1 + n / 28) + (n < 10 ? u"/99"_s : u"/08"_s);
            l << Ligne(u"F"_s + QString::number(n) + u"ABC"_s, date,
                       u"1"_s + QString::number(n % 10) + u":0"_s + QString::number(n % 10), bande,
                       modes[n % modes.size()], n % 3 ? u"Hélène"_s : u"Jérôme"_s,
                       n % 2 ? u"Saint-Étienne, cœur"_s : u"Lyon 3°"_s,
                       QStringList{u"75"_s, u"2a"_s, u"20"_s, u""_s, u"X1"_s, u"5"_s}[n % 6], n % 2);
        }
    }
    std::sort(l.begin(), l.end(), [](const QString& a, const QString& b) {
        const auto cle = [](const QString& x) -> QString {
            const QString an = x.mid(53, 2).toInt() >= 50 ? u"19"_s : u"20"_s;
            return an + x.mid(53, 2) + x.mid(50, 2) + x.mid(47, 2) + x.mid(56, 5);
        };
        return cle(a) < cle(b);
    });
    return l;
}

Entete_Export Entete() {
    return {u"F1ABC/P"_s, u"IC-R75"_s, u"Long fil 20 m"_s,
            QDateTime(QDate(2026, 12, 7), QTime(11, 2, 3), Qt::UTC)};
}

// An ADI file with these records, as another program writes it.
QByteArray Adi(const QStringList& enregistrements, const QByteArray& entete = "Journal\r\n<EOH>\r\n") {
    QByteArray o = entete;
    for (const QString& e : enregistrements) {
        o += e.toUtf8() + "<EOR>\r\n";
    }
    return o;
}

QString Champ(const QString& nom, const QString& valeur) {
    return u'<' + nom + u':' + QString::number(valeur.size()) + u'>' + valeur + u' ';
}

QString Qso(const QString& call, const QString& date = u"20080601"_s, const QString& heure = u"1525"_s,
            const QString& band = u"40m"_s) {
    return Champ(u"CALL"_s, call) + Champ(u"QSO_DATE"_s, date) + Champ(u"TIME_ON"_s, heure) +
           Champ(u"BAND"_s, band) + Champ(u"MODE"_s, u"SSB"_s);
}

} // namespace

class Tst_Adif : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void bandes_data() {
        QTest::addColumn<QString>("bande");
        QTest::addColumn<QString>("adif");
        const QStringList adif = {u"160m"_s, u"80m"_s, u"40m"_s, u"30m"_s, u"20m"_s, u"17m"_s, u"15m"_s,
                                  u"12m"_s,  u""_s,    u"10m"_s, u"6m"_s,  u"2m"_s,  u"70cm"_s};
        for (qsizetype i = 0; i < Liste_Bandes().size(); ++i) {
            QTest::newRow(qPrintable(Liste_Bandes()[i])) << Liste_Bandes()[i] << adif[i];
        }
    }
    void bandes() {
        QFETCH(QString, bande);
        QFETCH(QString, adif);
        QCOMPARE(Bande_Vers_ADIF(bande), adif);
        if (!adif.isEmpty()) {
            QCOMPARE(Bande_De_ADIF(adif.toUpper()), bande);
        }
    }

    void modes_data() {
        QTest::addColumn<QString>("log");
        QTest::addColumn<QString>("mode");
        QTest::addColumn<QString>("sous_mode");
        QTest::newRow("SSB") << u"SSB"_s << u"SSB"_s << u""_s;
        QTest::newRow("CW") << u"CW"_s << u"CW"_s << u""_s;
        QTest::newRow("FM") << u"FM"_s << u"FM"_s << u""_s;
        QTest::newRow("AM") << u"AM"_s << u"AM"_s << u""_s;
        QTest::newRow("FT8") << u"FT8"_s << u"FT8"_s << u""_s;
        QTest::newRow("LSB") << u"LSB"_s << u"SSB"_s << u"LSB"_s;
        QTest::newRow("USB") << u"USB"_s << u"SSB"_s << u"USB"_s;
        QTest::newRow("FT4") << u"FT4"_s << u"MFSK"_s << u"FT4"_s;
        QTest::newRow("PSK") << u"PSK"_s << u"PSK"_s << u""_s;
        QTest::newRow("RTY") << u"RTY"_s << u"RTTY"_s << u""_s;
        QTest::newRow("DIG") << u"DIG"_s << u""_s << u""_s;
    }
    void modes() {
        QFETCH(QString, log);
        QFETCH(QString, mode);
        QFETCH(QString, sous_mode);
        const Mode_ADIF m = Mode_Vers_ADIF(log);
        QCOMPARE(m.mode, mode);
        QCOMPARE(m.sous_mode, sous_mode);
        if (!mode.isEmpty()) {
            bool autre = true;
            QCOMPARE(Mode_De_ADIF(mode.toLower(), sous_mode, &autre), log);
            QVERIFY(!autre);
        }
    }

    void autresModesNumeriques() {
        bool autre = false;
        QCOMPARE(Mode_De_ADIF(u"JT65"_s, u""_s, &autre), u"DIG"_s);
        QVERIFY(autre);
        QCOMPARE(Mode_De_ADIF(u"MFSK"_s, u"Q65"_s, &autre), u"DIG"_s);
        QVERIFY(autre);
        QCOMPARE(Mode_De_ADIF(u"PSK"_s, u"PSK31"_s, &autre), u"PSK"_s);
        QVERIFY(!autre);
        QCOMPARE(Mode_De_ADIF(u""_s, u""_s, &autre), u""_s);
        // Sideband written as the mode by some programs: still SSB's submode, never DIG.
        QCOMPARE(Mode_De_ADIF(u"usb"_s, u""_s, &autre), u"USB"_s);
        QVERIFY(!autre);
    }

    void dates_data() {
        QTest::addColumn<QString>("log");
        QTest::addColumn<QString>("adif");
        QTest::newRow("49 en 2049") << u"31/12/49"_s << u"20491231"_s;
        QTest::newRow("50 en 1950") << u"01/01/50"_s << u"19500101"_s;
        QTest::newRow("08") << u"01/06/08"_s << u"20080601"_s;
        QTest::newRow("31 février") << u"31/02/08"_s << u""_s;
        QTest::newRow("tronquée") << u"01/06/0"_s << u""_s;
    }
    void dates() {
        QFETCH(QString, log);
        QFETCH(QString, adif);
        QCOMPARE(Date_Vers_ADIF(log).value_or(QString()), adif);
    }

    void departements_data() {
        QTest::addColumn<QString>("code");
        QTest::addColumn<QString>("state");
        QTest::addColumn<int>("dxcc");
        QTest::newRow("01") << u"01"_s << u"01"_s << 227;
        QTest::newRow("95") << u"95"_s << u"95"_s << 227;
        QTest::newRow("2a") << u"2a"_s << u"2A"_s << 214;
        QTest::newRow("2B") << u"2B"_s << u"2B"_s << 214;
        QTest::newRow("20") << u"20"_s << u""_s << 0;
        QTest::newRow("96") << u"96"_s << u""_s << 0;
        QTest::newRow("00") << u"00"_s << u""_s << 0;
        QTest::newRow("X1") << u"X1"_s << u""_s << 0;
        QTest::newRow("5") << u"5"_s << u""_s << 0;
    }
    void departements() {
        QFETCH(QString, code);
        QFETCH(QString, state);
        QFETCH(int, dxcc);
        const auto d = Departement_Vers_ADIF(code);
        QCOMPARE(d ? d->state : QString(), state);
        QCOMPARE(d ? d->dxcc : 0, dxcc);
    }

    void sansAccents() {
        QCOMPARE(Sans_Accents(u"Hélène Jérôme à l'œuvre, 3° Ærø ß"_s),
                 u"Helene Jerome a l'oeuvre, 3o AEro ss"_s);
        QCOMPARE(Sans_Accents(u"Straße ł"_s), u"Strasse l"_s);
        QCOMPARE(Sans_Accents(u"日本"_s), u"??"_s);
    }

    // One record, field by field, and the header.
    void recordADI() {
        const QString l = Ligne(u"F6ABC"_s, u"01/06/08"_s, u"15:25"_s, u"7.0 Mhz"_s, u"LSB"_s, u"René"_s,
                                u"Saint-Étienne"_s, u"2a"_s, true);
        const QString adi = QString::fromLatin1(Exporte_ADI(Lignes_Log(Octets_Log({l})), Entete()));
        QVERIFY(adi.startsWith(
            u"Journal SWL de F1ABC/P, ORBEL_SWL 1.0.5\r\n<ADIF_VER:5>3.1.6\r\n<PROGRAMID:8>ORBELSWL"
            u"\r\n<PROGRAMVERSION:5>1.0.5\r\n<CREATED_TIMESTAMP:15>20261207 110203\r\n<EOH>\r\n"_s));
        const QString record = adi.section(u"<EOH>\r\n\r\n"_s, 1);
        QCOMPARE(
            record,
            u"<SWL:1>Y <CALL:5>F6ABC <STATION_CALLSIGN:7>F1ABC/P <QSO_DATE:8>20080601 <TIME_ON:4>1525 "
            u"<BAND:3>40m <MODE:3>SSB <SUBMODE:3>LSB <RST_RCVD:2>59 <NAME:4>RENE <QTH:13>SAINT-ETIENNE "
            u"<QSL_RCVD:1>Y <STATE:2>2A <DXCC:3>214 <MY_RIG:6>IC-R75 <MY_ANTENNA:13>Long fil 20 m "
            u"<COMMENT:17>en QSO avec F5XYZ <APP_ORBELSWL_PRENOM:6>REN%C9 "
            u"<APP_ORBELSWL_QTH:15>SAINT-%C9TIENNE "
            u"<APP_ORBELSWL_CALL_B:5>F5XYZ <APP_ORBELSWL_DPT_A:2>2a <APP_ORBELSWL_DPT_B:2>2b "
            u"<APP_ORBELSWL_RST_B:2>57 <APP_ORBELSWL_BANDE:7>7.0 Mhz <APP_ORBELSWL_MODE:3>LSB <EOR>\r\n"_s);
        // 27 Mhz has no ADIF band, DIG no ADIF mode: neither is written, nor any invented frequency.
        const QString cb = QString::fromLatin1(Exporte_ADI(
            Lignes_Log(Octets_Log({Ligne(u"14RC1"_s, u"01/06/08"_s, u"15:25"_s, u"27 Mhz"_s, u"DIG"_s)})),
            Entete()));
        QVERIFY(!cb.contains(u"<BAND"_s));
        QVERIFY(!cb.contains(u"<FREQ"_s));
        QVERIFY(!cb.contains(u"<MODE"_s));
        QVERIFY(cb.contains(u"<APP_ORBELSWL_BANDE:6>27 Mhz"_s));
    }

    // Station A's country from the country file; a department keeps its own entity.
    void paysDansLExport_data() {
        QTest::addColumn<QString>("indicatif");
        QTest::addColumn<QString>("dpt");
        QTest::addColumn<QString>("attendu");
        QTest::newRow("Allemagne") << u"DL1XYZ"_s << QString()
                                   << u"<DXCC:3>230 <COUNTRY:20>Fed. Rep. of Germany <CONT:2>EU"_s;
        QTest::newRow("hors DXCC\u00A0: l'entité DXCC")
            << u"IT9AAA"_s << QString() << u"<DXCC:3>248 <COUNTRY:5>Italy <CONT:2>EU"_s;
        QTest::newRow("département") << u"F6ABC"_s << u"75"_s
                                     << u"<STATE:2>75 <DXCC:3>227 <COUNTRY:6>France <CONT:2>EU"_s;
        QTest::newRow("Corse d'un indicatif F")
            << u"F6ABC"_s << u"2a"_s << u"<STATE:2>2A <DXCC:3>214 <COUNTRY:7>Corsica <CONT:2>EU"_s;
        QTest::newRow("inconnu") << u"K1ABC"_s << QString() << QString();
        QTest::newRow("/MM") << u"DL1XYZ/MM"_s << QString() << QString();
    }
    void paysDansLExport() {
        QFETCH(QString, indicatif);
        QFETCH(QString, dpt);
        QFETCH(QString, attendu);
        const auto pays = swl::Fichier_Pays::Lit("France: 14: 27: EU: 46: -2: -1: F:\n F;\n"
                                                 "Corsica: 15: 28: EU: 42: -9: -1: TK:\n TK;\n"
                                                 "Fed. Rep. of Germany: 14: 28: EU: 51: -10: -1: DL:\n DL;\n"
                                                 "Italy: 15: 28: EU: 42: -12: -1: I:\n I;\n"
                                                 "Sicily: 15: 28: EU: 37: -14: -1: *IT9:\n IT9;\n");
        QVERIFY(pays);
        Entete_Export e = Entete();
        e.pays = &*pays;
        const QString l = Ligne(indicatif, u"01/06/08"_s, u"15:25"_s, u"7.0 Mhz"_s, u"SSB"_s, QString(),
                                QString(), dpt, false);
        const QString adi = QString::fromLatin1(Exporte_ADI(Lignes_Log(Octets_Log({l})), e));
        const QString champs = adi.section(u"<QSL_RCVD:1>N "_s, 1).section(u"<MY_RIG"_s, 0, 0).trimmed();
        QCOMPARE(champs, attendu);
        // Read back, the line is the same.
        Dossier_Test d;
        const Fichier_Log log(d.repertoire, u"F1ABC"_s);
        QVERIFY(log.Cree_Log());
        QCOMPARE(Importe_ADIF(log, adi.toLatin1(), false).ajoutes, 1);
        QCOMPARE(d.Lit(u"F1ABC_SWL.log"_s), Octets_Log({l}));
    }

    void adxAvecTextesInternationaux() {
        const QString l = Ligne(u"F6ABC"_s, u"01/06/08"_s, u"15:25"_s, u"7.0 Mhz"_s, u"SSB"_s, u"René"_s,
                                u"Saint-Étienne"_s, u"75"_s, false);
        const QString adx = QString::fromUtf8(Exporte_ADX(Lignes_Log(Octets_Log({l})), Entete()));
        QVERIFY(adx.contains(u"<NAME>RENE</NAME>"_s));
        QVERIFY(adx.contains(u"<NAME_INTL>RENÉ</NAME_INTL>"_s));
        QVERIFY(adx.contains(u"<QTH_INTL>SAINT-ÉTIENNE</QTH_INTL>"_s));
        QVERIFY(adx.contains(u"<APP PROGRAMID=\"ORBELSWL\" FIELDNAME=\"CALL_B\" TYPE=\"S\">F5XYZ</APP>"_s));
        QVERIFY(!adx.contains(u"FIELDNAME=\"PRENOM\""_s));
        QVERIFY(adx.contains(u"<STATE>75</STATE>"_s));
    }

    // Our own export read back gives the very same log, byte for byte.
    void allerRetour_data() {
        QTest::addColumn<bool>("adx");
        QTest::newRow("ADI") << false;
        QTest::newRow("ADX") << true;
    }
    void allerRetour() {
        QFETCH(bool, adx);
        QStringList lignes = Log_Complet();
        // A hand-edited line: a 31st of February, a lower-case QTH, spaces before a callsign.
        QString main = Ligne(u" F9ZZ"_s, u"31/02/09"_s, u"23:59"_s, u"14 Mhz"_s, u"CW"_s);
        main.replace(82, 5, u"paris"_s);
        lignes << main;
        // A damaged or hand-written line without station A's callsign.
        lignes << Ligne(u""_s, u"31/12/09"_s, u"23:59"_s, u"14 Mhz"_s, u"CW"_s);
        const QByteArray avant = Octets_Log(lignes);
        const QByteArray fichier =
            adx ? Exporte_ADX(Lignes_Log(avant), Entete()) : Exporte_ADI(Lignes_Log(avant), Entete());
        Dossier_Test d;
        d.Ecrit(Fichier_Log::Nom_Log(Indicatif), {});
        const Bilan_Import b = Importe_ADIF(Fichier_Log(d.repertoire, Indicatif), fichier, adx);
        QVERIFY2(b.refus.isEmpty(), qPrintable(b.refus.isEmpty() ? QString() : b.refus.first().second));
        QCOMPARE(b.arret, QString());
        QVERIFY(b.ecriture);
        QCOMPARE(b.ajoutes, lignes.size());
        QCOMPARE(b.modes_dig, 0);
        QCOMPARE(d.Lit(Fichier_Log::Nom_Log(Indicatif)), avant);
        // The same file again adds nothing.
        const Bilan_Import encore = Importe_ADIF(Fichier_Log(d.repertoire, Indicatif), fichier, adx);
        QCOMPARE(encore.ajoutes, 0);
        QCOMPARE(encore.deja_la, lignes.size());
        QCOMPARE(d.Lit(Fichier_Log::Nom_Log(Indicatif)), avant);
    }

    // Damaged lines the import could not give back are left out of our own file and named;
    // every other line comes back byte for byte.
    void lignesAbimeesEcartees_data() { allerRetour_data(); }
    void lignesAbimeesEcartees() {
        QFETCH(bool, adx);
        const QStringList bonnes = Log_Complet();
        QString sans_heure = Ligne(u"F1AA"_s, u"01/02/09"_s, u""_s, u"14 Mhz"_s, u"CW"_s);
        QString controle = Ligne(u"F1BB"_s, u"01/02/09"_s, u"10:00"_s, u"14 Mhz"_s, u"CW"_s);
        controle[84] = QChar(0x01);
        const QStringList abimees = {u"F6ABC"_s + QString(109, u' '), sans_heure, u"F6ABC  12/13/14"_s,
                                     controle};
        QStringList lignes = bonnes.mid(0, 5) + abimees + bonnes.mid(5);
        QByteArray avant;
        for (const QString& l : lignes) {
            avant += Encode_1252(l) + "\r\n";
        }
        QList<int> ecartees;
        const QByteArray fichier = adx ? Exporte_ADX(Lignes_Log(avant), Entete(), &ecartees)
                                       : Exporte_ADI(Lignes_Log(avant), Entete(), &ecartees);
        QCOMPARE(ecartees, (QList<int>{6, 7, 8, 9}));
        Dossier_Test d;
        d.Ecrit(Fichier_Log::Nom_Log(Indicatif), {});
        const Bilan_Import b = Importe_ADIF(Fichier_Log(d.repertoire, Indicatif), fichier, adx);
        QVERIFY(b.refus.isEmpty());
        QCOMPARE(b.ajoutes, bonnes.size());
        QCOMPARE(d.Lit(Fichier_Log::Nom_Log(Indicatif)), Octets_Log(bonnes));
    }

    // A large file read in two halves at once gives what reading it whole gives: the same
    // records in the same order and numbers, even when its middle falls inside a value, the file
    // is not UTF-8 or its end is damaged.
    void lectureEnDeuxMoities_data() {
        QTest::addColumn<QByteArray>("fichier");
        QTest::addColumn<bool>("en_deux");
        const auto enregistrement = [](int i, const QByteArray& date = "20240101") -> QByteArray {
            const QByteArray call = "F" + QByteArray::number(i);
            return "<CALL:" + QByteArray::number(call.size()) + ">" + call + " <QSO_DATE:8>" + date +
                   " <TIME_ON:4>1200 <BAND:3>40m <MODE:3>SSB <COMMENT:300>" + QByteArray(300, 'c') +
                   " <EOR>\r\n";
        };
        QByteArray moitie;
        for (int i = 1; moitie.size() < adif::Taille_Lecture_En_Deux; ++i) {
            moitie += enregistrement(i, i == 7 ? "20241301" : "20240101");
        }
        QByteArray seconde;
        for (int i = 1; seconde.size() < adif::Taille_Lecture_En_Deux; ++i) {
            seconde += enregistrement(100000 + i, i == 5 ? "19491231" : "20240101");
        }
        QTest::newRow("deux moitiés") << "<ADIF_VER:5>3.1.6 <EOH>\r\n" + moitie + seconde << true;
        const QByteArray piege = "<CALL:5>F9EOR <QSO_DATE:8>20240101 <TIME_ON:4>1200 <BAND:3>40m <MODE:3>SSB "
                                 "<COMMENT:200>" +
                                 QByteArray(200 / 5, 'x').replace("x", "<EOR>") + " <EOR>\r\n";
        QTest::newRow("milieu dans une valeur") << moitie + piege + moitie << false;
        QTest::newRow("Windows-1252") << moitie +
                                             "<CALL:4>F\xC9\xC9"
                                             "A <EOR>\r\n" +
                                             seconde
                                      << false;
        QTest::newRow("fin abîmée") << moitie + seconde + "<CALL:4>F9ZZ" << false;
        // Lengths in bytes, as most loggers write them, in both halves.
        QByteArray octets;
        for (int i = 1; octets.size() < 2 * adif::Taille_Lecture_En_Deux; ++i) {
            octets +=
                "<NAME:10>Frédéric<QTH:5>Sète<CALL:" + QByteArray::number(QByteArray::number(i).size() + 1) +
                ">F" + QByteArray::number(i) +
                " <QSO_DATE:8>20240101 <TIME_ON:4>1200 <BAND:3>40m <MODE:3>SSB <COMMENT:300>" +
                QByteArray(300, 'c') + " <EOR>\r\n";
        }
        QTest::newRow("longueurs en octets") << octets << true;
    }
    void lectureEnDeuxMoities() {
        QFETCH(QByteArray, fichier);
        QFETCH(bool, en_deux);
        if (en_deux && std::thread::hardware_concurrency() < 2) {
            QSKIP("one core: the file is read whole");
        }
        // What reading the whole file gives: each record's number and callsign.
        QStringList entier;
        const Lecture_ADIF seul = adif::Parcourt_ADI(fichier, {}, [&](Enregistrement_ADIF& e) {
            entier << QString::number(e.numero) + u' ' +
                          e.Trouve(u"CALL"_s).value_or(QStringView()).toString();
        });
        std::array<QStringList, 2> parties;
        int recommence = 0;
        const adif::Lecture_En_Deux l = adif::Parcourt_ADI_En_Deux(
            fichier, {},
            [&](int partie, Enregistrement_ADIF& e) {
                parties[std::size_t(partie)] << QString::number(e.numero) + u' ' +
                                                    e.Trouve(u"CALL"_s).value_or(QStringView()).toString();
            },
            [&] {
                ++recommence;
                parties = {};
            });
        QCOMPARE(recommence, en_deux ? 0 : 1);
        QCOMPARE(parties[1].isEmpty(), !en_deux);
        QStringList ensemble = parties[0];
        for (const QString& r : parties[1]) {
            const qsizetype espace = r.indexOf(u' ');
            ensemble << QString::number(r.left(espace).toInt() + l.premiers) + r.mid(espace);
        }
        QCOMPARE(ensemble, entier);
        QCOMPARE(l.lecture.arret, seul.arret);
        // No value ran into the callsign after it.
        for (const QString& e : entier) {
            QVERIFY2(!e.section(u' ', 1).isEmpty(), qPrintable(e));
        }
    }

    // Lengths in characters (as ADIF says) or in UTF-8 bytes (as most loggers write them): the
    // one that ends at a tag, a blank or the record's end; neither: the record refused, never a
    // value spilling into the next field.
    void longueursEnOctetsOuCaracteres_data() {
        QTest::addColumn<QByteArray>("enregistrement");
        QTest::addColumn<QString>("prenom");
        QTest::addColumn<QString>("qth");
        QTest::addColumn<QString>("refus");
        QTest::newRow("octets, collés") << QByteArray("<NAME:10>Frédéric<QTH:5>Sète<CALL:5>F6ABC")
                                        << u"Frédéric"_s << u"Sète"_s << QString();
        QTest::newRow("octets, blancs") << QByteArray("<NAME:10>Frédéric <QTH:13>Saint-Étienne <CALL:5>F6ABC")
                                        << u"Frédéric"_s << u"Saint-Étienne"_s << QString();
        QTest::newRow("caractères, collés") << QByteArray("<NAME:8>Frédéric<QTH:4>Sète<CALL:5>F6ABC")
                                            << u"Frédéric"_s << u"Sète"_s << QString();
        QTest::newRow("caractères, blancs")
            << QByteArray("<NAME:8>Frédéric <QTH:13>Saint-Étienne <CALL:5>F6ABC") << u"Frédéric"_s
            << u"Saint-Étienne"_s << QString();
        QTest::newRow("caractères, fin d'enregistrement")
            << QByteArray("<CALL:5>F6ABC <QTH:4>Sète<EOR>") << QString() << u"Sète"_s << QString();
        QTest::newRow("octets, fin du fichier")
            << QByteArray("<CALL:5>F6ABC <QTH:5>Sète") << QString() << u"Sète"_s << QString();
        QTest::newRow("ni l'un ni l'autre")
            << QByteArray("<NAME:7>Frédéric<CALL:5>F6ABC") << QString() << QString()
            << u"la longueur du champ «\u00A0NAME:7\u00A0» ne tombe sur la fin de sa valeur ni en caractères "
               u"ni en "
               u"octets"_s;
    }
    void longueursEnOctetsOuCaracteres() {
        QFETCH(QByteArray, enregistrement);
        QFETCH(QString, prenom);
        QFETCH(QString, qth);
        QFETCH(QString, refus);
        const Lecture_ADIF l = Lit_ADI("<EOH>\r\n" + enregistrement + "<EOR>\r\n<CALL:5>F6XYZ<EOR>\r\n");
        QCOMPARE(l.enregistrements.size(), 2);
        const Enregistrement_ADIF& e = l.enregistrements[0];
        QCOMPARE(e.refus, refus);
        if (refus.isEmpty()) {
            QCOMPARE(e.Trouve(u"NAME"_s).value_or(QStringView()).trimmed().toString(), prenom);
            QCOMPARE(e.Trouve(u"QTH"_s).value_or(QStringView()).trimmed().toString(), qth);
            QCOMPARE(e.Trouve(u"CALL"_s).value_or(QStringView()).toString(), u"F6ABC"_s);
        }
        QCOMPARE(l.enregistrements[1].Trouve(u"CALL"_s).value_or(QStringView()).toString(), u"F6XYZ"_s);
    }

    // Station B from the comment other programs write; the CB's "11m"; a file of no record.
    void stationBDuCommentaire_data() {
        QTest::addColumn<QString>("commentaire");
        QTest::addColumn<QString>("station_b");
        QTest::newRow("notre export") << u"en QSO avec LU1WA"_s << u"LU1WA"_s;
        QTest::newRow("anglais, minuscules") << u"heard QSO with lu1wa 59"_s << u"LU1WA"_s;
        QTest::newRow("wkd, portable") << u"SWL: wkd EA3AAA/P tnx"_s << u"EA3AAA/P"_s;
        QTest::newRow("dans un mot") << u"awkd LU1WA"_s << QString();
        QTest::newRow("pas un indicatif") << u"QSO with nobody"_s << QString();
        QTest::newRow("rien") << u"59 from Paris"_s << QString();
    }
    void stationBDuCommentaire() {
        QFETCH(QString, commentaire);
        QFETCH(QString, station_b);
        QCOMPARE(Station_B_Du_Commentaire(commentaire), station_b);
        Dossier_Test d;
        d.Ecrit(Fichier_Log::Nom_Log(Indicatif), {});
        const Bilan_Import b = Importe_ADIF(Fichier_Log(d.repertoire, Indicatif),
                                            Adi({Qso(u"F6ABC"_s) + Champ(u"COMMENT"_s, commentaire)}), false);
        QCOMPARE(b.ajoutes, 1);
        QCOMPARE(Decode_1252(d.Lit(Fichier_Log::Nom_Log(Indicatif))).mid(13, 12).trimmed(), station_b);
        QCOMPARE(Texte_Bilan(b, u"x.adi"_s, 20).contains(u"1 QSO sans station B"_s), station_b.isEmpty());
    }

    void fichierSansEnregistrement_data() {
        QTest::addColumn<QByteArray>("fichier");
        QTest::newRow("vide") << QByteArray();
        QTest::newRow("en-tête seul") << QByteArray("Journal de F6ABC\r\n<ADIF_VER:5>3.1.6<EOH>\r\n");
        QTest::newRow("texte") << QByteArray("Bonjour, voici mon journal.\r\n");
    }
    void fichierSansEnregistrement() {
        QFETCH(QByteArray, fichier);
        Dossier_Test d;
        d.Ecrit(Fichier_Log::Nom_Log(Indicatif), {});
        const Bilan_Import b = Importe_ADIF(Fichier_Log(d.repertoire, Indicatif), fichier, false);
        QCOMPARE(
            Texte_Bilan(b, u"x.adi"_s, 20),
            u"Import du fichier «\u00A0x.adi\u00A0»\u00A0:\r\nRien n'a été ajouté au journal\u00A0: aucun "
            u"enregistrement ADIF dans ce fichier."_s);
        QCOMPARE(Bande_De_ADIF(u"11M"_s), u"27 Mhz"_s);
    }

    // Files as other programs write them.
    void formesDesAutresProgrammes_data() {
        QTest::addColumn<QByteArray>("fichier");
        QTest::addColumn<int>("ajoutes");
        QTest::addColumn<QString>("arret");
        const QString qso = Qso(u"f6abc"_s);
        QTest::newRow("balises en minuscules, sans en-tête")
            << QByteArray("<call:5>f6abc<qso_date:8>20080601<time_on:6>152530<band:3>40M<mode:3>ssb<eor>\n")
            << 1 << u""_s;
        QTest::newRow("marque d'ordre des octets")
            << QByteArray("\xEF\xBB\xBF") + Adi({qso}, "Mon logiciel\n<adif_ver:5>3.1.0 <eoh>\n") << 1
            << u""_s;
        QTest::newRow("commentaires entre les enregistrements")
            << Adi({qso + u"\r\nun commentaire libre\r\n"_s, u"-- encore --\r\n"_s + Qso(u"F6DEF"_s)}) << 2
            << u""_s;
        QTest::newRow("USERDEF et APP d'un autre programme")
            << Adi({qso + Champ(u"USERDEF1"_s, u"x"_s) + Champ(u"APP_LOGGER32_CALL_B"_s, u"ZZZ"_s) +
                    u"<APP_N1MM_RADIO:1:N>1"_s},
                   "x\n<USERDEF1:8:S>EPC<EOH>\n")
            << 1 << u""_s;
        QTest::newRow("LF seuls") << Adi({qso}).replace("\r\n", "\n") << 1 << u""_s;
        QTest::newRow("dernier enregistrement tronqué")
            << Adi({qso, Qso(u"F6DEF"_s)}) + Qso(u"F6GHI"_s).left(30).toUtf8() << 2
            << u"le fichier se termine au milieu de l'enregistrement n° 3"_s;
        QTest::newRow("dernier sans EOR")
            << Adi({qso}) + Qso(u"F6GHI"_s).toUtf8() << 1
            << u"le dernier enregistrement (n° 2) n'est pas terminé par <EOR>"_s;
        QTest::newRow("longueur illisible sans fin d'enregistrement")
            << Adi({qso}) + "<CALL:x>F6" << 1
            << u"l'enregistrement n° 2 contient un champ illisible «\u00A0<CALL:x>\u00A0»"_s;
    }
    void formesDesAutresProgrammes() {
        QFETCH(QByteArray, fichier);
        QFETCH(int, ajoutes);
        QFETCH(QString, arret);
        Dossier_Test d;
        d.Ecrit(Fichier_Log::Nom_Log(Indicatif), {});
        const Bilan_Import b = Importe_ADIF(Fichier_Log(d.repertoire, Indicatif), fichier, false);
        QCOMPARE(b.arret, arret);
        QCOMPARE(b.ajoutes, ajoutes);
        QVERIFY(b.refus.isEmpty());
        const QString premiere = Decode_1252(Decoupe_Lignes(d.Lit(Fichier_Log::Nom_Log(Indicatif))).value(0));
        QVERIFY2(premiere.startsWith(u"F6ABC        "_s), qPrintable(premiere));
        QCOMPARE(premiere.mid(47, 14), u"01/06/08 15:25"_s);
        QCOMPARE(premiere.mid(62, 11), u"SSB 7.0 Mhz"_s);
        QCOMPARE(premiere.size(), Largeur_Ligne_Log);
    }

    // A record of another program: every field in its column.
    void enregistrementEtranger() {
        Enregistrement_ADIF e;
        const QList<std::pair<QString, QString>> champs = {
            {u"CALL"_s, u"tk5ab"_s},
            {u"QSO_DATE"_s, u"19991231"_s},
            {u"TIME_ON"_s, u"2359"_s},
            {u"FREQ"_s, u"27.205"_s},
            {u"MODE"_s, u"JT65"_s},
            {u"RST_RCVD"_s, u"-15dB"_s},
            {u"NAME"_s, u"Ange-Marie Dominique"_s},
            {u"QTH_INTL"_s, u" Ajaccio, Corse du Sud, près de la mer "_s},
            {u"QTH"_s, u"Ajaccio"_s},
            {u"QSL_RCVD"_s, u"y"_s},
            {u"STATE"_s, u"2A"_s},
            {u"DXCC"_s, u"214"_s}};
        for (const auto& [nom, valeur] : champs) {
            e.Fixe(nom, valeur);
        }
        const Conversion_ADIF c = Ligne_De_Enregistrement(e);
        QCOMPARE(c.refus, QString());
        QVERIFY(c.mode_dig);
        QCOMPARE(c.coupes, 3);
        QCOMPARE(c.ligne,
                 u"TK5AB                     2a   ANGE-MARIE DOMI 31/12/99 23:59 DIG 27 Mhz  -15     "
                 u"AJACCIO, CORSE DU SUD, PRÈS DE *"_s);
        // STATE of another entity is no French department.
        e.Fixe(u"DXCC"_s, u"339"_s);
        QCOMPARE(Ligne_De_Enregistrement(e).ligne.mid(26, 2), u"  "_s);
    }

    void refus_data() {
        QTest::addColumn<QString>("enregistrement");
        QTest::addColumn<QString>("raison");
        QTest::newRow("sans indicatif")
            << Champ(u"QSO_DATE"_s, u"20080601"_s) + Champ(u"TIME_ON"_s, u"1200"_s)
            << u"pas d'indicatif de station (CALL)"_s;
        QTest::newRow("indicatif de 13")
            << Qso(u"F6ABCDEFGHIJK"_s)
            << u"indicatif de plus de 12 caractères («\u00A0F6ABCDEFGHIJK\u00A0»)"_s;
        QTest::newRow("sans date") << Champ(u"CALL"_s, u"F6A"_s) + Champ(u"TIME_ON"_s, u"1200"_s)
                                   << u"pas de date (QSO_DATE)"_s;
        QTest::newRow("date illisible")
            << Qso(u"F6A"_s, u"20080231"_s) << u"date illisible (QSO_DATE «\u00A020080231\u00A0»)"_s;
        QTest::newRow("1949") << Qso(u"F6A"_s, u"19491231"_s)
                              << u"année 1949 hors de 1950 à 2049 (le journal ne garde que deux chiffres)"_s;
        QTest::newRow("2050") << Qso(u"F6A"_s, u"20500101"_s)
                              << u"année 2050 hors de 1950 à 2049 (le journal ne garde que deux chiffres)"_s;
        QTest::newRow("heure") << Qso(u"F6A"_s, u"20080601"_s, u"2460"_s)
                               << u"heure illisible (TIME_ON «\u00A02460\u00A0»)"_s;
        QTest::newRow("60 m") << Qso(u"F6A"_s, u"20080601"_s, u"1200"_s, u"60m"_s)
                              << u"bande que le journal n'a pas (BAND «\u00A060m\u00A0»)"_s;
        QTest::newRow("fréquence hors bande")
            << Champ(u"CALL"_s, u"F6A"_s) + Champ(u"QSO_DATE"_s, u"20080601"_s) +
                   Champ(u"TIME_ON"_s, u"1200"_s) + Champ(u"FREQ"_s, u"5.357"_s)
            << u"fréquence hors des bandes du journal (FREQ «\u00A05.357\u00A0» MHz)"_s;
        QTest::newRow("sans bande") << Champ(u"CALL"_s, u"F6A"_s) + Champ(u"QSO_DATE"_s, u"20080601"_s) +
                                           Champ(u"TIME_ON"_s, u"1200"_s)
                                    << u"pas de bande (ni BAND ni FREQ)"_s;
        QTest::newRow("caractère hors du journal")
            << Qso(u"F6A"_s) + Champ(u"NAME_INTL"_s, u"Łukasz"_s)
            << u"caractère que le journal ne peut pas enregistrer («\u00A0Ł\u00A0»)"_s;
    }
    void refus() {
        QFETCH(QString, enregistrement);
        QFETCH(QString, raison);
        Dossier_Test d;
        const QByteArray avant =
            Octets_Log({Ligne(u"F1X"_s, u"01/01/08"_s, u"10:00"_s, u"7.0 Mhz"_s, u"SSB"_s)});
        d.Ecrit(Fichier_Log::Nom_Log(Indicatif), avant);
        const Bilan_Import b =
            Importe_ADIF(Fichier_Log(d.repertoire, Indicatif), Adi({Qso(u"F6OK"_s), enregistrement}), false);
        QCOMPARE(b.ajoutes, 1);
        QCOMPARE(b.refus.size(), 1);
        QCOMPARE(b.refus[0].first, 2);
        QCOMPARE(b.refus[0].second, raison);
        QVERIFY(Texte_Bilan(b, u"x.adi"_s, 20).contains(u"  n° 2\u00A0: "_s + raison));
    }

    // Files a user may be sent: each bad record is refused with a short, visible reason, the
    // others are added, and nothing is copied beyond what a field may hold.
    void recordsHostiles_data() {
        QTest::addColumn<QByteArray>("fichier");
        QTest::addColumn<QList<int>>("refuses");
        QTest::addColumn<QStringList>("raisons");
        QTest::addColumn<int>("ajoutes");
        const QByteArray bon = Adi({Qso(u"F6OK"_s)});
        const QString x40 = QString(40, u'X');
        QTest::newRow("indicatif de 50 Mo")
            << bon + "<CALL:52428800>" + QByteArray(52428800, 'X') + Adi({Qso(u"F6Z"_s).mid(11)}, {}) +
                   Adi({Qso(u"F6Y"_s)}, {})
            << QList<int>{2}
            << QStringList{u"champ CALL de 52\u00A0428\u00A0800 caractères, plus que les 255 qu'un champ peut avoir"_s}
            << 2;
        QTest::newRow("indicatif de 200 caractères")
            << bon + Adi({Qso(QString(200, u'X'))}, {}) << QList<int>{2}
            << QStringList{u"indicatif de plus de 12 caractères («\u00A0"_s + x40 +
                           u"… (200 caractères)\u00A0»)"_s}
            << 1;
        QTest::newRow("long commentaire d'un autre programme")
            << bon + Adi({Qso(u"F6Z"_s) + Champ(u"NOTES"_s, QString(100000, u'n'))}, {}) << QList<int>{}
            << QStringList{} << 2;
        QTest::newRow("longueur de 20 chiffres")
            << bon + "<CALL:12345678901234567890>F6X<EOR>\r\n" + Adi({Qso(u"F6Z"_s)}, {}) << QList<int>{2}
            << QStringList{u"la longueur du champ «\u00A0CALL:12345678901234567890\u00A0» dépasse la fin du fichier"_s}
            << 2;
        QTest::newRow("longueur illisible")
            << bon + "<CALL:x>F6<EOR>" + Adi({Qso(u"F6Z"_s)}, {}) << QList<int>{2}
            << QStringList{u"champ illisible «\u00A0<CALL:x>\u00A0»"_s} << 2;
        QTest::newRow("caractères de contrôle")
            << bon + Adi({Qso(u"F6A"_s, u"20080602"_s) + Champ(u"QTH"_s, u"RUE 1\r\nRUE 2"_s),
                          Qso(u"F6B"_s, u"20080603"_s) + Champ(u"NAME"_s, QString(u"JE\0AN"_s)),
                          Qso(u"F6C"_s, u"20080604"_s) + Champ(u"NAME"_s, u"\a\f"_s)},
                         {})
            << QList<int>{2, 3, 4}
            << QStringList{u"caractère que le journal ne peut pas enregistrer («\u00A0\\x0D\u00A0»)"_s,
                           u"caractère que le journal ne peut pas enregistrer («\u00A0\\x00\u00A0»)"_s,
                           u"caractère que le journal ne peut pas enregistrer («\u00A0\\x07\u00A0»)"_s}
            << 1;
        QTest::newRow("date de nos champs illisible")
            << bon + Adi({Qso(u"F6A"_s, u"20080602"_s) + Champ(u"APP_ORBELSWL_DATE"_s, u"xx/06/08"_s),
                          Qso(u"F6B"_s, u"20080603"_s) + Champ(u"APP_ORBELSWL_BANDE"_s, u"14 Mhz et plus"_s),
                          Qso(u"F6C"_s, u"20080604"_s)},
                         {})
            << QList<int>{2, 3}
            << QStringList{u"date ou heure que le journal ne peut pas classer («\u00A0xx/06/08\u00A0» «\u00A015:25\u00A0»)"_s,
                           u"APP_ORBELSWL_BANDE plus long que sa colonne de 7 caractères («\u00A014 Mhz et plus\u00A0»)"_s}
            << 2;
        QTest::newRow("mode de son seul sous-mode")
            << Adi({Champ(u"CALL"_s, u"F6A"_s) + Champ(u"QSO_DATE"_s, u"20080601"_s) +
                        Champ(u"TIME_ON"_s, u"1200"_s) + Champ(u"BAND"_s, u"40m"_s) +
                        Champ(u"SUBMODE"_s, u"USB"_s),
                    Champ(u"CALL"_s, u"F6B"_s) + Champ(u"QSO_DATE"_s, u"20080601"_s) +
                        Champ(u"TIME_ON"_s, u"1201"_s) + Champ(u"BAND"_s, u"40m"_s)})
            << QList<int>{2} << QStringList{u"pas de mode (MODE)"_s} << 1;
    }
    void recordsHostiles() {
        QFETCH(QByteArray, fichier);
        QFETCH(QList<int>, refuses);
        QFETCH(QStringList, raisons);
        QFETCH(int, ajoutes);
        for (const Enregistrement_ADIF& e : Lit_ADI(fichier).enregistrements) {
            for (const auto& [nom, valeur] : e.champs) {
                QVERIFY(valeur.size() <= Longueur_Maximale_Champ);
            }
        }
        Dossier_Test d;
        d.Ecrit(Fichier_Log::Nom_Log(Indicatif), {});
        const Bilan_Import b = Importe_ADIF(Fichier_Log(d.repertoire, Indicatif), fichier, false);
        QCOMPARE(b.arret, QString());
        QCOMPARE(b.ajoutes, ajoutes);
        QList<int> numeros;
        QStringList lues;
        for (const auto& [numero, raison] : b.refus) {
            numeros << numero;
            lues << raison;
        }
        QCOMPARE(numeros, refuses);
        QCOMPARE(lues, raisons);
        QVERIFY(Texte_Bilan(b, u"x.adi"_s, 20).size() < 1000);
        QVERIFY(Octets_Rapport_Import(b, u"x.adi"_s).size() < 1000);
    }

    // A record with no mode but a submode takes the mode the submode belongs to.
    void modeDuSousMode_data() {
        QTest::addColumn<QString>("sous_mode");
        QTest::addColumn<QString>("mode");
        QTest::newRow("USB") << u"USB"_s << u"USB"_s;
        QTest::newRow("LSB") << u"lsb"_s << u"LSB"_s;
        QTest::newRow("FT4") << u"FT4"_s << u"FT4"_s;
        QTest::newRow("JS8, un autre numérique") << u"JS8"_s << u"DIG"_s;
    }
    void modeDuSousMode() {
        QFETCH(QString, sous_mode);
        QFETCH(QString, mode);
        const Lecture_ADIF l = Lit_ADI(Adi({Champ(u"CALL"_s, u"F6A"_s) + Champ(u"QSO_DATE"_s, u"20080601"_s) +
                                            Champ(u"TIME_ON"_s, u"1200"_s) + Champ(u"BAND"_s, u"40m"_s) +
                                            Champ(u"SUBMODE"_s, sous_mode)}));
        QCOMPARE(Ligne_De_Enregistrement(l.enregistrements.value(0)).ligne.mid(62, 3).trimmed(), mode);
    }

    // An XML entity of the file's own would let 300 KB grow into a 20-million-character
    // callsign: a DTD or such an entity stops the reading, in French.
    void adxSansDTDNiEntite_data() {
        QTest::addColumn<QByteArray>("fichier");
        QTest::addColumn<QString>("arret");
        QByteArray bombe = "<?xml version=\"1.0\"?>\n<!DOCTYPE ADX [<!ENTITY e \"" + QByteArray(4000, 'A') +
                           "\">]>\n<ADX><RECORDS><RECORD><CALL>";
        for (int i = 0; i < 5000; ++i) {
            bombe += "&e;";
        }
        bombe += "</CALL></RECORD></RECORDS></ADX>";
        QTest::newRow("entité amplifiée") << bombe
                                          << u"le fichier est illisible à la ligne 2, dans l'enregistrement "
                                             u"n° 1 (le fichier déclare une DTD "
                                             u"(<!DOCTYPE …>), ce qu'un fichier ADX ne fait pas)"_s;
        QTest::newRow("entité non déclarée")
            << QByteArray(
                   "<?xml version=\"1.0\"?>\n<ADX><RECORDS><RECORD><CALL>&x;</CALL></RECORD></RECORDS></ADX>")
            << u"le fichier est illisible à la ligne 2, dans l'enregistrement n° 1 (le fichier utilise "
               u"l'entité "
               u"XML «\u00A0&x;\u00A0», ce qu'un fichier ADX ne fait pas)"_s;
        QTest::newRow("balises croisées")
            << QByteArray(
                   "<?xml version=\"1.0\"?>\n<ADX><RECORDS><RECORD><CALL>F6A</RECORD></CALL></RECORDS></ADX>")
            << u"le fichier est illisible à la ligne 2, dans l'enregistrement n° 1 (le XML n'est pas bien formé)"_s;
        QTest::newRow("encodage inconnu")
            << QByteArray("<?xml version=\"1.0\" encoding=\"x-klingon\"?>\n<ADX></ADX>")
            << u"le fichier est écrit dans l'encodage «\u00A0x-klingon\u00A0», que ORBEL_SWL ne sait pas lire"_s;
        QTest::newRow("fin prématurée")
            << QByteArray("<?xml version=\"1.0\"?>\n<ADX><RECORDS><RECORD><CALL>F6A</CALL>")
            << u"le fichier est illisible à la ligne 2, dans l'enregistrement n° 1 (le document XML s'arrête "
               u"avant "
               u"sa fin)"_s;
    }
    void adxSansDTDNiEntite() {
        QFETCH(QByteArray, fichier);
        QFETCH(QString, arret);
        const Lecture_ADIF l = Lit_ADX(fichier);
        QCOMPARE(l.enregistrements.size(), 0);
        QCOMPARE(l.arret, arret);
        Dossier_Test d;
        d.Ecrit(Fichier_Log::Nom_Log(Indicatif), {});
        const Bilan_Import b = Importe_ADIF(Fichier_Log(d.repertoire, Indicatif), fichier, true);
        // The parser's own (English) words go to the report only.
        const QString rapport = Decode_1252(Octets_Rapport_Import(b, u"x.adx"_s));
        if (!l.detail.isEmpty()) {
            QVERIFY(!Texte_Bilan(b, u"x.adx"_s, 20).contains(l.detail));
            QVERIFY(rapport.contains(u"(Message du lecteur XML\u00A0: "_s + l.detail));
        }
    }

    // ADX as other programs write it: entities, CDATA, comments, another encoding.
    void adxDesAutresFormes_data() {
        QTest::addColumn<QByteArray>("fichier");
        QTest::addColumn<QString>("nom");
        const QByteArray fin = "<QSO_DATE>20080601</QSO_DATE><TIME_ON>1200</TIME_ON><BAND>40m</BAND>"
                               "<MODE>SSB</MODE></RECORD></RECORDS></ADX>";
        QTest::newRow("entités et référence de caractère")
            << "<?xml version=\"1.0\"?><ADX><RECORDS><RECORD><CALL>F6A</CALL><NAME>Ren&#233; &amp; "
               "Jo&#x00EB;l &lt;x&gt;</NAME>" +
                   fin
            << u"RENÉ & JOËL <X>"_s;
        QTest::newRow("CDATA, commentaire, instruction")
            << "<?xml version=\"1.0\"?><!-- journal --><ADX><RECORDS><RECORD><?pi x?><CALL>F6A</CALL>"
               "<NAME><![CDATA[A<B]]></NAME><!-- <CALL>F6B</CALL> -->" +
                   fin
            << u"A<B"_s;
        QTest::newRow("ISO-8859-1 déclaré")
            << "<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?><ADX><RECORDS><RECORD><CALL>F6A</CALL>"
               "<NAME>J\xE9r\xF4me</NAME>" +
                   fin
            << u"JÉRÔME"_s;
        QTest::newRow("élément vide et attributs entre apostrophes")
            << "<?xml version='1.0'?><ADX><HEADER/><RECORDS><RECORD><CALL>F6A</CALL><NAME/>"
               "<APP PROGRAMID='ORBELSWL' FIELDNAME='PRENOM' TYPE='S'>P&amp;Q</APP>" +
                   fin
            << u"P&Q"_s;
        QByteArray utf16 = "\xFF\xFE";
        const QString texte =
            u"<?xml version=\"1.0\"?><ADX><RECORDS><RECORD><CALL>F6A</CALL><NAME>Zoé</NAME>"_s +
            QString::fromLatin1(fin);
        utf16 += QByteArray(reinterpret_cast<const char*>(texte.utf16()), texte.size() * 2);
        QTest::newRow("UTF-16 avec marque d'ordre") << utf16 << u"ZOÉ"_s;
    }
    void adxDesAutresFormes() {
        QFETCH(QByteArray, fichier);
        QFETCH(QString, nom);
        const Lecture_ADIF l = Lit_ADX(fichier);
        QCOMPARE(l.arret, QString());
        QCOMPARE(l.enregistrements.size(), 1);
        const Conversion_ADIF c = Ligne_De_Enregistrement(l.enregistrements[0]);
        QCOMPARE(c.refus, QString());
        QCOMPARE(c.ligne.mid(31, 15).trimmed(), nom);
    }

    // Elements nested deeper than any ADX file are refused before they can fill the memory.
    void adxTropImbrique() {
        QByteArray adx = "<ADX><RECORDS><RECORD><CALL>";
        for (int i = 0; i < 100000; ++i) {
            adx += "<a>";
        }
        const Lecture_ADIF l = Lit_ADX(adx);
        QVERIFY2(l.arret.endsWith(u"(le XML n'est pas bien formé)"_s), qPrintable(l.arret));
        QCOMPARE(l.detail, u"éléments imbriqués sur plus de 64 niveaux"_s);
    }

    // Files damaged at random: never a crash, never a value longer than a field may be, and
    // the same verdict twice (run under the sanitizers by the test script).
    void fichiersAbimesAuHasard_data() {
        QTest::addColumn<bool>("adx");
        QTest::newRow("ADI") << false;
        QTest::newRow("ADX") << true;
    }
    void fichiersAbimesAuHasard() {
        QFETCH(bool, adx);
        const Lignes_Log log(Octets_Log(Log_Complet()));
        const QByteArray sain = adx ? Exporte_ADX(log, Entete()) : Exporte_ADI(log, Entete());
        QRandomGenerator hasard(20261207);
        const QByteArray pieges = adx ? QByteArray("<>&;/!?\"'#x9\xC3\xFF") : QByteArray("<>:9%\xC3\xFF\xF0");
        for (int essai = 0; essai < 1500; ++essai) {
            QByteArray f = sain.left(static_cast<qsizetype>(hasard.bounded(sain.size() + 1)));
            for (int k = hasard.bounded(1, 8); k > 0 && !f.isEmpty(); --k) {
                const auto i = static_cast<qsizetype>(hasard.bounded(f.size()));
                f[i] = pieges[hasard.bounded(pieges.size())];
            }
            const Lecture_ADIF l = adx ? Lit_ADX(f) : Lit_ADI(f);
            for (const Enregistrement_ADIF& e : l.enregistrements) {
                for (const auto& [nom, valeur] : e.champs) {
                    QVERIFY(valeur.size() <= Longueur_Maximale_Champ);
                }
                Ligne_De_Enregistrement(e);
            }
            const Lecture_ADIF encore = adx ? Lit_ADX(f) : Lit_ADI(f);
            QCOMPARE(encore.arret, l.arret);
            QCOMPARE(encore.enregistrements.size(), l.enregistrements.size());
        }
    }

    void adxChampTropLong() {
        const QByteArray adx = "<?xml version=\"1.0\"?>\n<ADX><RECORDS><RECORD><CALL>" +
                               QByteArray(300, 'X') +
                               "</CALL><QSO_DATE>20080601</QSO_DATE></RECORD></RECORDS></ADX>";
        const Lecture_ADIF l = Lit_ADX(adx);
        QCOMPARE(l.enregistrements.size(), 1);
        QCOMPARE(Ligne_De_Enregistrement(l.enregistrements[0]).refus,
                 u"champ CALL de 300 caractères, plus que les 255 qu'un champ peut avoir"_s);
        QVERIFY(l.enregistrements[0].Trouve(u"CALL"_s)->isEmpty());
    }

    // Duplicates against the log and within the file are left out; the new QSOs take their
    // place by date and time, before an entry of the same moment.
    void doublonsEtOrdre() {
        Dossier_Test d;
        const QStringList log = {Ligne(u"F1A"_s, u"01/06/08"_s, u"10:00"_s, u"7.0 Mhz"_s, u"SSB"_s),
                                 Ligne(u"F1B"_s, u"01/06/08"_s, u"15:25"_s, u"7.0 Mhz"_s, u"SSB"_s),
                                 Ligne(u"F1C"_s, u"02/06/08"_s, u"08:00"_s, u"7.0 Mhz"_s, u"SSB"_s)};
        d.Ecrit(Fichier_Log::Nom_Log(Indicatif), Octets_Log(log));
        const QByteArray fichier =
            Adi({Qso(u"F6A"_s, u"20080601"_s, u"1525"_s), Qso(u"F6A"_s, u"20080601"_s, u"1525"_s),
                 Qso(u"F6Z"_s, u"20080603"_s, u"0000"_s), Qso(u"F6Y"_s, u"20080531"_s, u"2359"_s),
                 Qso(u"F1B"_s, u"20080601"_s, u"1525"_s) + Champ(u"APP_ORBELSWL_CALL_B"_s, u"F5XYZ"_s) +
                     Champ(u"APP_ORBELSWL_MODE"_s, u"SSB"_s)});
        const Bilan_Import b = Importe_ADIF(Fichier_Log(d.repertoire, Indicatif), fichier, false);
        QCOMPARE(b.ajoutes, 3);
        QCOMPARE(b.deja_la, 2);
        QStringList indicatifs;
        const QByteArray octets = d.Lit(Fichier_Log::Nom_Log(Indicatif));
        for (const QByteArrayView l : Decoupe_Lignes(octets)) {
            indicatifs << QString::fromLatin1(l.first(12)).trimmed();
        }
        QCOMPARE(indicatifs, QStringList({u"F6Y"_s, u"F1A"_s, u"F6A"_s, u"F1B"_s, u"F1C"_s, u"F6Z"_s}));
    }

    // "Annuler", a failing write, a damaged line, the log's limit: the log stays as it was.
    void journalIntactSiRienNEstEcrit() {
        Dossier_Test d;
        const QByteArray avant =
            Octets_Log({Ligne(u"F1A"_s, u"01/06/08"_s, u"10:00"_s, u"7.0 Mhz"_s, u"SSB"_s)});
        d.Ecrit(Fichier_Log::Nom_Log(Indicatif), avant);
        const Fichier_Log log(d.repertoire, Indicatif);
        const QByteArray fichier = Adi({Qso(u"F6A"_s), Qso(u"F6B"_s, u"20080602"_s)});
        int appels = 0;
        const Bilan_Import annule =
            Importe_ADIF(log, fichier, false, [&appels](int) { return ++appels < 2; });
        QVERIFY(annule.annule);
        QCOMPARE(annule.ajoutes, 0);
        QVERIFY(Texte_Bilan(annule, u"x.adi"_s, 20)
                    .endsWith(u"Import annulé\u00A0: rien n'a été ajouté au journal."_s));
        QCOMPARE(d.Lit(Fichier_Log::Nom_Log(Indicatif)), avant);
        {
            Acces_Fichiers_Test disque;
            disque.echecs[u"renomme"_s] = 1;
            const Bilan_Import echec = Importe_ADIF(log, fichier, false);
            QVERIFY(!echec.ecriture);
            QCOMPARE(echec.ajoutes, 0);
            QVERIFY(Texte_Bilan(echec, u"x.adi"_s, 20).contains(u"Rien n'a été modifié."_s));
        }
        QCOMPARE(d.Lit(Fichier_Log::Nom_Log(Indicatif)), avant);
        const QByteArray endommage =
            avant + "F1Z          F5XYZ        7513 JEAN            xx/06/08 10:00\r\n";
        d.Ecrit(Fichier_Log::Nom_Log(Indicatif), endommage);
        const Bilan_Import ligne = Importe_ADIF(log, fichier, false);
        QVERIFY(ligne.ecriture.message.startsWith(u"La ligne 2 du journal est endommagée"_s));
        QCOMPARE(d.Lit(Fichier_Log::Nom_Log(Indicatif)), endommage);
    }

    void limiteDuJournal() {
        Dossier_Test d;
        const QByteArray l =
            Encode_1252(Ligne(u"F1A"_s, u"01/06/08"_s, u"10:00"_s, u"7.0 Mhz"_s, u"SSB"_s)) + "\r\n";
        QByteArray log;
        for (int i = 0; i < Numero_Maximal - 1; ++i) {
            log += l;
        }
        d.Ecrit(Fichier_Log::Nom_Log(Indicatif), log);
        const Bilan_Import b =
            Importe_ADIF(Fichier_Log(d.repertoire, Indicatif), Adi({Qso(u"F6A"_s), Qso(u"F6B"_s)}), false);
        QCOMPARE(b.ajoutes, 0);
        QVERIFY(b.ecriture.message.contains(u"plus que les 99\u00A0999"_s));
        // One sentence says that nothing was added, the count as French writes it.
        const QString bilan = Texte_Bilan(b, u"x.adi"_s, 20);
        QVERIFY2(bilan.contains(u"Le journal contiendrait 100\u00A0000 QSO"_s), qPrintable(bilan));
        QVERIFY(!bilan.contains(u"QSO ajouté"_s));
        QCOMPARE(bilan.count(u"Rien n'a été ajouté"_s), 1);
        QCOMPARE(d.Lit(Fichier_Log::Nom_Log(Indicatif)).size(), log.size());
    }

    void adxDUnAutreProgramme() {
        const QByteArray adx =
            "<?xml version=\"1.0\"?>\n<ADX><HEADER><ADIF_VER>3.1.0</ADIF_VER></HEADER><RECORDS>"
            "<RECORD><call>DL1ABC</call><QSO_DATE>20080601</QSO_DATE><TIME_ON>1200</TIME_ON>"
            "<BAND>20M</BAND><MODE>CW</MODE><NAME_INTL>Jürgen</NAME_INTL>"
            "<USERDEF FIELDNAME=\"EPC\">x</USERDEF>"
            "<APP PROGRAMID=\"LOG4OM\" FIELDNAME=\"CALL_B\">ZZ</APP></RECORD>"
            "<RECORD><CALL>DL2ABC</CALL><QSO_DATE>20080601</QSO_DATE><TIME_ON>1201";
        const Lecture_ADIF l = Lit_ADX(adx);
        QCOMPARE(l.enregistrements.size(), 1);
        QVERIFY2(l.arret.startsWith(u"le fichier est illisible à la ligne 2, dans l'enregistrement n° 2"_s),
                 qPrintable(l.arret));
        const Conversion_ADIF c = Ligne_De_Enregistrement(l.enregistrements[0]);
        QCOMPARE(c.ligne.left(26), u"DL1ABC                    "_s);
        QCOMPARE(c.ligne.mid(31, 15), u"JÜRGEN         "_s);
        QCOMPARE(c.ligne.mid(62, 11), u"CW  14 Mhz "_s);
    }

    void csv() {
        QString accent = Ligne(u"F6ABC"_s, u"01/06/08"_s, u"15:25"_s, u"7.0 Mhz"_s, u"SSB"_s, u"René"_s,
                               u"Lyon; \"centre\""_s, u"2a"_s, true);
        QString formule =
            Ligne(u"F6DEF"_s, u"31/12/49"_s, u"00:01"_s, u"27 Mhz"_s, u"DIG"_s, u""_s, u"=1+2"_s);
        const QByteArray c = Exporte_CSV(Lignes_Log(Octets_Log({accent, formule})));
        QCOMPARE(c,
                 QByteArray(
                     "\xEF\xBB\xBF"
                     "Indicatif A;Dpt A;RST A;Pr\xC3\xA9nom;QTH;Indicatif B;Dpt B;RST B;Date;Heure UTC;Mode;"
                     "Bande;QSL\r\n"
                     "F6ABC;2a;59;REN\xC3\x89;\"LYON; \"\"CENTRE\"\"\";F5XYZ;2b;57;2008-06-01;15:25;SSB;7.0 "
                     "Mhz;*\r\n"
                     "F6DEF;75;59;;'=1+2;F5XYZ;2b;57;2049-12-31;00:01;DIG;27 Mhz;\r\n"));
    }
};

QTEST_APPLESS_MAIN(Tst_Adif)
#include "tst_adif.moc"
