#pragma once

#include <QDateTime>

namespace swl {

// The system clock, read as universal and as local time.
class Horloge {
public:
    virtual ~Horloge() = default;
    virtual QDateTime Maintenant_Utc() const = 0;
    virtual QDateTime Maintenant_Local() const = 0;
};

} // namespace swl

namespace swl {

// "hh:mm:ss" of the clock's universal time.
QString Heure_Utc(const Horloge& horloge);
// "hh:mm:ss" of the clock's local time.
QString Heure_Locale(const Horloge& horloge);
// "dd/mm/yy" of the clock's universal date.
QString Date_Utc(const Horloge& horloge);

} // namespace swl
