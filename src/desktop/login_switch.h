#pragma once

// Whether Pendrel starts when the user logs in, as the manager window's
// checkbox sees it. The application provides the real one.
class LoginSwitch {
public:
    virtual ~LoginSwitch() = default;
    virtual bool isEnabled() const = 0;
    virtual void set(bool enabled) = 0;
};
