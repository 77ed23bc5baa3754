#pragma once
// The launcher and main window: term, department and data site, the edition, the locks,
// and the buttons that open every other window. Closing it ends the program.
#include <QMainWindow>
#include <memory>

#include "app/data_module.h"
#include "app/window_registry.h"
#include "windows/workspace.h"

class QAction;
class QComboBox;
class QLabel;
class QPushButton;

namespace app {

// The one-character code of both access locks.
inline const QString kLockCode = QStringLiteral("8");

class TfrmMain : public QMainWindow, public windows::Workspace {
    Q_OBJECT

public:
    TfrmMain(TdmData& data, widgets::DialogService& dialogs);
    ~TfrmMain() override;

    WindowRegistry& registry() { return registry_; }
    TdmData& dataModule() { return data_; }

    // windows::Workspace
    db::Connection& connection() override { return data_.acData; }
    widgets::DialogService& dialogs() override { return dialogs_; }
    business::TCurrentTerm& currentTerm() override;
    business::TCurrentDept& currentDept() override;
    business::TVerType& currentVer() override;
    std::vector<std::string>& operationMessages() override { return OperationMessageList; }
    business::TRoomCrc*& currentCell() override { return CurrentCell; }
    QWidget* openWindow(const QString& name) override { return registry_.open(name); }
    QString exportFolder() override;
    QString programFolder() override;
    void SortGridByColumn(widgets::DataGrid& grid, int column) override;
    void ExportGridsToWorkbook(const std::vector<widgets::DataGrid*>& grids) override;
    void ExportTimetableToTemplate(widgets::DataGrid& grid, const QString& fileName,
                                   int startRow) override;

    // Handlers, named after their controls.
    void FormShow();
    void FormPaint();
    void FormDblClick();
    void actGetVersionTypeExecute();
    void actSetActiveDeptExecute();
    void bbtnCrcAnalysisClick();
    void bbtnChangeVerClick();
    void N10Click();
    void N9Click();

    std::vector<std::string> OperationMessageList;
    business::TRoomCrc* CurrentCell = nullptr;

protected:
    void showEvent(QShowEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    struct LaunchButton {
        QPushButton* button;
        QString window;
        bool fullEditionOnly;
    };
    void buildControls();
    void buildMenu();
    QPushButton* addLaunchButton(const QString& objectName, const QString& caption,
                                 const QString& window, bool fullEditionOnly);
    void refreshAvailability();
    bool isFullEdition() const;

    TdmData& data_;
    widgets::DialogService& dialogs_;
    WindowRegistry registry_;
    business::TRoomCrc ownCell_;
    std::unique_ptr<business::TVerType> CurrentVer;
    std::unique_ptr<business::TCurrentTerm> CurrentTerm;
    std::unique_ptr<business::TCurrentDept> CurrentDept;
    bool shown_ = false;
    bool deptUnlocked_ = false;
    bool changeVerUnlocked_ = false;
    QString baseTitle_;

    QComboBox* cbbCurrentTerm = nullptr;
    QComboBox* cbbCurrentDept = nullptr;
    QLabel* lblDataSite = nullptr;
    QPushButton* btnCurriculum = nullptr;
    QPushButton* bbtnCrcAnalysis = nullptr;
    QPushButton* bbtnChangeVer = nullptr;
    QAction* N2 = nullptr;
    std::vector<LaunchButton> launchButtons_;
    struct MenuEntry {
        QAction* action;
        QString window;
        bool fullEditionOnly;
    };
    std::vector<MenuEntry> menuEntries_;
};

}  // namespace app
