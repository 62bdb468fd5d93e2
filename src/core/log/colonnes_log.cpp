#include "core/log/colonnes_log.h"

#include <algorithm>

namespace swl {

using namespace Qt::Literals::StringLiterals;

QByteArrayView Colonne_Log(QByteArrayView l, qsizetype debut, qsizetype largeur) {
    if (l.size() < debut) {
        return {};
    }
    return l.sliced(debut - 1, std::min(largeur, l.size() - debut + 1)).trimmed();
}

int Deux_Chiffres(QByteArrayView v, qsizetype i) {
    if (i < 0 || i + 1 >= v.size()) {
        return -1;
    }
    const char a = v[i];
    const char b = v[i + 1];
    return a >= '0' && a <= '9' && b >= '0' && b <= '9' ? (a - '0') * 10 + (b - '0') : -1;
}

int Numero_Departement(QByteArrayView v) {
    if (v.size() != 2) {
        return -1;
    }
    if (v[0] == '2' && (v[1] == 'a' || v[1] == 'A' || v[1] == 'b' || v[1] == 'B')) {
        return v[1] == 'a' || v[1] == 'A' ? 96 : 97;
    }
    const int n = Deux_Chiffres(v, 0);
    return n >= 1 && n <= 95 && n != 20 ? n : -1;
}

QString Code_Departement(int n) {
    return n == 96 ? u"2a"_s : n == 97 ? u"2b"_s : (n < 10 ? u"0"_s : QString()) + QString::number(n);
}

QDate Date_Ligne_Log(QByteArrayView l) {
    const QByteArrayView date = Colonne_Log(l, 48, 8);
    if (date.size() != 8 || date[2] != '/' || date[5] != '/') {
        return {};
    }
    const int an = Deux_Chiffres(date, 6);
    return an < 0 ? QDate()
                  : QDate(an < 50 ? 2000 + an : 1900 + an, Deux_Chiffres(date, 3), Deux_Chiffres(date, 0));
}

} // namespace swl
