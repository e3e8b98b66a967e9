#include "report.h"

#include <algorithm>
#include <cstdio>

namespace quillet::bench {
namespace {

std::string Summary(const std::vector<double>& values) {
    if (values.empty()) {
        return "-";
    }
    const auto [low, high] = std::minmax_element(values.begin(), values.end());
    char text[96];
    std::snprintf(text, sizeof text, "%.1f (%.1f-%.1f)", Median(values), *low, *high);
    return text;
}

}  // namespace

double Median(std::vector<double> values) {
    if (values.empty()) {
        return 0;
    }
    std::sort(values.begin(), values.end());
    const std::size_t middle = values.size() / 2;
    return values.size() % 2 == 1 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

void PrintHeader() {
    std::printf("| measurement | A | A median (min-max) | B | B median (min-max) | A/B | target | met |\n");
    std::printf("|---|---|---|---|---|---|---|---|\n");
}

void PrintRow(const Comparison& c) {
    char ratio_text[32] = "-";
    char target[32] = "-";
    const char* met = "-";
    if (!c.b.empty() && Median(c.b) > 0) {
        const double ratio = Median(c.a) / Median(c.b);
        std::snprintf(ratio_text, sizeof ratio_text, "%.2f", ratio);
        if (c.target_ratio) {
            std::snprintf(target, sizeof target, "<= %.2f", *c.target_ratio);
            met = ratio <= *c.target_ratio ? "yes" : "**no**";
        }
    }
    std::printf("| %s [%s] | %s | %s | %s | %s | %s | %s | %s |\n", c.what.c_str(), c.unit.c_str(), c.a_name.c_str(),
                Summary(c.a).c_str(), c.b_name.c_str(), Summary(c.b).c_str(), ratio_text, target, met);
    std::fflush(stdout);
}

}  // namespace quillet::bench
