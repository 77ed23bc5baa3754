#pragma once
#include <QDialog>

namespace app {

// Product name, version, maker and comments, from the build's own version data.
class TfrmAbout : public QDialog {
    Q_OBJECT

public:
    explicit TfrmAbout(QWidget* parent = nullptr);
};

}  // namespace app
