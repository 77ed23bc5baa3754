#include "business/demo_college_data.h"

namespace business::college_data {

namespace {

constexpr std::string_view kPublic = "公共课";
constexpr std::string_view kMajor = "专业课";
constexpr std::string_view kQuality = "素质课";
constexpr std::string_view kPractice = "实践课";

constexpr std::string_view kAny = "";
constexpr std::string_view kPlain = "普通";
constexpr std::string_view kMedia = "多媒体";
constexpr std::string_view kLab = "实验室";
constexpr std::string_view kComputer = "机房";
constexpr std::string_view kField = "操场";

// Each class takes every public course of its year, so their hours set the floor of a week.
constexpr PublicCourseData kPublicCourses[] = {
    {{"思想道德与法治", kPublic, 4, kMedia, 1, 0}, 1},
    {{"大学英语", kPublic, 4, kMedia, 1, 0}, 2},
    {{"高等数学", kPublic, 4, kAny, 1, 0}, 2},
    {{"体育", kPublic, 2, kField, 1, 0}, 2},
    {{"信息技术基础", kPublic, 4, kComputer, 1, 0}, 0},
    {{"军事理论", kPublic, 2, kAny, 1, 0}, 2},
    {{"毛泽东思想和中国特色社会主义理论体系概论", kPublic, 4, kMedia, 2, 0}, 1},
    {{"实用英语", kPublic, 4, kMedia, 2, 0}, 2},
    {{"体育与健康", kPublic, 2, kField, 2, 0}, 2},
    {{"大学生心理健康教育", kPublic, 2, kAny, 2, 0}, 1},
    {{"演讲与口才", kQuality, 2, kPlain, 2, 0}, 2},
    {{"习近平新时代中国特色社会主义思想概论", kPublic, 4, kMedia, 3, 0}, 1},
    {{"大学生职业发展与就业指导", kPublic, 2, kAny, 3, 0}, 1},
    {{"创新创业基础", kPublic, 2, kAny, 3, 0}, 1},
    {{"中华优秀传统文化", kQuality, 2, kAny, 3, 0}, 2},
};

constexpr CourseData kInformation[] = {
    {"C语言程序设计", kMajor, 6, kComputer, 1, 0},
    {"网页设计与制作", kMajor, 4, kComputer, 1, 0},
    {"软件工程导论", kMajor, 2, kMedia, 1, 1},
    {"离散数学", kMajor, 2, kAny, 1, 1},
    {"计算机网络基础", kMajor, 4, kMedia, 1, 2},
    {"大数据技术导论", kMajor, 2, kMedia, 1, 3},
    {"人工智能导论", kMajor, 2, kMedia, 1, 4},
    {"Java程序设计", kMajor, 6, kComputer, 2, 1},
    {"路由与交换技术", kMajor, 6, kLab, 2, 2},
    {"数据库原理与应用", kMajor, 4, kComputer, 2, 0},
    {"Python程序设计", kMajor, 4, kComputer, 2, 0},
    {"数据结构", kMajor, 4, kMedia, 2, 0},
    {"Linux操作系统", kMajor, 4, kComputer, 2, 0},
    {"Hadoop平台应用", kMajor, 4, kComputer, 2, 3},
    {"机器学习基础", kMajor, 4, kComputer, 2, 4},
    {"Web前端开发", kMajor, 6, kComputer, 3, 1},
    {"Java企业级开发", kMajor, 6, kComputer, 3, 1},
    {"软件项目综合实训", kPractice, 6, kComputer, 3, 1},
    {"网络安全技术", kMajor, 4, kLab, 3, 2},
    {"云计算技术与应用", kMajor, 4, kComputer, 3, 2},
    {"网络工程综合实训", kPractice, 6, kLab, 3, 2},
    {"数据可视化技术", kMajor, 4, kComputer, 3, 3},
    {"深度学习应用", kMajor, 4, kComputer, 3, 4},
    {"软件测试技术", kMajor, 4, kComputer, 3, 0},
    {"信息安全基础", kMajor, 2, kMedia, 3, 0},
    {"IT项目管理", kMajor, 2, kAny, 3, 0},
};

constexpr CourseData kEconomics[] = {
    {"基础会计", kMajor, 4, kMedia, 1, 1},
    {"电子商务基础", kMajor, 4, kMedia, 1, 2},
    {"市场营销学", kMajor, 4, kMedia, 1, 3},
    {"物流管理基础", kMajor, 4, kMedia, 1, 4},
    {"管理学基础", kMajor, 4, kAny, 1, 0},
    {"经济学基础", kMajor, 4, kAny, 1, 0},
    {"商务礼仪", kMajor, 2, kAny, 1, 0},
    {"财务会计", kMajor, 6, kMedia, 2, 1},
    {"会计信息化", kMajor, 4, kComputer, 2, 1},
    {"网店运营与管理", kMajor, 4, kComputer, 2, 2},
    {"网络营销", kMajor, 4, kMedia, 2, 2},
    {"消费者行为学", kMajor, 4, kAny, 2, 3},
    {"仓储与配送管理", kMajor, 4, kAny, 2, 4},
    {"统计学基础", kMajor, 4, kAny, 2, 0},
    {"经济法", kMajor, 4, kPlain, 2, 0},
    {"商务数据分析", kMajor, 4, kComputer, 2, 0},
    {"成本会计", kMajor, 4, kMedia, 3, 1},
    {"税法", kMajor, 4, kAny, 3, 1},
    {"财务管理", kMajor, 4, kMedia, 3, 1},
    {"审计基础", kMajor, 4, kAny, 3, 1},
    {"会计综合实训", kPractice, 6, kComputer, 3, 1},
    {"跨境电子商务", kMajor, 4, kMedia, 3, 2},
    {"电商视觉设计", kMajor, 4, kComputer, 3, 2},
    {"直播电商实务", kMajor, 4, kMedia, 3, 2},
    {"电子商务综合实训", kPractice, 6, kComputer, 3, 2},
    {"推销与谈判", kMajor, 4, kAny, 3, 3},
    {"供应链管理", kMajor, 4, kAny, 3, 4},
    {"客户关系管理", kMajor, 2, kAny, 3, 0},
};

constexpr CourseData kMechatronics[] = {
    {"汽车构造", kMajor, 4, kLab, 1, 4},
    {"机械制图", kMajor, 4, kMedia, 1, 0},
    {"电工电子技术", kMajor, 4, kLab, 1, 0},
    {"机械基础", kMajor, 4, kAny, 1, 0},
    {"金工实习", kPractice, 2, kLab, 1, 0},
    {"液压与气动技术", kMajor, 4, kLab, 2, 1},
    {"PLC应用技术", kMajor, 6, kLab, 2, 1},
    {"数控编程与加工", kMajor, 6, kComputer, 2, 2},
    {"机械制造工艺", kMajor, 4, kAny, 2, 2},
    {"工业机器人编程", kMajor, 6, kLab, 2, 3},
    {"汽车电气设备", kMajor, 4, kLab, 2, 4},
    {"AutoCAD计算机绘图", kMajor, 4, kComputer, 2, 0},
    {"公差配合与测量技术", kMajor, 4, kAny, 2, 0},
    {"传感器与检测技术", kMajor, 4, kLab, 2, 0},
    {"机电设备维修", kMajor, 4, kLab, 3, 1},
    {"自动化生产线安装与调试", kMajor, 6, kLab, 3, 1},
    {"单片机应用技术", kMajor, 4, kLab, 3, 1},
    {"机电综合实训", kPractice, 6, kLab, 3, 1},
    {"CAD/CAM技术", kMajor, 4, kComputer, 3, 2},
    {"数控机床故障诊断", kMajor, 4, kLab, 3, 2},
    {"多轴加工技术", kMajor, 4, kComputer, 3, 2},
    {"数控加工综合实训", kPractice, 6, kLab, 3, 2},
    {"工业机器人系统集成", kMajor, 4, kLab, 3, 3},
    {"汽车故障诊断", kMajor, 4, kLab, 3, 4},
    {"企业管理基础", kMajor, 2, kAny, 3, 0},
};

constexpr CourseData kConstruction[] = {
    {"建筑制图与识图", kMajor, 4, kMedia, 1, 0},
    {"建筑材料", kMajor, 4, kAny, 1, 0},
    {"建筑CAD", kMajor, 4, kComputer, 1, 0},
    {"建筑力学", kMajor, 4, kAny, 2, 0},
    {"建筑施工技术", kMajor, 4, kMedia, 2, 0},
    {"工程测量", kMajor, 4, kLab, 2, 0},
    {"建筑工程计量与计价", kMajor, 4, kComputer, 2, 0},
    {"建筑结构", kMajor, 4, kAny, 3, 0},
    {"BIM技术应用", kMajor, 6, kComputer, 3, 0},
    {"建设工程法规", kMajor, 4, kAny, 3, 0},
    {"工程招投标与合同管理", kMajor, 4, kAny, 3, 0},
    {"建筑工程综合实训", kPractice, 6, kLab, 3, 0},
};

constexpr CourseData kElectronics[] = {
    {"电路分析基础", kMajor, 4, kAny, 1, 0},      {"电子技术基础", kMajor, 4, kLab, 1, 0},
    {"C语言基础", kMajor, 4, kComputer, 1, 0},    {"模拟电子技术", kMajor, 4, kLab, 2, 0},
    {"数字电子技术", kMajor, 4, kLab, 2, 0},      {"单片机原理与应用", kMajor, 4, kLab, 2, 0},
    {"电子CAD", kMajor, 4, kComputer, 2, 0},      {"嵌入式系统开发", kMajor, 6, kLab, 3, 0},
    {"传感器网络技术", kMajor, 4, kLab, 3, 0},    {"物联网工程实施", kMajor, 4, kMedia, 3, 0},
    {"智能终端开发", kMajor, 4, kComputer, 3, 0}, {"电子产品综合实训", kPractice, 6, kLab, 3, 0},
};

constexpr CourseData kArtDesign[] = {
    {"设计素描", kMajor, 4, kPlain, 1, 0},
    {"设计色彩", kMajor, 4, kPlain, 1, 0},
    {"构成设计", kMajor, 4, kMedia, 1, 0},
    {"图形创意", kMajor, 4, kMedia, 2, 0},
    {"Photoshop图像处理", kMajor, 4, kComputer, 2, 0},
    {"字体设计", kMajor, 4, kMedia, 2, 0},
    {"中外设计史", kMajor, 2, kMedia, 2, 0},
    {"版式设计", kMajor, 4, kComputer, 2, 0},
    {"品牌形象设计", kMajor, 6, kComputer, 3, 0},
    {"三维建模与渲染", kMajor, 6, kComputer, 3, 0},
    {"包装设计", kMajor, 4, kMedia, 3, 0},
    {"毕业创作", kPractice, 6, kMedia, 3, 0},
};

constexpr CourseData kForeignLanguages[] = {
    {"综合英语", kMajor, 6, kMedia, 1, 0}, {"英语语音", kMajor, 2, kMedia, 1, 0},
    {"英语听力", kMajor, 2, kMedia, 1, 0}, {"英语口语", kMajor, 4, kMedia, 2, 0},
    {"英语阅读", kMajor, 4, kAny, 2, 0},   {"英语写作", kMajor, 4, kAny, 2, 0},
    {"英美概况", kMajor, 2, kAny, 2, 0},   {"商务英语翻译", kMajor, 4, kAny, 3, 0},
    {"外贸函电", kMajor, 4, kAny, 3, 0},   {"国际贸易实务", kMajor, 4, kMedia, 3, 0},
    {"跨文化交际", kMajor, 2, kAny, 3, 0}, {"口译实训", kPractice, 6, kMedia, 3, 0},
};

constexpr CourseData kHealth[] = {
    {"人体解剖学", kMajor, 4, kLab, 1, 0},       {"生理学", kMajor, 4, kAny, 1, 0},
    {"医用化学", kMajor, 2, kLab, 1, 0},         {"病理学", kMajor, 4, kAny, 2, 0},
    {"药理学", kMajor, 4, kAny, 2, 0},           {"生物化学", kMajor, 4, kLab, 2, 0},
    {"医学微生物与免疫", kMajor, 4, kLab, 2, 0}, {"基础护理技术", kMajor, 6, kLab, 3, 0},
    {"内科护理", kMajor, 4, kAny, 3, 0},         {"外科护理", kMajor, 4, kAny, 3, 0},
    {"健康评估", kMajor, 4, kMedia, 3, 0},       {"临床技能综合实训", kPractice, 6, kLab, 3, 0},
};

constexpr CourseData kTourism[] = {
    {"旅游学概论", kMajor, 4, kAny, 1, 0},          {"饭店管理概论", kMajor, 4, kAny, 1, 0},
    {"旅游地理", kMajor, 2, kMedia, 1, 0},          {"导游业务", kMajor, 4, kMedia, 2, 0},
    {"前厅与客房管理", kMajor, 4, kAny, 2, 0},      {"餐饮服务与管理", kMajor, 4, kLab, 2, 0},
    {"旅游英语", kMajor, 4, kMedia, 2, 0},          {"旅行社经营管理", kMajor, 4, kAny, 3, 0},
    {"旅游市场营销", kMajor, 4, kAny, 3, 0},        {"会展策划实务", kMajor, 4, kMedia, 3, 0},
    {"酒店数字化运营", kMajor, 4, kComputer, 3, 0}, {"导游综合实训", kPractice, 6, kMedia, 3, 0},
};

constexpr CourseData kEducation[] = {
    {"教育学基础", kMajor, 4, kAny, 1, 0}, {"乐理与视唱", kMajor, 4, kMedia, 1, 0},
    {"美术基础", kMajor, 4, kPlain, 1, 0}, {"儿童发展心理学", kMajor, 4, kAny, 2, 0},
    {"钢琴基础", kMajor, 4, kLab, 2, 0},   {"舞蹈基础", kMajor, 4, kLab, 2, 0},
    {"教师口语", kMajor, 2, kAny, 2, 0},   {"幼儿游戏与指导", kMajor, 4, kAny, 3, 0},
    {"幼儿园课程", kMajor, 4, kAny, 3, 0}, {"学前儿童卫生与保育", kMajor, 4, kAny, 3, 0},
    {"班级管理", kMajor, 2, kAny, 3, 0},   {"教育见习", kPractice, 6, kAny, 3, 0},
};

constexpr CourseData kTransport[] = {
    {"交通运输概论", kMajor, 4, kAny, 1, 0},   {"工程制图", kMajor, 4, kMedia, 1, 0},
    {"电工基础", kMajor, 4, kLab, 1, 0},       {"轨道交通车辆", kMajor, 4, kAny, 2, 0},
    {"新能源汽车结构", kMajor, 4, kLab, 2, 0}, {"土木工程材料", kMajor, 4, kLab, 2, 0},
    {"行车组织", kMajor, 4, kAny, 2, 0},       {"客运组织与服务", kMajor, 4, kAny, 3, 0},
    {"动力电池技术", kMajor, 4, kLab, 3, 0},   {"桥梁施工技术", kMajor, 4, kAny, 3, 0},
    {"线路维护", kMajor, 4, kAny, 3, 0},       {"运营综合实训", kPractice, 6, kLab, 3, 0},
};

constexpr CourseData kChemistry[] = {
    {"无机化学", kMajor, 4, kLab, 1, 0},     {"有机化学", kMajor, 4, kLab, 1, 0},
    {"化工制图", kMajor, 4, kMedia, 1, 0},   {"分析化学", kMajor, 4, kLab, 2, 0},
    {"化工原理", kMajor, 6, kAny, 2, 0},     {"物理化学", kMajor, 4, kAny, 2, 0},
    {"仪器分析", kMajor, 4, kLab, 2, 0},     {"化工安全技术", kMajor, 4, kAny, 3, 0},
    {"化工工艺", kMajor, 4, kAny, 3, 0},     {"环境监测", kMajor, 4, kLab, 3, 0},
    {"食品理化检验", kMajor, 4, kLab, 3, 0}, {"化工仿真实训", kPractice, 6, kComputer, 3, 0},
};

constexpr CourseData kAgriculture[] = {
    {"植物与植物生理", kMajor, 4, kLab, 1, 0}, {"土壤肥料", kMajor, 4, kAny, 1, 0},
    {"农业气象", kMajor, 2, kAny, 1, 0},       {"园林植物栽培", kMajor, 4, kLab, 2, 0},
    {"动物解剖生理", kMajor, 4, kLab, 2, 0},   {"植物保护", kMajor, 4, kAny, 2, 0},
    {"园林设计", kMajor, 4, kComputer, 2, 0},  {"设施农业技术", kMajor, 4, kAny, 3, 0},
    {"动物疾病防治", kMajor, 4, kLab, 3, 0},   {"食品加工工艺", kMajor, 4, kLab, 3, 0},
    {"农产品营销", kMajor, 4, kAny, 3, 0},     {"生产综合实训", kPractice, 6, kLab, 3, 0},
};

constexpr CourseData kCommunication[] = {
    {"传播学概论", kMajor, 4, kAny, 1, 0},      {"摄影基础", kMajor, 4, kLab, 1, 0},
    {"新闻学概论", kMajor, 4, kAny, 1, 0},      {"新闻采访与写作", kMajor, 4, kMedia, 2, 0},
    {"视听语言", kMajor, 4, kMedia, 2, 0},      {"广告策划", kMajor, 4, kAny, 2, 0},
    {"非线性编辑", kMajor, 4, kComputer, 2, 0}, {"影视后期制作", kMajor, 6, kComputer, 3, 0},
    {"新媒体运营", kMajor, 4, kComputer, 3, 0}, {"融媒体内容制作", kMajor, 4, kComputer, 3, 0},
    {"媒介经营管理", kMajor, 4, kAny, 3, 0},    {"作品创作实训", kPractice, 6, kLab, 3, 0},
};

constexpr CourseData kFinance[] = {
    {"金融学基础", kMajor, 4, kAny, 1, 0},        {"会计学原理", kMajor, 4, kMedia, 1, 0},
    {"经济数学", kMajor, 4, kAny, 1, 0},          {"货币银行学", kMajor, 4, kAny, 2, 0},
    {"证券投资实务", kMajor, 4, kComputer, 2, 0}, {"保险实务", kMajor, 4, kAny, 2, 0},
    {"统计基础", kMajor, 4, kAny, 2, 0},          {"商业银行业务", kMajor, 4, kAny, 3, 0},
    {"个人理财", kMajor, 4, kMedia, 3, 0},        {"税收实务", kMajor, 4, kAny, 3, 0},
    {"金融风险管理", kMajor, 4, kAny, 3, 0},      {"金融综合实训", kPractice, 6, kComputer, 3, 0},
};

constexpr DeptData kDepartments[] = {
    {"信息工程系",
     {"软件技术教研室", "网络技术教研室", "计算机基础教研室"},
     {{{"软件技术", "软件"},
       {"计算机网络技术", "网络"},
       {"大数据技术", "大数据"},
       {"人工智能技术应用", "人工智能"}}},
     kInformation},
    {"经济管理系",
     {"会计教研室", "电子商务教研室", "思政教研室"},
     {{{"大数据与会计", "会计"},
       {"电子商务", "电商"},
       {"市场营销", "营销"},
       {"现代物流管理", "物流"}}},
     kEconomics},
    {"机电工程系",
     {"机电技术教研室", "数控技术教研室", "公共基础教研室"},
     {{{"机电一体化技术", "机电"},
       {"数控技术", "数控"},
       {"工业机器人技术", "机器人"},
       {"汽车检测与维修技术", "汽修"}}},
     kMechatronics},
    {"建筑工程系",
     {"建筑技术教研室", "工程管理教研室", "建筑基础教研室"},
     {{{"建筑工程技术", "建工"},
       {"工程造价", "造价"},
       {"建设工程管理", "建管"},
       {"建筑装饰工程技术", "装饰"}}},
     kConstruction},
    {"电子工程系",
     {"应用电子教研室", "物联网教研室", "电子基础教研室"},
     {{{"应用电子技术", "应电"},
       {"物联网应用技术", "物联网"},
       {"电子信息工程技术", "电信"},
       {"智能产品开发与应用", "智能"}}},
     kElectronics},
    {"艺术设计系",
     {"视觉设计教研室", "环境设计教研室", "美术基础教研室"},
     {{{"视觉传达设计", "视传"},
       {"环境艺术设计", "环艺"},
       {"数字媒体艺术设计", "数媒"},
       {"服装与服饰设计", "服装"}}},
     kArtDesign},
    {"外国语系",
     {"商务英语教研室", "应用外语教研室", "语言基础教研室"},
     {{{"商务英语", "商英"}, {"应用英语", "应英"}, {"旅游英语", "旅英"}, {"应用日语", "日语"}}},
     kForeignLanguages},
    {"医学护理系",
     {"护理教研室", "药学教研室", "医学基础教研室"},
     {{{"护理", "护理"}, {"药学", "药学"}, {"康复治疗技术", "康复"}, {"医学检验技术", "检验"}}},
     kHealth},
    {"旅游管理系",
     {"旅游管理教研室", "酒店管理教研室", "旅游基础教研室"},
     {{{"旅游管理", "旅游"},
       {"酒店管理与数字化运营", "酒店"},
       {"烹饪工艺与营养", "烹饪"},
       {"会展策划与管理", "会展"}}},
     kTourism},
    {"教育系",
     {"学前教育教研室", "小学教育教研室", "教育基础教研室"},
     {{{"学前教育", "学前"}, {"小学教育", "小教"}, {"早期教育", "早教"}, {"音乐教育", "音教"}}},
     kEducation},
    {"交通工程系",
     {"轨道交通教研室", "汽车技术教研室", "交通基础教研室"},
     {{{"城市轨道交通运营管理", "轨道"},
       {"新能源汽车技术", "新能源"},
       {"道路与桥梁工程技术", "路桥"},
       {"铁道工程技术", "铁道"}}},
     kTransport},
    {"化学工程系",
     {"化工技术教研室", "环境工程教研室", "化学基础教研室"},
     {{{"应用化工技术", "化工"},
       {"药品生产技术", "药品"},
       {"环境工程技术", "环境"},
       {"食品检验检测技术", "食检"}}},
     kChemistry},
    {"农林工程系",
     {"园林教研室", "畜牧兽医教研室", "农学基础教研室"},
     {{{"园林技术", "园林"},
       {"现代农业技术", "农业"},
       {"畜牧兽医", "畜牧"},
       {"食品智能加工技术", "食品"}}},
     kAgriculture},
    {"文化传媒系",
     {"新闻传播教研室", "影视技术教研室", "传媒基础教研室"},
     {{{"广告艺术设计", "广告"},
       {"新闻采编与制作", "新闻"},
       {"影视多媒体技术", "影视"},
       {"网络新闻与传播", "网新"}}},
     kCommunication},
    {"财经系",
     {"金融教研室", "财税教研室", "财经基础教研室"},
     {{{"金融服务与管理", "金融"},
       {"财富管理", "财富"},
       {"统计与会计核算", "统计"},
       {"税务", "税务"}}},
     kFinance},
};

constexpr RoomBlock kDemoFirst[] = {{kPlain, 19, 40, 60}, {kMedia, 6, 60, 90}};
constexpr RoomBlock kDemoSecond[] = {{kMedia, 14, 50, 90}, {kMedia, 4, 120, 150}};
constexpr RoomBlock kDemoWorkshop[] = {{kComputer, 8, 50, 60}, {kLab, 7, 40, 50}};
constexpr RoomBlock kFields[] = {{kField, 2, 200, 200}};

constexpr BuildingData kDemoBuildings[] = {
    {"一教", 5, kDemoFirst},
    {"二教", 6, kDemoSecond},
    {"实训楼", 5, kDemoWorkshop},
    {"运动场", 0, kFields},
};

constexpr RoomBlock kLargeTeaching[] = {
    {kPlain, 40, 40, 60}, {kMedia, 16, 50, 90}, {kMedia, 4, 120, 150}};
constexpr RoomBlock kLargeMedia[] = {{kMedia, 40, 50, 90}, {kPlain, 10, 40, 60}};
constexpr RoomBlock kLargeWorkshopA[] = {{kComputer, 30, 50, 60}, {kLab, 20, 40, 50}};
constexpr RoomBlock kLargeWorkshopB[] = {{kComputer, 20, 50, 60}, {kLab, 30, 40, 50}};
constexpr RoomBlock kLargeWorkshopC[] = {{kLab, 24, 40, 50}};
constexpr RoomBlock kLargeFields[] = {{kField, 16, 200, 200}};

constexpr BuildingData kLargeBuildings[] = {
    {"一教", 10, kLargeTeaching},      {"二教", 10, kLargeTeaching},
    {"三教", 10, kLargeTeaching},      {"四教", 10, kLargeTeaching},
    {"五教", 10, kLargeTeaching},      {"六教", 10, kLargeTeaching},
    {"七教", 10, kLargeMedia},         {"八教", 10, kLargeMedia},
    {"实训一楼", 10, kLargeWorkshopA}, {"实训二楼", 10, kLargeWorkshopB},
    {"实训三楼", 8, kLargeWorkshopC},  {"运动场", 0, kLargeFields},
};

constexpr std::string_view kSurnames[] = {
    "王", "李", "张", "刘", "陈", "杨", "黄", "赵", "吴", "周", "徐", "孙", "马", "朱",
    "胡", "郭", "何", "高", "林", "罗", "郑", "梁", "谢", "宋", "唐", "许", "韩", "冯",
    "邓", "曹", "彭", "曾", "肖", "田", "董", "袁", "潘", "于", "蒋", "蔡", "余", "杜",
    "叶", "程", "苏", "魏", "吕", "丁", "任", "沈", "姚", "卢", "姜", "崔", "钟", "谭",
    "陆", "汪", "范", "金", "石", "廖", "贾", "夏", "韦", "付", "方", "白", "邹", "孟",
    "熊", "秦", "邱", "江", "尹", "薛", "闫", "段", "雷", "侯", "龙", "史", "陶", "黎",
    "贺", "顾", "毛", "郝", "龚", "邵", "万", "钱", "严", "武", "戴", "莫", "孔", "汤",
};

constexpr std::string_view kMaleGiven[] = {
    "伟", "强", "磊", "军", "勇", "杰", "涛", "斌", "超", "明", "刚", "平", "辉",
    "鹏", "华", "飞", "鑫", "波", "宇", "浩", "凯", "健", "俊", "帆", "旭", "宁",
    "龙", "林", "峰", "建", "国", "志", "文", "亮", "东", "海", "松", "晨", "哲",
    "博", "睿", "航", "振", "毅", "诚", "坤", "源", "骏", "昊", "泽",
};

constexpr std::string_view kFemaleGiven[] = {
    "芳", "娜", "敏", "静", "丽", "艳", "娟", "霞", "燕", "玲", "婷", "雪", "琳", "颖",
    "倩", "洁", "慧", "莉", "萍", "红", "梅", "琴", "云", "璐", "瑶", "欣", "怡", "佳",
    "悦", "蕾", "薇", "媛", "婧", "妍", "晶", "岚", "露", "楠", "蓉", "月",
};

}  // namespace

std::span<const DeptData> departments() {
    return kDepartments;
}
std::span<const PublicCourseData> publicCourses() {
    return kPublicCourses;
}
std::span<const BuildingData> demoBuildings() {
    return kDemoBuildings;
}
std::span<const BuildingData> largeBuildings() {
    return kLargeBuildings;
}
std::span<const std::string_view> surnames() {
    return kSurnames;
}
std::span<const std::string_view> maleGivenNames() {
    return kMaleGiven;
}
std::span<const std::string_view> femaleGivenNames() {
    return kFemaleGiven;
}

}  // namespace business::college_data
