#pragma once
// Believable colleges in new database files: for the headless tool, the tests, the
// benchmarks and the program's own demo. The same kind always gives the same college;
// only the terms and the log times follow today's date.
#include <chrono>
#include <string>
#include <vector>

namespace business {

enum class CollegeKind { Empty, Demo, Large };

// Creates a new database file (refuses one that exists: db::Error) holding a college of
// that kind. On any failure the new file is removed again.
void createCollege(const std::string& path, CollegeKind kind);

struct TermDates {
    std::string code;   // start year's last two digits + 1 (autumn) or 2 (spring)
    std::string start;  // ISO dates, both days included
    std::string end;
};

// Four terms in order: two before the one that covers `today`, that one, and the next.
// A day in a break belongs to the term before it, whose end is stretched to the day
// before the next term starts.
std::vector<TermDates> termsAround(std::chrono::year_month_day today);

}  // namespace business
