#pragma once
// The title row of a timetable template: neighbouring period titles that agree in their
// first three GBK bytes (the day and the first lesson digit, "一12D" and "一12S") share one
// cell holding their first four bytes ("一1"... "一12"); any other title takes a cell alone.
#include <string>
#include <vector>

namespace business {

std::vector<std::string> pairPeriodTitles(const std::vector<std::string>& titles);

}  // namespace business
