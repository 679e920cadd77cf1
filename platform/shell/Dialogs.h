#pragma once

#include <QString>
#include <optional>

class QWidget;

namespace wv::shell {

enum class MessageIcon { None, Stop };

struct MessageRequest {
  QString caption;
  QString text;
  MessageIcon icon = MessageIcon::None;
  bool centerOnScreen = false;
};

struct SaveFileRequest {
  QString filter;    // a pattern such as "*.xlsx"
  QString fileName;  // the proposed name
};

// The one seam through which the program talks to the user in modal dialogs and hands files
// to the desktop, so that tests can answer without a person.
class Dialogs {
 public:
  virtual ~Dialogs() = default;
  // A modal message box with one OK button; returns when it is closed.
  virtual void showMessage(QWidget* parent, const MessageRequest& request) = 0;
  // A modal save-file dialog; nullopt when the user cancels.
  virtual std::optional<QString> askSaveFileName(QWidget* parent,
                                                 const SaveFileRequest& request) = 0;
  // True when a request to open a file is taken here instead of by the desktop.
  virtual bool interceptsOpenFile(const QString& /*path*/) { return false; }
};

Dialogs& dialogs();
// Puts another implementation in place (tests); nullptr restores the real dialogs.
void setDialogs(Dialogs* replacement);

}  // namespace wv::shell
