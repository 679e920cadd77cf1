#include "tests/support/FakeDialogs.h"

#include <gtest/gtest.h>

namespace wv::test {

FakeDialogs::FakeDialogs() {
  shell::setDialogs(this);
}
FakeDialogs::~FakeDialogs() {
  shell::setDialogs(nullptr);
}

void FakeDialogs::showMessage(QWidget*, const shell::MessageRequest& request) {
  messages.push_back(request);
}

std::optional<QString> FakeDialogs::askSaveFileName(QWidget*,
                                                    const shell::SaveFileRequest& request) {
  saveRequests.push_back(request);
  if (saveAnswers.empty()) return std::nullopt;
  std::optional<QString> answer = saveAnswers.front();
  saveAnswers.pop_front();
  return answer;
}

bool FakeDialogs::interceptsOpenFile(const QString& path) {
  openedFiles.push_back(path);
  return true;
}

QString FakeDialogs::takeOnlyMessage() {
  EXPECT_EQ(messages.size(), 1u);
  QString text = messages.empty() ? QString() : messages.back().text;
  messages.clear();
  return text;
}

}  // namespace wv::test
