# cmake -DEDGES="lib>linked|..." -DSOURCES="dir|..." -P checklayers.cmake
# Fails when a library links a Qt module that needs a display or draws, or
# when one of its sources includes such a module's header.

set(forbidden_modules "^Qt6::(Gui|Widgets|Charts|Svg|SvgWidgets|PrintSupport|OpenGL|OpenGLWidgets|Quick|Qml)$")
set(forbidden_headers
    "#[ \t]*include[ \t]*<(QtGui|QtWidgets|QtCharts|QtSvg|QtPrintSupport)[/>]"
    "#[ \t]*include[ \t]*<Q(Chart|ChartView|Widget|Painter|Image|Pixmap|Color|Font|Icon|Brush|Pen|PdfWriter|SvgGenerator|Application|GuiApplication|Printer)>")

set(failures "")
string(REPLACE "|" ";" edges "${EDGES}")
if(NOT edges)
  message(FATAL_ERROR "no link edges were handed over")
endif()
foreach(edge ${edges})
  string(REPLACE ">" ";" pair "${edge}")
  list(GET pair 0 library)
  list(GET pair 1 linked)
  if(linked MATCHES "${forbidden_modules}")
    list(APPEND failures "${library} links ${linked}")
  endif()
endforeach()

string(REPLACE "|" ";" dirs "${SOURCES}")
set(count 0)
foreach(dir ${dirs})
  file(GLOB_RECURSE files "${dir}/*.h" "${dir}/*.cpp")
  foreach(file ${files})
    math(EXPR count "${count} + 1")
    file(STRINGS "${file}" includes REGEX "^#[ \t]*include")
    foreach(line ${includes})
      foreach(pattern ${forbidden_headers})
        if(line MATCHES "${pattern}")
          list(APPEND failures "${file}: ${line}")
        endif()
      endforeach()
    endforeach()
  endforeach()
endforeach()
if(count EQUAL 0)
  message(FATAL_ERROR "no sources found in ${SOURCES}")
endif()

if(failures)
  list(JOIN failures "\n  " text)
  message(FATAL_ERROR "libraries that must build without a display reach for drawing:\n  ${text}")
endif()
message(STATUS "${count} sources, no drawing or widgets below the views")
