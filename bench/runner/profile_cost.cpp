#include "profile_cost.h"

#include <windows.h>

#include <string>

#include "clock.h"

namespace quillet::bench {
namespace {

constexpr const char* kFile = "Quillet.INI";  // a bare name, as Quillet passes it
constexpr const char* kSection = "__Dont_Touch_Me__";

std::string Key(int index) { return "Sectors_" + std::to_string(index); }

}  // namespace

ProfileCost MeasureProfileCost(int records) {
    ProfileCost cost;
    char value[1024];
    double start = NowMs();
    for (int i = 1; i <= records; ++i) {
        // The text read is not needed: only the request's cost.
        static_cast<void>(GetPrivateProfileStringA(kSection, Key(i).c_str(), "", value, sizeof value, kFile));
    }
    cost.reads = NowMs() - start;
    start = NowMs();
    for (int i = 1; i <= records; ++i) {
        static_cast<void>(WritePrivateProfileStringA(kSection, Key(i).c_str(), "a,b,c", kFile));
    }
    cost.writes = NowMs() - start;
    return cost;
}

}  // namespace quillet::bench
