// What WSJT-X and JTDX send: datagrams read field by field, hostile ones dropped, and the
// decoded messages read into callsigns, reports and closings.
#include "core/radio/message_ft8.h"
#include "core/radio/wsjtx.h"
#include "support/wsjtx_factice.h"

#include <QRandomGenerator>
#include <QTest>

using namespace Qt::Literals::StringLiterals;
using swl::Message_FT8;
using swl::Message_WSJTX;

namespace {

// "sorte client | champs" of a message read, "-" when none.
QString Resume(const std::optional<Message_WSJTX>& m) {
    if (!m) {
        return u"-"_s;
    }
    QString t =
        QString::number(static_cast<int>(m->sorte)) + u' ' + (m->client.isNull() ? u"(nul)"_s : m->client);
    if (m->sorte == Message_WSJTX::Sorte::Etat) {
        t += u" | "_s + QString::number(m->frequence_hz) + u' ' + m->mode;
    } else if (m->sorte == Message_WSJTX::Sorte::Decode) {
        t += u" | "_s + m->heure.toString(u"HH:mm:ss.zzz"_s) + u' ' + QString::number(m->snr) + u' ' +
             QString::number(m->decalage_temps) + u' ' + QString::number(m->decalage_frequence) + u' ' +
             m->marque_mode + u' ' + m->texte + (m->faible_confiance ? u" faible"_s : u""_s) +
             (m->hors_antenne ? u" rejoué"_s : u""_s);
    }
    return t;
}

// "sorte destinataire emetteur rapport", a "?" for a hashed callsign the decoder did not know.
QString Resume(const std::optional<Message_FT8>& m) {
    if (!m) {
        return u"-"_s;
    }
    static const QStringList sortes = {u"CQ"_s,   u"2IND"_s, u"LOC"_s,  u"RAP"_s,
                                       u"RRAP"_s, u"RRR"_s,  u"RR73"_s, u"73"_s};
    QString t = sortes[static_cast<int>(m->sorte)] + u' ' +
                (m->destinataire_inconnu ? u"?"_s : m->destinataire) + u' ' +
                (m->emetteur_inconnu ? u"?"_s : m->emetteur);
    if (m->Avec_Rapport()) {
        t += u' ' + QString::number(m->rapport);
    }
    return t.simplified();
}

} // namespace

class Tst_WSJTX : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void datagrammes_data() {
        QTest::addColumn<QByteArray>("datagramme");
        QTest::addColumn<QString>("attendu");
        const QTime t(13, 2, 15, 250);
        QTest::newRow("battement") << swl_test::Battement() << u"0 WSJT-X"_s;
        QTest::newRow("battement schéma 3") << swl_test::Battement("JTDX", 3) << u"0 JTDX"_s;
        QTest::newRow("état") << swl_test::Etat(14074000, "FT8") << u"1 WSJT-X | 14074000 FT8"_s;
        QTest::newRow("état schéma 3 FT4")
            << swl_test::Etat(7047500, "FT4", "JTDX", 3) << u"1 JTDX | 7047500 FT4"_s;
        QTest::newRow("décodage") << swl_test::Decode(t, -12, "CQ F5ABC JN18")
                                  << u"2 WSJT-X | 13:02:15.250 -12 0.2 1234 ~ CQ F5ABC JN18"_s;
        QTest::newRow("décodage douteux rejoué")
            << swl_test::Decode(t, 5, "F5ABC DL1XYZ R-07", "+", "JTDX", true, true, 3)
            << u"2 JTDX | 13:02:15.250 5 0.2 1234 + F5ABC DL1XYZ R-07 faible rejoué"_s;
        QTest::newRow("texte UTF-8") << swl_test::Decode(t, 0, "73 de F5ÉAB")
                                     << u"2 WSJT-X | 13:02:15.250 0 0.2 1234 ~ 73 de F5ÉAB"_s;
        QTest::newRow("chaînes nulles") << swl_test::Decode(t, 0, QByteArray(), QByteArray(), QByteArray())
                                        << u"2 (nul) | 13:02:15.250 0 0.2 1234  "_s;
        QTest::newRow("effacement") << swl_test::Simple(3) << u"3 WSJT-X"_s;
        QTest::newRow("fermeture") << swl_test::Simple(6, "JTDX") << u"4 JTDX"_s;
        QTest::newRow("QSO enregistré : passé") << swl_test::Simple(5) << u"5 WSJT-X"_s;
        QTest::newRow("type inconnu") << swl_test::Simple(99) << u"5 WSJT-X"_s;

        QByteArray magique = swl_test::Battement();
        magique[0] = '\xac';
        QTest::newRow("autre nombre magique") << magique << u"-"_s;
        QTest::newRow("schéma 1") << swl_test::Battement("WSJT-X", 1) << u"-"_s;
        QTest::newRow("schéma 4") << swl_test::Battement("WSJT-X", 4) << u"-"_s;
        QTest::newRow("vide") << QByteArray() << u"-"_s;
        QTest::newRow("heure nulle") << swl_test::Decode(QTime(), -1, "CQ F5ABC") << u"-"_s;
        // A length of 4 GB in place of the client id.
        QByteArray long4g = swl_test::Simple(0);
        long4g.truncate(12);
        long4g += QByteArray("\xff\xff\xff\xfe", 4) + "WSJT-X";
        QTest::newRow("longueur de 4 Go") << long4g << u"-"_s;
        // The message text's length one byte past the end.
        QByteArray texte_long = swl_test::Decode(t, 1, "CQ F5ABC");
        texte_long.chop(2);
        texte_long[texte_long.size() - 9] = texte_long[texte_long.size() - 9] + 1;
        QTest::newRow("texte au-delà de la fin") << texte_long << u"-"_s;
    }
    void datagrammes() {
        QFETCH(QByteArray, datagramme);
        QFETCH(QString, attendu);
        QCOMPARE(Resume(swl::Lit_Datagramme_WSJTX(datagramme)), attendu);
    }

    // Cut anywhere before the end of what is read, a datagram is dropped whole.
    void tronques_data() {
        QTest::addColumn<QByteArray>("datagramme");
        QTest::addColumn<int>("lus"); // bytes the reader needs
        const QByteArray etat = swl_test::Etat(14074000, "FT8");
        QTest::newRow("battement") << swl_test::Battement() << 22;
        QTest::newRow("état") << etat << 22 + 8 + 7;
        const QByteArray d = swl_test::Decode(QTime(23, 59, 59), -24, "F5ABC DL1XYZ RR73");
        QTest::newRow("décodage") << d << int(d.size());
        QTest::newRow("fermeture") << swl_test::Simple(6) << 22;
    }
    void tronques() {
        QFETCH(QByteArray, datagramme);
        QFETCH(int, lus);
        for (int n = 0; n < lus; ++n) {
            QVERIFY2(!swl::Lit_Datagramme_WSJTX(QByteArrayView(datagramme).first(n)),
                     qPrintable(QString::number(n)));
        }
        QVERIFY(swl::Lit_Datagramme_WSJTX(QByteArrayView(datagramme).first(lus)));
    }

    // Random bytes, some behind a valid header: never read past the end (the sanitizer run
    // watches), and only whole messages come out.
    void hasard() {
        QRandomGenerator hasard(20261207);
        int lus = 0;
        for (int i = 0; i < 20000; ++i) {
            QByteArray d(hasard.bounded(0, 200), Qt::Uninitialized);
            for (char& c : d) {
                c = static_cast<char>(hasard.bounded(256));
            }
            if (i % 2 == 0) {
                d.prepend(swl_test::Simple(static_cast<quint32>(hasard.bounded(4)), "X").first(12));
            }
            const auto m = swl::Lit_Datagramme_WSJTX(d);
            lus += m ? 1 : 0;
            if (m && m->sorte == Message_WSJTX::Sorte::Decode) {
                QVERIFY(m->heure.isValid());
            }
        }
        QVERIFY(lus < 20000);
    }

    void messages_data() {
        QTest::addColumn<QString>("texte");
        QTest::addColumn<QString>("attendu");
        QTest::newRow("CQ") << u"CQ F5ABC"_s << u"CQ F5ABC"_s;
        QTest::newRow("CQ locator") << u"CQ F5ABC JN18"_s << u"CQ F5ABC"_s;
        QTest::newRow("CQ DX") << u"CQ DX F5ABC JN18"_s << u"CQ F5ABC"_s;
        QTest::newRow("CQ POTA sans locator") << u"CQ POTA K1ABC"_s << u"CQ K1ABC"_s;
        QTest::newRow("CQ 290") << u"CQ 290 W1AW FN31"_s << u"CQ W1AW"_s;
        QTest::newRow("CQ composé") << u"CQ EA8/F5ABC"_s << u"CQ EA8/F5ABC"_s;
        QTest::newRow("locator") << u"F5ABC DL1XYZ JO62"_s << u"LOC F5ABC DL1XYZ"_s;
        QTest::newRow("rapport") << u"DL1XYZ F5ABC -12"_s << u"RAP DL1XYZ F5ABC -12"_s;
        QTest::newRow("rapport positif") << u"DL1XYZ F5ABC +05"_s << u"RAP DL1XYZ F5ABC 5"_s;
        QTest::newRow("R-rapport") << u"F5ABC DL1XYZ R-07"_s << u"RRAP F5ABC DL1XYZ -7"_s;
        QTest::newRow("R+rapport") << u"F5ABC DL1XYZ R+10"_s << u"RRAP F5ABC DL1XYZ 10"_s;
        QTest::newRow("RRR") << u"DL1XYZ F5ABC RRR"_s << u"RRR DL1XYZ F5ABC"_s;
        QTest::newRow("RR73") << u"DL1XYZ F5ABC RR73"_s << u"RR73 DL1XYZ F5ABC"_s;
        QTest::newRow("73") << u"F5ABC DL1XYZ 73"_s << u"73 F5ABC DL1XYZ"_s;
        QTest::newRow("deux indicatifs") << u"F5ABC PJ4/K1ABC"_s << u"2IND F5ABC PJ4/K1ABC"_s;
        QTest::newRow("préfixe F/") << u"F/DL1ABC 9A1A -03"_s << u"RAP F/DL1ABC 9A1A -3"_s;
        QTest::newRow("suffixe /P") << u"2E0ABC DL1ABC/P RR73"_s << u"RR73 2E0ABC DL1ABC/P"_s;
        QTest::newRow("haché connu") << u"<PJ4/K1ABC> F5ABC R-15"_s << u"RRAP PJ4/K1ABC F5ABC -15"_s;
        QTest::newRow("haché inconnu") << u"F5ABC <...> RR73"_s << u"RR73 F5ABC ?"_s;
        QTest::newRow("marques du décodeur") << u"F5ABC DL1XYZ RR73 ? a2"_s << u"RR73 F5ABC DL1XYZ"_s;
        QTest::newRow("espaces") << u"  F5ABC   DL1XYZ  -01 "_s << u"RAP F5ABC DL1XYZ -1"_s;
        // Not a QSO message.
        QTest::newRow("texte libre") << u"TNX BOB 73 GL"_s << u"-"_s;
        QTest::newRow("texte libre de 3 mots") << u"HELLO WORLD 73"_s << u"-"_s;
        QTest::newRow("CQ sans indicatif") << u"CQ DX JN18"_s << u"-"_s;
        QTest::newRow("CQ haché") << u"CQ <...>"_s << u"-"_s;
        QTest::newRow("locator seul") << u"JN18 F5ABC -10"_s << u"-"_s;
        QTest::newRow("R seul") << u"F5ABC DL1XYZ R"_s << u"-"_s;
        QTest::newRow("rapport de 3 chiffres") << u"F5ABC DL1XYZ -123"_s << u"-"_s;
        QTest::newRow("minuscules") << u"f5abc dl1xyz -10"_s << u"-"_s;
        QTest::newRow("trop long") << u"F5ABC VP2E/DL1ABCD/P -10"_s << u"-"_s;
        QTest::newRow("caractère de contrôle") << u"F5ABC DL1\u0007XYZ -10"_s << u"-"_s;
        QTest::newRow("remplacement UTF-8") << u"F5ABC DL1\uFFFDXYZ -10"_s << u"-"_s;
        QTest::newRow("cinq mots") << u"CQ DX F5ABC JN18 X"_s << u"-"_s;
        QTest::newRow("texte de 64 Kio") << QString(65536, u'A') << u"-"_s;
        QTest::newRow("vide") << QString() << u"-"_s;
    }
    void messages() {
        QFETCH(QString, texte);
        QFETCH(QString, attendu);
        QCOMPARE(Resume(swl::Lit_Message_FT8(texte)), attendu);
    }

    void rapports_data() {
        QTest::addColumn<int>("snr");
        QTest::addColumn<QString>("attendu");
        QTest::newRow("-12") << -12 << u"-12"_s;
        QTest::newRow("+5") << 5 << u"+05"_s;
        QTest::newRow("0") << 0 << u"+00"_s;
        QTest::newRow("-24") << -24 << u"-24"_s;
        QTest::newRow("-130 borné") << -130 << u"-99"_s;
        QTest::newRow("+250 borné") << 250 << u"+99"_s;
    }
    void rapports() {
        QFETCH(int, snr);
        QFETCH(QString, attendu);
        QCOMPARE(swl::Texte_Rapport_FT8(snr), attendu);
    }
};

QTEST_APPLESS_MAIN(Tst_WSJTX)
#include "tst_wsjtx.moc"
