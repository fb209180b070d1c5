# Precompiled headers: the library headers that most sources of a target include, parsed
# once per target instead of once per source. They only save time; every source still
# includes what it uses, and -DVOK_PCH=OFF builds without them.
option(VOK_PCH "Precompile the toolkit, test and option library headers of each target" ON)

set(VOK_PCH_STD <algorithm> <cstdint> <cstring> <functional> <memory> <string> <string_view> <vector>)
set(VOK_PCH_QT <QApplication> <QCheckBox> <QEvent> <QImage> <QKeyEvent> <QLabel> <QLineEdit> <QListWidget>
    <QMouseEvent> <QPainter> <QPlainTextEdit> <QPointer> <QPushButton> <QString> <QUndoStack> <QWidget>)

function(vok_precompile target)
  if(VOK_PCH)
    target_precompile_headers(${target} PRIVATE ${ARGN})
    # Through a precompiled header GCC 12 reports false alarms from inside its own string
    # class (copies out of the bounds of a std::string) that it keeps quiet about otherwise.
    target_compile_options(${target} PRIVATE
      "$<$<CXX_COMPILER_ID:GNU>:-Wno-array-bounds;-Wno-stringop-overread;-Wno-stringop-overflow>")
  endif()
endfunction()
