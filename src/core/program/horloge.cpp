#include "core/program/horloge.h"

namespace swl {

using namespace Qt::Literals::StringLiterals;

QString Heure_Utc(const Horloge& horloge) {
    return horloge.Maintenant_Utc().time().toString(u"HH:mm:ss"_s);
}

QString Heure_Locale(const Horloge& horloge) {
    return horloge.Maintenant_Local().time().toString(u"HH:mm:ss"_s);
}

QString Date_Utc(const Horloge& horloge) {
    return horloge.Maintenant_Utc().date().toString(u"dd/MM/yy"_s);
}

} // namespace swl
