// tolm-explore: plays every way through the story and reports; exits 1 if a rule of the story fails.
//   tolm-explore [--dot FILE]   FILE receives the scene graph for Graphviz (dot -Tpng FILE).
#include <chrono>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <string_view>

#include "tools/explore/report.h"

int main(int argc, char* argv[]) {
    const char* dotFile = nullptr;
    if (argc == 3 && std::string_view(argv[1]) == "--dot") {
        dotFile = argv[2];
    } else if (argc != 1) {
        std::fprintf(stderr, "usage: tolm-explore [--dot FILE]\n");
        return 2;
    }

    const auto start = std::chrono::steady_clock::now();
    const tolm::explore::Exploration x = tolm::explore::explore();
    const std::chrono::duration<double, std::milli> took = std::chrono::steady_clock::now() - start;
    const tolm::explore::Findings findings = tolm::explore::examine(x);
    tolm::explore::writeReport(std::cout, x, findings, took.count());

    if (dotFile) {
        std::ofstream dot(dotFile);
        tolm::explore::writeDot(dot, x, findings);
        if (!dot.flush()) {
            std::fprintf(stderr, "tolm-explore: cannot write %s\n", dotFile);
            return 2;
        }
    }
    return findings.violations.empty() ? 0 : 1;
}
