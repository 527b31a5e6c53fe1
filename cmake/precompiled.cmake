# veltrum_precompile_headers(DIR): gives every library and program below
# DIR with at least four C++ units a precompiled header of the QtCore and
# standard headers most units include (and GoogleTest for the test
# programs). Each target compiles its own, with its own flags and defines.

set(veltrum_pch_headers
    <QtCore/QCoreApplication>
    <QtCore/QDate>
    <QtCore/QDateTime>
    <QtCore/QDir>
    <QtCore/QFile>
    <QtCore/QFileInfo>
    <QtCore/QHash>
    <QtCore/QJsonArray>
    <QtCore/QJsonDocument>
    <QtCore/QJsonObject>
    <QtCore/QList>
    <QtCore/QLocale>
    <QtCore/QMap>
    <QtCore/QRegularExpression>
    <QtCore/QSet>
    <QtCore/QString>
    <QtCore/QStringList>
    <QtCore/QVariant>
    <algorithm>
    <functional>
    <memory>
    <vector>)

function(veltrum_precompile_headers dir)
  get_property(targets DIRECTORY ${dir} PROPERTY BUILDSYSTEM_TARGETS)
  foreach(target IN LISTS targets)
    get_target_property(type ${target} TYPE)
    if(NOT type MATCHES "^(STATIC_LIBRARY|SHARED_LIBRARY|MODULE_LIBRARY|OBJECT_LIBRARY|EXECUTABLE)$")
      continue()
    endif()
    get_target_property(sources ${target} SOURCES)
    list(FILTER sources INCLUDE REGEX "\\.cpp$")
    list(LENGTH sources units)
    if(units LESS 4)
      continue()
    endif()
    set(headers ${veltrum_pch_headers})
    get_target_property(links ${target} LINK_LIBRARIES)
    if(links MATCHES "GTest::")
      list(APPEND headers <gtest/gtest.h>)
    endif()
    target_precompile_headers(${target} PRIVATE ${headers})
  endforeach()
  get_property(subdirs DIRECTORY ${dir} PROPERTY SUBDIRECTORIES)
  foreach(sub IN LISTS subdirs)
    veltrum_precompile_headers(${sub})
  endforeach()
endfunction()
