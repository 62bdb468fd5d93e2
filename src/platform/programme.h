#pragma once

namespace swl {

// Ends the program: every window closes and the event loop stops.
class Programme {
public:
    virtual ~Programme() = default;
    virtual void Termine() = 0;
};

class Programme_Qt final : public Programme {
public:
    void Termine() override;
};

} // namespace swl
