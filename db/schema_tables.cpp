// Tables and indexes of a database file.
#include "db/schema_sql.h"

namespace db::schema {

const std::string_view kCreateLogTable = R"(CREATE TABLE CCLog (
  ID INTEGER PRIMARY KEY AUTOINCREMENT,
  模块 TEXT, 操作 TEXT,
  参数1 TEXT, 参数2 TEXT, 参数3 TEXT, 参数4 TEXT, 参数5 TEXT,
  参数6 TEXT, 参数7 TEXT, 参数8 TEXT, 参数9 TEXT,
  备注 TEXT, 时间 DATETIME, 人员 TEXT, 状态 TEXT,
  执行 BOOLEAN NOT NULL DEFAULT 0))";

// Every table has an integer key first, so edits find their row and the table compare can
// match rows; yes/no columns are declared BOOLEAN (so results know them) and hold 1 and 0.
const std::string_view kCreateTables = R"(
CREATE TABLE Term (
  ID INTEGER PRIMARY KEY, 编号 TEXT NOT NULL, 起始日期 DATE, 结束日期 DATE);

CREATE TABLE "system" (
  ID INTEGER PRIMARY KEY, DeptID TEXT NOT NULL, Dept TEXT NOT NULL,
  IsActive BOOLEAN NOT NULL DEFAULT 0,
  param1 TEXT NOT NULL DEFAULT '0', param2 TEXT NOT NULL DEFAULT '0', param3 TEXT NOT NULL DEFAULT '0');

CREATE TABLE "Version" (
  ID INTEGER PRIMARY KEY, VerType INTEGER NOT NULL DEFAULT 1, VerName TEXT NOT NULL UNIQUE,
  VerExeID TEXT, VerDatID TEXT, IsActive BOOLEAN NOT NULL DEFAULT 0);

CREATE TABLE Dept (
  ID INTEGER PRIMARY KEY, 编号 TEXT NOT NULL UNIQUE, 教学部 TEXT NOT NULL);

CREATE TABLE Building (
  ID INTEGER PRIMARY KEY, 楼名 TEXT NOT NULL UNIQUE, 备注 TEXT);

CREATE TABLE Room (
  ID INTEGER PRIMARY KEY, 编号 TEXT NOT NULL UNIQUE, 教室 TEXT NOT NULL UNIQUE,
  类型 TEXT, 座位数 INTEGER NOT NULL DEFAULT 0, 主用教学部 TEXT, 备注 TEXT);

CREATE TABLE Period (
  ID INTEGER PRIMARY KEY, 编号 TEXT NOT NULL UNIQUE, 节时 TEXT NOT NULL, 备注 TEXT);

CREATE TABLE Major (
  ID INTEGER PRIMARY KEY, 编号 TEXT, 专业 TEXT NOT NULL, 教学部 TEXT, 备注 TEXT);

CREATE TABLE TeachingSection (
  ID INTEGER PRIMARY KEY, 编号 TEXT, 教研室 TEXT NOT NULL, 教学部 TEXT, 备注 TEXT);

CREATE TABLE Class (
  ID INTEGER PRIMARY KEY, 班号 TEXT NOT NULL UNIQUE, 班级 TEXT NOT NULL, 班级全称 TEXT,
  年级 TEXT, 专业 TEXT, 教学部 TEXT, 教研室 TEXT, 班级人数 INTEGER NOT NULL DEFAULT 0,
  班主任 TEXT, 备注 TEXT);

CREATE TABLE Teacher (
  ID INTEGER PRIMARY KEY, 教工号 TEXT NOT NULL UNIQUE, 姓名 TEXT NOT NULL DEFAULT '',
  性别 TEXT, 所在部门 TEXT, 教师类型 TEXT, 教师性质 TEXT, 加入学期 TEXT, 备注 TEXT);

CREATE TABLE Course (
  ID INTEGER PRIMARY KEY AUTOINCREMENT, 编号 TEXT UNIQUE, 课程 TEXT, 课程全称 TEXT,
  课程类别 TEXT, 开设教学部 TEXT, 开设教研组 TEXT, 开设教师 TEXT, 学期 TEXT,
  是否停开 BOOLEAN NOT NULL DEFAULT 0, 适用专业 TEXT, 学分 REAL NOT NULL DEFAULT 0,
  周学时 INTEGER NOT NULL DEFAULT 0, 周数 INTEGER NOT NULL DEFAULT 0,
  总学时 INTEGER NOT NULL DEFAULT 0, 理论学时 INTEGER NOT NULL DEFAULT 0,
  实践学时 INTEGER NOT NULL DEFAULT 0, 实训课 TEXT, 教室要求 TEXT, 修读类型 TEXT,
  考核形式 TEXT, 课程教学大纲 TEXT, 排课建议 TEXT, 备注 TEXT);

CREATE TABLE CoursePlan (
  ID INTEGER PRIMARY KEY AUTOINCREMENT, 编号 TEXT UNIQUE, 年级 TEXT, 专业 TEXT, 学期 TEXT,
  课程编号 TEXT, 周学时 INTEGER NOT NULL DEFAULT 0, 周数 INTEGER NOT NULL DEFAULT 0,
  理论学时 INTEGER NOT NULL DEFAULT 0, 实践学时 INTEGER NOT NULL DEFAULT 0,
  教室要求 TEXT, 修读类型 TEXT, 考核形式 TEXT, 教学进程表课程 BOOLEAN NOT NULL DEFAULT 0,
  备注 TEXT, 课程类别 TEXT, 实训课 INTEGER NOT NULL DEFAULT 0);

CREATE TABLE CoursePlanTask (
  ID INTEGER PRIMARY KEY, 任务编号 TEXT UNIQUE, 开课编号 TEXT, 班号 TEXT,
  排课任务编号 TEXT NOT NULL DEFAULT '', 是否单班 BOOLEAN NOT NULL DEFAULT 0,
  是否合班 BOOLEAN NOT NULL DEFAULT 0, 合班备注 TEXT NOT NULL DEFAULT '',
  是否拆班 BOOLEAN NOT NULL DEFAULT 0, 拆班编号 TEXT NOT NULL DEFAULT '',
  排课班 TEXT NOT NULL DEFAULT '', 排课人数 INTEGER NOT NULL DEFAULT 0,
  是否设置 BOOLEAN NOT NULL DEFAULT 0, 备注 TEXT NOT NULL DEFAULT '');

CREATE TABLE CrcTask (
  ID INTEGER PRIMARY KEY, 编号 TEXT UNIQUE, 任务编号 TEXT NOT NULL DEFAULT '',
  是否合班 BOOLEAN NOT NULL DEFAULT 0, 排课班 TEXT NOT NULL DEFAULT '',
  排课人数 INTEGER NOT NULL DEFAULT 0, 教室要求 TEXT NOT NULL DEFAULT '',
  待排节 INTEGER NOT NULL DEFAULT 0 CHECK (待排节 >= 0),
  已排节 INTEGER NOT NULL DEFAULT 0 CHECK (已排节 >= 0),
  待排周 INTEGER NOT NULL DEFAULT 0, 主讲教师 TEXT NOT NULL DEFAULT '0000000',
  备注 TEXT NOT NULL DEFAULT '');

CREATE TABLE Curriculum (
  ID INTEGER PRIMARY KEY AUTOINCREMENT, 编号 TEXT, 教室 TEXT NOT NULL, 节时 TEXT NOT NULL,
  是否已排 BOOLEAN NOT NULL DEFAULT 0, 排课任务编号 TEXT NOT NULL DEFAULT '',
  排课权重 INTEGER NOT NULL DEFAULT 0, 备注 TEXT NOT NULL DEFAULT '');

CREATE TABLE CoursePlanOriginTemp (
  TempId INTEGER PRIMARY KEY AUTOINCREMENT, 开课编号 TEXT, 年级 TEXT, 专业 TEXT, 学期 TEXT,
  课程编号 TEXT, 课程 TEXT, 课程全称 TEXT, 课程类别 TEXT, 开设教学部 TEXT, 开设教研室 TEXT,
  开设教师 TEXT, 建议开设学期 TEXT, 是否停开 BOOLEAN NOT NULL DEFAULT 0, 适用专业 TEXT,
  学分 REAL, 周学时 INTEGER, 周数 INTEGER, 总学时 INTEGER, 理论学时 INTEGER, 实践学时 INTEGER,
  实训课 TEXT, 教室要求 TEXT, 修读类型 TEXT, 考核形式 TEXT, 教学进程表课程 TEXT, 教学大纲 TEXT,
  排课建议 TEXT, 备注 TEXT);

-- A room holds one cell per period: the engine itself refuses a second.
CREATE UNIQUE INDEX ixCurriculumRoomPeriod ON Curriculum (教室, 节时);
CREATE INDEX ixCurriculumPeriod ON Curriculum (节时);
CREATE INDEX ixCurriculumTask ON Curriculum (排课任务编号);
CREATE INDEX ixCurriculumCode ON Curriculum (编号);
CREATE INDEX ixCrcTaskTeacher ON CrcTask (主讲教师);
CREATE INDEX ixCoursePlanTaskCrcTask ON CoursePlanTask (排课任务编号, ID);
CREATE INDEX ixCoursePlanTaskPlanClass ON CoursePlanTask (开课编号, 班号);
CREATE INDEX ixCoursePlanTaskClass ON CoursePlanTask (班号);
CREATE INDEX ixCoursePlanTerm ON CoursePlan (学期, 年级, 专业);
CREATE INDEX ixClassDept ON Class (教学部);
CREATE INDEX ixClassName ON Class (班级);
CREATE INDEX ixTeacherName ON Teacher (姓名);
CREATE INDEX ixCCLogModule ON CCLog (模块, 操作);
)";

}  // namespace db::schema
