// The prefix's "...\Internet Explorer\Main\FeatureControl" key in the states
// the feature switch's tests need, put back as it was afterwards.
#pragma once

namespace quillet::e2e {

inline constexpr char kFeatureControlPath[] = "SOFTWARE\\Microsoft\\Internet Explorer\\Main\\FeatureControl";
// Where the other feature-control keys of the prefix wait meanwhile.
inline constexpr char kFeatureControlBackupPath[] = "SOFTWARE\\QuilletE2eFeatureControlBackup";

// While this object lives, FeatureControl is absent: a write of the feature
// value has to create two keys of its path.
class FeatureControlSetAside {
public:
    // Copies FeatureControl aside (unless a run that was cut short left a
    // copy), then deletes it with everything below it.
    FeatureControlSetAside();
    // Deletes whatever FeatureControl is then and brings the copy back.
    ~FeatureControlSetAside();
    FeatureControlSetAside(const FeatureControlSetAside&) = delete;
    FeatureControlSetAside& operator=(const FeatureControlSetAside&) = delete;
};

// A write of the feature value that fails for real: while this object lives,
// FeatureControl is a volatile key, and the system refuses to create the
// non-volatile key FEATURE_HONOR_XUNSENT_IN_FILE below it
// (ERROR_CHILD_MUST_BE_VOLATILE).
class VolatileFeatureControl {
public:
    // Throws if the system does not refuse the feature key then.
    VolatileFeatureControl();

private:
    FeatureControlSetAside set_aside_;
};

}  // namespace quillet::e2e
