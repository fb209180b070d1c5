#include "controls/PasteGuard.h"

#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMimeData>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QTextEdit>

namespace vok {

namespace {

class TPasteGuard : public QObject {
public:
    explicit TPasteGuard(QObject* parent) : QObject(parent) { setObjectName("ZqPasteGuard"); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

// The text field an event is meant for: a line edit, or a text edit (whose mouse events
// go to its viewport); null for anything else.
QWidget* TextField(QObject* watched) {
    auto* widget = qobject_cast<QWidget*>(watched);
    if (!widget) return nullptr;
    if (qobject_cast<QLineEdit*>(widget) || qobject_cast<QPlainTextEdit*>(widget) || qobject_cast<QTextEdit*>(widget))
        return widget;
    auto* area = qobject_cast<QAbstractScrollArea*>(widget->parentWidget());
    if (area && area->viewport() == widget && (qobject_cast<QPlainTextEdit*>(area) || qobject_cast<QTextEdit*>(area)))
        return area;
    return nullptr;
}

// Pastes into an editable text edit as typed lines; false when the field is not one.
bool PasteLines(QWidget* field, const QString& text, const QPoint* at) {
    const QString lines = PastedLines(text);
    if (auto* edit = qobject_cast<QPlainTextEdit*>(field); edit && !edit->isReadOnly()) {
        if (at) edit->setTextCursor(edit->cursorForPosition(*at));
        edit->insertPlainText(lines);
        return true;
    }
    if (auto* edit = qobject_cast<QTextEdit*>(field); edit && !edit->isReadOnly()) {
        if (at) edit->setTextCursor(edit->cursorForPosition(*at));
        edit->insertPlainText(lines);
        return true;
    }
    return false;
}

bool TPasteGuard::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (type != QEvent::KeyPress && type != QEvent::MouseButtonRelease) return false;
    QClipboard::Mode mode = QClipboard::Clipboard;
    const QPoint* at = nullptr;
    QPoint position;
    if (type == QEvent::KeyPress) {
        if (!static_cast<QKeyEvent*>(event)->matches(QKeySequence::Paste)) return false;
    } else {
        auto* mouse = static_cast<QMouseEvent*>(event);
        // Without a selection clipboard the middle button pastes nothing anyway.
        if (mouse->button() != Qt::MiddleButton || !QGuiApplication::clipboard()->supportsSelection()) return false;
        mode = QClipboard::Selection;
        position = mouse->position().toPoint();
        at = &position;
    }
    QWidget* field = TextField(watched);
    if (!field) return false;
    const QMimeData* data = QGuiApplication::clipboard()->mimeData(mode);
    const QString text = data && !data->formats().isEmpty() && data->hasText() ? data->text() : QString();
    if (text.isEmpty()) {
        event->accept();
        return true;
    }
    if (!PasteLines(field, text, at)) return false;  // a line edit pastes by itself
    event->accept();
    return true;
}

}  // namespace

void InstallPasteGuard() {
    QCoreApplication* app = QCoreApplication::instance();
    // Found by its name: the guard has no meta-object of its own to be found by.
    if (!app || app->findChild<QObject*>("ZqPasteGuard", Qt::FindDirectChildrenOnly)) return;
    app->installEventFilter(new TPasteGuard(app));
}

QString PastedLines(const QString& text) {
    QString lines;
    lines.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c == '\r' || c == '\n' || c == QChar::LineSeparator || c == QChar::ParagraphSeparator) {
            lines += '\n';
            if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
        } else if (c == '\t' || c.category() != QChar::Other_Control) {
            lines += c;
        }
    }
    return lines;
}

}  // namespace vok
