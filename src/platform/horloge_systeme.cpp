#include "platform/horloge_systeme.h"

namespace swl {

QDateTime Horloge_Systeme::Maintenant_Utc() const {
    return QDateTime::currentDateTimeUtc();
}

QDateTime Horloge_Systeme::Maintenant_Local() const {
    return QDateTime::currentDateTime();
}

} // namespace swl
