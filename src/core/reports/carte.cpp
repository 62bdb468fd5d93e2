#include "core/reports/carte.h"

#include "core/base/texte_1252.h"

namespace swl {

using namespace Qt::Literals::StringLiterals;

int Index_Marqueur(QStringView code) {
    code = code.trimmed();
    if (code.compare(u"2a", Qt::CaseInsensitive) == 0) {
        return 96;
    }
    if (code.compare(u"2b", Qt::CaseInsensitive) == 0) {
        return 97;
    }
    if (code.isEmpty() || code.size() > 2) {
        return -1;
    }
    int valeur = 0;
    for (const QChar c : code) {
        if (c < u'0' || c > u'9') {
            return -1;
        }
        valeur = valeur * 10 + (c.unicode() - '0');
    }
    return valeur;
}

Marquage Marque_Departements(const Lignes_Log& log, const QString& bande) {
    Marquage m;
    const QByteArray cle = Encode_1252(bande);
    for (int i = 0; i < log.Nombre(); ++i) {
        const QByteArrayView ligne = log.Octets(i);
        if (ligne.size() < 67 || ligne.sliced(66, qMin<qsizetype>(7, ligne.size() - 66)).trimmed() != cle) {
            continue;
        }
        const QByteArrayView dpt = ligne.sliced(26, 2);
        const int index = Index_Marqueur(QString::fromLatin1(dpt));
        if (index >= 0) {
            m.entendu[static_cast<std::size_t>(index)] = true;
        }
    }
    for (int i = 1; i < Nombre_Marqueurs; ++i) {
        m.nombre += m.entendu[static_cast<std::size_t>(i)] ? 1 : 0;
    }
    return m;
}

QList<Marqueur> Lit_Marqueurs(QByteArrayView csv) {
    QList<Marqueur> marqueurs;
    for (const QByteArrayView ligne : Decoupe_Lignes(csv)) {
        const QList<QByteArray> champs = ligne.toByteArray().split(',');
        bool ok_x = false, ok_y = false;
        if (ligne.startsWith('#') || champs.size() != 3) {
            continue;
        }
        const int x = champs[1].trimmed().toInt(&ok_x);
        const int y = champs[2].trimmed().toInt(&ok_y);
        if (ok_x && ok_y) {
            marqueurs.append({QString::fromLatin1(champs[0].trimmed()), x, y});
        }
    }
    return marqueurs;
}

QString Texte_Marqueur(int index) {
    switch (index) {
    case 0:
        return u"00"_s;
    case 20:
    case 98:
    case 99:
        return u"X"_s;
    case 96:
        return u"2a"_s;
    case 97:
        return u"2b"_s;
    default:
        return QString::number(index).rightJustified(2, u'0');
    }
}

} // namespace swl
