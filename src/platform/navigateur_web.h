#pragma once

#include "platform/navigateur.h"

namespace swl {

// On QtWebEngine. A page that cannot be shown (no network, unknown host, refused, an HTTP
// error) gives a short French page of ours naming the address and the reason, never the
// engine's own error page nor a blank view.
class Fabrique_Navigateur_Web final : public Fabrique_Navigateur {
public:
    Navigateur* Nouveau(QWidget* parent) override;
};

} // namespace swl
