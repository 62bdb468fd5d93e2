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
