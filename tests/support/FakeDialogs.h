#pragma once

#include <QString>
#include <QStringList>
#include <deque>
#include <optional>
#include <vector>

#include "platform/shell/Dialogs.h"

namespace wv::test {

// Answers the program's dialogs without a person while it is alive: records every message
// box, answers save dialogs from a queue (cancel when empty) and records opened files.
class FakeDialogs final : public shell::Dialogs {
 public:
  FakeDialogs();
  ~FakeDialogs() override;

  void showMessage(QWidget* parent, const shell::MessageRequest& request) override;
  std::optional<QString> askSaveFileName(QWidget* parent,
                                         const shell::SaveFileRequest& request) override;
  bool interceptsOpenFile(const QString& path) override;

  std::vector<shell::MessageRequest> messages;
  std::vector<shell::SaveFileRequest> saveRequests;
  std::deque<std::optional<QString>> saveAnswers;
  QStringList openedFiles;

  // The text of the only message shown since the last call, failing the test otherwise.
  QString takeOnlyMessage();
};

}  // namespace wv::test
