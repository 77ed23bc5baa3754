#include "app/data_setting_window.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/share_path.h"
#include "db/names.h"

namespace app {

namespace {

QComboBox* editableList(QWidget* parent, const char* name, const QString& text) {
    auto* box = new QComboBox(parent);
    box->setObjectName(name);
    box->setEditable(true);
    box->addItem(text);
    box->setCurrentText(text);
    box->setMinimumContentsLength(18);
    return box;
}

}  // namespace

TfrmData::TfrmData(TdmData& data, widgets::DialogService& dialogs,
                   std::function<void()> siteChanged, QWidget* parent)
    : QDialog(parent), data_(data), dialogs_(dialogs), siteChanged_(std::move(siteChanged)) {
    setObjectName("frmData");
    setWindowTitle(QStringLiteral("远程数据库配置"));
    cbbHost = editableList(this, "cbbHost", "127.0.0.1");
    cbbPath = editableList(this, "cbbPath", "\\CrcData\\");
    cbbFile = editableList(this, "cbbFile", QString::fromUtf8(db::kDataFileName.data(),
                                                               db::kDataFileName.size()));
    btnConnectTest = new QPushButton(QStringLiteral("测试连接&T"), this);
    btnConnectTest->setObjectName("btnConnectTest");
    btnSet = new QPushButton(QStringLiteral("完成设置&S"), this);
    btnSet->setObjectName("btnSet");
    connect(btnConnectTest, &QPushButton::clicked, this, [this] { btnConnectTestClick(); });
    connect(btnSet, &QPushButton::clicked, this, [this] { btnSetClick(); });

    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("主机："), cbbHost);
    form->addRow(QStringLiteral("共享目录："), cbbPath);
    form->addRow(QStringLiteral("数据文件："), cbbFile);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(btnConnectTest);
    buttons->addWidget(btnSet);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addLayout(buttons);
}

std::string TfrmData::chosenFolder() const {
    return resolveShare(cbbHost->currentText().trimmed().toStdString(),
                        cbbPath->currentText().trimmed().toStdString(), currentShareEnvironment());
}

// A typed file name is honoured; an empty box means the usual data file.
std::string TfrmData::chosenFile() const {
    const QString typed = cbbFile->currentText().trimmed();
    return typed.isEmpty() ? std::string(db::kDataFileName) : typed.toStdString();
}

void TfrmData::btnConnectTestClick() {
    db::Connection probe;  // the shared connection stays as it is, whatever the outcome
    const bool ok = ConnectToDataFile(probe, chosenFolder(), chosenFile());
    dialogs_.information(this, widgets::kMessageTitle,
                         ok ? QStringLiteral("指定数据库连接成功")
                            : QStringLiteral("无法连接指定的数据库"));
}

void TfrmData::btnSetClick() {
    data_.acData.close();
    if (ConnectToDataFile(data_.acData, chosenFolder(), chosenFile())) {
        data_.DataSiteText = "网络";
    } else {
        // The label and the connection never disagree: a failed set goes back to the
        // local file.
        data_.RestoreLocalConnection();
        data_.DataSiteText = "本机";
    }
    if (siteChanged_) siteChanged_();
    close();
}

}  // namespace app
