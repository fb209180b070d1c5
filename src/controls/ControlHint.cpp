#include "controls/ControlHint.h"

#include <QVariant>
#include <QWidget>

namespace vok {

void SetHint(QWidget* control, const QString& hint) {
    control->setProperty("Hint", hint);
    control->setToolTip(ShortHint(hint));
}

QString Hint(const QWidget* control) { return control->property("Hint").toString(); }

QString ShortHint(const QString& hint) {
    const qsizetype bar = hint.indexOf('|');
    return bar < 0 ? hint : hint.left(bar);
}

QString LongHint(const QString& hint) {
    const qsizetype bar = hint.indexOf('|');
    return bar < 0 ? hint : hint.mid(bar + 1);
}

}  // namespace vok
