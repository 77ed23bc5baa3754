// tessory-cli: the business layer for scripts, automation and measurement.
#include <cstring>
#include <exception>
#include <iostream>
#include <string_view>

#include "cli/commands.h"

namespace {

struct Command {
    std::string_view name;
    std::string_view usage;
    int (*run)(const cli::Args&);
};

constexpr Command kCommands[] = {
    {"init", "init FILE --demo|--large|--empty   create a new database file (never overwrites)",
     cli::initCommand},
    {"info", "info FILE                            term, department, edition and table sizes",
     cli::infoCommand},
    {"query", "query FILE SQL                       run read-only SQL; tab-separated lines",
     cli::queryCommand},
    {"place", "place FILE TASK ROOM PERIOD           place one period of a task, logged like a drop;\n"
              "                                       2 refused for a conflict, 3 nothing done",
     cli::placeCommand},
    {"remove", "remove FILE ROOM PERIOD              remove the placed period, logged; 3 not placed",
     cli::removeCommand},
};

void printUsage(std::ostream& out) {
    out << "usage: tessory-cli COMMAND ARGS...\n\n";
    for (const auto& c : kCommands) out << "  " << c.usage << '\n';
    out << "\nExit codes: 0 success, 1 error (message on standard error), 4 done but the log\n"
           "line could not be stored; others as each command says.\n";
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2 || std::strcmp(argv[1], "--help") == 0 || std::strcmp(argv[1], "-h") == 0) {
        printUsage(argc < 2 ? std::cerr : std::cout);
        return argc < 2 ? 1 : 0;
    }
    const cli::Args args(argv + 2, argv + argc);
    for (const auto& c : kCommands) {
        if (c.name != argv[1]) continue;
        try {
            return c.run(args);
        } catch (const cli::UsageError& e) {
            std::cerr << e.message << "\nusage: tessory-cli " << c.usage << '\n';
            return 1;
        } catch (const std::exception& e) {
            std::cerr << e.what() << '\n';
            return 1;
        }
    }
    std::cerr << "unknown command: " << argv[1] << "\n";
    printUsage(std::cerr);
    return 1;
}
