#include "qt/qt_dialogs.h"

#include <QApplication>
#include <QInputDialog>
#include <QMessageBox>

namespace qtui {

void QtDialogs::MessageBox(const std::string& text) {
  if (closed_) return;
  QMessageBox box(QMessageBox::NoIcon, QString::fromStdString(title_), QString::fromStdString(text),
                  QMessageBox::Ok, QApplication::activeWindow());
  box.exec();
}

std::string QtDialogs::InputBox(const std::string& prompt, const std::string& title,
                                const std::string& defaultAnswer) {
  if (closed_) return {};
  bool ok = false;
  QString answer = QInputDialog::getText(
      QApplication::activeWindow(), QString::fromStdString(title), QString::fromStdString(prompt),
      QLineEdit::Normal, QString::fromStdString(defaultAnswer), &ok);
  return ok ? answer.toStdString() : std::string();
}

bool QtDialogs::AskYesNo(const std::string& question, const std::string& title) {
  if (closed_) return false;
  QMessageBox box(QMessageBox::Question, QString::fromStdString(title),
                  QString::fromStdString(question), QMessageBox::Yes | QMessageBox::No,
                  QApplication::activeWindow());
  box.setDefaultButton(QMessageBox::No);
  return box.exec() == QMessageBox::Yes;
}

}  // namespace qtui
