#pragma once
// The main window.
#include <QWidget>

namespace vok {

class TForm1 : public QWidget {
    Q_OBJECT
public:
    explicit TForm1(QWidget* parent = nullptr);
};

}  // namespace vok
