// What the private-profile service itself costs under this Wine: the same
// requests Quillet makes for its bookkeeping records, made from the runner.
#pragma once

namespace quillet::bench {

struct ProfileCost {
    double reads = 0;   // one GetPrivateProfileStringA per record
    double writes = 0;  // one WritePrivateProfileStringA per record, same value
};

// Needs the settings file prepared with `records` records (and aged).
ProfileCost MeasureProfileCost(int records);

}  // namespace quillet::bench
