#pragma once

#include <QString>

namespace swl {

// Outcome of an operation that can fail: on failure, the French message to show the user.
struct Resultat {
    QString message;
    bool ok = true;

    static Resultat Succes() { return {}; }
    static Resultat Echec(QString message) { return {std::move(message), false}; }
    explicit operator bool() const { return ok; }
};

} // namespace swl
