// tolm-explore: plays every way through the story and reports; exits 1 if a rule of the story fails.
//   tolm-explore [--lang CODE] [--dot FILE]   FILE receives the scene graph for Graphviz (dot -Tpng
//   FILE); CODE plays the story in that language, which must change nothing the report says.
#include <chrono>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <string_view>

#include "content/language.h"
#include "tools/explore/report.h"

int main(int argc, char* argv[]) {
    const char* dotFile = nullptr;
    for (int i = 1; i < argc; i += 2) {
        const std::string_view option(argv[i]);
        const auto language = i + 1 < argc ? tolm::content::languageNamed(argv[i + 1]) : std::nullopt;
        if (option == "--dot" && i + 1 < argc) {
            dotFile = argv[i + 1];
        } else if (option == "--lang" && language) {
            tolm::content::useLanguage(*language);
        } else {
            std::fprintf(stderr, "usage: tolm-explore [--lang CODE] [--dot FILE]\n");
            return 2;
        }
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
