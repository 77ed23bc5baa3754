// The stored views every window reads. A placed task's course, department and plan come
// from the first course-plan task that points to it; a cell's text is joined from
// course, teaching group or room, and teacher. vCrcRoom joins the tables itself rather
// than vCrcTask, so that a look-up of one cell reads one task, not all of them.
#include "db/schema_sql.h"

namespace db::schema {

const std::string_view kCreateViews = R"(
CREATE VIEW vTeacher AS
SELECT te.教工号, te.姓名, te.性别, d.教学部 AS 教学部, te.教师类型, te.教师性质, te.加入学期,
       te.备注, te.ID, te.所在部门
FROM Teacher te LEFT JOIN Dept d ON d.编号 = te.所在部门;

CREATE VIEW vCrcTask AS
SELECT t.编号, co.课程, t.排课班,
       COALESCE(te.姓名, CASE WHEN t.主讲教师 = '0000000' THEN '待定' ELSE t.主讲教师 END) AS 主讲教师,
       t.已排节, t.待排节, t.教室要求, t.排课人数, t.任务编号, t.是否合班, t.待排周, t.备注,
       d.教学部 AS 教学部, p.编号 AS 开课编号, t.主讲教师 AS 教工号, t.ID
FROM CrcTask t
LEFT JOIN CoursePlanTask cpt
       ON cpt.ID = (SELECT MIN(x.ID) FROM CoursePlanTask x WHERE x.排课任务编号 = t.编号)
LEFT JOIN CoursePlan p ON p.编号 = cpt.开课编号
LEFT JOIN Course co ON co.编号 = p.课程编号
LEFT JOIN Class cl ON cl.班号 = cpt.班号
LEFT JOIN Dept d ON d.编号 = cl.教学部
LEFT JOIN Teacher te ON te.教工号 = t.主讲教师;

CREATE VIEW vCrcTaskRemain AS
SELECT 编号, 课程, 排课班, 主讲教师, 已排节, 待排节, 教室要求, 排课人数, 是否合班, 待排周, 教学部
FROM vCrcTask;

CREATE VIEW vCurriculum AS
SELECT c.编号, r.教室 AS 教室, p.节时 AS 节时, c.是否已排, c.排课任务编号, c.排课权重, c.备注, c.ID
FROM Curriculum c
LEFT JOIN Room r ON r.编号 = c.教室
LEFT JOIN Period p ON p.编号 = c.节时;

CREATE VIEW vCrcRoom AS
SELECT c.编号, r.类型, r.教室 AS 教室, p.节时 AS 节时, r.主用教学部, c.是否已排, c.排课任务编号,
       c.排课权重, c.备注, co.课程, t.排课班, t.是否合班,
       CASE WHEN t.编号 IS NULL THEN NULL ELSE
         COALESCE(te.姓名, CASE WHEN t.主讲教师 = '0000000' THEN '待定' ELSE t.主讲教师 END) END AS 教师,
       c.ID, r.座位数
FROM Curriculum c
LEFT JOIN Room r ON r.编号 = c.教室
LEFT JOIN Period p ON p.编号 = c.节时
LEFT JOIN CrcTask t ON t.编号 = c.排课任务编号 AND c.排课任务编号 <> ''
LEFT JOIN CoursePlanTask cpt
       ON cpt.ID = (SELECT MIN(x.ID) FROM CoursePlanTask x WHERE x.排课任务编号 = t.编号)
LEFT JOIN CoursePlan pl ON pl.编号 = cpt.开课编号
LEFT JOIN Course co ON co.编号 = pl.课程编号
LEFT JOIN Teacher te ON te.教工号 = t.主讲教师;

CREATE VIEW vCrcClass AS
SELECT c.排课任务编号 AS 任务编号, cl.班号, cl.班级, p.节时 AS 节时, r.教室 AS 教室, t.课程,
       t.主讲教师, t.是否合班, t.排课班, d.教学部 AS 教学部, cl.年级, cl.教研室, c.备注,
       c.排课权重, cl.专业, t.教工号, c.编号 AS 单元编号
FROM Curriculum c
JOIN vCrcTask t ON t.编号 = c.排课任务编号
JOIN CoursePlanTask cpt ON cpt.排课任务编号 = c.排课任务编号
JOIN Class cl ON cl.班号 = cpt.班号
LEFT JOIN Dept d ON d.编号 = cl.教学部
LEFT JOIN Room r ON r.编号 = c.教室
LEFT JOIN Period p ON p.编号 = c.节时
WHERE c.是否已排 = 1 AND c.排课任务编号 <> '';

CREATE VIEW vCrc AS
SELECT 节时, 教室, 排课班, 课程, 是否合班, 主讲教师, 备注, 班号, 班级, 任务编号, 教学部, 年级, 教工号
FROM vCrcClass;

CREATE VIEW vCrcTeacher AS
SELECT t.主讲教师, t.教工号, r.教室 AS 教室, p.节时 AS 节时, t.课程, t.排课班,
       COALESCE(d.教学部, t.教学部) AS 教学部, c.备注, c.排课任务编号 AS 任务编号, t.是否合班
FROM Curriculum c
JOIN vCrcTask t ON t.编号 = c.排课任务编号
LEFT JOIN Teacher te ON te.教工号 = t.教工号
LEFT JOIN Dept d ON d.编号 = te.所在部门
LEFT JOIN Room r ON r.编号 = c.教室
LEFT JOIN Period p ON p.编号 = c.节时
WHERE c.是否已排 = 1 AND c.排课任务编号 <> '';

CREATE VIEW vCrcConflictClass AS
SELECT 节时, 班级, 教室, 班号, 任务编号 FROM vCrcClass;

CREATE VIEW vCrcConflictTeacher AS
SELECT 节时, 主讲教师, 教室, 教工号, 任务编号 FROM vCrcTeacher;

CREATE VIEW vCoursePlan AS
SELECT p.编号, p.学期, p.年级, p.专业, co.开设教研组 AS 教研室,
       COALESCE(d.教学部, co.开设教学部) AS 教学部,
       p.课程编号, co.课程, co.课程全称, p.课程类别, p.周学时, p.周数, p.理论学时, p.实践学时,
       p.教室要求, p.修读类型, p.考核形式, p.教学进程表课程, p.备注, p.实训课, co.学分,
       co.开设教师, p.ID
FROM CoursePlan p
LEFT JOIN Course co ON co.编号 = p.课程编号
LEFT JOIN Dept d ON d.编号 = co.开设教学部;

CREATE VIEW vCoursePlanTask AS
SELECT cpt.任务编号, p.学期, cpt.开课编号, co.课程, p.周学时, p.周数, p.教室要求, cpt.班号,
       cl.班级, cl.班级人数, d.教学部 AS 教学部, cpt.排课任务编号, cpt.是否单班, cpt.是否合班,
       cpt.合班备注, cpt.是否拆班, cpt.拆班编号, cpt.排课班, cpt.排课人数, cpt.是否设置,
       co.开设教师 AS 建议主讲教师, cpt.ID, p.年级, p.专业, cpt.备注
FROM CoursePlanTask cpt
LEFT JOIN CoursePlan p ON p.编号 = cpt.开课编号
LEFT JOIN Course co ON co.编号 = p.课程编号
LEFT JOIN Class cl ON cl.班号 = cpt.班号
LEFT JOIN Dept d ON d.编号 = cl.教学部;

CREATE VIEW vMajorClass AS
SELECT cl.班号, cl.年级, cl.专业, cl.班级, d.教学部 AS 教学部, cl.班级人数, cl.ID
FROM Class cl LEFT JOIN Dept d ON d.编号 = cl.教学部;

CREATE VIEW vClass AS
SELECT cl.专业, cl.年级, cl.班级全称, cl.班号, cl.班级, d.教学部 AS 教学部, cl.教研室, cl.班级人数
FROM Class cl LEFT JOIN Dept d ON d.编号 = cl.教学部;
)";

namespace {

// One column per period; several entries of one cell are joined, not dropped.
std::string periodColumns(const std::vector<PeriodColumn>& periods, std::string_view source) {
    std::string sql;
    for (const auto& p : periods) {
        sql += ",\n  group_concat(CASE WHEN " + std::string(source) + ".节时 = " +
               quoteLiteral(p.code) + " THEN " + std::string(source) + ".内容 END, '；') AS " +
               quoteName(p.name);
    }
    return sql;
}

std::string dayColumns(const std::vector<std::string>& days, std::string_view source) {
    std::string sql;
    for (const auto& d : days) {
        sql += ",\n  max(CASE WHEN " + std::string(source) + ".星期 = " + quoteLiteral(d) +
               " THEN " + std::string(source) + ".节时数 END) AS " + quoteName(d);
    }
    return sql;
}

}  // namespace

std::vector<ViewDefinition> timetableCrosstabs(const std::vector<PeriodColumn>& periods) {
    std::vector<ViewDefinition> views;
    views.push_back({"vcCrcRoom",
                     "CREATE VIEW vcCrcRoom AS\nSELECT r.教室 AS 教室, r.主用教学部 AS 主用教学部, "
                     "r.类型 AS 类型, r.座位数 AS 座位数" +
                         periodColumns(periods, "x") +
                         "\nFROM Room r LEFT JOIN (\n"
                         "  SELECT c.教室, c.节时, CASE WHEN t.编号 IS NULL THEN c.备注 ELSE\n"
                         "    COALESCE(t.课程, '') || '/' || COALESCE(t.排课班, '') || '/' || "
                         "COALESCE(t.主讲教师, '') END AS 内容\n"
                         "  FROM Curriculum c LEFT JOIN vCrcTask t ON t.编号 = c.排课任务编号 "
                         "AND c.排课任务编号 <> ''\n"
                         "  WHERE c.是否已排 = 1) x ON x.教室 = r.编号\n"
                         "GROUP BY r.ID, r.教室, r.主用教学部, r.类型, r.座位数\nORDER BY r.教室"});
    views.push_back({"vcCrcClass",
                     "CREATE VIEW vcCrcClass AS\nSELECT d.教学部 AS 教学部, cl.年级 AS 年级, "
                     "cl.教研室 AS 教研室, cl.班级 AS 班级" +
                         periodColumns(periods, "x") +
                         "\nFROM Class cl LEFT JOIN Dept d ON d.编号 = cl.教学部 LEFT JOIN (\n"
                         "  SELECT cpt.班号, c.节时, COALESCE(t.课程, '') || '/' || "
                         "COALESCE(r.教室, '') || '/' || COALESCE(t.主讲教师, '') AS 内容\n"
                         "  FROM Curriculum c JOIN vCrcTask t ON t.编号 = c.排课任务编号\n"
                         "  JOIN CoursePlanTask cpt ON cpt.排课任务编号 = c.排课任务编号\n"
                         "  LEFT JOIN Room r ON r.编号 = c.教室\n"
                         "  WHERE c.是否已排 = 1 AND c.排课任务编号 <> '') x ON x.班号 = cl.班号\n"
                         "GROUP BY cl.ID, d.教学部, cl.年级, cl.教研室, cl.班级\nORDER BY cl.班级"});
    views.push_back({"vcCrcTeacher",
                     "CREATE VIEW vcCrcTeacher AS\nSELECT d.教学部 AS 教学部, te.教工号 AS 教工号, "
                     "te.姓名 AS 主讲教师, te.教师类型 AS 教师类型" +
                         periodColumns(periods, "x") +
                         "\nFROM Teacher te LEFT JOIN Dept d ON d.编号 = te.所在部门 LEFT JOIN (\n"
                         "  SELECT t.教工号, c.节时, COALESCE(t.课程, '') || '/' || "
                         "COALESCE(t.排课班, '') || '/' || COALESCE(r.教室, '') AS 内容\n"
                         "  FROM Curriculum c JOIN vCrcTask t ON t.编号 = c.排课任务编号\n"
                         "  LEFT JOIN Room r ON r.编号 = c.教室\n"
                         "  WHERE c.是否已排 = 1 AND c.排课任务编号 <> '') x ON x.教工号 = te.教工号\n"
                         "GROUP BY te.ID, d.教学部, te.教工号, te.姓名, te.教师类型\n"
                         "ORDER BY te.姓名"});
    return views;
}

std::vector<ViewDefinition> countingViews(Connection& connection) {
    const auto days = daysOf(loadPeriods(connection));
    // A room or teacher holds one period once, however many classes share it.
    return {
        {"vCrcCountRoom",
         "CREATE VIEW vCrcCountRoom AS SELECT vCrc.教室, substr(trim(vCrc.节时), 1, 1) AS 星期, "
         "Count(DISTINCT vCrc.节时) AS 节时数 FROM vCrc GROUP BY vCrc.教室, "
         "substr(trim(vCrc.节时), 1, 1) ORDER BY vCrc.教室"},
        {"vCrcCountClass",
         "CREATE VIEW vCrcCountClass AS SELECT vCrc.班号, vCrc.班级, substr(trim(vCrc.节时), 1, 1) "
         "AS 星期, Count(vCrc.节时) AS 节时数 FROM vCrc GROUP BY vCrc.班号, vCrc.班级, "
         "substr(trim(vCrc.节时), 1, 1) ORDER BY vCrc.班级"},
        {"vCrcCountTeacher",
         "CREATE VIEW vCrcCountTeacher AS SELECT vTeacher.教工号, vCrc.主讲教师, "
         "substr(trim(vCrc.节时), 1, 1) AS 星期, Count(DISTINCT vCrc.节时) AS 节时数 FROM vCrc "
         "LEFT JOIN vTeacher ON vTeacher.姓名 = vCrc.主讲教师 GROUP BY vTeacher.教工号, "
         "vCrc.主讲教师, substr(trim(vCrc.节时), 1, 1) ORDER BY vCrc.主讲教师"},
        {"vcCrcCountClass",
         "CREATE VIEW vcCrcCountClass AS\nSELECT v.班号 AS 班号, v.班级 AS 班级" + dayColumns(days, "v") +
             "\nFROM vCrcCountClass v GROUP BY v.班号, v.班级"},
        {"vcCrcCountTeacher",
         "CREATE VIEW vcCrcCountTeacher AS\nSELECT v.教工号 AS 教工号, v.主讲教师 AS 主讲教师, "
         "Sum(v.节时数) AS 节时数之总计" +
             dayColumns(days, "v") + "\nFROM vCrcCountTeacher v GROUP BY v.教工号, v.主讲教师"},
        {"vcCrcCountRoom",
         "CREATE VIEW vcCrcCountRoom AS\nSELECT v.教室 AS 教室, Sum(v.节时数) AS 节时数之总计" +
             dayColumns(days, "v") + "\nFROM vCrcCountRoom v GROUP BY v.教室"},
    };
}

}  // namespace db::schema
