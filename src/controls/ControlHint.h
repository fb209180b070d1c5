#pragma once
// A control's hint "short|long": the short part is its tool-tip, the long part is
// shown when the control is right-clicked. Without a "|" both parts are the whole hint.
#include <QString>

class QWidget;

namespace vok {

void SetHint(QWidget* control, const QString& hint);
QString Hint(const QWidget* control);
QString ShortHint(const QString& hint);
QString LongHint(const QString& hint);

}  // namespace vok
