// The Qt dialogs: the prompt answers what was typed on OK and nothing on Cancel, the question
// answers Yes or No, and the dialogs carry the titles they were given.
#include "qt/qt_dialogs.h"

#include <gtest/gtest.h>

#include <QDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

#include "qt_test_support.h"

namespace {

class QtDialogsTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { qt_test::EnsureApplication(); }

  // Acts on the modal dialog once its event loop runs, noting its title first.
  void WhenShown(std::function<void(QDialog&)> act) {
    QTimer::singleShot(0, [this, act = std::move(act)] {
      QWidget* modal = QApplication::activeModalWidget();
      auto* dialog = qobject_cast<QDialog*>(modal);
      if (dialog == nullptr) {
        ADD_FAILURE() << "no modal dialog is up";
        if (modal) modal->close();  // never leave the test waiting on it
        return;
      }
      title_ = dialog->windowTitle();
      act(*dialog);
    });
  }

  qtui::QtDialogs dialogs_{"KM4400 Leak Detector Data Acquisition Software"};
  QString title_;
};

TEST_F(QtDialogsTest, PromptAnswersTheTypedTextOnOk) {
  WhenShown([](QDialog& dialog) {
    auto& input = static_cast<QInputDialog&>(dialog);
    EXPECT_EQ(input.textValue(), "C:\\Leak");
    input.setTextValue("/data/leak");
    input.accept();
  });
  EXPECT_EQ(dialogs_.InputBox("New folder?", "Leak folder", "C:\\Leak"), "/data/leak");
  EXPECT_EQ(title_, "Leak folder");
}

TEST_F(QtDialogsTest, PromptAnswersNothingOnCancel) {
  WhenShown([](QDialog& dialog) {
    static_cast<QInputDialog&>(dialog).setTextValue("typed, then cancelled");
    dialog.reject();
  });
  EXPECT_EQ(dialogs_.InputBox("New folder?", "Leak folder", "C:\\Leak"), "");
}

TEST_F(QtDialogsTest, MessageBoxHasOnlyOkAndTheProgramsTitle) {
  QMessageBox::StandardButtons buttons;
  WhenShown([&buttons](QDialog& dialog) {
    auto& box = static_cast<QMessageBox&>(dialog);
    buttons = box.standardButtons();
    box.accept();
  });
  dialogs_.MessageBox("Path / File access error.");
  EXPECT_EQ(buttons, QMessageBox::Ok);
  EXPECT_EQ(title_, "KM4400 Leak Detector Data Acquisition Software");
}

TEST_F(QtDialogsTest, QuestionAnswersYesOrNoAndDefaultsToNo) {
  for (QMessageBox::StandardButton pressed : {QMessageBox::Yes, QMessageBox::No}) {
    QMessageBox::StandardButton byDefault = QMessageBox::NoButton;
    WhenShown([&](QDialog& dialog) {
      auto& box = static_cast<QMessageBox&>(dialog);
      EXPECT_EQ(box.standardButtons(), QMessageBox::Yes | QMessageBox::No);
      byDefault = box.standardButton(box.defaultButton());
      box.button(pressed)->click();
    });
    bool yes = dialogs_.AskYesNo("1208A1.3 already exists. Replace it?", "Save Test Data");
    EXPECT_EQ(yes, pressed == QMessageBox::Yes);
    EXPECT_EQ(byDefault, QMessageBox::No);
    EXPECT_EQ(title_, "Save Test Data");
  }
}

}  // namespace
