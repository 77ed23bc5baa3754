#include "business/timetable_titles.h"

#include "business/gbk.h"

namespace business {

namespace {

std::string trimmed(const std::string& s) {
    const auto b = s.find_first_not_of(' ');
    if (b == std::string::npos) return {};
    return s.substr(b, s.find_last_not_of(' ') - b + 1);
}

}  // namespace

std::vector<std::string> pairPeriodTitles(const std::vector<std::string>& titles) {
    std::vector<std::string> cells;
    for (std::size_t i = 0; i < titles.size(); ++i) {
        const std::string title = trimmed(titles[i]);
        if (i + 1 < titles.size() && gbkLeft(title, 3) == gbkLeft(trimmed(titles[i + 1]), 3)) {
            cells.push_back(gbkLeft(title, 4));
            ++i;  // the next title is its pair
        } else {
            cells.push_back(title);
        }
    }
    return cells;
}

}  // namespace business
