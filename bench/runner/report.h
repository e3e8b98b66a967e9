// The printed result: one Markdown table row per comparison A against B.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace quillet::bench {

double Median(std::vector<double> values);

struct Comparison {
    std::string what;
    std::string a_name;
    std::vector<double> a;
    std::string b_name;
    std::vector<double> b;
    std::string unit;                   // "ms", "KiB"
    std::optional<double> target_ratio;  // A/B must not exceed it
};

void PrintHeader();
void PrintRow(const Comparison& comparison);

}  // namespace quillet::bench
