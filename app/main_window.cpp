#include "app/main_window.h"

#include <QComboBox>
#include <QDateTime>
#include <QFileInfo>
#include <QDir>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPushButton>
#include <QStandardPaths>
#include <QVBoxLayout>
#include <stdexcept>

#include "app/about_box.h"
#include "app/data_setting_window.h"
#include "app/exports.h"
#include "widgets/data_grid.h"
#include "widgets/grid_sort.h"

namespace app {

namespace {

const QString kUnavailable = QStringLiteral("此功能尚未提供");
const QString kOffice = QStringLiteral("教务处");

QString text(const std::string& s) { return QString::fromStdString(s); }

QStringList textList(const std::vector<std::string>& items) {
    QStringList list;
    for (const auto& s : items) list << text(s);
    return list;
}

}  // namespace

TfrmMain::TfrmMain(TdmData& data, widgets::DialogService& dialogs)
    : data_(data), dialogs_(dialogs), registry_(*this, dialogs) {
    setObjectName("frmMain");
    CurrentCell = &ownCell_;  // FormCreate: an empty cell of its own
    baseTitle_ = QStringLiteral("课程表");
    setWindowTitle(baseTitle_);
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);

    registry_.add("frmData", [this](QWidget* parent) {
        return new TfrmData(data_, dialogs_, [this] { update(); }, parent);
    });
    registry_.add("frmAbout", [](QWidget* parent) { return new TfrmAbout(parent); });

    buildControls();
    buildMenu();
    refreshAvailability();
}

TfrmMain::~TfrmMain() = default;

void TfrmMain::buildControls() {
    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);

    auto* top = new QHBoxLayout;
    auto* lbl1 = new QLabel(QStringLiteral("学期: "), central);
    lbl1->setObjectName("lbl1");
    cbbCurrentTerm = new QComboBox(central);
    cbbCurrentTerm->setObjectName("cbbCurrentTerm");
    cbbCurrentTerm->setMaxVisibleItems(15);
    cbbCurrentTerm->setMinimumContentsLength(6);
    auto* RzLabel1 = new QLabel(QStringLiteral("使用部门: "), central);
    RzLabel1->setObjectName("RzLabel1");
    cbbCurrentDept = new QComboBox(central);
    cbbCurrentDept->setObjectName("cbbCurrentDept");
    cbbCurrentDept->setMaxVisibleItems(15);
    cbbCurrentDept->setMinimumContentsLength(8);
    cbbCurrentDept->setEnabled(false);  // read-only until the lock is opened
    connect(cbbCurrentDept, &QComboBox::activated, this, [this] { actSetActiveDeptExecute(); });
    lblDataSite = new QLabel(text(data_.DataSiteText), central);
    lblDataSite->setObjectName("lblDataSite");
    top->addWidget(lbl1);
    top->addWidget(cbbCurrentTerm);
    top->addSpacing(12);
    top->addWidget(RzLabel1);
    top->addWidget(cbbCurrentDept);
    top->addStretch();
    top->addWidget(lblDataSite);
    layout->addLayout(top);

    auto* grid = new QGridLayout;
    layout->addLayout(grid);
    struct ButtonEntry {
        const char* name;
        const char* caption;
        const char* window;
        bool fullOnly;
    };
    const ButtonEntry buttons[] = {
        {"btnQuery", "搜索&S", "frmCrcQuery", false},
        {"btnCurriculum", "排课&R", "frmRoomCrc", false},
        {"btnClass", "班级课表&C", "frmClassCrc", false},
        {"btnCrcTeacher", "教师课表&T", "frmCrcTeacher", false},
        {"btnCoursePlan", "开课计划&P", "frmPreCrcPlanTask", true},
        {"btnCrcSetting", "排课任务&K", "frmCoursePlanTask", true},
        {"btnChange", "调课&J", "frmAdjust", true},
        {"btnSystem", "基表维护&Q", "frmDataTableMaintain", true},
        {"btnCrcMerge", "合并&M", "frmCrcsMerge", true},
        {"btnCoursePlanInput", "系统升级&U", "frmSystemUpdate", true},
        {"bbtnCrcAnalysis", "课表分析&A", "frmAnalysis", true},
        {"bbtnChangeVer", "系统分发&V", "frmVerChange", true},
    };
    int i = 0;
    for (const auto& s : buttons) {
        QPushButton* b = addLaunchButton(s.name, QString::fromUtf8(s.caption), s.window, s.fullOnly);
        b->setMinimumSize(120, 36);
        grid->addWidget(b, i / 3, i % 3);
        ++i;
    }
    btnCurriculum = findChild<QPushButton*>("btnCurriculum");
    bbtnCrcAnalysis = findChild<QPushButton*>("bbtnCrcAnalysis");
    bbtnChangeVer = findChild<QPushButton*>("bbtnChangeVer");
    // These two go through their own handlers: a lock, or a modal showing.
    disconnect(bbtnCrcAnalysis, &QPushButton::clicked, nullptr, nullptr);
    connect(bbtnCrcAnalysis, &QPushButton::clicked, this, [this] { bbtnCrcAnalysisClick(); });
    disconnect(bbtnChangeVer, &QPushButton::clicked, nullptr, nullptr);
    connect(bbtnChangeVer, &QPushButton::clicked, this, [this] { bbtnChangeVerClick(); });
    setCentralWidget(central);
}

QPushButton* TfrmMain::addLaunchButton(const QString& objectName, const QString& caption,
                                       const QString& window, bool fullEditionOnly) {
    auto* b = new QPushButton(caption, this);
    b->setObjectName(objectName);
    connect(b, &QPushButton::clicked, this, [this, window] { registry_.open(window); });
    launchButtons_.push_back({b, window, fullEditionOnly});
    return b;
}

void TfrmMain::buildMenu() {
    auto* mmCc = menuBar();
    mmCc->setObjectName("mmCc");
    auto addWindowEntry = [this](QMenu* menu, const QString& caption, const QString& window,
                                 bool fullOnly) {
        QAction* a = menu->addAction(caption);
        connect(a, &QAction::triggered, this, [this, window] { registry_.open(window); });
        menuEntries_.push_back({a, window, fullOnly});
        return a;
    };
    QMenu* init = mmCc->addMenu(QStringLiteral("初始化(&I)"));
    N2 = addWindowEntry(init, QStringLiteral("导入开课计划"), "frmImportCoursePlan", true);
    N2->setObjectName("N2");
    // The operation menu reaches the same windows as the buttons.
    QMenu* operate = mmCc->addMenu(QStringLiteral("操作(&O)"));
    addWindowEntry(operate, QStringLiteral("排课"), "frmRoomCrc", false);
    addWindowEntry(operate, QStringLiteral("查错"), "frmCheckCrc", true);
    addWindowEntry(operate, QStringLiteral("开课更新"), "frmCoursePlanTask", true);
    QMenu* other = mmCc->addMenu(QStringLiteral("其它(&H)"));
    QAction* N10 = other->addAction(QStringLiteral("数据库"));
    N10->setObjectName("N10");
    connect(N10, &QAction::triggered, this, [this] { N10Click(); });
    addWindowEntry(other, QStringLiteral("调课"), "frmAdjust", true);
    QAction* N9 = other->addAction(QStringLiteral("关于...(&A)"));
    N9->setObjectName("N9");
    connect(N9, &QAction::triggered, this, [this] { N9Click(); });
}

bool TfrmMain::isFullEdition() const { return CurrentVer && !CurrentVer->IsQueryEdition(); }

// A button is enabled when its window exists and the edition allows it; the edition
// switch also follows the department lock.
void TfrmMain::refreshAvailability() {
    for (const auto& lb : launchButtons_) {
        const bool available = registry_.isAvailable(lb.window);
        bool enabled = available && (isFullEdition() || !lb.fullEditionOnly);
        if (lb.button == bbtnChangeVer) enabled = available && (isFullEdition() != changeVerUnlocked_);
        lb.button->setEnabled(enabled && CurrentVer);
        lb.button->setToolTip(available ? QString() : kUnavailable);
    }
    for (const auto& entry : menuEntries_) {
        const bool available = registry_.isAvailable(entry.window);
        entry.action->setEnabled(available && CurrentVer &&
                                 (isFullEdition() || !entry.fullEditionOnly));
        entry.action->setToolTip(available ? QString() : kUnavailable);
    }
}

business::TCurrentTerm& TfrmMain::currentTerm() {
    if (!CurrentTerm) throw std::runtime_error("工作环境没有建立");
    return *CurrentTerm;
}

business::TCurrentDept& TfrmMain::currentDept() {
    if (!CurrentDept) throw std::runtime_error("工作环境没有建立");
    return *CurrentDept;
}

business::TVerType& TfrmMain::currentVer() {
    if (!CurrentVer) throw std::runtime_error("工作环境没有建立");
    return *CurrentVer;
}

QString TfrmMain::exportFolder() {
    QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (folder.isEmpty()) folder = QDir::homePath();
    QDir().mkpath(folder);
    return folder;
}

QString TfrmMain::programFolder() {
    return QFileInfo(QString::fromStdString(data_.FConnectionString)).absolutePath();
}

void TfrmMain::SortGridByColumn(widgets::DataGrid& grid, int column) {
    widgets::SortGridByColumn(grid, column);
}

void TfrmMain::ExportGridsToWorkbook(const std::vector<widgets::DataGrid*>& grids) {
    if (grids.empty()) return;
    QString what = grids.front()->window()->windowTitle();
    if (what.isEmpty() || grids.front()->window() == grids.front()) what = grids.front()->objectName();
    const QString path = exportFileName(exportFolder(), what, QDateTime::currentDateTime());
    {
        widgets::BusyCursor busy;
        if (!writeGridsWorkbook(grids, path.toStdString())) return;
    }
    dialogs_.openWithDesktop(path);
    dialogs_.information(this, widgets::kMessageTitle, QStringLiteral("已导出到：") + path);
}

void TfrmMain::ExportTimetableToTemplate(widgets::DataGrid& grid, const QString& fileName,
                                         int startRow) {
    widgets::BusyCursor busy;
    writeTimetableTitles(grid, fileName.toStdString(), startRow);
    dialogs_.openWithDesktop(fileName);
}

void TfrmMain::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (shown_) return;
    shown_ = true;
    FormShow();
}

void TfrmMain::FormShow() {
    data_.DataSiteText = "本机";
    try {
        CurrentVer = std::make_unique<business::TVerType>(data_.acData);
        CurrentTerm = std::make_unique<business::TCurrentTerm>(data_.acData);
        CurrentDept = std::make_unique<business::TCurrentDept>(data_.acData);
    } catch (const std::exception& e) {
        CurrentVer.reset();
        CurrentTerm.reset();
        CurrentDept.reset();
        refreshAvailability();
        dialogs_.error(this, widgets::kMessageTitle, QString::fromUtf8(e.what()));
        return;
    }
    OperationMessageList.clear();
    actGetVersionTypeExecute();
    setWindowTitle(baseTitle_ + " - " + text(CurrentTerm->FTermCode) + "学期");

    cbbCurrentTerm->clear();
    cbbCurrentTerm->addItems(textList(CurrentTerm->FTermList));
    cbbCurrentTerm->setCurrentIndex(cbbCurrentTerm->findText(text(CurrentTerm->FTermCode)));

    const QSignalBlocker block(cbbCurrentDept);
    cbbCurrentDept->clear();
    cbbCurrentDept->addItems(textList(CurrentDept->FDeptList) << kOffice);
    cbbCurrentDept->setCurrentIndex(
        CurrentDept->FDept.empty() ? -1 : cbbCurrentDept->findText(text(CurrentDept->FDept)));
}

void TfrmMain::actGetVersionTypeExecute() {
    if (!isFullEdition()) {
        baseTitle_ = QStringLiteral("QuilletV2");
        btnCurriculum->setText(QStringLiteral("教室课表&R"));
        refreshAvailability();
        return;
    }
    baseTitle_ = QStringLiteral("TessoryV2");
    btnCurriculum->setText(QStringLiteral("排课&R"));
    refreshAvailability();
    const std::string& dept = CurrentDept ? CurrentDept->FDept : std::string();
    if (!dept.empty())
        dialogs_.information(this, widgets::kMessageTitle,
                             QStringLiteral("当前系统为：\"") + text(dept) +
                                 QStringLiteral("\" 使用！\n\n如不正确请双击窗口空白处修改至本部门！"));
    else
        dialogs_.information(this, widgets::kMessageTitle,
                             QStringLiteral("当前系统为：\"非教学部使用\" ，请确认！\n如非则双击窗口空白处修改！"));
}

void TfrmMain::actSetActiveDeptExecute() {
    if (!CurrentDept) return;
    const QString chosen = cbbCurrentDept->currentText();
    try {
        // The store compares with what the file holds now, so choosing the start value
        // again after a switch puts it back.
        CurrentDept->SetActiveDept(chosen == kOffice ? std::string() : chosen.toStdString());
    } catch (const std::exception& e) {
        dialogs_.error(this, widgets::kMessageTitle, QString::fromUtf8(e.what()));
    }
}

void TfrmMain::FormDblClick() {
    const auto typed = dialogs_.inputText(this, QStringLiteral("输入密码锁"),
                                          QStringLiteral("锁值为："), QStringLiteral("请输入锁值"));
    if (!typed || *typed != kLockCode) return;
    deptUnlocked_ = !deptUnlocked_;
    changeVerUnlocked_ = !changeVerUnlocked_;
    cbbCurrentDept->setEnabled(deptUnlocked_);
    refreshAvailability();
}

void TfrmMain::bbtnCrcAnalysisClick() {
    const auto typed = dialogs_.inputText(this, QStringLiteral("输入密码锁"),
                                          QStringLiteral("锁值为："), QStringLiteral("密码"));
    if (typed && *typed == kLockCode) {
        registry_.open("frmAnalysis");
        return;
    }
    dialogs_.information(this, widgets::kMessageTitle,
                         QStringLiteral("请核对密码，或与相关人员联系！"));
}

void TfrmMain::bbtnChangeVerClick() { registry_.open("frmVerChange"); }
void TfrmMain::N10Click() { registry_.open("frmData"); }
void TfrmMain::N9Click() { registry_.open("frmAbout"); }

void TfrmMain::FormPaint() {
    const QString site = text(data_.DataSiteText);
    if (lblDataSite->text() != site) lblDataSite->setText(site);
}

void TfrmMain::paintEvent(QPaintEvent* event) {
    FormPaint();
    QMainWindow::paintEvent(event);
}

void TfrmMain::mouseDoubleClickEvent(QMouseEvent* event) {
    QMainWindow::mouseDoubleClickEvent(event);
    FormDblClick();
}

}  // namespace app
