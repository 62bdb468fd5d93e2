#include "core/log/indicatif.h"

namespace swl {

using namespace Qt::Literals::StringLiterals;

Controle_Indicatif Controle_Indicatif_Station(const QString& indicatif) {
    if (indicatif.isEmpty()) {
        return {u"Vous devez entrer un indicatif"_s};
    }
    if (indicatif.size() > 12) {
        return {u"12 caracteres maximum pour l'indicatif"_s};
    }
    for (const QChar c : indicatif) {
        const char16_t u = c.unicode();
        if (!((u >= 'A' && u <= 'Z') || (u >= '0' && u <= '9') || u == '_')) {
            return {u"L'indicatif ne doit comporter que des lettres des chiffres ou le signe '_' "_s, true};
        }
    }
    return {};
}

} // namespace swl
