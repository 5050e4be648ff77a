# Turns the shipped lessons (lessons/NAME.qs9) into a C++ source file that
# holds each lesson's name and text, so that the window carries the library
# and reads no file for it at run time.
#   cmake "-DLESSONS=a.qs9;b.qs9" -DORDER=lessons/README.md -DOUTPUT=file.cpp -P embed-lessons.cmake
# defines shippedLessons() of host/shipped_lessons.h, in the teaching order
# of lesson_order.cmake.
foreach(var LESSONS ORDER OUTPUT)
  if(NOT DEFINED ${var})
    message(FATAL_ERROR "embed-lessons.cmake: ${var} is not set")
  endif()
endforeach()

include("${CMAKE_CURRENT_LIST_DIR}/lesson_order.cmake")
lesson_order("${LESSONS}" "${ORDER}" LESSONS)
set(texts "")
set(rows "")
set(n 0)
foreach(lesson IN LISTS LESSONS)
  get_filename_component(name "${lesson}" NAME_WE)
  if(NOT name MATCHES "^[a-z0-9-]+$")
    message(FATAL_ERROR "embed-lessons.cmake: ${lesson}: a lesson's name is lower-case letters, digits and '-'")
  endif()
  file(READ "${lesson}" hex HEX)
  string(LENGTH "${hex}" hexLength)
  math(EXPR size "${hexLength} / 2")
  # The bytes as they are (UTF-8 and all), sixteen a line.
  string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
  string(REPEAT "0x..," 16 line)
  string(REGEX REPLACE "(${line})" "\\1\n    " bytes "${bytes}")
  string(APPEND texts "const unsigned char text${n}[] = {\n    ${bytes}0};\n")
  string(APPEND rows "    {\"${name}\", {reinterpret_cast<const char*>(text${n}), ${size}}},\n")
  math(EXPR n "${n} + 1")
endforeach()

if(n EQUAL 0)
  set(table "std::span<const ShippedLesson> shippedLessons() { return {}; }\n")
else()
  set(table "const ShippedLesson lessons[] = {\n${rows}};\n\n} // namespace\n\nstd::span<const ShippedLesson> shippedLessons() { return lessons; }\n")
  set(texts "namespace {\n\n${texts}\n")
endif()
file(WRITE "${OUTPUT}.tmp"
"// Generated from lessons/*.qs9 by tools/lessons/embed-lessons.cmake; do not edit.
#include \"host/shipped_lessons.h\"

${texts}${table}")
file(COPY_FILE "${OUTPUT}.tmp" "${OUTPUT}" ONLY_IF_DIFFERENT)
file(REMOVE "${OUTPUT}.tmp")
