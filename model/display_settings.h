#pragma once
// The two settings of the main window that shape how persons are named in lists: the birth
// surname shown for women, and the birth year after the name. The main window implements this
// over its settings; tests hand in `FixedDisplaySettings`.
class DisplaySettings {
public:
    virtual ~DisplaySettings() = default;
    virtual bool showBirthSurname() const = 0;
    virtual bool showBirth() const = 0;
};

class FixedDisplaySettings : public DisplaySettings {
public:
    explicit FixedDisplaySettings(bool birthSurname = false, bool birth = false)
        : birthSurname_(birthSurname), birth_(birth)
    {
    }
    bool showBirthSurname() const override { return birthSurname_; }
    bool showBirth() const override { return birth_; }

private:
    bool birthSurname_;
    bool birth_;
};

// The element orders that sort by display name have no way to be handed the settings, so they
// read the ones installed here (the main window installs itself at start; none means both off).
void installDisplaySettings(const DisplaySettings* settings);
const DisplaySettings& displaySettings();
