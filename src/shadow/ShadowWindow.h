#pragma once
// The shadow and selection generator window: the frames of one VokList, a
// preview of the selected frame with its shadow and base line, the base line
// moved with the mouse, and OK to generate and save every frame.
#include <QImage>
#include <QWidget>
#include <string>

#include "controls/ImageView.h"
#include "controls/ProgressDialog.h"
#include "controls/ZqModalForm.h"
#include "pictures/Bitmap.h"
#include "shadow/ShadowJob.h"

class QListWidget;
class QPushButton;

namespace vok {

class IDialogs;

// A picture box: shows its image at the top-left corner, unscaled, and passes
// its mouse events on in picture coordinates.
class TForm3 : public TZqModalForm {
    Q_OBJECT
public:
    explicit TForm3(IDialogs& dialogs, QWidget* parent = nullptr);

    // The window's class name: the program's title and " Shadow Form".
    const std::string ClassName;
    // The VokList file, set by the main window before ShowForVokList.
    std::string ListFileName;
    // Reads the list, fills the window, shows it modally and returns when it is
    // closed. A list that cannot be read raises its error; nothing is shown.
    void ShowForVokList();

    // Controls, named as designed.
    TImageView* Image1;
    QListWidget* ListBox1;
    QWidget* Panel1;
    QPushButton* Button1;  // OK
    QPushButton* Button2;  // Cancel

    // The list, its frame pictures and the base line.
    TShadowJob Job;
    TProgressTexts ProgressDialog1{"Writing frames..."};
    int LastItem = -1;
    bool Dragging = false;

    void ListBox1Click();
    void Image1MouseDown(Qt::MouseButton button, int x, int y);
    void Image1MouseMove(int x, int y);
    void Image1MouseUp(Qt::MouseButton button, int x, int y);
    void Button1Click();
    void Button2Click();
    // Right-click on a control: shows the long part of its hint; true when one was shown.
    bool Image1ContextPopup(QWidget* control, const QPoint& pos);

private:
    void FillList();
    // Regenerates the preview of the selected row; false after a reported failure.
    bool Preview();

    IDialogs& dialogs_;
    // The previewed copy of a frame.
    Bitmap work_;
};

}  // namespace vok
