#pragma once
// A college small enough to reason about: three rooms, three periods (the third one's name
// ends with the first one's), three classes, teachers 张伟, 李娜 and the placeholder, and
// scheduling tasks:
//   1001 高等数学 张伟, combined 25软件1班 + 25软件2班, 4 periods to place
//   1002 Java     李娜, single 25软件1班, 2 periods
//   1003 英语     待定, single 25网络1班, 2 periods
//   1004 Java     张伟, single 25网络1班, 1 period
//   1005 英语     待定, single 25软件2班, 2 periods
#include "db/schema.h"
#include "tests/support/scratch_database.h"

namespace testing_support {

inline void fillSmallCollege(db::Connection& c) {
    c.executeScript(R"(
        INSERT INTO Dept (编号, 教学部) VALUES ('01', '信息系');
        INSERT INTO Room (编号, 教室, 类型) VALUES ('R1', '一教101', '多媒体'), ('R2', '一教102', '普通'),
                                             ('R3', '一教103', '普通');
        INSERT INTO Period (编号, 节时) VALUES ('P1', '一12D'), ('P2', '一12S'), ('P3', '加一12D');
        INSERT INTO Curriculum (编号, 教室, 节时)
            SELECT r.ID * 10 + p.ID, r.编号, p.编号 FROM Room r, Period p ORDER BY r.ID, p.ID;
        UPDATE Curriculum SET 编号 = ID;
        INSERT INTO Class (班号, 班级, 年级, 专业, 教学部, 班级人数) VALUES
            ('C1', '25软件1班', '25', '软件技术', '01', 40), ('C2', '25软件2班', '25', '软件技术', '01', 42),
            ('C3', '25网络1班', '25', '网络技术', '01', 38);
        INSERT INTO Teacher (教工号, 姓名) VALUES ('1000001', '张伟'), ('1000002', '李娜'), ('0000000', '待定');
        INSERT INTO Course (编号, 课程) VALUES ('K1', '高等数学'), ('K2', 'Java'), ('K3', '英语');
        INSERT INTO CoursePlan (编号, 年级, 专业, 学期, 课程编号, 周学时) VALUES
            ('CP1', '25', '软件技术', '261', 'K1', 4), ('CP2', '25', '软件技术', '261', 'K2', 2),
            ('CP3', '25', '网络技术', '261', 'K3', 2), ('CP4', '25', '网络技术', '261', 'K2', 1),
            ('CP5', '25', '软件技术', '261', 'K3', 2);
        INSERT INTO CoursePlanTask (ID, 任务编号, 开课编号, 班号, 排课任务编号, 是否合班, 是否单班, 是否设置, 排课班) VALUES
            (1, 'CPT1', 'CP1', 'C1', '1001', 1, 0, 1, '25软件1班软件2班'),
            (2, 'CPT2', 'CP1', 'C2', '1001', 1, 0, 1, '25软件1班软件2班'),
            (3, 'CPT3', 'CP2', 'C1', '1002', 0, 1, 1, '25软件1班'),
            (4, 'CPT4', 'CP3', 'C3', '1003', 0, 1, 1, '25网络1班'),
            (5, 'CPT5', 'CP4', 'C3', '1004', 0, 1, 1, '25网络1班'),
            (6, 'CPT6', 'CP5', 'C2', '1005', 0, 1, 1, '25软件2班');
        INSERT INTO CrcTask (ID, 编号, 任务编号, 是否合班, 排课班, 待排节, 已排节, 待排周, 主讲教师) VALUES
            (1001, '1001', 'CPT1,CPT2,', 1, '25软件1班软件2班', 4, 0, 16, '1000001'),
            (1002, '1002', 'CPT3', 0, '25软件1班', 2, 0, 16, '1000002'),
            (1003, '1003', 'CPT4', 0, '25网络1班', 2, 0, 16, '0000000'),
            (1004, '1004', 'CPT5', 0, '25网络1班', 1, 0, 16, '1000001'),
            (1005, '1005', 'CPT6', 0, '25软件2班', 2, 0, 16, '0000000');
    )");
    db::schema::refreshCrosstabViews(c);
}

}  // namespace testing_support
