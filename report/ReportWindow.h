#pragma once

#include <QWidget>

class TdmCon;

// The DOVAD deliveries report window; created hidden at start-up, shown by "DOVAD".
class TfDovad : public QWidget {
  Q_OBJECT

 public:
  explicit TfDovad(TdmCon& dmCon, QWidget* parent = nullptr);

 private:
  TdmCon& dmCon_;
};
