#pragma once

#include <QString>

namespace swl {

// The embedded web browser of the cluster window.
class Navigateur {
public:
    virtual ~Navigateur() = default;
    virtual void Navigue(const QString& adresse) = 0;
};

} // namespace swl
