#include "platform/shell/Dialogs.h"

#include <QFileDialog>
#include <QGuiApplication>
#include <QMessageBox>
#include <QScreen>

namespace wv::shell {

namespace {

class WidgetDialogs final : public Dialogs {
 public:
  void showMessage(QWidget* parent, const MessageRequest& request) override {
    QMessageBox box(request.icon == MessageIcon::Stop ? QMessageBox::Critical : QMessageBox::NoIcon,
                    request.caption, request.text, QMessageBox::Ok, parent);
    if (request.centerOnScreen) {
      box.adjustSize();
      if (const QScreen* screen = QGuiApplication::primaryScreen())
        box.move(screen->availableGeometry().center() - box.rect().center());
    }
    box.exec();
  }

  std::optional<QString> askSaveFileName(QWidget* parent, const SaveFileRequest& request) override {
    QFileDialog dialog(parent);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    // Replacing an existing file needs no question: the caller writes it in place.
    dialog.setOption(QFileDialog::DontConfirmOverwrite, true);
    dialog.setNameFilter(request.filter);
    dialog.selectFile(request.fileName);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    return dialog.selectedFiles().constFirst();
  }
};

WidgetDialogs& realDialogs() {
  static WidgetDialogs instance;
  return instance;
}

Dialogs* current = nullptr;

}  // namespace

Dialogs& dialogs() {
  return current ? *current : realDialogs();
}

void setDialogs(Dialogs* replacement) {
  current = replacement;
}

}  // namespace wv::shell
