#pragma once

#include "core/program/horloge.h"

namespace swl {

class Horloge_Systeme final : public Horloge {
public:
    QDateTime Maintenant_Utc() const override;
    QDateTime Maintenant_Local() const override;
};

} // namespace swl
