#pragma once

#include "platform/navigateur.h"

namespace swl {

// On QtWebEngine. A page that cannot be shown (no network, unknown host, refused, an HTTP
// error) gives a short French page of ours naming the address and the reason, never the
// engine's own error page nor a blank view. While the page is awaited a French loading page
// shows; a site that has not given the page after `attente_ms` is said not to answer.
class Fabrique_Navigateur_Web final : public Fabrique_Navigateur {
public:
    explicit Fabrique_Navigateur_Web(int attente_ms = 20000) : attente_ms_(attente_ms) {}
    Navigateur* Nouveau(QWidget* parent) override;

private:
    int attente_ms_;
};

} // namespace swl
