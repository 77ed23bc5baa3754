#include "app/about_box.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QVBoxLayout>

#include "app/version.h"

namespace app {

TfrmAbout::TfrmAbout(QWidget* parent) : QDialog(parent) {
    setObjectName("frmAbout");
    setWindowTitle(QStringLiteral("关于"));
    auto* layout = new QVBoxLayout(this);
    auto* product = new QLabel(QStringLiteral(TESSORY_PRODUCT_NAME), this);
    product->setObjectName("lblProductName");
    QFont big = product->font();
    big.setPointSize(big.pointSize() + 4);
    big.setBold(true);
    product->setFont(big);
    auto* version = new QLabel(QStringLiteral("版本 ") + QStringLiteral(TESSORY_VERSION), this);
    version->setObjectName("lblVersion");
    auto* company = new QLabel(QStringLiteral(TESSORY_COMPANY), this);
    company->setObjectName("lblCompany");
    auto* comments = new QLabel(QStringLiteral(TESSORY_COMMENTS), this);
    comments->setObjectName("lblComments");
    comments->setWordWrap(true);
    auto* ok = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    connect(ok, &QDialogButtonBox::accepted, this, &QDialog::accept);
    for (QWidget* w : {static_cast<QWidget*>(product), static_cast<QWidget*>(version),
                       static_cast<QWidget*>(company), static_cast<QWidget*>(comments),
                       static_cast<QWidget*>(ok)})
        layout->addWidget(w);
    setMinimumWidth(360);
}

}  // namespace app
