#pragma once

#include "DataExchange.h"
#include "Vector.h"

#include <QDialog>

// A point as x, y and z (no range), with OK and "Abbrechen"; its title is
// given when it opens. The polygon page and the viewpoint command use it.
class CPointDialog : public QDialog {
public:
  CPointDialog(const QString& title, const CVector& point, CMessageSink& messages, QWidget* parent);

  // Shows the dialog modally; TRUE on OK, with the point taken.
  bool Edit();
  const CVector& GetPoint() const { return m_point; }

  void accept() override;

private:
  CVector m_point;
  CFieldBinder m_binder;
};
