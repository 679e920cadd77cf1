#include "login/RememberedLogin.h"

#include <QFileInfo>

#include "platform/memtable/FieldLink.h"
#include "platform/shell/KnownFolders.h"

using wv::memtable::FieldDef;
using wv::memtable::FieldLink;
using wv::memtable::TableDef;
using wv::memtable::TableState;

namespace {

TableDef loginTableDef() {
  return {QStringLiteral("dsLogin"),
          {FieldDef{QStringLiteral("company"), 200, true},
           FieldDef{QStringLiteral("username"), 200, true}}};
}

}  // namespace

RememberedLogin::RememberedLogin(QLineEdit* company, QLineEdit* username)
    : dsLogin_(loginTableDef()) {
  new FieldLink(company, &dsLogin_, QStringLiteral("company"));
  new FieldLink(username, &dsLogin_, QStringLiteral("username"));
}

void RememberedLogin::loadAndOpen() {
  const QString path = filePath();
  if (QFileInfo::exists(path)) dsLogin_.loadFromFile(path);
  dsLogin_.open();
}

void RememberedLogin::save() {
  const QString path = filePath();
  // Closed only after a failed load: opening it empty takes in what the boxes hold now.
  dsLogin_.open();
  dsLogin_.updateRecord();
  if (dsLogin_.state() != TableState::Browse) {
    if (dsLogin_.isModified()) {
      dsLogin_.post();
    } else {
      dsLogin_.cancel();
    }
  }
  dsLogin_.saveToFile(path);
}

QString RememberedLogin::filePathIn(const QString& folder) {
  const QString name = QStringLiteral("VekParlo.json");
  if (folder.isEmpty() || folder.endsWith(u'\\') || folder.endsWith(u'/')) return folder + name;
  return folder + wv::shell::pathSeparator() + name;
}

QString RememberedLogin::filePath() {
  return filePathIn(wv::shell::roamingAppDataFolder());
}
