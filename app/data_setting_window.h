#pragma once
// Points the shared connection, for this run, at a copy of the data file in a shared
// folder of another machine.
#include <QDialog>
#include <functional>

#include "app/data_module.h"
#include "widgets/dialog_service.h"

class QComboBox;
class QPushButton;

namespace app {

class TfrmData : public QDialog {
    Q_OBJECT

public:
    // `siteChanged` runs after a set, so the main window shows the new data site.
    TfrmData(TdmData& data, widgets::DialogService& dialogs, std::function<void()> siteChanged,
             QWidget* parent = nullptr);

    void btnConnectTestClick();
    void btnSetClick();

private:
    std::string chosenFolder() const;
    std::string chosenFile() const;

    TdmData& data_;
    widgets::DialogService& dialogs_;
    std::function<void()> siteChanged_;
    QComboBox* cbbHost;
    QComboBox* cbbPath;
    QComboBox* cbbFile;
    QPushButton* btnConnectTest;
    QPushButton* btnSet;
};

}  // namespace app
