#include "business/demo_college.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdio>
#include <ctime>
#include <filesystem>
#include <map>
#include <numeric>
#include <random>
#include <set>
#include <span>
#include <stdexcept>

#include "business/demo_college_data.h"
#include "db/connection.h"
#include "db/names.h"
#include "db/schema.h"
#include "db/transaction.h"

namespace business {

namespace {

namespace data = college_data;
using std::chrono::days;
using std::chrono::sys_days;
using std::chrono::year_month_day;

// The standard distributions may draw differently from one library to the next; these
// draws depend on the engine alone, so a seed always gives the same college.
class Random {
public:
    explicit Random(std::uint32_t seed) : engine_(seed) {}
    int below(int n) {
        return static_cast<int>((std::uint64_t{engine_()} * static_cast<std::uint64_t>(n)) >> 32);
    }
    int between(int lo, int hi) { return lo + below(hi - lo + 1); }
    bool chance(int perMille) { return below(1000) < perMille; }
    template <class T>
    void shuffle(std::vector<T>& v) {
        for (std::size_t i = v.size(); i > 1; --i)
            std::swap(v[i - 1], v[below(static_cast<int>(i))]);
    }
    template <class T>
    const T& pick(std::span<const T> items) {
        return items[below(static_cast<int>(items.size()))];
    }

private:
    std::mt19937 engine_;
};

struct Shape {
    std::uint32_t seed;
    int departments;
    int majorsPerDept;
    int minClasses, maxClasses;  // per grade and major
    int days;
    int weeklyHours;      // a class's load: all public courses of its year, then its department's
    int combinePerMille;  // eligible public plans taught to pairs of classes
    int teachers;
    int placedPerMille;      // of all cells
    int unfinishedPerMille;  // tasks held short of their hours, so the work looks half done
    std::span<const data::BuildingData> buildings;
};

Shape shapeOf(CollegeKind kind) {
    if (kind == CollegeKind::Demo)
        return {20240901, 3, 2, 2, 3, 5, 34, 300, 90, 400, 350, data::demoBuildings()};
    return {20250901, 15, 4, 8, 9, 6, 28, 1000, 1200, 480, 350, data::largeBuildings()};
}

constexpr std::array<std::string_view, 3> kGrades = {"24", "25", "26"};
constexpr std::array<std::string_view, 6> kDayNames = {"一", "二", "三", "四", "五", "六"};
constexpr std::array<std::string_view, 5> kLessonPairs = {"12", "34", "56", "78", "90"};
constexpr int kPlaceholderPerMille = 15;
constexpr int kLogDays = 21;

std::string padded(int n, std::size_t width) {
    const std::string digits = std::to_string(n);
    return std::string(width > digits.size() ? width - digits.size() : 0, '0') + digits;
}

std::string isoDate(sys_days d) {
    const year_month_day ymd{d};
    char buf[16];
    std::snprintf(buf, sizeof buf, "%04d-%02u-%02u", static_cast<int>(ymd.year()),
                  static_cast<unsigned>(ymd.month()), static_cast<unsigned>(ymd.day()));
    return buf;
}

year_month_day localToday() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return {std::chrono::year{local.tm_year + 1900},
            std::chrono::month{static_cast<unsigned>(local.tm_mon + 1)},
            std::chrono::day{static_cast<unsigned>(local.tm_mday)}};
}

// A combined group shows as one name: 25软件1班 + 25软件2班 → 25软件1班软件2班.
std::string groupName(const std::string& first, const std::string& second) {
    const bool sharedPrefix =
        first.size() >= 2 && second.size() >= 2 && static_cast<unsigned char>(first[0]) < 0x80 &&
        static_cast<unsigned char>(first[1]) < 0x80 && first.compare(0, 2, second, 0, 2) == 0;
    return first + (sharedPrefix ? second.substr(2) : second);
}

// One INSERT per table, its text built once; every value is bound.
class Rows {
public:
    Rows(db::Connection& c, std::string_view table, std::initializer_list<std::string_view> columns)
        : c_(c) {
        std::string names, marks;
        for (auto col : columns) {
            if (!names.empty()) {
                names += ", ";
                marks += ", ";
            }
            names += db::quoteName(col);
            marks += "?";
        }
        sql_ = "INSERT INTO " + db::quoteName(table) + " (" + names + ") VALUES (" + marks + ")";
    }
    void add(const db::Params& values) { c_.execute(sql_, values); }

private:
    db::Connection& c_;
    std::string sql_;
};

void writeEditions(db::Connection& c) {
    Rows rows(c, "Version", {"ID", "VerType", "VerName", "VerExeID", "VerDatID", "IsActive"});
    rows.add({1, 0, "教务处排课版", "2.0.0", "2.0", 1});
    rows.add({2, 2, "教学部排课版", "2.0.0", "2.0", 0});
    rows.add({3, 1, "查询版", "2.0.0", "2.0", 0});
}

void writeTerms(db::Connection& c, const std::vector<TermDates>& terms) {
    Rows rows(c, "Term", {"ID", "编号", "起始日期", "结束日期"});
    int id = 0;
    for (const auto& t : terms) rows.add({++id, t.code, t.start, t.end});
}

struct Dept {
    std::string code, name;
    const data::DeptData* data;
    int cptBase, taskBase;
    int cpts = 0, tasks = 0;
    std::vector<int> teachers;
};

struct Major {
    std::string code, name, shortName;
    int dept, number;
};

struct SchoolClass {
    std::string code, name, fullName, grade, section, tutor;
    int major, dept, size;
};

struct Room {
    std::string code, name, type, deptName;
    int seats;
};

struct Period {
    std::string code, name;
    int day;
};

struct Course {
    std::string code, section, majors, suggested;
    const data::CourseData* data;
    int dept, weeks;
    bool suggests;
    int lastTeacher = -1;
};

struct Plan {
    std::string code, grade;
    int major, course;
};

struct PlanTask {
    int id;
    int cls, task;
};

struct Task {
    int id;
    std::string group;
    int plan, dept, size;
    std::vector<int> planTasks;  // also the classes, through PlanTask::cls
    int teacher = -1;
    int placed = 0;
};

struct Teacher {
    std::string staffNo, name, sex, type, nature, joinTerm;
    int dept;  // -1: the placeholder
    int load = 0;
};

struct Placement {
    int task, room, period;
};

class College {
public:
    College(const Shape& shape, std::string termCode);
    void write(db::Connection& c, sys_days today) const;

private:
    void makeDepartments();
    void makeRooms();
    void makePeriods();
    void makeClasses();
    void makeCourses();
    void makePlans();
    void makeTasks();
    void makeTeachers();
    void assignTeachers();
    void place();

    int hoursOf(const Task& t) const { return courseOf(t).data->hours; }
    const Course& courseOf(const Task& t) const { return courses_[plans_[t.plan].course]; }
    std::string taskCode(const Task& t) const { return std::to_string(t.id); }
    std::string planTaskCode(int i) const { return "CPT" + std::to_string(planTasks_[i].id); }

    void writeOrganisation(db::Connection& c) const;
    void writeTeaching(db::Connection& c) const;
    void writeTimetable(db::Connection& c, sys_days today) const;

    Shape shape_;
    std::string termCode_;
    Random random_;
    std::vector<Dept> depts_;
    std::vector<Major> majors_;
    std::vector<std::string> buildings_;
    std::vector<Room> rooms_;
    std::vector<Period> periods_;
    std::vector<SchoolClass> classes_;
    std::vector<Course> courses_;
    std::vector<Plan> plans_;
    std::vector<PlanTask> planTasks_;
    std::vector<Task> tasks_;
    std::vector<Teacher> teachers_;
    std::vector<Placement> placements_;
};

College::College(const Shape& shape, std::string termCode)
    : shape_(shape), termCode_(std::move(termCode)), random_(shape.seed) {
    makeDepartments();
    makeRooms();
    makePeriods();
    makeClasses();
    makeCourses();
    makePlans();
    makeTasks();
    makeTeachers();
    assignTeachers();
    place();
}

void College::makeDepartments() {
    const auto all = data::departments();
    for (int k = 0; k < shape_.departments; ++k) {
        const auto& d = all[k];
        depts_.push_back(
            {padded(k + 1, 2), std::string(d.name), &d, 10000 * (k + 1), 1000 * (k + 1), 0, 0, {}});
        for (int m = 0; m < shape_.majorsPerDept; ++m)
            majors_.push_back({depts_.back().code + padded(m + 1, 2), std::string(d.majors[m].name),
                               std::string(d.majors[m].shortName), k, m + 1});
    }
}

void College::makeRooms() {
    int b = 0;
    for (const auto& building : shape_.buildings) {
        ++b;
        buildings_.emplace_back(building.name);
        int index = 0;
        for (const auto& block : building.blocks) {
            for (int i = 0; i < block.count; ++i, ++index) {
                const int perFloor = building.roomsPerFloor;
                const int number =
                    perFloor ? (index / perFloor + 1) * 100 + index % perFloor + 1 : index + 1;
                const int floor = perFloor ? index / perFloor : 0;
                const int seats =
                    block.minSeats + 5 * random_.below((block.maxSeats - block.minSeats) / 5 + 1);
                rooms_.push_back({padded(b, 2) + padded(number, 3),
                                  std::string(building.name) + std::to_string(number),
                                  std::string(block.type),
                                  depts_[(b - 1 + floor) % depts_.size()].name, seats});
            }
        }
    }
}

void College::makePeriods() {
    for (int d = 0; d < shape_.days; ++d)
        for (auto pair : kLessonPairs)
            for (auto half : {"D", "S"})
                periods_.push_back({std::to_string(periods_.size() + 1),
                                    std::string(kDayNames[d]) + std::string(pair) + half, d});
}

void College::makeClasses() {
    for (auto grade : kGrades) {
        for (int m = 0; m < static_cast<int>(majors_.size()); ++m) {
            const auto& major = majors_[m];
            const auto& dept = depts_[major.dept];
            const int count = random_.between(shape_.minClasses, shape_.maxClasses);
            for (int i = 1; i <= count; ++i) {
                const std::string g(grade), n = std::to_string(i);
                classes_.push_back({g + major.code + n, g + major.shortName + n + "班",
                                    "20" + g + "级" + major.name + n + "班", g,
                                    std::string(dept.data->sections[(major.number - 1) % 2]), "", m,
                                    major.dept, random_.between(30, 50)});
            }
        }
    }
}

void College::makeCourses() {
    auto add = [&](const data::CourseData& c, int dept, std::string section, std::string majors) {
        courses_.push_back({"C" + padded(static_cast<int>(courses_.size() + 1), 4),
                            std::move(section), std::move(majors), "", &c, dept,
                            random_.between(16, 18), random_.chance(750)});
    };
    for (const auto& p : data::publicCourses())
        add(p.course, p.dept, std::string(depts_[p.dept].data->sections[2]), "全院各专业");
    for (int k = 0; k < shape_.departments; ++k) {
        const auto& d = *depts_[k].data;
        for (const auto& c : d.courses) {
            if (c.major > shape_.majorsPerDept) continue;
            if (c.major == 0)
                add(c, k, std::string(d.sections[0]), depts_[k].name + "各专业");
            else
                add(c, k, std::string(d.sections[(c.major - 1) % 2]),
                    std::string(d.majors[c.major - 1].name));
        }
    }
}

void College::makePlans() {
    for (int g = 0; g < static_cast<int>(kGrades.size()); ++g) {
        const int year =
            static_cast<int>(kGrades.size()) - g;  // the newest grade is in its first year
        for (int m = 0; m < static_cast<int>(majors_.size()); ++m) {
            const auto& major = majors_[m];
            int hours = 0;
            auto take = [&](int c) {
                plans_.push_back(
                    {"CP" + std::to_string(plans_.size() + 1), std::string(kGrades[g]), m, c});
                hours += courses_[c].data->hours;
            };
            const int publicCount = static_cast<int>(data::publicCourses().size());
            for (int c = 0; c < publicCount; ++c)
                if (courses_[c].data->year == year) take(c);
            for (int c = publicCount; c < static_cast<int>(courses_.size()); ++c) {
                const auto& course = courses_[c];
                if (course.dept == major.dept && course.data->year == year &&
                    (course.data->major == 0 || course.data->major == major.number) &&
                    hours + course.data->hours <= shape_.weeklyHours)
                    take(c);
            }
        }
    }
}

void College::makeTasks() {
    // Classes of one grade and major lie next to each other, in number order.
    std::map<std::pair<std::string, int>, std::vector<int>> classesOf;
    for (int i = 0; i < static_cast<int>(classes_.size()); ++i)
        classesOf[{classes_[i].grade, classes_[i].major}].push_back(i);

    for (int p = 0; p < static_cast<int>(plans_.size()); ++p) {
        const auto& plan = plans_[p];
        const auto& course = *courses_[plan.course].data;
        const auto& group = classesOf[{plan.grade, plan.major}];
        // A computer room seats one class only.
        const bool combine = course.category == "公共课" && course.room != "机房" &&
                             random_.chance(shape_.combinePerMille);
        for (std::size_t i = 0; i < group.size();) {
            const std::size_t n = combine && i + 1 < group.size() ? 2 : 1;
            auto& dept = depts_[classes_[group[i]].dept];
            if (++dept.tasks > 999)
                throw std::runtime_error("教学部的排课任务超出编号范围：" + dept.name);
            Task task{dept.taskBase + dept.tasks, "", p, classes_[group[i]].dept, 0, {}};
            for (std::size_t j = i; j < i + n; ++j) {
                const auto& cls = classes_[group[j]];
                auto& own = depts_[cls.dept];
                if (++own.cpts > 9999)
                    throw std::runtime_error("教学部的教学任务超出编号范围：" + own.name);
                task.planTasks.push_back(static_cast<int>(planTasks_.size()));
                planTasks_.push_back(
                    {own.cptBase + own.cpts, group[j], static_cast<int>(tasks_.size())});
                task.group = task.group.empty() ? cls.name : groupName(task.group, cls.name);
                task.size += cls.size;
            }
            tasks_.push_back(std::move(task));
            i += n;
        }
    }
}

void College::makeTeachers() {
    // Each department gets teachers in proportion to the hours its courses need.
    std::vector<long> demand(depts_.size(), 0);
    long total = 0;
    for (const auto& t : tasks_) {
        demand[courseOf(t).dept] += hoursOf(t);
        total += hoursOf(t);
    }
    std::set<std::string> names;
    for (int k = 0; k < static_cast<int>(depts_.size()); ++k) {
        const int count =
            std::max<int>(2, static_cast<int>((shape_.teachers * demand[k] + total / 2) / total));
        for (int i = 1; i <= count; ++i) {
            const bool male = random_.chance(550);
            const auto given = male ? data::maleGivenNames() : data::femaleGivenNames();
            std::string name;
            do {
                name =
                    std::string(random_.pick(data::surnames())) + std::string(random_.pick(given));
                if (random_.chance(600)) name += random_.pick(given);
            } while (!names.insert(name).second);
            const int kind = random_.below(100);
            const std::string joinTerm =
                padded(random_.between(5, 25), 2) + std::to_string(random_.between(1, 2));
            depts_[k].teachers.push_back(static_cast<int>(teachers_.size()));
            teachers_.push_back({"2" + depts_[k].code + padded(i, 4), name, male ? "男" : "女",
                                 kind < 85   ? "专任教师"
                                 : kind < 95 ? "兼职教师"
                                             : "外聘教师",
                                 kind >= 95            ? "外聘"
                                 : random_.chance(800) ? "在编"
                                                       : "人事代理",
                                 joinTerm, k});
        }
    }
    teachers_.push_back({std::string(db::kPlaceholderStaffNo),
                         std::string(db::kPlaceholderTeacherName), "", "", "", "", -1});
    for (auto& cls : classes_) {
        const auto& pool = depts_[cls.dept].teachers;
        cls.tutor = teachers_[pool[random_.below(static_cast<int>(pool.size()))]].name;
    }
}

void College::assignTeachers() {
    long total = 0;
    for (const auto& t : tasks_) total += hoursOf(t);
    const int teacherCount = static_cast<int>(teachers_.size()) - 1;
    const long average = (total + teacherCount - 1) / teacherCount, cap = average * 13 / 10;
    auto leastLoaded = [&](const std::vector<int>& pool) {
        return *std::min_element(pool.begin(), pool.end(), [&](int a, int b) {
            return teachers_[a].load < teachers_[b].load;
        });
    };
    std::vector<int> everyone(teacherCount);
    std::iota(everyone.begin(), everyone.end(), 0);

    for (auto& t : tasks_) {
        if (random_.chance(kPlaceholderPerMille)) {
            t.teacher = teacherCount;
            continue;
        }
        auto& course = courses_[plans_[t.plan].course];
        const int hours = course.data->hours;
        // A teacher keeps a course for class after class up to an average week; beyond
        // that the least busy colleague of the department takes it, or anyone's.
        int pick = course.lastTeacher;
        if (pick < 0 || teachers_[pick].load + hours > average)
            pick = leastLoaded(depts_[course.dept].teachers);
        if (teachers_[pick].load + hours > cap) pick = leastLoaded(everyone);
        teachers_[pick].load += hours;
        t.teacher = course.lastTeacher = pick;
        if (course.suggests && course.suggested.empty()) course.suggested = teachers_[pick].name;
    }
}

void College::place() {
    const int periodCount = static_cast<int>(periods_.size());
    const int cells = static_cast<int>(rooms_.size()) * periodCount;
    const int target = cells * shape_.placedPerMille / 1000;

    // Rooms a requirement accepts, best first: the asked type, then the smallest that seats
    // the group, so the big rooms stay free for combined classes.
    std::map<std::string, std::vector<int>, std::less<>> fitting;
    for (int r = 0; r < static_cast<int>(rooms_.size()); ++r) {
        const auto& type = rooms_[r].type;
        if (type == "普通" || type == "多媒体") fitting[""].push_back(r);
        fitting[type].push_back(r);
        if (type == "多媒体") fitting["普通"].push_back(r);
    }
    for (auto& [need, list] : fitting)
        std::stable_sort(list.begin(), list.end(), [&, &need = need](int a, int b) {
            const bool exactA = rooms_[a].type == need, exactB = rooms_[b].type == need;
            if (exactA != exactB) return exactA;
            return rooms_[a].seats < rooms_[b].seats;
        });

    std::vector<int> caps(tasks_.size());
    for (std::size_t i = 0; i < tasks_.size(); ++i) {
        const int hours = hoursOf(tasks_[i]);
        caps[i] = random_.chance(shape_.unfinishedPerMille)
                      ? hours - random_.between(1, std::max(1, hours / 2))
                      : hours;
    }

    std::vector<char> roomBusy(rooms_.size() * periodCount),
        teacherBusy(teachers_.size() * periodCount), classBusy(classes_.size() * periodCount);
    std::vector<std::array<int, 7>> perDay(tasks_.size());
    std::vector<char> stuck(tasks_.size());
    std::vector<int> order(tasks_.size()), byDay(periodCount);
    std::iota(order.begin(), order.end(), 0);
    random_.shuffle(order);

    auto tryPlace = [&](int ti) {
        const Task& task = tasks_[ti];
        const auto found = fitting.find(courseOf(task).data->room);
        if (found == fitting.end()) return false;
        std::iota(byDay.begin(), byDay.end(), 0);
        random_.shuffle(byDay);
        // Days the task has least of come first, so its lessons spread over the week.
        std::stable_sort(byDay.begin(), byDay.end(), [&](int a, int b) {
            return perDay[ti][periods_[a].day] < perDay[ti][periods_[b].day];
        });
        for (int p : byDay) {
            if (teacherBusy[task.teacher * periodCount + p]) continue;
            if (std::any_of(task.planTasks.begin(), task.planTasks.end(), [&](int pt) {
                    return classBusy[planTasks_[pt].cls * periodCount + p];
                }))
                continue;
            for (int r : found->second) {
                if (rooms_[r].seats < task.size || roomBusy[r * periodCount + p]) continue;
                roomBusy[r * periodCount + p] = 1;
                teacherBusy[task.teacher * periodCount + p] = 1;
                for (int pt : task.planTasks) classBusy[planTasks_[pt].cls * periodCount + p] = 1;
                ++perDay[ti][periods_[p].day];
                placements_.push_back({ti, r, p});
                return true;
            }
        }
        return false;
    };

    // One lesson per task a round, until the share is reached; a task that finds no place
    // now never will, since places only fill up.
    for (bool progress = true; progress && static_cast<int>(placements_.size()) < target;) {
        progress = false;
        for (int ti : order) {
            if (static_cast<int>(placements_.size()) == target) break;
            if (stuck[ti] || tasks_[ti].placed >= caps[ti]) continue;
            if (tryPlace(ti)) {
                ++tasks_[ti].placed;
                progress = true;
            } else {
                stuck[ti] = 1;
            }
        }
    }
}

void College::write(db::Connection& c, sys_days today) const {
    writeOrganisation(c);
    writeTeaching(c);
    writeTimetable(c, today);
}

void College::writeOrganisation(db::Connection& c) const {
    Rows system(c, "system", {"ID", "DeptID", "Dept", "IsActive", "param1", "param2", "param3"});
    Rows dept(c, "Dept", {"ID", "编号", "教学部"});
    Rows section(c, "TeachingSection", {"ID", "编号", "教研室", "教学部"});
    Rows major(c, "Major", {"ID", "编号", "专业", "教学部"});
    int sectionId = 0, majorId = 0;
    for (std::size_t k = 0; k < depts_.size(); ++k) {
        const auto& d = depts_[k];
        const int id = static_cast<int>(k + 1);
        system.add(
            {id, d.code, d.name, 0, std::to_string(d.cptBase), std::to_string(d.taskBase), "0"});
        dept.add({id, d.code, d.name});
        for (std::size_t s = 0; s < d.data->sections.size(); ++s)
            section.add({++sectionId, d.code + padded(static_cast<int>(s + 1), 2),
                         std::string(d.data->sections[s]), d.code});
    }
    for (const auto& m : majors_) major.add({++majorId, m.code, m.name, depts_[m.dept].code});

    Rows building(c, "Building", {"ID", "楼名"});
    for (std::size_t i = 0; i < buildings_.size(); ++i)
        building.add({static_cast<int>(i + 1), buildings_[i]});
    Rows room(c, "Room", {"ID", "编号", "教室", "类型", "座位数", "主用教学部"});
    for (std::size_t i = 0; i < rooms_.size(); ++i) {
        const auto& r = rooms_[i];
        room.add({static_cast<int>(i + 1), r.code, r.name, r.type, r.seats, r.deptName});
    }
    Rows period(c, "Period", {"ID", "编号", "节时"});
    for (std::size_t i = 0; i < periods_.size(); ++i)
        period.add({static_cast<int>(i + 1), periods_[i].code, periods_[i].name});
    db::schema::refreshCrosstabViews(c);

    Rows cls(c, "Class",
             {"ID", "班号", "班级", "班级全称", "年级", "专业", "教学部", "教研室", "班级人数",
              "班主任"});
    for (std::size_t i = 0; i < classes_.size(); ++i) {
        const auto& k = classes_[i];
        cls.add({static_cast<int>(i + 1), k.code, k.name, k.fullName, k.grade,
                 majors_[k.major].name, depts_[k.dept].code, k.section, k.size, k.tutor});
    }
    Rows teacher(c, "Teacher",
                 {"ID", "教工号", "姓名", "性别", "所在部门", "教师类型", "教师性质", "加入学期"});
    for (std::size_t i = 0; i < teachers_.size(); ++i) {
        const auto& t = teachers_[i];
        teacher.add({static_cast<int>(i + 1), t.staffNo, t.name, t.sex,
                     t.dept < 0 ? "" : depts_[t.dept].code, t.type, t.nature, t.joinTerm});
    }
}

void College::writeTeaching(db::Connection& c) const {
    auto practiceHours = [](const data::CourseData& d, int total) {
        if (d.category == "实践课") return total;
        if (d.room == "机房" || d.room == "实验室" || d.room == "操场") return total / 2;
        return 0;
    };
    auto studyType = [](const data::CourseData& d) {
        return d.category == "素质课" ? "选修" : "必修";
    };
    auto examType = [](const data::CourseData& d) {
        return d.hours >= 4 && d.category != "实践课" ? "考试" : "考查";
    };

    Rows course(
        c, "Course",
        {"ID",       "编号",     "课程",     "课程全称", "课程类别", "开设教学部", "开设教研组",
         "开设教师", "学期",     "适用专业", "学分",     "周学时",   "周数",       "总学时",
         "理论学时", "实践学时", "实训课",   "教室要求", "修读类型", "考核形式",   "排课建议"});
    for (std::size_t i = 0; i < courses_.size(); ++i) {
        const auto& co = courses_[i];
        const auto& d = *co.data;
        const int total = d.hours * co.weeks, practice = practiceHours(d, total);
        course.add({static_cast<int>(i + 1),
                    co.code,
                    std::string(d.name),
                    std::string(d.name),
                    std::string(d.category),
                    depts_[co.dept].code,
                    co.section,
                    co.suggested,
                    std::to_string(2 * d.year - 1),
                    co.majors,
                    (total + 4) / 8 / 2.0,
                    d.hours,
                    co.weeks,
                    total,
                    total - practice,
                    practice,
                    d.category == "实践课" ? 1 : 0,
                    std::string(d.room),
                    studyType(d),
                    examType(d),
                    d.hours == 6 ? "建议两节连排" : ""});
    }
    Rows plan(
        c, "CoursePlan",
        {"ID", "编号", "年级", "专业", "学期", "课程编号", "周学时", "周数", "理论学时", "实践学时",
         "教室要求", "修读类型", "考核形式", "教学进程表课程", "备注", "课程类别", "实训课"});
    for (std::size_t i = 0; i < plans_.size(); ++i) {
        const auto& p = plans_[i];
        const auto& co = courses_[p.course];
        const auto& d = *co.data;
        const int total = d.hours * co.weeks, practice = practiceHours(d, total);
        plan.add({static_cast<int>(i + 1), p.code, p.grade, majors_[p.major].name, termCode_,
                  co.code, d.hours, co.weeks, total - practice, practice, std::string(d.room),
                  studyType(d), examType(d), 1, "", std::string(d.category),
                  d.category == "实践课" ? 1 : 0});
    }

    Rows planTask(c, "CoursePlanTask",
                  {"ID", "任务编号", "开课编号", "班号", "排课任务编号", "是否单班", "是否合班",
                   "合班备注", "排课班", "排课人数", "是否设置"});
    Rows task(c, "CrcTask",
              {"ID", "编号", "任务编号", "是否合班", "排课班", "排课人数", "教室要求", "待排节",
               "已排节", "待排周", "主讲教师", "备注"});
    for (const auto& t : tasks_) {
        const bool combined = t.planTasks.size() > 1;
        const auto& co = courseOf(t);
        std::string codes;
        for (int pt : t.planTasks) {
            const auto code = planTaskCode(pt);
            codes += combined ? code + "," : code;
            planTask.add({planTasks_[pt].id, code, plans_[t.plan].code,
                          classes_[planTasks_[pt].cls].code, taskCode(t), combined ? 0 : 1,
                          combined ? 1 : 0, combined ? "公共课合班上课" : "", t.group, t.size, 1});
        }
        task.add({t.id, taskCode(t), codes, combined ? 1 : 0, t.group, t.size,
                  std::string(co.data->room), co.data->hours - t.placed, t.placed, co.weeks,
                  teachers_[t.teacher].staffNo, co.suggested});
    }
}

void College::writeTimetable(db::Connection& c, sys_days today) const {
    const int periodCount = static_cast<int>(periods_.size());
    std::vector<int> taskAt(rooms_.size() * periodCount, -1);
    for (const auto& p : placements_) taskAt[p.room * periodCount + p.period] = p.task;

    Rows cell(c, "Curriculum",
              {"ID", "编号", "教室", "节时", "是否已排", "排课任务编号", "排课权重", "备注"});
    for (std::size_t r = 0; r < rooms_.size(); ++r) {
        for (int p = 0; p < periodCount; ++p) {
            const int id = static_cast<int>(r * periodCount + p + 1);
            const int t = taskAt[r * periodCount + p];
            cell.add({id, std::to_string(id), rooms_[r].code, periods_[p].code, t < 0 ? 0 : 1,
                      t < 0 ? "" : taskCode(tasks_[t]), t < 0 ? 0 : 100, ""});
        }
    }

    // Placements spread over the working hours of the last weeks, in the order they were made.
    Rows log(c, "CCLog",
             {"模块", "操作", "参数1", "参数2", "参数3", "参数4", "参数5", "参数6", "参数7",
              "参数8", "参数9", "备注", "时间", "人员", "状态", "执行"});
    const std::int64_t workingDay = 10 * 3600, span = std::int64_t{kLogDays} * workingDay;
    const auto count = static_cast<std::int64_t>(placements_.size());
    for (std::int64_t i = 0; i < count; ++i) {
        const auto& p = placements_[i];
        const Task& t = tasks_[p.task];
        const std::int64_t at = i * span / count, seconds = at % workingDay;
        char clockText[16];
        std::snprintf(clockText, sizeof clockText, " %02d:%02d:%02d",
                      static_cast<int>(8 + seconds / 3600), static_cast<int>(seconds / 60 % 60),
                      static_cast<int>(seconds % 60));
        const auto& room = rooms_[p.room].name;
        const auto& period = periods_[p.period].name;
        const std::string remark;  // a new cell carries none
        const std::string message = "排入: " + period + " " + room + " (" +
                                    std::string(courseOf(t).data->name) + " " + t.group + " " +
                                    teachers_[t.teacher].name + " " + remark + ")";
        log.add({"Curriculum", "Add", taskCode(t), room, period, "", "", "", "", "", "", message,
                 isoDate(today - days{kLogDays} + days{at / workingDay}) + clockText,
                 depts_[t.dept].name, "", 0});
    }
}

}  // namespace

std::vector<TermDates> termsAround(year_month_day today) {
    struct Term {
        int startYear, half;
        sys_days start, end;
    };
    using std::chrono::year;
    std::vector<Term> terms;
    const int y = static_cast<int>(today.year());
    for (int s = y - 3; s <= y + 1; ++s) {
        terms.push_back({s, 1, sys_days{year{s} / 9 / 1}, sys_days{year{s + 1} / 1 / 20}});
        terms.push_back({s, 2, sys_days{year{s + 1} / 2 / 20}, sys_days{year{s + 1} / 7 / 10}});
    }
    const sys_days day{today};
    std::size_t current = 0;
    while (terms[current + 1].start <= day) ++current;
    if (terms[current].end < day) terms[current].end = terms[current + 1].start - days{1};

    std::vector<TermDates> result;
    for (std::size_t i = current - 2; i <= current + 1; ++i)
        result.push_back({padded(terms[i].startYear % 100, 2) + std::to_string(terms[i].half),
                          isoDate(terms[i].start), isoDate(terms[i].end)});
    return result;
}

void createCollege(const std::string& path, CollegeKind kind) {
    // Checked here, so a refused file is never mistaken for one of ours and removed.
    if (std::filesystem::exists(path)) throw db::Error("文件已存在：" + path);
    const auto today = localToday();
    const auto terms = termsAround(today);
    try {
        db::schema::createDatabase(path, std::string(db::kDatabasePassword));
        db::Connection c;
        c.setTarget(path, std::string(db::kDatabasePassword));
        c.open();
        db::Transaction t(c);
        writeEditions(c);
        writeTerms(c, terms);
        if (kind != CollegeKind::Empty)
            College(shapeOf(kind), terms[2].code).write(c, sys_days{today});
        t.commit();
    } catch (...) {
        std::error_code ignored;
        std::filesystem::remove(path, ignored);
        throw;
    }
}

}  // namespace business
