#pragma once

#include <functional>

// The application's on/off switches that dialogs consult while they run. The application reads them
// from the settings at start-up and writes them back at exit; dialogs and tests may read and change
// them without an application object.
class AppSwitches {
public:
    // Completing dropdowns complete and open by themselves only while this is on.
    static bool smartSelect() { return s_smartSelect; }
    static void setSmartSelect(bool on) { s_smartSelect = on; }
    // The General page compares the bins with the bottles left only while this is on.
    static bool binWarning() { return s_binWarning; }
    static void setBinWarning(bool on) {
        s_binWarning = on;
        if (s_binWarningFollower)
            s_binWarningFollower(on);
    }
    // Told of every change of the bin warning switch, whoever makes it; an empty function for none.
    static void setBinWarningFollower(std::function<void(bool)> follower) {
        s_binWarningFollower = std::move(follower);
    }

private:
    static inline bool s_smartSelect = true;
    static inline bool s_binWarning = true;
    static inline std::function<void(bool)> s_binWarningFollower;
};
