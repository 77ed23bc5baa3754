#include "widgets/dialog_service.h"

#include <QApplication>
#include <QDesktopServices>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <QUrl>

namespace widgets {

void QtDialogService::information(QWidget* parent, const QString& title, const QString& text) {
    QMessageBox::information(parent, title, text, QMessageBox::Ok);
}

void QtDialogService::error(QWidget* parent, const QString& title, const QString& text) {
    QMessageBox::critical(parent, title, text, QMessageBox::Ok);
}

bool QtDialogService::confirm(QWidget* parent, const QString& title, const QString& text) {
    return QMessageBox::question(parent, title, text, QMessageBox::Yes | QMessageBox::No,
                                 QMessageBox::No) == QMessageBox::Yes;
}

std::optional<QString> QtDialogService::inputText(QWidget* parent, const QString& title,
                                                  const QString& prompt,
                                                  const QString& placeholder) {
    QInputDialog box(parent);
    box.setWindowTitle(title);
    box.setLabelText(prompt);
    box.setTextValue(placeholder);
    if (box.exec() != QDialog::Accepted) return std::nullopt;
    return box.textValue();
}

QString QtDialogService::openFileName(QWidget* parent, const QString& title, const QString& folder,
                                      const QString& filter) {
    return QFileDialog::getOpenFileName(parent, title, folder, filter);
}

void QtDialogService::openWithDesktop(const QString& path) {
    QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

BusyCursor::BusyCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
BusyCursor::~BusyCursor() { QApplication::restoreOverrideCursor(); }

}  // namespace widgets
