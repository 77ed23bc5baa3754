#pragma once
// The fixed tables the generated colleges are drawn from: departments with their majors
// and courses, public courses, buildings, and the characters of teachers' names.
#include <array>
#include <span>
#include <string_view>

namespace business::college_data {

struct CourseData {
    std::string_view name;
    std::string_view category;  // 公共课, 专业课, 素质课 or 实践课
    int hours;                  // per week: 2, 4 or 6
    std::string_view room;      // required room type, or empty for any classroom
    int year;                   // the study year (1..3) that takes it in the autumn term
    int major;                  // 0: every major of the department, else the major's number
};

struct MajorData {
    std::string_view name;
    std::string_view shortName;  // as class names show it: 25软件1班
};

struct DeptData {
    std::string_view name;
    // The first two sections look after the majors (odd and even numbers), the third
    // teaches the department's share of the public courses.
    std::array<std::string_view, 3> sections;
    std::array<MajorData, 4> majors;
    std::span<const CourseData> courses;
};

struct PublicCourseData {
    CourseData course;
    int dept;  // offering department, by index into departments(); its third section
};

struct RoomBlock {
    std::string_view type;
    int count;
    int minSeats;
    int maxSeats;
};

struct BuildingData {
    std::string_view name;
    int roomsPerFloor;  // 0: rooms are numbered 1, 2, ... instead of 101, 102, ...
    std::span<const RoomBlock> blocks;
};

std::span<const DeptData> departments();
std::span<const PublicCourseData> publicCourses();
std::span<const BuildingData> demoBuildings();
std::span<const BuildingData> largeBuildings();

std::span<const std::string_view> surnames();
std::span<const std::string_view> maleGivenNames();    // single characters
std::span<const std::string_view> femaleGivenNames();  // single characters

}  // namespace business::college_data
