# Runs the id generator on one case of the table below and checks what it
# does: either writes exactly the expected header or stops with the
# expected message.
#   cmake -DCASE=<name> -DGENERATOR=<GenerateIds.cmake> -DWORK=<folder> -P GeneratorCases.cmake

cmake_policy(VERSION 3.25)

# Each case: the string table (one .inc), the definitions file, and either
# the header to expect or a part of the error to expect.
set(good_strings [=[
// Comments and blank lines are allowed.

S(First, 10, "one"),
{11, "unnamed, reached by number"},
S(Tangent, 12, "a \"quoted\" text, with commas"),
]=])
set(good_definitions [=[
# A comment.
command Tangent 12  # the same name as a text: another kind
command Open 20
bitmap Logo 12
dialog About 100
]=])
set(good_header [=[
#pragma once

// Generated from res/strings/*.inc and res/ids/Ids.def; edit those instead.
// Each kind of id is a type of its own, so that an id of one kind cannot
// stand where another kind belongs.

// Texts of the string table.
enum class StringId : unsigned {
    First = 10,
    Tangent = 12,
};

// Commands of the main window.
enum class CommandId : unsigned {
    Tangent = 12,  // the same name as a text: another kind
    Open = 20,
};

// Pictures of res/images.
enum class BitmapId : unsigned {
    Logo = 12,
};

// Dialog templates.
enum class DialogId : unsigned {
    About = 100,
};
]=])

set(text_name_twice_strings "S(Same, 1, \"a\"),\nS(Same, 2, \"b\"),\n")
set(text_name_twice_error "string name Same is also used at .*a.inc:1")

set(text_number_twice_strings "S(Named, 7, \"a\"),\n{7, \"b\"},\n")
set(text_number_twice_error "string number 7 is also used at .*a.inc:1")

set(unnamed_number_twice_strings "{7, \"a\"},\n{7, \"b\"},\n")
set(unnamed_number_twice_error "a.inc:2: string number 7 is also used")

set(command_number_twice_definitions "command Open 20\ncommand Close 20\n")
set(command_number_twice_error "Ids.def:2: command number 20 is also used")

set(bitmap_name_twice_definitions "bitmap Logo 1\nbitmap Logo 2\n")
set(bitmap_name_twice_error "Ids.def:2: bitmap name Logo is also used")

set(unknown_kind_definitions "widget Button 3\n")
set(unknown_kind_error "Ids.def:1: unknown kind widget")

set(unreadable_text_strings "{12 \"no comma\"},\n")
set(unreadable_text_error "a.inc:1: cannot read")

set(unreadable_definition_definitions "command Open\n")
set(unreadable_definition_error "Ids.def:1: cannot read 'command Open'")

if(NOT DEFINED ${CASE}_strings)
  set(${CASE}_strings "")
endif()
if(NOT DEFINED ${CASE}_definitions)
  set(${CASE}_definitions "")
endif()

set(dir "${WORK}/${CASE}")
file(REMOVE_RECURSE "${dir}")
file(WRITE "${dir}/strings/a.inc" "${${CASE}_strings}")
file(WRITE "${dir}/Ids.def" "${${CASE}_definitions}")
execute_process(
  COMMAND ${CMAKE_COMMAND} -DDEFINITIONS=${dir}/Ids.def -DSTRINGS_DIR=${dir}/strings -DOUTPUT=${dir}/Ids.h
          -P ${GENERATOR}
  RESULT_VARIABLE result
  ERROR_VARIABLE error)

if(DEFINED ${CASE}_error)
  if(result EQUAL 0)
    message(FATAL_ERROR "${CASE}: the generator accepted what it should refuse")
  endif()
  string(REGEX REPLACE "[ \n]+" " " error "${error}")
  if(NOT error MATCHES "${${CASE}_error}")
    message(FATAL_ERROR "${CASE}: expected an error matching '${${CASE}_error}', got: ${error}")
  endif()
else()
  if(NOT result EQUAL 0)
    message(FATAL_ERROR "${CASE}: the generator failed: ${error}")
  endif()
  file(READ "${dir}/Ids.h" header)
  if(NOT header STREQUAL "${${CASE}_header}")
    message(FATAL_ERROR "${CASE}: the header differs from the expected one:\n${header}")
  endif()
endif()
