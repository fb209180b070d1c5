#pragma once
// Hints on demand: a right click on a control shows the long part of its hint beside
// the cursor until the next click or key. Tool-tips of the whole program are drawn by
// the same hint window.
#include <QPoint>
#include <QRect>
#include <QString>

class QImage;
class QWidget;

namespace vok {

class TZqSimpleHintWindow;

// Shows the long part of the control's hint, or the given text, 10 pixels right of the
// cursor and one pixel below its visible tip. False when there is nothing to show, so
// that the right click can take its normal course.
bool ShowContextHint(QWidget* control, const QString& text = QString());
// timeout <= 0: the program's hint hide pause (2500 ms).
void ShowHintAt(const QString& text, QPoint point, int timeout, bool mouseTransparent, bool activate);
void ShowHintRect(const QString& text, QRect rect, int timeout, bool mouseTransparent, bool activate);
// Hides the context hint, fading out over 200 ms when fade is set.
void HideHint(bool fade);
// The context hint window; none before the first hint.
TZqSimpleHintWindow* ContextHintWindow();

// Pixels from the current cursor's hot spot down to its lowest visible row.
int CursorHeightBelowHotspot();
// The lowest row of the image with a visible pixel plus one; 0 for a blank image.
int VisibleHeight(const QImage& image);

// Start-up: tool-tips are drawn by the hint window from now on, and the context hint
// window is made once so that the first right click answers at once.
void InstallHintWindow();

}  // namespace vok
